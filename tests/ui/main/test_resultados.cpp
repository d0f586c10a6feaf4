// Results out of date: after a calculation every change of the data greys
// the results and withholds printing until the next calculation; the
// live-load arrangements option of a new project and of an opened one.
#include <functional>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/frmpreview.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

const QString kAviso = QString::fromUtf8(
    "Resultados desactualizados: los datos cambiaron después del último cálculo. Presione "
    "«Realizar Cálculos».");

class Resultados : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Activa<frmGeneral>();
        ASSERT_NE(g, nullptr);
        impresora_ = frmpreview::ElegirImpresora;
        frmpreview::ElegirImpresora = [](QPrinter&, QWidget*) { return false; };  // cancelled
    }
    void TearDown() override {
        frmpreview::ElegirImpresora = impresora_;
        Entorno::TearDown();
    }
    bool Abrir(const char* ejemplo) {
        return g->AbrirArchivo(QString::fromStdString(Ejemplo(ejemplo)));
    }
    void Calcular() {
        QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
        ProcesarEventos();
    }
    // The grey of the box's blank top-right corner as the screen shows it.
    static int Fondo(Lienzo* caja) {
        const QImage imagen = caja->grab().toImage();
        return qGray(imagen.pixel(imagen.width() - 5, 4));
    }
    // Everything the mark shows or withholds, for current results or not;
    // `blanco` is the blank background of a current box.
    void ExpectVigentes(bool vigentes, int blanco) {
        EXPECT_EQ(g->lblDesactualizado->isHidden(), vigentes);
        EXPECT_EQ(g->lblDesactualizado->text(), kAviso);
        for (const QAction* a : {g->Boton("Imprimir"), g->mnuArchivoImprimir, g->mnuArchivoMemoria})
            EXPECT_EQ(a->isEnabled(), vigentes) << a->objectName().toStdString();
        const frmpreview* v = Registro::Instancia().SiExiste<frmpreview>();
        ASSERT_TRUE(v != nullptr && v->isVisible()) << "the preview stays open";
        for (const QWidget* w : std::initializer_list<const QWidget*>{v->Print_btn, v->cmdPdf})
            EXPECT_EQ(w->isEnabled(), vigentes) << w->objectName().toStdString();
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 g->txtEstribos, g->grdAcero, g->cmdVarillas, g->lblAlternancia, g->lblQp, g->lblQn,
                 g->lblMp, g->lblMn}) {
            EXPECT_EQ(w->isEnabled(), vigentes) << w->objectName().toStdString();
        }
        // The diagrams under a visible grey: a blank corner darker by far.
        for (Lienzo* caja : {g->pct1, g->pct2}) {
            if (vigentes) {
                EXPECT_EQ(Fondo(caja), blanco) << caja->objectName().toStdString();
            } else {
                EXPECT_LT(Fondo(caja), blanco - 40) << caja->objectName().toStdString();
            }
        }
        // The user's work can always be saved.
        EXPECT_TRUE(g->Boton("Salvar")->isEnabled() && g->mnuArchivoSalvarcomo->isEnabled());
        EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    }
    // A load window action as the user does it, the window open; Ok closes it.
    frmCargas* Cargas() {
        frmCargas* c = Ventana<frmCargas>();
        c->show();
        ProcesarEventos();
        return c;
    }
    void ClicEnFila(frmCargas* c, int fila, bool doble) {
        const QRect celda = c->grid->visualRect(c->grid->model()->index(fila, 2));
        QTest::mouseClick(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
        if (doble) {
            QTest::mouseDClick(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
            QTest::mouseRelease(c->grid->viewport(), Qt::LeftButton, {}, celda.center());
        }
        ProcesarEventos();
    }
    frmGeneral* g = nullptr;

  private:
    std::function<bool(QPrinter&, QWidget*)> impresora_;
};

// Each change marks the results at once (a load still in its window, the
// cover, the use), the next calculation clears the mark and shows the new
// results; fy and the option recalculate; a refused calculation keeps the
// mark and data brought back clear it.
TEST_F(Resultados, CadaCambioLosDesactualizaHastaElSiguienteCalculo) {
    ASSERT_TRUE(Abrir("viga_rectangular.kvx"));
    g->Barrah_ButtonClick("Imprimir");  // the preview open, the printer choice cancelled
    const int blanco = Fondo(g->pct2);
    ExpectVigentes(true, blanco);

    // Steel, stirrups and the moment value label, the results a change may move.
    auto resultados = [&] {
        return Celda(g->grdAcero, 1, 1) + " " + g->txtEstribos->text() + " " + g->lblMp->text();
    };
    const struct {
        const char* cambio;
        std::function<void()> hacer;
        bool recalcula;  // the results on screen change with the data
    } cambios[] = {
        {"una carga modificada",
         [&] {
             frmCargas* c = Cargas();
             ClicEnFila(c, 1, true);
             ASSERT_EQ(c->cmdAnadir->text(), "Modificar");
             c->txtP1->setText(QString::number(ProyectoActual().estado.Cargas[1].P1 + 3));
             c->cmdAnadir->click();
             // At once, the load window still up.
             EXPECT_FALSE(g->lblDesactualizado->isHidden());
             EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
             c->cmdCargasOk->click();
         },
         true},
        {"una carga borrada",
         [&] {
             frmCargas* c = Cargas();
             ClicEnFila(c, 2, false);
             c->cmdBorrar->click();
             EXPECT_FALSE(g->lblDesactualizado->isHidden());
             c->cmdCargasOk->click();
         },
         true},
        {"el recubrimiento", [&] { Teclear(g->txtRec, "6"); }, true},
        {"el uso", [&] { Ventana<frmUsos>()->Option3->click(); }, false},
        {"f'c", [&] { Teclear(g->txtFc, "280"); }, true},
    };
    for (const auto& c : cambios) {
        SCOPED_TRACE(c.cambio);
        const QString antes = resultados();
        c.hacer();
        ExpectVigentes(false, blanco);
        EXPECT_EQ(resultados(), antes) << "nothing recalculated yet";
        Calcular();
        ExpectVigentes(true, blanco);
        if (c.recalcula) {
            EXPECT_NE(resultados(), antes);
        }
    }

    // fy and the option recalculate at once: never out of date.
    const struct {
        const char* cambio;
        std::function<void()> hacer;
    } inmediatos[] = {{"fy",
                       [&] {
                           g->cboFy->setFocus();
                           QTest::keyClick(g->cboFy, Qt::Key_Down);
                       }},
                      {"la alternancia", [&] { g->chkAlternancia->click(); }}};
    for (const auto& c : inmediatos) {
        SCOPED_TRACE(c.cambio);
        c.hacer();
        ProcesarEventos();
        ExpectVigentes(true, blanco);
    }

    // A refused calculation (f'c 0) leaves the mark; the calculated f'c
    // typed back makes the results current again, as does the use.
    const QString fc = g->txtFc->text();
    Teclear(g->txtFc, "0");
    Mensajes::Limpiar();
    Calcular();
    ASSERT_EQ(UltimoMensaje().texto,
              "La resistencia f'c del hormigón debe ser mayor que 0 Kgr/cm2. Corrija f'c.")
        << "the calculation was refused";
    ExpectVigentes(false, blanco);
    Teclear(g->txtFc, fc);
    ExpectVigentes(true, blanco);
    Ventana<frmUsos>()->Option2->click();
    ExpectVigentes(false, blanco);
    Ventana<frmUsos>()->Option3->click();
    ExpectVigentes(true, blanco);
}

// Out of date, then opened again, New or the reset: no mark is left.
TEST_F(Resultados, AbrirNuevoYReiniciarQuitanLaMarca) {
    // A project with its section and no loads yet: opened, nothing calculated.
    QTemporaryDir dir;
    const QString sinCargas = dir.filePath("sin_cargas.kvx");
    Proyecto vacio;
    PonerSeccion(vacio, kVigaRect, "25", "50");
    ASSERT_FALSE(GuardarArchivoKvx(sinCargas.toStdString(), vacio).has_value());
    const struct {
        const char* orden;
        std::function<void()> hacer;
        bool calculado;  // results on screen afterwards
    } ordenes[] = {
        {"abrir",
         [&] { ASSERT_TRUE(g->AbrirOtro(QString::fromStdString(Ejemplo("viga_t_vuelos.kvx")))); },
         true},
        {"abrir sin cargas", [&] { ASSERT_TRUE(g->AbrirOtro(sinCargas)); }, false},
        {"nuevo", [&] { g->mnuArchivoNuevo->trigger(); }, false},
        {"reiniciar", [&] { QTest::mouseClick(g->cmdReiniciar2, Qt::LeftButton); }, false},
    };
    for (const auto& o : ordenes) {
        SCOPED_TRACE(o.orden);
        ASSERT_TRUE(Abrir("viga_rectangular.kvx"));
        Teclear(g->txtRec, "6");
        ASSERT_FALSE(g->lblDesactualizado->isHidden());
        o.hacer();  // the boxes' own answers: OK to New, No to saving
        EXPECT_TRUE(g->lblDesactualizado->isHidden());
        EXPECT_EQ(g->mnuArchivoImprimir->isEnabled(), o.calculado);
        EXPECT_EQ(g->cmdVarillas->isEnabled(), o.calculado);
        for (const QWidget* w : std::initializer_list<const QWidget*>{g->txtEstribos, g->grdAcero})
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        Lienzo* caja = g->pct2;
        EXPECT_GT(Fondo(caja), 230) << "no veil";
    }
}

// A new project designs for the worst arrangement of the live load; a file
// decides for itself (without the option record: off), and a new project is
// no change to be saved.
TEST_F(Resultados, AlternanciaMarcadaEnUnProyectoNuevoYLaDelArchivoAlAbrir) {
    const Mensaje nuevo{"Esta seguro de que desea abrir un archivo nuevo ?!?", "Documento Nuevo",
                        kEstiloPregunta};
    const struct {
        const char* cuando;
        std::function<void()> hacer;
    } nuevos[] = {{"al iniciar", [] {}},
                  {"tras Nuevo", [&] { g->mnuArchivoNuevo->trigger(); }},
                  {"tras Reiniciar", [&] { QTest::mouseClick(g->cmdReiniciar2, Qt::LeftButton); }}};
    for (const auto& n : nuevos) {
        SCOPED_TRACE(n.cuando);
        // A file without the option record first (at start: none yet).
        if (std::string(n.cuando) != "al iniciar") {
            ASSERT_TRUE(Abrir("viga_t_vuelos.kvx"));
            EXPECT_FALSE(g->chkAlternancia->isChecked());
            EXPECT_FALSE(ProyectoActual().estado.AlternanciaViva);
            EXPECT_FALSE(g->lblAlternancia->isHidden()) << "its notice: designed without it";
        }
        Mensajes::Limpiar();
        n.hacer();
        EXPECT_TRUE(g->chkAlternancia->isChecked());
        EXPECT_TRUE(ProyectoActual().estado.AlternanciaViva);
        EXPECT_FALSE(g->Cambiado());
        ProcesarEventos();
        EXPECT_EQ(g->windowTitle().toStdString(), frmGeneral::kTitulo);
        // Opening then asks nothing about saving: only New's own question.
        ASSERT_TRUE(g->AbrirOtro(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
        const std::vector<Mensaje> preguntas = std::string(n.cuando) == "tras Nuevo"
                                                   ? std::vector<Mensaje>{nuevo}
                                                   : std::vector<Mensaje>{};
        EXPECT_EQ(Mensajes::Registrados(), preguntas);
        EXPECT_FALSE(g->chkAlternancia->isChecked()) << "the file's value";
        g->mnuArchivoNuevo->trigger();
    }

    // A new project calculated: live load over a beam with two cantilevers
    // is designed for its worst arrangement, so there is no notice; unticked,
    // the notice says an arrangement governs.
    Proyecto& p = ProyectoActual();
    PonerSeccion(p, kVigaRect, "30", "60");
    PonerViga(p.estado, 8, {Uniforme(0, 8, 2, kViva, 8)}, 1.5f, 6.5f);
    g->cmdCalculos_Click();
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_TRUE(g->lblAlternancia->isHidden());
    g->chkAlternancia->click();
    EXPECT_FALSE(g->lblAlternancia->isHidden());
}

}  // namespace
}  // namespace korvex::ui
