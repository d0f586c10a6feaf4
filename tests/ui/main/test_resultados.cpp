// Results out of date after a data change, until the next calculation; the
// live-load arrangements option of a new and of an opened project.
#include <functional>
#include <utility>

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

QString Ruta(const char* ejemplo) {
    return QString::fromStdString(Ejemplo(ejemplo));
}

// The grey of the box's blank top-right corner as the screen shows it.
int Fondo(Lienzo* caja) {
    const QImage imagen = caja->grab().toImage();
    return qGray(imagen.pixel(imagen.width() - 5, 4));
}

class Resultados : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Activa<frmGeneral>();
        ASSERT_NE(g, nullptr);
        impresora_ = std::exchange(frmpreview::ElegirImpresora,
                                   [](QPrinter&, QWidget*) { return false; });  // cancelled
    }
    void TearDown() override {
        frmpreview::ElegirImpresora = impresora_;
        Entorno::TearDown();
    }
    // Everything the mark shows or withholds, for current results or not;
    // `blanco` is the blank background of a current box.
    void ExpectVigentes(bool vigentes, int blanco) {
        EXPECT_EQ(g->lblDesactualizado->isHidden(), vigentes);
        EXPECT_EQ(g->lblDesactualizado->text(), kAviso);
        const frmpreview* v = Registro::Instancia().SiExiste<frmpreview>();
        ASSERT_TRUE(v != nullptr && v->isVisible()) << "the preview stays open";
        for (const QObject* o : std::initializer_list<const QObject*>{
                 g->Boton("Imprimir"), g->mnuArchivoImprimir, g->mnuArchivoMemoria, v->Print_btn,
                 v->cmdPdf, g->txtEstribos, g->grdAcero, g->cmdVarillas, g->lblAlternancia,
                 g->lblQp, g->lblQn, g->lblMp, g->lblMn}) {
            EXPECT_EQ(o->property("enabled").toBool(), vigentes) << o->objectName().toStdString();
        }
        // The diagrams under a visible grey: a blank corner darker by far.
        for (Lienzo* caja : {g->pct1, g->pct2}) {
            const int fondo = Fondo(caja);
            EXPECT_TRUE(vigentes ? fondo == blanco : fondo < blanco - 40)
                << caja->objectName().toStdString() << " " << fondo;
        }
        // The user's work can always be saved.
        EXPECT_TRUE(g->Boton("Salvar")->isEnabled() && g->mnuArchivoSalvarcomo->isEnabled());
        EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    }
    // The load window opened by the user, a row clicked (twice: to modify it).
    frmCargas* CargasEnFila(int fila, bool doble) {
        frmCargas* c = g->Ventana<frmCargas>();
        c->show();
        ProcesarEventos();
        const QPoint centro = c->grid->visualRect(c->grid->model()->index(fila, 2)).center();
        QTest::mouseClick(c->grid->viewport(), Qt::LeftButton, {}, centro);
        if (doble) {
            QTest::mouseDClick(c->grid->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseRelease(c->grid->viewport(), Qt::LeftButton, {}, centro);
        }
        ProcesarEventos();
        return c;
    }
    frmGeneral* g = nullptr;

  private:
    std::function<bool(QPrinter&, QWidget*)> impresora_;
};

