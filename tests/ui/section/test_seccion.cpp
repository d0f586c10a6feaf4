// The section windows: choosing a type through frmSecciones, frmSeccion per
// type, its field rules, Validar_Seccion, the flange limit on OK,
// Datos_Seccion on the main window and the close-box note; the deflection-use
// and stirrup dialogs and the bar table window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {
namespace {

using pruebas::Hijo;

Proyecto& P() {
    return Registro::Instancia().proyecto();
}

class Secciones : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
    }
    // Presses the chooser's button `clave`; `enSeccion` runs while the modal
    // frmSeccion is open.
    void Elegir(const char* clave, const std::function<void(frmSeccion*)>& enSeccion) {
        frmSecciones* ss = Ventana<frmSecciones>();
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* s = qobject_cast<frmSeccion*>(QApplication::activeModalWidget());
            ASSERT_NE(s, nullptr) << "frmSeccion shown modally";
            EXPECT_FALSE(ss->isVisible()) << "the chooser hides itself";
            visto = true;
            enSeccion(s);
            if (s->isVisible()) s->reject();
        });
        QTest::mouseClick(Hijo<QToolButton>(ss->Toolbar1, clave), Qt::LeftButton);
        EXPECT_TRUE(visto);
    }
    static void Escribir(frmSeccion* s, const char* b, const char* h, const char* bw = "",
                         const char* hw = "") {
        s->txtB->setText(b);
        s->txtH->setText(h);
        s->txtBw->setText(bw);
        s->txtHw->setText(hw);
    }
    frmGeneral* g = nullptr;
};

TEST_F(Secciones, CadaTipoPreparaSuVentanaYSuOkLlegaALaPrincipal) {
    struct Caso {
        const char *clave, *dibujo, *b, *h, *bw, *hw;
        float area;
        const char *lblTipo, *lblB;
    };
    for (const Caso& c :
         {Caso{"Viga_T", "pctViga_T", "60", "10", "25", "40", 1600, "Tipo de Viga:   T", "bf: 60"},
          Caso{"Viga_Ti", "pctViga_Ti", "60", "10", "25", "40", 1600, "Tipo de Viga: T Invertida",
               "bf: 60"},
          Caso{"Viga_Rect", "pctViga_Rect", "25", "50", "", "", 1250, "Tipo de Viga: Rectangular",
               "b: 25"}}) {
        SCOPED_TRACE(c.clave);
        P().seccion.Hf = P().seccion.Bf = P().seccion.Hw = P().seccion.Bw = 7;
        const bool alma = *c.bw != 0;
        Elegir(c.clave, [&](frmSeccion* s) {
            // Choosing a type clears the dimensions of the previous one.
            EXPECT_EQ(P().seccion.Bw, 0.0f);
            EXPECT_EQ(P().seccion.Hf, 0.0f);
            for (const char* d : {"pctViga_Rect", "pctViga_T", "pctViga_Ti"}) {
                EXPECT_EQ(Hijo<Lienzo>(s, d)->isVisible(), std::string(d) == c.dibujo) << d;
            }
            // The bw and hw fields lie in view only for a T.
            EXPECT_EQ(s->txtHw->geometry().bottom() < s->height(), alma);
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled());
            Escribir(s, c.b, c.h, c.bw, c.hw);
            QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
            EXPECT_FALSE(s->isVisible());
        });
        EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());
        EXPECT_EQ(P().seccion.TipoViga, c.clave);
        EXPECT_NEAR(P().estado.AreaSeccion, c.area, 0.01);
        EXPECT_EQ(g->lblTipo->text(), c.lblTipo);
        EXPECT_EQ(g->lblB->text(), c.lblB);
        EXPECT_EQ(g->lblhw->isVisible(), alma);
        if (alma) {
            EXPECT_EQ(g->lblhw->text(), "hw: 40");
        }
        // OK makes the load window and the cover available; without loads
        // the calculation stays unavailable.
        EXPECT_TRUE(g->Boton("Cargas")->isEnabled());
        EXPECT_TRUE(g->txtRec->isEnabled());
        EXPECT_FALSE(g->cmdCalculos->isEnabled());
    }
}

