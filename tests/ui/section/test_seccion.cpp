// The section windows: choosing a type through frmSecciones, frmSeccion per
// type with its field rules as typed steps, the flange limit on OK, the
// section on the main window and the close-box note; the deflection-use and
// stirrup dialogs and the bar table window.
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

using namespace pruebas;

const Mensaje kPositivas{"Las distancias siempre son Numeros Positivos", "Distancia Incorrecta",
                         kEstiloCritico};

class Secciones : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
    }
    // Presses the chooser's button `clave`; `enSeccion` runs while the modal
    // frmSeccion is open (its close box is pressed if it stays open).
    void Elegir(const char* clave, const std::function<void(frmSeccion*)>& enSeccion) {
        bool visto = false;
        Robot r;
        r.Responder("korvex::ui::frmSeccion", [&](QWidget* w) {
            auto* s = static_cast<frmSeccion*>(w);
            EXPECT_FALSE(Ventana<frmSecciones>()->isVisible()) << "the chooser hides itself";
            visto = true;
            QApplication::setActiveWindow(s);
            enSeccion(s);
            if (s->isVisible()) s->reject();
        });
        QTest::mouseClick(Hijo<QToolButton>(Ventana<frmSecciones>()->Toolbar1, clave),
                          Qt::LeftButton);
        EXPECT_TRUE(visto);
    }
    static void Escribir(frmSeccion* s, std::initializer_list<const char*> textos) {
        QLineEdit* campos[] = {s->txtB, s->txtH, s->txtBw, s->txtHw};
        int i = 0;
        for (const char* t : textos) campos[i++]->setText(t);
    }
    frmGeneral* g = nullptr;
};

TEST_F(Secciones, CadaTipoPreparaSuVentanaYSuOkLlegaALaPrincipal) {
    struct Caso {
        const char *clave, *dibujo;
        std::initializer_list<const char*> textos;
        float area;
        const char *lblTipo, *lblB;
    };
    for (const Caso& c :
         {Caso{
              "Viga_T", "pctViga_T", {"60", "10", "25", "40"}, 1600, "Tipo de Viga:   T", "bf: 60"},
          Caso{"Viga_Ti",
               "pctViga_Ti",
               {"60", "10", "25", "40"},
               1600,
               "Tipo de Viga: T Invertida",
               "bf: 60"},
          Caso{"Viga_Rect",
               "pctViga_Rect",
               {"25", "50"},
               1250,
               "Tipo de Viga: Rectangular",
               "b: 25"}}) {
        SCOPED_TRACE(c.clave);
        Seccion& s = ProyectoActual().seccion;
        s.Hf = s.Bf = s.Hw = s.Bw = 7;
        const bool alma = c.textos.size() == 4;
        Elegir(c.clave, [&](frmSeccion* v) {
            // Choosing a type clears the dimensions of the previous one.
            EXPECT_EQ(s.Bw + s.Hf, 0.0f);
            for (const char* d : {"pctViga_Rect", "pctViga_T", "pctViga_Ti"}) {
                EXPECT_EQ(Hijo<Lienzo>(v, d)->isVisible(), std::string(d) == c.dibujo) << d;
            }
            EXPECT_EQ(v->txtHw->geometry().bottom() < v->height(), alma);  // bw, hw in view
            EXPECT_FALSE(v->cmdSeccionOk->isEnabled());
            Escribir(v, c.textos);
            QTest::mouseClick(v->cmdSeccionOk, Qt::LeftButton);
            EXPECT_FALSE(v->isVisible());
        });
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_EQ(s.TipoViga, c.clave);
        EXPECT_NEAR(ProyectoActual().estado.AreaSeccion, c.area, 0.01);
        EXPECT_EQ(g->lblTipo->text(), c.lblTipo);
        EXPECT_EQ(g->lblB->text(), c.lblB);
        EXPECT_EQ(g->lblhw->isVisible(), alma);
        // OK makes the load window and the cover available; without loads
        // the calculation stays unavailable.
        EXPECT_TRUE(g->Boton("Cargas")->isEnabled() && g->txtRec->isEnabled());
        EXPECT_FALSE(g->cmdCalculos->isEnabled());
    }
}