// Each change marks the results at once, the next calculation clears the mark;
// a refused calculation keeps it, data brought back clear it.
TEST_F(Resultados, CadaCambioLosDesactualizaHastaElSiguienteCalculo) {
    ASSERT_TRUE(g->AbrirArchivo(Ruta("viga_rectangular.kvx")));
    g->Barrah_ButtonClick("Imprimir");  // the preview open
    const int blanco = Fondo(g->pct2);
    ExpectVigentes(true, blanco);

    // Steel, stirrups and the moment value label, the results a change may move.
    auto resultados = [&] {
        return Celda(g->grdAcero, 1, 1) + " " + g->txtEstribos->text() + " " + g->lblMp->text();
    };
    auto cambio = [&](const char* nombre, bool recalcula, const std::function<void()>& hacer) {
        SCOPED_TRACE(nombre);
        const QString antes = resultados();
        hacer();
        ExpectVigentes(false, blanco);
        EXPECT_EQ(resultados(), antes) << "nothing recalculated yet";
        QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
        ProcesarEventos();
        ExpectVigentes(true, blanco);
        EXPECT_TRUE(!recalcula || resultados() != antes) << "the results follow the data";
    };
    cambio("una carga modificada", true, [&] {
        frmCargas* c = CargasEnFila(1, true);
        ASSERT_EQ(c->cmdAnadir->text(), "Modificar");
        c->txtP1->setText(QString::number(g->documento().proyecto().estado.Cargas[1].P1 + 3));
        c->cmdAnadir->click();
        // At once, the load window still up.
        EXPECT_TRUE(!g->lblDesactualizado->isHidden() && !g->mnuArchivoImprimir->isEnabled());
        c->cmdCargasOk->click();
    });
    cambio("una carga borrada", true, [&] {
        frmCargas* c = CargasEnFila(2, false);
        c->cmdBorrar->click();
        EXPECT_FALSE(g->lblDesactualizado->isHidden());
        c->cmdCargasOk->click();
    });
    cambio("el recubrimiento", true, [&] { Teclear(g->txtRec, "6"); });
    cambio("el uso", false, [&] { g->Ventana<frmUsos>()->Option3->click(); });
    cambio("f'c", true, [&] { Teclear(g->txtFc, "280"); });

    // fy and the option recalculate at once: never out of date.
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);
    ProcesarEventos();
    ExpectVigentes(true, blanco);
    g->chkAlternancia->click();
    ProcesarEventos();
    ExpectVigentes(true, blanco);

    // A refused calculation (f'c 0) leaves the mark; the calculated f'c typed
    // back makes the results current again, as does the use.
    const QString fc = g->txtFc->text();
    Teclear(g->txtFc, "0");
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    ProcesarEventos();
    ASSERT_EQ(UltimoMensaje().texto,
              "La resistencia f'c del hormigón debe ser mayor que 0 Kgr/cm2. Corrija f'c.")
        << "the calculation was refused";
    ExpectVigentes(false, blanco);
    Teclear(g->txtFc, fc);
    ExpectVigentes(true, blanco);
    g->Ventana<frmUsos>()->Option2->click();
    ExpectVigentes(false, blanco);
    g->Ventana<frmUsos>()->Option3->click();
    ExpectVigentes(true, blanco);
}

// During a calculation only the progress bar moves: the results on screen
// (the stirrup question and the warnings come in the middle of it) stay as
// they were until the calculation has returned, then show its own.
TEST_F(Resultados, SeMuestranAlTerminarElCalculoNuncaAMedias) {
    auto pantalla = [&] {
        QStringList t = {g->txtEstribos->text(), g->lblMp->text(), g->lblQp->text(),
                         g->lbl1->text(), g->cmdVarillas->isEnabled() ? "varillas" : ""};
        for (int k = 0; k < 4; ++k) t << Celda(g->grdAcero, 1 + k / 2, 1 + k % 2);
        for (const Lienzo* caja : {g->pct1, g->pct2})
            t << QString::number(caja->Primitivas().size());
        return t.join(" | ").toStdString();
    };
    // Notes the screen and the bar each time the calculation tells or asks something.
    struct Testigo : Interfaz {
        std::function<void()> ver;
        int MostrarMensaje(const Mensaje&) override { return ver(), kRespuestaOk; }
        std::string PedirDiametroEstribo() override { return ver(), "3/8"; }
    } testigo;
    std::vector<std::string> vistas;
    std::vector<int> barras;
    testigo.ver = [&] {
        vistas.push_back(pantalla());
        barras.push_back(g->PBar->value());
    };
    FijarAdaptador(&testigo);
    // 25 x 60 on 2 m: a deep member (200 / 56 < 5), warned after the design.
    Proyecto& p = g->documento().proyecto();
    PonerSeccion(p, kVigaRect, "25", "60");
    PonerViga(p.estado, 2, {Uniforme(0, 2, 30, kMuerta, 2)});
    for (float w : {30.0f, 45.0f}) {
        SCOPED_TRACE(w);
        p.estado.Cargas[1].P1 = p.estado.Cargas[1].P2 = w;
        const std::string antes = pantalla();
        vistas.clear();
        barras.clear();
        g->cmdCalculos_Click();
        ASSERT_FALSE(vistas.empty()) << "the warning comes during the calculation";
        for (std::size_t i = 0; i < vistas.size(); ++i) {
            EXPECT_EQ(vistas[i], antes) << i;
            EXPECT_GT(barras[i], 0) << "the bar advances meanwhile";
        }
        EXPECT_NE(pantalla(), antes);
        EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    }
    Mensajes::ModoPrueba(true);
}

