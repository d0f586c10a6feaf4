// The entry fields of the load window typed as a user types them: the
// length truncation, the checks on leaving a field with their message,
// selection and corrected value, the supports j and k, Enter as Tab.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "Cargas.h"

namespace korvex::ui {
namespace {

using pruebas::Critico;
using pruebas::Msgs;

const char* kPositivas = "Las distancias siempre son Numeros Positivos";
const char* kMayorLuz = "Esta Distancia no puede ser mayor que la Luz Total de la viga";
const char* kKMenorJ = "Distancia K no puede ser menor o igual que J";

class Campos : public pruebas::VentanaCargas {
  protected:
    // The messages seen, and the field left with the focus and its whole
    // text selected for the correction.
    void Rechazo(const Msgs& esperado, const QLineEdit* campo) {
        EXPECT_EQ(Vistos(), esperado);
        EXPECT_TRUE(campo->hasFocus()) << campo->objectName().toStdString();
        EXPECT_EQ(campo->selectedText(), campo->text()) << campo->objectName().toStdString();
    }
};

TEST_F(Campos, Longitud) {
    // Truncated to the centimetre (a Single), the typed text kept, k = L.
    for (auto [texto, luz, k] : {std::tuple{"2.3", 2.3f, "2.3"},
                                 {"5.678", 5.67f, "5.67"},
                                 {"0", 0.0f, "0"},
                                 {"1e1", 10.0f, "10"}}) {
        SCOPED_TRACE(texto);
        Olvidar();
        TeclearYSalir(c->txtL, texto);
        EXPECT_TRUE(Vistos().empty());
        EXPECT_EQ(ProyectoActual().estado.LuzViga, luz);
        EXPECT_EQ(c->txtK->text(), k);
        EXPECT_EQ(c->txtL->text(), texto);
    }
    TeclearYSalir(c->txtL, "0.005");
    Rechazo({Critico("Hijo e tu madre, ¿ que viga es esa ?")}, c->txtL);
    EXPECT_EQ(c->txtL->text(), "0.01");
    for (const char* malo : {"-1", "abc", "1,5"}) {
        SCOPED_TRACE(malo);
        Neutral();
        TeclearYSalir(c->txtL, malo);
        Rechazo({Critico(kPositivas)}, c->txtL);
    }
    Olvidar();
    TeclearYSalir(c->txtL, "");  // an empty field passes silently
    EXPECT_TRUE(Vistos().empty());
}

TEST_F(Campos, DistanciasAyB) {
    TeclearYSalir(c->txtL, "6");
    EXPECT_TRUE(c->txtA->hasFocus());  // without cantilevers Tab skips j and k
    for (QLineEdit* campo : {c->txtA, c->txtB}) {
        for (const char* malo : {"-1", "x"}) {
            SCOPED_TRACE(campo->objectName().toStdString() + " " + malo);
            Neutral();
            TeclearYSalir(campo, malo);
            Rechazo({Critico(kPositivas)}, campo);
            campo->clear();
        }
    }
    // A distributed load out of the span on 6 m: b = 2 then a = 5 corrects
    // a to 4; a = 5 then b = 2 corrects b to 1.
    ASSERT_TRUE(c->optDistribuida->isChecked());
    TeclearYSalir(c->txtB, "2");
    Neutral();
    TeclearYSalir(c->txtA, "5");
    Rechazo({Critico(kMayorLuz)}, c->txtA);
    EXPECT_EQ(c->txtA->text(), "4");
    c->txtB->clear();
    Neutral();
    TeclearYSalir(c->txtA, "5");
    TeclearYSalir(c->txtB, "2");
    Rechazo({Critico(kMayorLuz)}, c->txtB);
    EXPECT_EQ(c->txtB->text(), "1");

    // A point load beyond the beam goes to its end; at the end it passes.
    c->optPuntual->click();
    Neutral();
    TeclearYSalir(c->txtA, "7");
    Rechazo({Critico(kMayorLuz)}, c->txtA);
    EXPECT_EQ(c->txtA->text(), "6");
    Neutral();
    TeclearYSalir(c->txtA, "6");
    EXPECT_TRUE(Vistos().empty());

    // b corrected from the stored Single 5.67 widened: L - a carries the
    // Single's tail.
    c->optDistribuida->click();
    TeclearYSalir(c->txtL, "5.678");
    Neutral();
    TeclearYSalir(c->txtA, "1");
    TeclearYSalir(c->txtB, "5");
    EXPECT_EQ(Vistos(), Msgs{Critico(kMayorLuz)});
    EXPECT_EQ(c->txtB->text(), "4.670000076293945");
}

TEST_F(Campos, ApoyosJyK) {
    c->Check_Vuelo->click();
    // Before a length, entering j or k sends the user back to L.
    for (QLineEdit* apoyo : {c->txtJ, c->txtK}) {
        SCOPED_TRACE(apoyo->objectName().toStdString());
        Olvidar();
        QTest::mouseClick(apoyo, Qt::LeftButton);
        pruebas::ProcesarEventos();
        ASSERT_FALSE(Vistos().empty());
        EXPECT_EQ(Vistos().front(),
                  Critico("Debe intruducir la Luz de la Viga primero", "Faltan datos"));
        EXPECT_TRUE(c->txtL->hasFocus());
    }
    TeclearYSalir(c->txtL, "6");
    EXPECT_TRUE(c->txtJ->hasFocus());
    Olvidar();
    TeclearYSalir(c->txtJ, "1.5");
    TeclearYSalir(c->txtK, "8");  // beyond the beam: the length, silently
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(c->txtK->text(), "6");

    // k = 0: j >= k is checked first, then k becomes the length.
    Neutral();
    TeclearYSalir(c->txtK, "0");
    EXPECT_EQ(Vistos(), Msgs{Critico(kKMenorJ)});
    EXPECT_EQ(c->txtK->text(), "6");

    // j >= k from j: j back to 0.
    Neutral();
    TeclearYSalir(c->txtK, "3");
    TeclearYSalir(c->txtJ, "4");
    Rechazo({Critico(kKMenorJ)}, c->txtJ);
    EXPECT_EQ(c->txtJ->text(), "0");

    // j >= k from k: j selected, both values left.
    c->txtJ->setText("4");
    c->txtK->setText("6");
    Neutral();
    TeclearYSalir(c->txtK, "3");
    Rechazo({Critico(kKMenorJ)}, c->txtJ);
    EXPECT_EQ(c->txtJ->text(), "4");
    EXPECT_EQ(c->txtK->text(), "3");

    // A negative k takes L's text; a text in j is refused.
    c->txtJ->setText("1");
    Neutral();
    TeclearYSalir(c->txtK, "-2");
    EXPECT_EQ(Vistos(), Msgs{Critico(kPositivas)});
    EXPECT_EQ(c->txtK->text(), "6");
    Neutral();
    TeclearYSalir(c->txtJ, "uno");
    Rechazo({Critico(kPositivas)}, c->txtJ);
}

TEST_F(Campos, IntensidadesSegunElTipoDeCarga) {
    TeclearYSalir(c->txtL, "6");
    const Mensaje numericos = Critico("Sólo se aceptan valores numéricos", "Valor Incorrecto");
    const Mensaje positivos =
        Critico("Sólo se aceptan valores numéricos positivos!", "Valor Incorrecto");
    struct Caso {
        QRadioButton* tipo;
        QLineEdit* campo;
        const char* texto;
        Msgs esperado;
    };
    const std::vector<Caso> casos = {
        {c->optPuntual, c->txtP1, "-2", {}},  // a point load may act upwards
        {c->optMomento, c->txtP1, "-3.5", {}},
        {c->optPuntual, c->txtP1, "dos", {numericos}},
        {c->optDistribuida, c->txtP1, "-1", {positivos}},
        {c->optDistribuida, c->txtP1, "mucho", {positivos}},
        {c->optDistribuida, c->txtP2, "-1", {positivos}},
        {c->optDistribuida, c->txtP1, "0", {}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tipo->objectName().toStdString() + " " + caso.texto);
        caso.tipo->click();
        caso.campo->clear();
        Neutral();
        TeclearYSalir(caso.campo, caso.texto);
        EXPECT_EQ(Vistos(), caso.esperado);
        if (!caso.esperado.empty()) Rechazo(caso.esperado, caso.campo);
        // b and P2 exist only for a distributed load.
        EXPECT_EQ(c->txtB->isEnabled(), caso.tipo == c->optDistribuida);
        EXPECT_EQ(c->txtP2->isEnabled(), caso.tipo == c->optDistribuida);
        caso.campo->clear();
    }
}

TEST_F(Campos, EnterAvanzaComoTabSinPulsarBotones) {
    TeclearYSalir(c->txtL, "6");
    Teclear(c->txtA, "1");
    QTest::keyClick(c->txtA, Qt::Key_Return);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(c->txtB->hasFocus());
    QTest::keyClicks(c->txtB, "2");
    QTest::keyClick(c->txtB, Qt::Key_Enter);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(c->txtP1->hasFocus());
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
}

}  // namespace
}  // namespace korvex::ui
