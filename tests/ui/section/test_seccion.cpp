// The section windows: choosing a type through frmSecciones, the layout of
// frmSeccion per type, its field rules, Validar_Seccion, the flange limit on
// OK, Datos_Seccion on the main window and the close-box note.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "comun/Ayudas.h"
#include "ui/common/Colores.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"

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

    // Presses the chooser's button `clave` as the user does; `enSeccion`
    // runs while frmSeccion is open (modal) and must close it.
    void Elegir(const char* clave, std::function<void(frmSeccion*)> enSeccion) {
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

    // Types the four fields (empty ones left out) and presses Ok.
    static void Escribir(frmSeccion* s, const char* b, const char* h, const char* bw = "",
                         const char* hw = "") {
        s->txtB->setText(b);
        s->txtH->setText(h);
        s->txtBw->setText(bw);
        s->txtHw->setText(hw);
    }

    frmGeneral* g = nullptr;
};

TEST_F(Secciones, CadaTipoPreparaSuDibujoRotulosYAltura) {
    frmSecciones* ss = Ventana<frmSecciones>();
    EXPECT_EQ(ss->windowTitle(), QString::fromUtf8("Secciones Típicas"));
    struct Caso {
        const char* clave;
        const char* dibujo;
        const char* base;
        const char* altura;
        double alto;
    };
    const Caso casos[] = {{"Viga_T", "pctViga_T", "bf:", "hf:", 4590},
                          {"Viga_Ti", "pctViga_Ti", "bf:", "hf:", 4590},
                          {"Viga_Rect", "pctViga_Rect", "b:", "h:", 3165}};
    for (const Caso& c : casos) {
        EXPECT_FALSE(ss->Boton(c.clave)->icon().isNull()) << c.clave;
        P().seccion.Hf = P().seccion.Bf = P().seccion.Hw = P().seccion.Bw = 7;
        Elegir(c.clave, [&](frmSeccion* s) {
            EXPECT_EQ(s->windowTitle(), QString::fromUtf8("Datos de la Sección"));
            for (const char* d : {"pctViga_Rect", "pctViga_T", "pctViga_Ti"}) {
                EXPECT_EQ(Hijo<Lienzo>(s, d)->isVisible(), std::string(d) == c.dibujo)
                    << c.clave << " " << d;
            }
            EXPECT_FALSE(Hijo<Lienzo>(s, c.dibujo)->Primitivas().empty());
            EXPECT_EQ(s->lblBase->text(), c.base);
            EXPECT_EQ(s->lblH->text(), c.altura);
            EXPECT_EQ(s->lblUnd->text(), QString::fromUtf8("Las distancias son en centímetros"));
            EXPECT_EQ(s->height(), Lienzo::Px(c.alto, s)) << c.clave;
            // The bw and hw fields lie in view only for a T.
            const bool alma = c.alto > 4000;
            EXPECT_EQ(s->txtHw->geometry().bottom() < s->height(), alma) << c.clave;
            for (QLineEdit* f : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(f->text(), "");
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled());
            s->hide();
        });
        EXPECT_EQ(P().seccion.TipoViga, c.clave);
        EXPECT_EQ(P().seccion.Hf, 0.0f);
        EXPECT_EQ(P().seccion.Bf, 0.0f);
        EXPECT_EQ(P().seccion.Hw, 0.0f);
        EXPECT_EQ(P().seccion.Bw, 0.0f);
    }
    // Another key is only stored.
    ss->Toolbar1_ButtonClick("Otra");
    EXPECT_EQ(P().seccion.TipoViga, "Otra");
}

