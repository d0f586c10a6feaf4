// The load window's fields typed as a user types them: the checks on leaving
// a field (message, selection, corrected value) and when "Añadir" is enabled.
#include <gtest/gtest.h>

#include <array>

#include "Cargas.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

const Mensaje kPositivas = Critico("Las distancias siempre son Numeros Positivos");
const Mensaje kKMenorJ = Critico("Distancia K no puede ser menor o igual que J");

// A field typed and left with Tab, as a fresh action of the user.
struct Paso {
    QLineEdit* campo;
    const char* texto;
    Msgs vistos;                  // the messages shown
    const char* queda = nullptr;  // the field's text afterwards, when checked
    QLineEdit* foco = nullptr;    // the field left focused and selected for the correction
};

class Campos : public VentanaCargas {
  protected:
    void Pasos(std::initializer_list<Paso> pasos) {
        for (const Paso& p : pasos) {
            SCOPED_TRACE(p.campo->objectName().toStdString() + " = " + p.texto);
            Neutral();
            Teclear(p.campo, p.texto);
            EXPECT_EQ(Vistos(), p.vistos);
            if (p.queda != nullptr) {
                EXPECT_EQ(p.campo->text(), p.queda);
            }
            if (p.foco != nullptr) {
                EXPECT_TRUE(p.foco->hasFocus());
                EXPECT_EQ(p.foco->selectedText(), p.foco->text());
            }
            // A refused text left in place would be refused again on leaving.
            if (!p.vistos.empty() && p.queda == nullptr) p.campo->clear();
        }
    }
};

TEST_F(Campos, Longitud) {
    // Truncated to the centimetre (a Single), the typed text kept, k = L.
    for (auto [texto, luz, k] :
         {std::tuple{"2.3", 2.3f, "2.3"}, {"5.678", 5.67f, "5.67"}, {"0", 0.0f, "0"}}) {
        Pasos({{c->txtL, texto, {}, texto}});
        EXPECT_EQ(E().LuzViga, luz);
        EXPECT_EQ(c->txtK->text(), k);
    }
    Pasos({{c->txtL, "0.005", {Critico("Hijo e tu madre, ¿ que viga es esa ?")}, "0.01", c->txtL},
           {c->txtL, "-1", {kPositivas}, nullptr, c->txtL},
           {c->txtL, "abc", {kPositivas}, nullptr, c->txtL},
           {c->txtL, "", {}}});  // an empty field passes silently
}

TEST_F(Campos, DistanciasAyB) {
    Teclear(c->txtL, "6");
    EXPECT_TRUE(c->txtA->hasFocus());  // without cantilevers Tab skips j and k
    ASSERT_TRUE(c->optDistribuida->isChecked());
    // A distributed load out of the span on 6 m: b = 2 then a = 5 corrects
    // a to 4; a = 5 then b = 2 corrects b to 1.
    Pasos({{c->txtA, "-1", {kPositivas}, nullptr, c->txtA},
           {c->txtB, "x", {kPositivas}, nullptr, c->txtB},
           {c->txtB, "2", {}},
           {c->txtA, "5", {kMayorLuz}, "4", c->txtA},
           {c->txtB, "", {}},
           {c->txtA, "5", {}},
           {c->txtB, "2", {kMayorLuz}, "1", c->txtB}});
    // A point load beyond the beam goes to its end; at the end it passes.
    c->optPuntual->click();
    Pasos({{c->txtA, "7", {kMayorLuz}, "6", c->txtA}, {c->txtA, "6", {}}});
    // b corrected from the stored Single 5.67 widened: L - a keeps its tail.
    c->optDistribuida->click();
    Pasos({{c->txtL, "5.678", {}},
           {c->txtA, "1", {}},
           {c->txtB, "5", {kMayorLuz}, "4.670000076293945"}});
}

TEST_F(Campos, ApoyosJyK) {
    c->Check_Vuelo->click();
    // Before a length, entering j or k sends the user back to L.
    const Mensaje faltaL = Critico("Debe intruducir la Luz de la Viga primero", "Faltan datos");
    for (QLineEdit* apoyo : {c->txtJ, c->txtK}) {
        Mensajes::Limpiar();
        QTest::mouseClick(apoyo, Qt::LeftButton);
        ProcesarEventos();
        EXPECT_EQ(Vistos().at(0), faltaL);
        EXPECT_TRUE(c->txtL->hasFocus());
    }
    Teclear(c->txtL, "6");
    EXPECT_TRUE(c->txtJ->hasFocus());
    Pasos({{c->txtJ, "1.5", {}},
           {c->txtK, "8", {}, "6"},          // beyond the beam: the length, silently
           {c->txtK, "0", {kKMenorJ}, "6"},  // j >= k checked first, then k = L
           {c->txtK, "3", {}},
           {c->txtJ, "4", {kKMenorJ}, "0", c->txtJ}});  // from j: j back to 0
    // j >= k from k: j selected, both values left.
    c->txtJ->setText("4");
    c->txtK->setText("6");
    Pasos({{c->txtK, "3", {kKMenorJ}, "3", c->txtJ}});
    EXPECT_EQ(c->txtJ->text(), "4");
    // A negative k takes L's text; a text in j is refused.
    c->txtJ->setText("1");
    Pasos({{c->txtK, "-2", {kPositivas}, "6"}, {c->txtJ, "uno", {kPositivas}, nullptr, c->txtJ}});
}