// Out of date, then opened again, New or the reset: no mark is left.
TEST_F(Resultados, AbrirNuevoYReiniciarQuitanLaMarca) {
    // A project with its section and no loads yet: opened, nothing calculated.
    QTemporaryDir dir;
    const QString sinCargas = dir.filePath("sin_cargas.kvx");
    Proyecto vacio;
    PonerSeccion(vacio, kVigaRect, "25", "50");
    ASSERT_FALSE(GuardarArchivoKvx(sinCargas.toStdString(), vacio).has_value());
    auto orden = [&](const char* nombre, bool conResultados, const std::function<void()>& hacer) {
        SCOPED_TRACE(nombre);
        ASSERT_TRUE(g->AbrirArchivo(Ruta("viga_rectangular.kvx")));
        Teclear(g->txtRec, "6");
        ASSERT_FALSE(g->lblDesactualizado->isHidden());
        hacer();  // the boxes' own answers: OK to New, No to saving
        EXPECT_TRUE(g->lblDesactualizado->isHidden());
        EXPECT_EQ(g->mnuArchivoImprimir->isEnabled(), conResultados);
        EXPECT_EQ(g->cmdVarillas->isEnabled(), conResultados);
        EXPECT_TRUE(g->txtEstribos->isEnabled() && g->grdAcero->isEnabled());
        EXPECT_GT(Fondo(g->pct2), 230) << "no veil";
    };
    orden("abrir", true, [&] { ASSERT_TRUE(g->AbrirOtro(Ruta("viga_t_vuelos.kvx"))); });
    orden("abrir sin cargas", false, [&] { ASSERT_TRUE(g->AbrirOtro(sinCargas)); });
    orden("nuevo", false, [&] { g->mnuArchivoNuevo->trigger(); });
    orden("reiniciar", false, [&] { QTest::mouseClick(g->cmdReiniciar2, Qt::LeftButton); });
}

// A new project designs for the worst live-load arrangement and is no change to
// be saved; a file decides for itself (without the option record: off).
TEST_F(Resultados, AlternanciaMarcadaEnUnProyectoNuevoYLaDelArchivoAlAbrir) {
    Proyecto& p = g->documento().proyecto();
    for (const char* cuando : {"al iniciar", "tras Nuevo", "tras Reiniciar"}) {
        SCOPED_TRACE(cuando);
        const std::string c = cuando;
        // A file without the option record first (at start: none yet).
        if (c != "al iniciar") {
            ASSERT_TRUE(g->AbrirArchivo(Ruta("viga_t_vuelos.kvx")));
            EXPECT_FALSE(g->chkAlternancia->isChecked() || p.estado.AlternanciaViva);
            EXPECT_FALSE(g->lblAlternancia->isHidden()) << "its notice: designed without it";
        }
        Mensajes::Limpiar();
        if (c == "tras Nuevo") g->mnuArchivoNuevo->trigger();
        if (c == "tras Reiniciar") QTest::mouseClick(g->cmdReiniciar2, Qt::LeftButton);
        EXPECT_TRUE(g->chkAlternancia->isChecked() && p.estado.AlternanciaViva);
        EXPECT_FALSE(g->documento().Cambiado());
        ProcesarEventos();
        EXPECT_EQ(g->windowTitle().toStdString(), frmGeneral::kTitulo);
        // Opening then asks nothing about saving: only New's own question.
        ASSERT_TRUE(g->AbrirOtro(Ruta("viga_rectangular.kvx")));
        const Mensaje nuevo{"Esta seguro de que desea abrir un archivo nuevo ?!?",
                            "Documento Nuevo", kEstiloPregunta};
        EXPECT_EQ(Mensajes::Registrados(),
                  c == "tras Nuevo" ? std::vector{nuevo} : std::vector<Mensaje>{});
        EXPECT_FALSE(g->chkAlternancia->isChecked()) << "the file's value";
        g->mnuArchivoNuevo->trigger();
    }

    // A new project with live load over two cantilevers: designed for its worst
    // arrangement, no notice; unticked, the notice says an arrangement governs.
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