TEST_F(Secciones, OkConLasPropiedadesYLosDatosEnLaVentanaPrincipal) {
    struct Caso {
        const char* clave;
        const char *b, *h, *bw, *hw;
        float area, ycg, inercia;  // cm2, cm, m4
        const char *lblTipo, *lblB, *lblH;
    };
    const Caso casos[] = {
        {"Viga_Rect", "25", "50", "", "", 1250, 25, 0.0026042f, "Tipo de Viga: Rectangular",
         "b: 25", "h: 50"},
        {"Viga_T", "60", "10", "25", "40", 1600, 29.375f, 0.0037271f, "Tipo de Viga:   T", "bf: 60",
         "hf: 10"},
        {"Viga_Ti", "60", "10", "25", "40", 1600, 20.625f, 0.0037271f, "Tipo de Viga: T Invertida",
         "bf: 60", "hf: 10"},
    };
    for (const Caso& c : casos) {
        Elegir(c.clave, [&](frmSeccion* s) {
            Escribir(s, c.b, c.h, c.bw, c.hw);
            ASSERT_TRUE(s->cmdSeccionOk->isEnabled());
            QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
            EXPECT_FALSE(s->isVisible()) << c.clave;
        });
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_NEAR(P().estado.AreaSeccion, c.area, 0.01) << c.clave;
        EXPECT_NEAR(P().seccion.Ycg, c.ycg, 0.001) << c.clave;
        EXPECT_NEAR(P().estado.InerciaSeccion, c.inercia, 5e-8) << c.clave;
        EXPECT_EQ(g->lblTipo->text(), c.lblTipo);
        EXPECT_EQ(g->lblB->text(), c.lblB);
        EXPECT_EQ(g->lblH->text(), c.lblH);
        const bool alma = *c.bw != 0;
        EXPECT_EQ(g->lblbw->isVisible(), alma);
        EXPECT_EQ(g->lblhw->isVisible(), alma);
        if (alma) {
            EXPECT_EQ(g->lblbw->text(), "bw: 25");
            EXPECT_EQ(g->lblhw->text(), "hw: 40");
        }
        EXPECT_EQ(P().seccion.txtB, c.b);
        // OK makes the load window and the cover available; without loads
        // the calculation stays unavailable.
        EXPECT_TRUE(g->Boton("Cargas")->isEnabled());
        EXPECT_TRUE(g->txtRec->isEnabled());
        EXPECT_FALSE(g->cmdCalculos->isEnabled());
    }
    EXPECT_NEAR(P().estado.AnchoDiseno, 25, 0);
}

TEST_F(Secciones, CamposRechazanCeroAlSalirPeroValidarLoDejaPasar) {
    Elegir("Viga_Rect", [&](frmSeccion* s) {
        QApplication::setActiveWindow(s);
        struct Caso {
            const char* texto;
            bool rechazado;
        };
        for (const Caso& c : {Caso{"0", true}, Caso{"-3", true}, Caso{"abc", true},
                              Caso{"25", false}, Caso{"", false}}) {
            Mensajes::Limpiar();
            s->txtB->setFocus(Qt::OtherFocusReason);
            s->txtB->setText(c.texto);
            s->txtH->setFocus(Qt::TabFocusReason);
            pruebas::ProcesarEventos();
            if (c.rechazado) {
                EXPECT_EQ(Mensajes::Registrados(),
                          (std::vector<Mensaje>{{"Las distancias siempre son Numeros Positivos",
                                                 "Distancia Incorrecta", kEstiloCritico}}))
                    << c.texto;
                EXPECT_TRUE(s->txtB->hasFocus()) << c.texto;
                EXPECT_EQ(s->txtB->selectedText(), c.texto);
            } else {
                EXPECT_TRUE(Mensajes::Registrados().empty()) << c.texto;
            }
        }
        // Zeros pass the check of OK: the section is accepted with no area.
        Mensajes::Limpiar();
        Escribir(s, "0", "0");
        s->cmdSeccionOk_Click();
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().estado.AreaSeccion, 0.0f);
}

TEST_F(Secciones, ValidarRechazaTextoNegativoOCampoVacioEntreLlenos) {
    const Mensaje aviso{"Las distancias son Siempre Numeros Positivos", "Distancia Erronea",
                        kEstiloCritico};
    struct Caso {
        const char *b, *h, *bw, *hw;
    };
    for (const Caso& c : {Caso{"60", "10", "25", ""}, Caso{"60", "-10", "25", "40"},
                          Caso{"60", "10x", "25", "40"}}) {
        Elegir("Viga_T", [&](frmSeccion* s) {
            Mensajes::Limpiar();
            Escribir(s, c.b, c.h, c.bw, c.hw);
            s->cmdSeccionOk_Click();
            EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{aviso}) << c.hw << c.h;
            EXPECT_TRUE(s->isVisible()) << "the window stays open";
            s->hide();
        });
    }
}