TEST_F(Secciones, CamposRechazanCeroAlSalirPeroValidarLoDejaPasar) {
    const std::vector<Mensaje> aviso{
        {"Las distancias siempre son Numeros Positivos", "Distancia Incorrecta", kEstiloCritico}};
    Elegir("Viga_Rect", [&](frmSeccion* s) {
        QApplication::setActiveWindow(s);
        for (const auto& [texto, rechazado] :
             {std::pair{"0", true}, std::pair{"-3", true}, std::pair{"abc", true},
              std::pair{"25", false}, std::pair{"", false}}) {
            pruebas::Mensajes::Limpiar();
            s->txtB->setFocus(Qt::OtherFocusReason);
            s->txtB->setText(texto);
            s->txtH->setFocus(Qt::TabFocusReason);
            pruebas::ProcesarEventos();
            EXPECT_EQ(pruebas::Mensajes::Registrados(), rechazado ? aviso : std::vector<Mensaje>{})
                << texto;
            if (rechazado) {
                EXPECT_EQ(s->txtB->selectedText(), texto);
            }
            EXPECT_EQ(s->txtB->hasFocus(), rechazado) << texto;
        }
        // Zeros pass the check of OK: the section is accepted with no area.
        pruebas::Mensajes::Limpiar();
        Escribir(s, "0", "0");
        s->cmdSeccionOk_Click();
        EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().estado.AreaSeccion, 0.0f);

    // Validar_Seccion refuses an empty field among full ones, a negative
    // number and a text, and keeps the window open.
    for (const char* hw : {"", "-40", "40x"}) {
        Elegir("Viga_T", [&](frmSeccion* s) {
            pruebas::Mensajes::Limpiar();
            Escribir(s, "60", "10", "25", hw);
            s->cmdSeccionOk_Click();
            EXPECT_EQ(pruebas::Mensajes::Registrados(),
                      (std::vector<Mensaje>{{"Las distancias son Siempre Numeros Positivos",
                                             "Distancia Erronea", kEstiloCritico}}))
                << hw;
            EXPECT_TRUE(s->isVisible()) << hw;
        });
    }
}

TEST_F(Secciones, LimiteDelAlaConUnaCargaEnCuatroMetros) {
    const Mensaje limite{
        "La dimension bf de la viga tiene que ser menor o igual que 100. Para poder intruducir "
        "una mayor dimensión de bf debe aumentar bw, hf o ambos",
        "Dimensión insuficiente", kEstiloCritico};
    struct Caso {
        const char *clave, *b;
        bool conCarga, rechazado;
    };
    for (const Caso& c :
         {Caso{"Viga_T", "100", true, false}, Caso{"Viga_T", "101", true, true},
          Caso{"Viga_Ti", "101", true, true}, Caso{"Viga_T", "101", false, false},
          Caso{"Viga_Rect", "120", true, true}, Caso{"Viga_Rect", "100", true, false}}) {
        SCOPED_TRACE(std::string(c.clave) + " " + c.b);
        Registro::Instancia().Vaciar();
        pruebas::ProcesarEventos();
        g = Ventana<frmGeneral>();
        if (c.conCarga) pruebas::PonerViga(4, {pruebas::Puntual(2, 5, kViva, 4)});
        pruebas::Mensajes::Limpiar();
        Elegir(c.clave, [&](frmSeccion* s) {
            // hf = 5, bw = 20: 16 hf + bw = 100 = L/4.
            if (std::string(c.clave) == "Viga_Rect") {
                Escribir(s, c.b, "50");
            } else {
                Escribir(s, c.b, "5", "20", "40");
            }
            s->cmdSeccionOk_Click();
            EXPECT_EQ(s->isVisible(), c.rechazado);
            EXPECT_EQ(pruebas::Mensajes::Registrados(),
                      c.rechazado ? std::vector<Mensaje>{limite} : std::vector<Mensaje>{});
            if (c.rechazado) {
                EXPECT_EQ(s->txtB->selectedText(), c.b);
            }
        });
        // With loads, an accepted section makes the calculation available.
        const bool listo = c.conCarga && !c.rechazado;
        EXPECT_EQ(g->cmdCalculos->isEnabled(), listo);
        EXPECT_EQ(g->Estado(),
                  listo ? frmGeneral::EstadoVentana::Listo : frmGeneral::EstadoVentana::Inicio);
    }
}

TEST_F(Secciones, CierreSinOkDejaLaNota) {
    pruebas::PonerViga(4, {pruebas::Puntual(2, 5, kViva, 4)});
    Elegir("Viga_T", [&](frmSeccion* s) {
        Escribir(s, "60", "10", "25", "40");
        s->cmdSeccionOk_Click();
    });
    ASSERT_TRUE(g->cmdCalculos->isEnabled());
    const float ycg = P().seccion.Ycg;
    pruebas::Mensajes::Limpiar();
    Elegir("Viga_T", [&](frmSeccion* s) {
        Escribir(s, "70", "12", "30", "45");
        s->close();  // the close box
        EXPECT_FALSE(s->isVisible());
        for (QLineEdit* f : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(f->text(), "");
    });
    EXPECT_EQ(pruebas::Mensajes::Registrados(),
              (std::vector<Mensaje>{{"Nota: Los datos de la Sección no fueron almacenados. Favor "
                                     "re-introducirlos y presionar OK",
                                     "Datos no Introducidos", kEstiloExclamacion}}));
    EXPECT_EQ(g->lblB->text(), "bf: ");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(P().seccion.Ycg, ycg) << "the stored dimensions of the last OK stay";
}

TEST_F(Secciones, EnterAvanzaPorLosCamposYOkSeHabilitaConTodos) {
    Elegir("Viga_T", [&](frmSeccion* s) {
        QApplication::setActiveWindow(s);
        s->txtB->setFocus();
        QTest::keyClicks(s->txtB, "6x");
        QTest::keyClick(s->txtB, Qt::Key_Return);
        EXPECT_EQ(s->txtB->selectedText(), "6x") << "a wrong text keeps the focus";
        const std::pair<QLineEdit*, const char*> campos[] = {
            {s->txtB, "60"}, {s->txtH, "10"}, {s->txtBw, "25"}, {s->txtHw, "40"}};
        for (const auto& [campo, texto] : campos) {
            EXPECT_TRUE(campo->hasFocus()) << texto;
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled()) << texto;
            QTest::keyClicks(campo, texto);
            QTest::keyClick(campo, Qt::Key_Return);
        }
        EXPECT_TRUE(s->cmdSeccionOk->hasFocus());
        EXPECT_TRUE(s->isVisible()) << "Enter does not press Ok by itself";
        QTest::keyClick(s->cmdSeccionOk, Qt::Key_Space);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().seccion.Bw, 25.0f);
}

TEST_F(Secciones, UsosRecuerdaLaEleccionEntreAperturas) {
    for (int vez = 0; vez < 2; ++vez) {
        QTimer::singleShot(0, [&] {
            auto* u = qobject_cast<frmUsos*>(QApplication::activeModalWidget());
            ASSERT_NE(u, nullptr);
            if (vez == 0) {
                // The long caption wraps: taller than one line at the dialog's width.
                EXPECT_GT(u->Option3->heightForWidth(400), 2 * u->Option3->fontMetrics().height());
                QTest::mouseClick(u->Option3, Qt::LeftButton, {}, QPoint(60, 8));
            } else {
                EXPECT_TRUE(u->Option3->isChecked()) << "the first choice is shown again";
            }
            QTest::mouseClick(u->cmdFrmUsosOk, Qt::LeftButton);
        });
        QTest::mouseClick(g->cmdUsos, Qt::LeftButton);
        EXPECT_FALSE(Ventana<frmUsos>()->isVisible());
        EXPECT_EQ(P().materiales.UsoDeflexion, 3);
    }
}

// The real stirrup dialog: it must show `marcada`
// checked; then 1/2 is picked if `medio`, and Ok or the close box pressed.
// Returns the diameter the design receives.
std::string Estribo(QRadioButton* frmEstribos::*marcada, bool medio, bool cerrar) {
    QTimer::singleShot(0, [&] {
        auto* e = qobject_cast<frmEstribos*>(QApplication::activeModalWidget());
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE((e->*marcada)->isChecked());
        if (medio) QTest::mouseClick(e->opt12, Qt::LeftButton);
        if (cerrar) {
            e->close();
        } else {
            QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
        }
    });
    return PreguntarEstribo();
}

TEST_F(Secciones, EstribosOkDaLaOpcionYElCierreTresOctavos) {
    EXPECT_EQ(Estribo(&frmEstribos::opt38, false, false), "3/8");  // chosen when first shown
    EXPECT_EQ(Estribo(&frmEstribos::opt38, true, false), "1/2");
    EXPECT_EQ(frmEstribos::DiamEstribo, "1/2");
    // Hidden by Ok, it keeps 1/2; the close box gives 3/8 and unloads it, so
    // the next showing starts again from 3/8.
    QPointer<frmEstribos> vieja = Ventana<frmEstribos>();
    EXPECT_EQ(Estribo(&frmEstribos::opt12, false, true), "3/8");
    pruebas::ProcesarEventos();
    EXPECT_TRUE(vieja.isNull());
    EXPECT_EQ(Estribo(&frmEstribos::opt38, false, false), "3/8");
}

TEST_F(Secciones, VarillasMuestraLaTablaDelDisenoSinSerModal) {
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    QTest::mouseClick(g->cmdVarillas, Qt::LeftButton);
    frmVarillas* v = Ventana<frmVarillas>();
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(v->isModal());
    QTableWidget* t = v->grdVarillas;
    ASSERT_EQ(t->rowCount(), 5);
    ASSERT_EQ(t->columnCount(), 5);
    // The counts of the design, below the header row and column.
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(Celda(t, r, c), QString::number(P().estado.Varillas[r - 1][c - 1]));
        }
    }
    // Bars of 1" for 24.31 cm2: As + 0.356 = 24.67, 24.67 / 5.06707 -> 4.
    EXPECT_EQ(Celda(t, 1, 1), "4");
    EXPECT_EQ(Celda(t, 1, 2), "0");
}

}  // namespace
}  // namespace korvex::ui
