// The entry fields of the load window typed as a user types them: the
// length truncation, every check on leaving a field with its message,
// selection and corrected value, Enter as Tab, the got-focus rule of j and k
// and the layout of each load type.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "Cargas.h"
#include "ui/common/Lienzo.h"

namespace korvex::ui {
namespace {

using pruebas::Critico;
using Msgs = std::vector<Mensaje>;

const char* kPositivas = "Las distancias siempre son Numeros Positivos";
const char* kMayorLuz = "Esta Distancia no puede ser mayor que la Luz Total de la viga";
const char* kKMenorJ = "Distancia K no puede ser menor o igual que J";
const char* kDistancia = "Distancia Incorrecta";

class Campos : public pruebas::VentanaCargas {
  protected:
    float Luz() const { return ProyectoActual().estado.LuzViga; }
    // The field has the focus with its whole text selected.
    static void Seleccionado(const QLineEdit* campo) {
        EXPECT_TRUE(campo->hasFocus()) << campo->objectName().toStdString();
        EXPECT_EQ(campo->selectedText(), campo->text()) << campo->objectName().toStdString();
    }
};

TEST_F(Campos, LongitudTruncadaAlCentimetroYEscritaEnK) {
    struct Caso {
        const char* texto;
        float luz;
        const char* k;
    };
    for (const Caso& caso :
         {Caso{"2.3", 2.3f, "2.3"}, Caso{"5.678", 5.67f, "5.67"}, Caso{"6", 6.0f, "6"},
          Caso{"0", 0.0f, "0"}, Caso{"1e1", 10.0f, "10"}}) {
        SCOPED_TRACE(caso.texto);
        Olvidar();
        TeclearYSalir(c->txtL, caso.texto);
        EXPECT_TRUE(Vistos().empty());
        EXPECT_EQ(Luz(), caso.luz);
        EXPECT_EQ(c->txtK->text(), caso.k);
        EXPECT_EQ(c->txtL->text(), caso.texto);
    }
    // Without cantilevers j and k are hidden: Tab goes on to a.
    TeclearYSalir(c->txtL, "6");
    EXPECT_TRUE(c->txtA->hasFocus());
}

TEST_F(Campos, LongitudMenorQueUnCentimetroYNoNumerica) {
    TeclearYSalir(c->txtL, "0.005");
    EXPECT_EQ(Vistos(), Msgs{Critico("Hijo e tu madre, ¿ que viga es esa ?", kDistancia)});
    EXPECT_EQ(c->txtL->text(), "0.01");
    Seleccionado(c->txtL);

    for (const char* malo : {"-1", "abc", "6m", "1,5"}) {
        SCOPED_TRACE(malo);
        c->txtL->clear();
        Neutral();
        TeclearYSalir(c->txtL, malo);
        EXPECT_EQ(Vistos(), Msgs{Critico(kPositivas, kDistancia)});
        EXPECT_EQ(c->txtL->text(), malo);
        Seleccionado(c->txtL);
    }
    // An empty field is accepted without a message.
    Olvidar();
    TeclearYSalir(c->txtL, "");
    EXPECT_TRUE(Vistos().empty());
}

TEST_F(Campos, DistanciasNegativasOTextoEnAByB) {
    TeclearYSalir(c->txtL, "6");
    for (QLineEdit* campo : {c->txtA, c->txtB}) {
        for (const char* malo : {"-1", "x"}) {
            SCOPED_TRACE(campo->objectName().toStdString() + " " + malo);
            Neutral();
            TeclearYSalir(campo, malo);
            EXPECT_EQ(Vistos(), Msgs{Critico(kPositivas, kDistancia)});
            Seleccionado(campo);
            campo->clear();
        }
    }
}

TEST_F(Campos, CargaQueSeSaleDeLaLuzSeCorrige) {
    TeclearYSalir(c->txtL, "6");
    // Distributed (the layout of a new window): b = 2 typed, then a = 5.
    ASSERT_TRUE(c->optDistribuida->isChecked());
    TeclearYSalir(c->txtB, "2");
    Neutral();
    TeclearYSalir(c->txtA, "5");
    EXPECT_EQ(Vistos(), Msgs{Critico(kMayorLuz, kDistancia)});
    EXPECT_EQ(c->txtA->text(), "4");
    Seleccionado(c->txtA);

    // a = 5 typed first, then b = 2: b becomes L - a.
    c->txtB->clear();
    c->txtA->clear();
    Neutral();
    TeclearYSalir(c->txtA, "5");
    EXPECT_TRUE(Vistos().empty());
    TeclearYSalir(c->txtB, "2");
    EXPECT_EQ(Vistos(), Msgs{Critico(kMayorLuz, kDistancia)});
    EXPECT_EQ(c->txtB->text(), "1");
    Seleccionado(c->txtB);

    // A point load beyond the beam goes to its end.
    c->optPuntual->click();
    Neutral();
    TeclearYSalir(c->txtA, "7");
    EXPECT_EQ(Vistos(), Msgs{Critico(kMayorLuz, kDistancia)});
    EXPECT_EQ(c->txtA->text(), "6");
    // At the end itself it is accepted.
    Neutral();
    TeclearYSalir(c->txtA, "6");
    EXPECT_TRUE(Vistos().empty());

    // b corrected from the stored length: 5.678 is kept as 5.67 (a Single)
    // and widened, so L - a carries the Single's tail; it reads back as the
    // same number the field would hold.
    c->optDistribuida->click();
    TeclearYSalir(c->txtL, "5.678");
    Neutral();
    TeclearYSalir(c->txtA, "1");
    TeclearYSalir(c->txtB, "5");
    EXPECT_EQ(Vistos(), Msgs{Critico(kMayorLuz, kDistancia)});
    EXPECT_EQ(c->txtB->text(), "4.670000076293945");
    EXPECT_EQ(c->txtB->text().toDouble(), static_cast<double>(5.67f) - 1);
}

TEST_F(Campos, ApoyosJyKConVuelos) {
    c->Check_Vuelo->click();
    ASSERT_TRUE(c->txtJ->isVisible());
    TeclearYSalir(c->txtL, "6");
    EXPECT_TRUE(c->txtJ->hasFocus());  // Tab now goes from L to j
    EXPECT_EQ(c->txtK->text(), "6");

    // j = 1.5, then k beyond the beam: k becomes the length, silently.
    TeclearYSalir(c->txtJ, "1.5");
    EXPECT_TRUE(c->txtK->hasFocus());
    TeclearYSalir(c->txtK, "8");
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(c->txtK->text(), "6");

    // k = 0 becomes the length too; since j >= 0 = k is checked first, the
    // j message comes before the correction.
    Neutral();
    TeclearYSalir(c->txtK, "0");
    EXPECT_EQ(Vistos(), Msgs{Critico(kKMenorJ, kDistancia)});
    EXPECT_EQ(c->txtK->text(), "6");

    // k = 3, then j = 4 leaving j: the message and j back to 0.
    Neutral();
    TeclearYSalir(c->txtK, "3");
    EXPECT_TRUE(Vistos().empty());
    TeclearYSalir(c->txtJ, "4");
    EXPECT_EQ(Vistos(), Msgs{Critico(kKMenorJ, kDistancia)});
    EXPECT_EQ(c->txtJ->text(), "0");
    Seleccionado(c->txtJ);

    // j = 4 kept in its field, then k = 3 leaving k: the same message
    // selects j and leaves both values.
    c->txtJ->setText("4");
    c->txtK->setText("6");
    Neutral();
    TeclearYSalir(c->txtK, "3");
    EXPECT_EQ(Vistos(), Msgs{Critico(kKMenorJ, kDistancia)});
    EXPECT_EQ(c->txtJ->text(), "4");
    EXPECT_EQ(c->txtK->text(), "3");
    Seleccionado(c->txtJ);

    // A negative k: the message, then k takes L's text; a text in j.
    c->txtJ->setText("1");
    Neutral();
    TeclearYSalir(c->txtK, "-2");
    EXPECT_EQ(Vistos(), Msgs{Critico(kPositivas, kDistancia)});
    EXPECT_EQ(c->txtK->text(), "6");
    Neutral();
    TeclearYSalir(c->txtJ, "uno");
    EXPECT_EQ(Vistos(), Msgs{Critico(kPositivas, kDistancia)});
    Seleccionado(c->txtJ);
}

TEST_F(Campos, JyKPidenPrimeroLaLuz) {
    c->Check_Vuelo->click();
    ASSERT_TRUE(c->txtL->text().isEmpty());
    for (QLineEdit* apoyo : {c->txtJ, c->txtK}) {
        SCOPED_TRACE(apoyo->objectName().toStdString());
        Olvidar();
        QTest::mouseClick(apoyo, Qt::LeftButton);
        pruebas::ProcesarEventos();
        ASSERT_FALSE(Vistos().empty());
        EXPECT_EQ(Vistos().front(), (Mensaje{"Debe intruducir la Luz de la Viga primero",
                                             "Faltan datos", kEstiloCritico}));
        EXPECT_TRUE(c->txtL->hasFocus());
    }
    // With a length the fields are entered without a message.
    TeclearYSalir(c->txtL, "6");
    Olvidar();
    QTest::mouseClick(c->txtK, Qt::LeftButton);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_TRUE(c->txtK->hasFocus());
    EXPECT_EQ(c->txtK->selectedText(), "6");  // a click selects the whole text
}

TEST_F(Campos, IntensidadesSegunElTipoDeCarga) {
    TeclearYSalir(c->txtL, "6");
    const Mensaje numericos{"Sólo se aceptan valores numéricos", "Valor Incorrecto",
                            kEstiloCritico};
    const Mensaje positivos{"Sólo se aceptan valores numéricos positivos!", "Valor Incorrecto",
                            kEstiloCritico};
    struct Caso {
        QRadioButton* tipo;
        QLineEdit* campo;
        const char* texto;
        std::vector<Mensaje> esperado;
    };
    const std::vector<Caso> casos = {
        {c->optPuntual, c->txtP1, "-2", {}},  // a point load may act upwards
        {c->optMomento, c->txtP1, "-3.5", {}},
        {c->optPuntual, c->txtP1, "dos", {numericos}},
        {c->optMomento, c->txtP1, "1..2", {numericos}},
        {c->optDistribuida, c->txtP1, "-1", {positivos}},
        {c->optDistribuida, c->txtP1, "mucho", {positivos}},
        {c->optDistribuida, c->txtP2, "-1", {positivos}},
        {c->optDistribuida, c->txtP2, "1.5", {}},
        {c->optDistribuida, c->txtP1, "0", {}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tipo->text().toStdString() + " " + caso.texto);
        caso.tipo->click();
        caso.campo->clear();
        Neutral();
        TeclearYSalir(caso.campo, caso.texto);
        EXPECT_EQ(Vistos(), caso.esperado);
        if (!caso.esperado.empty()) Seleccionado(caso.campo);
        caso.campo->clear();
    }
}

TEST_F(Campos, EnterAvanzaComoTab) {
    TeclearYSalir(c->txtL, "6");
    Teclear(c->txtA, "1");
    QTest::keyClick(c->txtA, Qt::Key_Return);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(c->txtB->hasFocus());
    QTest::keyClicks(c->txtB, "2");
    QTest::keyClick(c->txtB, Qt::Key_Enter);
    pruebas::ProcesarEventos();
    EXPECT_TRUE(c->txtP1->hasFocus());
    // Enter never presses a button of the window.
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
}

TEST_F(Campos, CadaTipoDisponeLaVentanaYVaciaLosCampos) {
    struct Disposicion {
        QRadioButton* tipo;
        bool b;
        const char* p1;
        const char* unidad;
        Lienzo* sin;
        Lienzo* con;
    };
    const std::vector<Disposicion> tipos = {
        {c->optPuntual, false, "P1", "Tn", c->Ilustracionp, c->Ilustracionpv},
        {c->optDistribuida, true, "P1", "Tn/m", c->Ilustraciond, c->Ilustraciondv},
        {c->optMomento, false, "M", "Tn.m", c->Ilustracionm, c->Ilustracionmv},
    };
    const std::vector<Lienzo*> todas = {c->Ilustracionp,  c->Ilustraciond,  c->Ilustracionm,
                                        c->Ilustracionpv, c->Ilustraciondv, c->Ilustracionmv};
    c->txtL->setText("6");
    for (bool vuelos : {false, true}) {
        if (c->Check_Vuelo->isChecked() != vuelos) c->Check_Vuelo->click();
        for (const Disposicion& d : tipos) {
            SCOPED_TRACE(d.tipo->text().toStdString() + (vuelos ? " con vuelos" : ""));
            // Whatever the fields held, a new type empties them.
            for (QLineEdit* f : {c->txtA, c->txtB, c->txtP1, c->txtP2}) f->setText("1");
            if (d.tipo->isChecked())
                c->optPuntual == d.tipo ? c->optMomento->click() : c->optPuntual->click();
            d.tipo->click();
            for (QLineEdit* f : {c->txtA, c->txtB, c->txtP1, c->txtP2}) {
                EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
            }
            EXPECT_FALSE(c->cmdAnadir->isEnabled());
            EXPECT_EQ(c->txtB->isEnabled(), d.b);
            EXPECT_EQ(c->lblB->isEnabled(), d.b);
            EXPECT_EQ(c->txtP2->isEnabled(), d.b);
            EXPECT_EQ(c->lblP2->isEnabled(), d.b);
            EXPECT_EQ(c->lblP1->text(), d.p1);
            EXPECT_EQ(c->lbluP1->text(), d.unidad);
            EXPECT_EQ(c->lbluP2->text(), d.unidad);
            EXPECT_EQ(c->txtL->text(), "6");  // the beam stays
            Lienzo* visible = vuelos ? d.con : d.sin;
            for (Lienzo* l : todas) {
                EXPECT_EQ(l->isVisible(), l == visible) << l->objectName().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace korvex::ui