TEST_F(Secciones, LimiteDelAlaConUnaCargaEnCuatroMetros) {
    const std::string limite100 =
        "La dimension bf de la viga tiene que ser menor o igual que 100. Para poder intruducir "
        "una mayor dimensión de bf debe aumentar bw, hf o ambos";
    struct Caso {
        const char* clave;
        const char* b;
        bool conCarga;
        bool rechazado;
    };
    const Caso casos[] = {{"Viga_T", "100", true, false},   {"Viga_T", "101", true, true},
                          {"Viga_Ti", "101", true, true},   {"Viga_T", "101", false, false},
                          {"Viga_Rect", "120", true, true}, {"Viga_Rect", "100", true, false}};
    for (const Caso& c : casos) {
        Registro::Instancia().Vaciar();
        pruebas::ProcesarEventos();
        g = Ventana<frmGeneral>();
        if (c.conCarga) pruebas::PonerViga(4, {pruebas::Puntual(2, 5, kViva, 4)});
        Mensajes::Limpiar();
        Elegir(c.clave, [&](frmSeccion* s) {
            // hf = 5, bw = 20: 16 hf + bw = 100 = L/4.
            if (std::string(c.clave) == "Viga_Rect") {
                Escribir(s, c.b, "50");
            } else {
                Escribir(s, c.b, "5", "20", "40");
            }
            s->cmdSeccionOk_Click();
            EXPECT_EQ(s->isVisible(), c.rechazado) << c.clave << " " << c.b;
            if (c.rechazado) {
                EXPECT_EQ(
                    Mensajes::Registrados(),
                    (std::vector<Mensaje>{{limite100, "Dimensión insuficiente", kEstiloCritico}}));
                EXPECT_EQ(s->txtB->selectedText(), c.b);
                s->hide();
            } else {
                EXPECT_TRUE(Mensajes::Registrados().empty()) << c.clave << " " << c.b;
            }
        });
        // With loads, an accepted section makes the calculation available.
        EXPECT_EQ(g->cmdCalculos->isEnabled(), c.conCarga && !c.rechazado) << c.clave << c.b;
        EXPECT_EQ(g->Estado(), c.conCarga && !c.rechazado ? frmGeneral::EstadoVentana::Listo
                                                          : frmGeneral::EstadoVentana::Inicio);
        EXPECT_TRUE(g->Boton("Cargas")->isEnabled());
    }
}

TEST_F(Secciones, CierreSinOkDejaLaNota) {
    pruebas::PonerViga(4, {pruebas::Puntual(2, 5, kViva, 4)});
    Elegir("Viga_T", [&](frmSeccion* s) {
        Escribir(s, "60", "10", "25", "40");
        s->cmdSeccionOk_Click();
    });
    ASSERT_TRUE(g->cmdCalculos->isEnabled());
    const Seccion guardada = P().seccion;
    Mensajes::Limpiar();
    Elegir("Viga_T", [&](frmSeccion* s) {
        Escribir(s, "70", "12", "30", "45");
        s->close();  // the close box
        EXPECT_FALSE(s->isVisible());
        for (QLineEdit* f : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(f->text(), "");
    });
    EXPECT_EQ(Mensajes::Registrados(),
              (std::vector<Mensaje>{{"Nota: Los datos de la Sección no fueron almacenados. Favor "
                                     "re-introducirlos y presionar OK",
                                     "Datos no Introducidos", kEstiloExclamacion}}));
    EXPECT_EQ(g->lblB->text(), "bf: ");
    EXPECT_EQ(g->lblhw->text(), "hw: ");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    // The stored dimensions of the last OK stay (choosing the type reset them).
    EXPECT_EQ(P().seccion.Ycg, guardada.Ycg);
}

TEST_F(Secciones, EnterAvanzaPorLosCamposYOkSeHabilitaConTodos) {
    Elegir("Viga_T", [&](frmSeccion* s) {
        QApplication::setActiveWindow(s);
        s->txtB->setFocus();
        QTest::keyClicks(s->txtB, "6x");
        QTest::keyClick(s->txtB, Qt::Key_Return);
        EXPECT_TRUE(s->txtB->hasFocus()) << "a wrong text keeps the focus";
        EXPECT_EQ(s->txtB->selectedText(), "6x");
        QTest::keyClicks(s->txtB, "60");
        QTest::keyClick(s->txtB, Qt::Key_Return);
        EXPECT_TRUE(s->txtH->hasFocus());
        QTest::keyClicks(s->txtH, "10");
        QTest::keyClick(s->txtH, Qt::Key_Return);
        EXPECT_TRUE(s->txtBw->hasFocus());
        QTest::keyClicks(s->txtBw, "25");
        QTest::keyClick(s->txtBw, Qt::Key_Return);
        EXPECT_FALSE(s->cmdSeccionOk->isEnabled()) << "hw still empty";
        EXPECT_TRUE(s->txtHw->hasFocus());
        QTest::keyClicks(s->txtHw, "40");
        EXPECT_TRUE(s->cmdSeccionOk->isEnabled());
        QTest::keyClick(s->txtHw, Qt::Key_Return);
        EXPECT_TRUE(s->cmdSeccionOk->hasFocus());
        EXPECT_TRUE(s->isVisible()) << "Enter does not press Ok by itself";
        QTest::keyClick(s->cmdSeccionOk, Qt::Key_Space);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().seccion.Bw, 25.0f);
}

}  // namespace
}  // namespace korvex::ui