// Leaving a field refuses zero; OK (Validar_Seccion) lets zeros pass but
// refuses an empty field among full ones, a negative number and a text.
TEST_F(Secciones, ReglasDeLosCamposComoPasosTecleados) {
    Elegir("Viga_T", [&](frmSeccion* s) {
        for (const auto& [texto, rechazado] :
             {std::pair{"0", true}, std::pair{"-3", true}, std::pair{"abc", true},
              std::pair{"25", false}, std::pair{"", false}}) {
            Mensajes::Limpiar();
            Teclear(s->txtB, texto);
            EXPECT_EQ(Mensajes::Registrados(),
                      rechazado ? std::vector<Mensaje>{kPositivas} : std::vector<Mensaje>{})
                << texto;
            EXPECT_EQ(s->txtB->hasFocus(), rechazado) << texto;
        }
        const Mensaje erronea{"Las distancias son Siempre Numeros Positivos", "Distancia Erronea",
                              kEstiloCritico};
        for (const char* hw : {"", "-40", "40x"}) {
            Mensajes::Limpiar();
            Escribir(s, {"60", "10", "25", hw});
            s->cmdSeccionOk_Click();
            EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>{erronea}) << hw;
            EXPECT_TRUE(s->isVisible()) << hw;
        }
        Mensajes::Limpiar();
        Escribir(s, {"0", "0", "0", "0"});
        s->cmdSeccionOk_Click();
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(ProyectoActual().estado.AreaSeccion, 0.0f);
}

TEST_F(Secciones, LimiteDelAlaConUnaCargaEnCuatroMetros) {
    const Mensaje limite{
        "La dimension bf de la viga tiene que ser menor o igual que 100. Para poder intruducir "
        "una mayor dimensión de bf debe aumentar bw, hf o ambos",
        "Dimensión insuficiente", kEstiloCritico};
    // hf = 5, bw = 20: 16 hf + bw = 100 = L/4.
    for (const auto& [clave, b, conCarga, rechazado] :
         {std::tuple{"Viga_T", "100", true, false}, std::tuple{"Viga_T", "101", true, true},
          std::tuple{"Viga_Ti", "101", true, true}, std::tuple{"Viga_T", "101", false, false},
          std::tuple{"Viga_Rect", "120", true, true}}) {
        SCOPED_TRACE(std::string(clave) + " " + b);
        Registro::Instancia().Vaciar();
        ProcesarEventos();
        g = Ventana<frmGeneral>();
        if (conCarga) PonerViga(ProyectoActual().estado, 4, {Puntual(2, 5, kViva, 4)});
        Mensajes::Limpiar();
        Elegir(clave, [&](frmSeccion* s) {
            Escribir(s, {b, "5", "20", "40"});
            s->cmdSeccionOk_Click();
            EXPECT_EQ(s->isVisible(), rechazado);
            EXPECT_EQ(Mensajes::Registrados(),
                      rechazado ? std::vector<Mensaje>{limite} : std::vector<Mensaje>{});
            if (rechazado) {
                EXPECT_EQ(s->txtB->selectedText(), b);
            }
        });
        // With loads, an accepted section makes the calculation available.
        EXPECT_EQ(g->Estado(), conCarga && !rechazado ? frmGeneral::EstadoVentana::Listo
                                                      : frmGeneral::EstadoVentana::Inicio);
    }
}

TEST_F(Secciones, CierreSinOkDejaLaNotaYEnterAvanzaPorLosCampos) {
    PonerViga(ProyectoActual().estado, 4, {Puntual(2, 5, kViva, 4)});
    Elegir("Viga_T", [&](frmSeccion* s) {
        // Enter moves along the fields (a wrong text keeps the focus); Ok
        // becomes available with all four and is not pressed by Enter.
        s->txtB->setFocus();
        QTest::keyClicks(s->txtB, "6x");
        QTest::keyClick(s->txtB, Qt::Key_Return);
        EXPECT_EQ(s->txtB->selectedText(), "6x");
        for (const auto& [campo, texto] : {std::pair{s->txtB, "60"}, std::pair{s->txtH, "10"},
                                           std::pair{s->txtBw, "25"}, std::pair{s->txtHw, "40"}}) {
            EXPECT_TRUE(campo->hasFocus()) << texto;
            EXPECT_FALSE(s->cmdSeccionOk->isEnabled()) << texto;
            QTest::keyClicks(campo, texto);
            QTest::keyClick(campo, Qt::Key_Return);
        }
        EXPECT_TRUE(s->cmdSeccionOk->hasFocus() && s->isVisible());
        QTest::keyClick(s->cmdSeccionOk, Qt::Key_Space);
    });
    ASSERT_TRUE(g->cmdCalculos->isEnabled());
    const float ycg = ProyectoActual().seccion.Ycg;
    Mensajes::Limpiar();
    Elegir("Viga_T", [&](frmSeccion* s) {
        Escribir(s, {"70", "12", "30", "45"});
        s->close();  // the close box
        for (QLineEdit* f : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(f->text(), "");
    });
    EXPECT_EQ(Mensajes::Registrados(),
              (std::vector<Mensaje>{{"Nota: Los datos de la Sección no fueron almacenados. Favor "
                                     "re-introducirlos y presionar OK",
                                     "Datos no Introducidos", kEstiloExclamacion}}));
    EXPECT_EQ(g->lblB->text(), "bf: ");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(ProyectoActual().seccion.Ycg, ycg) << "the stored dimensions of the last OK stay";
}

TEST_F(Secciones, DialogosDeUsoYDeEstribos) {
    // The use chosen stays between showings.
    Robot r;
    int vez = 0;
    r.Responder("korvex::ui::frmUsos", [&](QWidget* w) {
        auto* u = static_cast<frmUsos*>(w);
        if (vez++ == 0) {
            QTest::mouseClick(u->Option3, Qt::LeftButton, {}, QPoint(60, 8));
        } else {
            EXPECT_TRUE(u->Option3->isChecked()) << "the first choice is shown again";
        }
        QTest::mouseClick(u->cmdFrmUsosOk, Qt::LeftButton);
    });
    for (int i = 0; i < 2; ++i) QTest::mouseClick(g->cmdUsos, Qt::LeftButton);
    EXPECT_EQ(vez, 2);
    EXPECT_EQ(ProyectoActual().materiales.UsoDeflexion, 3);

    // Stirrups: Ok answers the option shown (3/8 when first shown); the close
    // box answers 3/8 and unloads the dialog, which starts again from 3/8.
    const struct {
        bool medio, cerrar;
        const char* marcada;
        const char* respuesta;
    } pasos[] = {{false, false, "opt38", "3/8"},
                 {true, false, "opt38", "1/2"},
                 {false, true, "opt12", "3/8"},
                 {false, false, "opt38", "3/8"}};
    for (const auto& p : pasos) {
        r.Responder("korvex::ui::frmEstribos", [&p](QWidget* w) {
            auto* e = static_cast<frmEstribos*>(w);
            EXPECT_TRUE(Hijo<QRadioButton>(e, p.marcada)->isChecked()) << p.respuesta;
            if (p.medio) QTest::mouseClick(e->opt12, Qt::LeftButton);
            p.cerrar ? void(e->close()) : QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
        });
        EXPECT_EQ(PreguntarEstribo(), p.respuesta);
        ProcesarEventos();
    }
}

TEST_F(Secciones, VarillasMuestraLaTablaDelDisenoSinSerModal) {
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    QTest::mouseClick(g->cmdVarillas, Qt::LeftButton);
    frmVarillas* v = Ventana<frmVarillas>();
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(v->isModal());
    // The counts of the design, below the header row and column.
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(Celda(v->grdVarillas, r, c),
                      QString::number(ProyectoActual().estado.Varillas[r - 1][c - 1]));
        }
    }
}

}  // namespace
}  // namespace korvex::ui