TEST_F(Campos, IntensidadesSegunElTipoDeCarga) {
    Teclear(c->txtL, "6");
    const Mensaje numericos = Critico("Sólo se aceptan valores numéricos", "Valor Incorrecto");
    const Mensaje positivos =
        Critico("Sólo se aceptan valores numéricos positivos!", "Valor Incorrecto");
    c->optPuntual->click();  // a point load or a moment may act either way
    Pasos({{c->txtP1, "-2", {}}, {c->txtP1, "dos", {numericos}, nullptr, c->txtP1}});
    c->optMomento->click();
    Pasos({{c->txtP1, "-3.5", {}}});
    c->optDistribuida->click();
    Pasos({{c->txtP1, "-1", {positivos}, nullptr, c->txtP1},
           {c->txtP1, "mucho", {positivos}, nullptr, c->txtP1},
           {c->txtP2, "-1", {positivos}, nullptr, c->txtP2},
           {c->txtP1, "0", {}}});
    // b and P2 exist only for a distributed load.
    for (QRadioButton* tipo : {c->optPuntual, c->optMomento, c->optDistribuida}) {
        tipo->click();
        EXPECT_EQ(c->txtB->isEnabled() + c->txtP2->isEnabled(), tipo == c->optDistribuida ? 2 : 0);
    }
}

// When "Añadir" becomes available: per load type and cantilevers, fields set
// in order (each text runs the field's change rule, as typing does), "si" or
// "no" the button's state at that point. A non-numeric text leaves the
// button as it was in some rules and disables it in others.
enum Tipo { P, D, M };  // point, distributed, moment

TEST_F(Campos, CuandoSeHabilitaAnadir) {
    const struct {
        Tipo tipo;
        bool vuelos;
        const char* pasos;
    } casos[] = {
        {P, false, "txtL=6 txtP1=2 no txtA=1 si txtA=1x si txtA=1 txtL=6x no txtL=6 txtP1=2x no"},
        {P, false, "txtL=6 txtA=1 txtP1=2 si txtA= no"},
        {P, false, "txtA=1 txtL=6 no txtL= txtP1=2 txtL=6 si"},
        {M, false, "txtL=6 txtA=1 txtP1=-3 si"},
        {D, false, "txtL=6 txtA=0 txtP1=1 no txtP1= txtB=2 txtP1=1 si"},
        {D, false, "txtL=6 txtB=2 no txtP1=1 si txtP2=x si txtP2= txtB=2x no"},
        {D, false, "txtL=6 txtB=2 txtP2=1 si txtP1=x si txtP1= txtP2=1x no"},
        {D, false, "txtB=2 txtP2=1 no txtB= txtL=6 no"},
        {D, false, "txtP2=3 txtB=2 si txtP2= txtP1=1 txtL=6 si"},
        {P, true, "txtL=6 txtA=1 txtP1=2 no txtP1= txtK=5 txtP1=2 si txtK= no txtK=5x no"},
        {M, true, "txtL=6 txtA=1 txtP1=2 txtK=5 si"},
        {D, true, "txtL=6 txtB=2 txtK=5 no txtP1=1 si txtB= no txtA=0 si"},
        {D, true, "txtL=6 txtK=x txtP1=1 txtB=2 no"},
        {D, true, "txtK=5 txtP2=1 txtB=2 si"},
        {D, true, "txtL=6 txtB=2 txtP2=1 no"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.pasos) + (caso.vuelos ? " con vuelos" : ""));
        if (c->Check_Vuelo->isChecked() != caso.vuelos) c->Check_Vuelo->click();
        for (QLineEdit* f : {c->txtL, c->txtJ, c->txtK}) f->clear();
        // Choosing a type empties the load fields and disables the button.
        c->optMomento->click();
        c->optPuntual->click();
        std::array{c->optPuntual, c->optDistribuida, c->optMomento}[caso.tipo]->click();
        ASSERT_FALSE(c->cmdAnadir->isEnabled());
        QString hechos;
        for (const QString& paso : QString(caso.pasos).split(' ')) {
            if (paso == "si" || paso == "no") {
                EXPECT_EQ(c->cmdAnadir->isEnabled(), paso == "si") << hechos.toStdString();
            } else {
                Hijo<QLineEdit>(c, paso.section('=', 0, 0))->setText(paso.section('=', 1));
            }
            hechos += paso + ' ';
        }
    }
}

}  // namespace
}  // namespace korvex::ui
