// The section windows: the type chosen in frmSecciones, frmSeccion's field
// rules, flange limit and close-box note; the stirrup dialog.
#include <functional>

#include "comun/Ayudas.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"

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
    Proyecto& P() { return g->documento().proyecto(); }
    // Presses the chooser's button `clave`; `enSeccion` runs while the modal
    // frmSeccion is open (its close box is pressed if it stays open).
    void Elegir(const char* clave, const std::function<void(frmSeccion*)>& enSeccion) {
        bool visto = false;
        Robot r;
        r.Responder("korvex::ui::frmSeccion", [&](QWidget* w) {
            auto* s = static_cast<frmSeccion*>(w);
            EXPECT_FALSE(g->Ventana<frmSecciones>()->isVisible()) << "the chooser hides itself";
            visto = true;
            QApplication::setActiveWindow(s);
            enSeccion(s);
            if (s->isVisible()) s->reject();
        });
        QTest::mouseClick(Hijo<QToolButton>(g->Ventana<frmSecciones>()->Toolbar1, clave),
                          Qt::LeftButton);
        EXPECT_TRUE(visto);
    }
    static void Escribir(frmSeccion* s, const char* const (&textos)[4]) {
        QLineEdit* campos[] = {s->txtB, s->txtH, s->txtBw, s->txtHw};
        for (int i = 0; i < 4; ++i) campos[i]->setText(textos[i]);
    }
    // b, h, bw, hw written and OK's check run (the button itself waits for
    // full fields): the messages it showed.
    static std::vector<Mensaje> Ok(frmSeccion* s, const char* const (&textos)[4]) {
        Mensajes::Limpiar();
        Escribir(s, textos);
        s->cmdSeccionOk_Click();
        return Mensajes::Registrados();
    }
    frmGeneral* g = nullptr;
};

// Each type's OK on the main window; the dimensions of the previous type
// cleared; without loads no calculation.
TEST_F(Secciones, CadaTipoPreparaSuVentanaYSuOkLlegaALaPrincipal) {
    for (const auto& [clave, alma, lblTipo] : {std::tuple{"Viga_T", true, "Tipo de Viga:   T"},
                                               {"Viga_Ti", true, "Tipo de Viga: T Invertida"},
                                               {"Viga_Rect", false, "Tipo de Viga: Rectangular"}}) {
        SCOPED_TRACE(clave);
        Seccion& s = P().seccion;
        s.Hf = s.Bw = 7;
        Elegir(clave, [&](frmSeccion* v) {
            EXPECT_EQ(s.Bw + s.Hf, 0.0f);
            Escribir(v, {"60", "10", "25", "40"});
            QTest::mouseClick(v->cmdSeccionOk, Qt::LeftButton);
        });
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_NEAR(P().estado.AreaSeccion, alma ? 1600 : 600, 0.01);
        EXPECT_EQ(g->lblTipo->text(), lblTipo);
        EXPECT_EQ(g->lblB->text(), alma ? "bf: 60" : "b: 60");
        EXPECT_EQ(g->lblhw->isVisible(), alma);
        EXPECT_TRUE(g->Boton("Cargas")->isEnabled() && g->txtRec->isEnabled());
        EXPECT_FALSE(g->cmdCalculos->isEnabled());
    }
}

