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
    // runs while frmSeccion is open (modal).
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
        const char *clave, *dibujo, *base;
        double alto;
        const char *b, *h, *bw, *hw;
        float area;
        const char *lblTipo, *lblB;
    };
    const Caso casos[] = {
        {"Viga_T", "pctViga_T", "bf:", 4590, "60", "10", "25", "40", 1600, "Tipo de Viga:   T",
         "bf: 60"},
        {"Viga_Ti", "pctViga_Ti", "bf:", 4590, "60", "10", "25", "40", 1600,
         "Tipo de Viga: T Invertida", "bf: 60"},
        {"Viga_Rect", "pctViga_Rect", "b:", 3165, "25", "50", "", "", 1250,
         "Tipo de Viga: Rectangular", "b: 25"}};
    for (const Caso& c : casos) {
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
            EXPECT_FALSE(Hijo<Lienzo>(s, c.dibujo)->Primitivas().empty());
            EXPECT_EQ(s->lblBase->text(), c.base);
            EXPECT_EQ(s->height(), Lienzo::Px(c.alto, s));
            // The bw and hw fields lie in view only for a T.
            EXPECT_EQ(s->txtHw->geometry().bottom() < s->height(), alma);
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled());
            Escribir(s, c.b, c.h, c.bw, c.hw);
            ASSERT_TRUE(s->cmdSeccionOk->isEnabled());
            QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
            EXPECT_FALSE(s->isVisible());
        });
        EXPECT_TRUE(Mensajes::Registrados().empty());
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
    Elegir("Viga_Rect", [&](frmSeccion* s) {
        QApplication::setActiveWindow(s);
        for (const auto& [texto, rechazado] :
             {std::pair{"0", true}, std::pair{"-3", true}, std::pair{"abc", true},
              std::pair{"25", false}, std::pair{"", false}}) {
            Mensajes::Limpiar();
            s->txtB->setFocus(Qt::OtherFocusReason);
            s->txtB->setText(texto);
            s->txtH->setFocus(Qt::TabFocusReason);
            pruebas::ProcesarEventos();
            if (rechazado) {
                EXPECT_EQ(Mensajes::Registrados(),
                          (std::vector<Mensaje>{{"Las distancias siempre son Numeros Positivos",
                                                 "Distancia Incorrecta", kEstiloCritico}}))
                    << texto;
                EXPECT_TRUE(s->txtB->hasFocus()) << texto;
                EXPECT_EQ(s->txtB->selectedText(), texto);
            } else {
                EXPECT_TRUE(Mensajes::Registrados().empty()) << texto;
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

    // Validar_Seccion refuses an empty field among full ones, a negative
    // number and a text, and keeps the window open.
    const Mensaje aviso{"Las distancias son Siempre Numeros Positivos", "Distancia Erronea",
                        kEstiloCritico};
    for (const char* hw : {"", "-40", "40x"}) {
        Elegir("Viga_T", [&](frmSeccion* s) {
            Mensajes::Limpiar();
            Escribir(s, "60", "10", "25", hw);
            s->cmdSeccionOk_Click();
            EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{aviso}) << hw;
            EXPECT_TRUE(s->isVisible()) << hw;
        });
    }
}

TEST_F(Secciones, LimiteDelAlaConUnaCargaEnCuatroMetros) {
    const Mensaje limite100{
        "La dimension bf de la viga tiene que ser menor o igual que 100. Para poder intruducir "
        "una mayor dimensión de bf debe aumentar bw, hf o ambos",
        "Dimensión insuficiente", kEstiloCritico};
    struct Caso {
        const char *clave, *b;
        bool conCarga, rechazado;
    };
    const Caso casos[] = {{"Viga_T", "100", true, false},   {"Viga_T", "101", true, true},
                          {"Viga_Ti", "101", true, true},   {"Viga_T", "101", false, false},
                          {"Viga_Rect", "120", true, true}, {"Viga_Rect", "100", true, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.clave) + " " + c.b);
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
            EXPECT_EQ(s->isVisible(), c.rechazado);
            if (c.rechazado) {
                EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{limite100});
                EXPECT_EQ(s->txtB->selectedText(), c.b);
            } else {
                EXPECT_TRUE(Mensajes::Registrados().empty());
            }
        });
        // With loads, an accepted section makes the calculation available.
        EXPECT_EQ(g->cmdCalculos->isEnabled(), c.conCarga && !c.rechazado);
        EXPECT_EQ(g->Estado(), c.conCarga && !c.rechazado ? frmGeneral::EstadoVentana::Listo
                                                          : frmGeneral::EstadoVentana::Inicio);
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
        QLineEdit* campos[] = {s->txtB, s->txtH, s->txtBw, s->txtHw};
        const char* textos[] = {"60", "10", "25", "40"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(campos[i]->hasFocus()) << i;
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled()) << i;
            QTest::keyClicks(campos[i], textos[i]);
            QTest::keyClick(campos[i], Qt::Key_Return);
        }
        EXPECT_TRUE(s->cmdSeccionOk->hasFocus());
        EXPECT_TRUE(s->isVisible()) << "Enter does not press Ok by itself";
        QTest::keyClick(s->cmdSeccionOk, Qt::Key_Space);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().seccion.Bw, 25.0f);
}

}  // namespace
}  // namespace korvex::ui