// Leaving a field refuses zero; OK (Validar_Seccion) lets zeros pass but
// refuses an empty field among full ones, a negative number and a text.
TEST_F(Secciones, ReglasDeLosCamposComoPasosTecleados) {
    Elegir("Viga_T", [&](frmSeccion* s) {
        for (const auto& [texto, rechazado] :
             {std::pair{"0", true}, {"-3", true}, {"abc", true}, {"25", false}, {"", false}}) {
            Mensajes::Limpiar();
            Teclear(s->txtB, texto);
            EXPECT_EQ(Mensajes::Registrados(), std::vector<Mensaje>(rechazado, kPositivas))
                << texto;
            EXPECT_EQ(s->txtB->hasFocus(), rechazado) << texto;
        }
        const Mensaje erronea{"Las distancias son Siempre Numeros Positivos", "Distancia Erronea",
                              kEstiloCritico};
        for (const char* hw : {"", "-40", "40x"}) {
            EXPECT_EQ(Ok(s, {"60", "10", "25", hw}), std::vector<Mensaje>{erronea}) << hw;
            EXPECT_TRUE(s->isVisible()) << hw;
        }
        EXPECT_TRUE(Ok(s, {"0", "0", "0", "0"}).empty());
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(P().estado.AreaSeccion, 0.0f);
}

// The flange limit on OK with a load on 4 m (hf = 5, bw = 20: 16 hf + bw =
// 100 = L/4); then the close box without OK leaves a note and forgets.
TEST_F(Secciones, LimiteDelAlaYCierreSinOk) {
    for (const auto& [clave, b, conCarga, rechazado] : {std::tuple{"Viga_T", "101", false, false},
                                                        {"Viga_Ti", "101", true, true},
                                                        {"Viga_T", "100", true, false}}) {
        SCOPED_TRACE(std::string(clave) + " " + b);
        SetUp();  // a fresh program
        if (conCarga) PonerViga(P().estado, 4, {Puntual(2, 5, kViva, 4)});
        Elegir(clave, [&](frmSeccion* s) {
            EXPECT_EQ(Ok(s, {b, "5", "20", "40"}).size(), rechazado ? 1u : 0u);
            EXPECT_EQ(s->isVisible(), rechazado);
            if (rechazado) {
                EXPECT_EQ(UltimoMensaje().texto.substr(0, 63),
                          "La dimension bf de la viga tiene que ser menor o igual que 100.");
                EXPECT_EQ(s->txtB->selectedText(), b);
            }
        });
        // With loads, an accepted section makes the calculation available.
        EXPECT_EQ(g->Estado(), conCarga && !rechazado ? frmGeneral::EstadoVentana::Listo
                                                      : frmGeneral::EstadoVentana::Inicio);
    }
    const float ycg = P().seccion.Ycg;
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
    EXPECT_EQ(P().seccion.Ycg, ycg) << "the stored dimensions of the last OK stay";
}

// The keyboard: Enter moves along the shape's fields and, on its last field
// holding a positive number, presses Ok (a rectangle skips the web's fields);
// zero there is refused and the window stays; Esc is the close box.
TEST_F(Secciones, EnterLlegaAOkYEscCierra) {
    const std::string positivas = kPositivas.titulo, nota = "Datos no Introducidos";
    const struct {
        const char* clave;
        std::vector<const char*> textos;  // typed, each followed by Enter
        bool esc, aceptada;
        std::vector<std::string> titulos;  // of the messages shown
    } casos[] = {{"Viga_Rect", {"30", "50"}, false, true, {}},
                 {"Viga_T", {"60", "10", "25", "40"}, false, true, {}},
                 {"Viga_Ti", {"60", "10", "25", "0"}, true, false, {positivas, nota}},
                 {"Viga_Rect", {"30"}, true, false, {nota}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.clave + std::to_string(c.textos.size()));
        SetUp();
        bool aceptada = false;
        Elegir(c.clave, [&](frmSeccion* s) {
            QLineEdit* campos[] = {s->txtB, s->txtH, s->txtBw, s->txtHw};
            s->txtB->setFocus();
            for (std::size_t i = 0; i < c.textos.size(); ++i) {
                ASSERT_TRUE(campos[i]->hasFocus()) << i;
                QTest::keyClicks(campos[i], c.textos[i]);
                QTest::keyClick(campos[i], Qt::Key_Return);
                ProcesarEventos();
            }
            EXPECT_EQ(s->isVisible(), !c.aceptada);
            if (c.esc) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(s->isVisible());
            aceptada = s->result() == QDialog::Accepted;
        });
        EXPECT_EQ(aceptada, c.aceptada);
        std::vector<std::string> titulos;
        for (const Mensaje& m : Mensajes::Registrados()) titulos.push_back(m.titulo);
        EXPECT_EQ(titulos, c.titulos);
    }
}

// Stirrups: Ok answers the option shown (3/8 when first shown); the close
// box answers 3/8 and unloads the dialog, which starts again from 3/8.
TEST_F(Secciones, DialogoDeEstribos) {
    Robot r;
    // Each time: 1/2 pressed, the close box used, the option found checked, the answer.
    for (const auto& [medio, cerrar, marcada, respuesta] :
         {std::tuple{false, false, "opt38", "3/8"}, std::tuple{true, false, "opt38", "1/2"},
          std::tuple{false, true, "opt12", "3/8"}, std::tuple{false, false, "opt38", "3/8"}}) {
        r.Responder("korvex::ui::frmEstribos", [&](QWidget* w) {
            auto* e = static_cast<frmEstribos*>(w);
            EXPECT_TRUE(Hijo<QRadioButton>(e, marcada)->isChecked()) << respuesta;
            if (medio) QTest::mouseClick(e->opt12, Qt::LeftButton);
            cerrar ? void(e->close()) : QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
        });
        EXPECT_EQ(PreguntarEstribo(), respuesta);
        ProcesarEventos();
    }
}

}  // namespace
}  // namespace korvex::ui
