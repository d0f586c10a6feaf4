// Undo and redo through the real windows: the load table after each step,
// a field undone after a calculation, the Edit menu's texts and keys, the
// history cleared by New and by opening.
#include "comun/Ayudas.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

class Deshacer : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
    }
    // "Deshacer «…» | Rehacer «…»", each with "-" when disabled.
    std::string Menu() {
        ProcesarEventos();  // a change is recorded once the windows have handled it
        auto texto = [](const QAction* a) {
            return (a->isEnabled() ? "" : "-") + a->text().toStdString();
        };
        return texto(g->mnuEdicionDeshacer) + " | " + texto(g->mnuEdicionRehacer);
    }
    // The abscissas a of the load table, one per row.
    std::string Tabla(const frmCargas* c) {
        std::string t;
        for (int r = 1; r < c->grid->rowCount(); ++r) t += Celda(c->grid, r, 3).toStdString() + " ";
        return t;
    }
    frmGeneral* g = nullptr;
};

TEST_F(Deshacer, TresCargasBorrarUnaDeshacerDosVecesYRehacerUna) {
    EXPECT_EQ(Menu(), "-Deshacer | -Rehacer");
    frmCargas* c = g->Ventana<frmCargas>();
    c->show();
    QApplication::setActiveWindow(c);
    ASSERT_TRUE(QTest::qWaitForWindowActive(c));
    Teclear(c->txtL, "6");
    c->optPuntual->click();
    for (const char* a : {"1", "2", "3"}) {
        Teclear(c->txtA, a);
        Teclear(c->txtP1, a);
        c->cmdAnadir->click();
    }
    c->grid->setCurrentCell(2, 1);
    c->cmdBorrar->click();
    // Ctrl+Z in a field being edited undoes its text, not the table.
    c->txtX->setFocus();
    QTest::keyClicks(c->txtX, "2.5");
    QTest::keyClick(c->txtX, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(c->txtX->text().toStdString() + "|" + Tabla(c), "|1 3 ");
    c->grid->setFocus();

    using Tecla = std::function<void()>;
    const Tecla ctrlZ = [&] { QTest::keyClick(c->grid, Qt::Key_Z, Qt::ControlModifier); };
    const Tecla ctrlY = [&] { QTest::keyClick(c->grid, Qt::Key_Y, Qt::ControlModifier); };
    const Tecla ctrlShiftZ = [&] {
        QTest::keyClick(c->grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const Tecla menuDeshacer = [&] { g->mnuEdicionDeshacer->trigger(); };
    const struct {
        const char* que;
        Tecla hacer;
        const char* tabla;
        const char* menu;
    } pasos[] = {
        {"borrada la 2", [] {}, "1 3 ", "Deshacer «Borrar carga 2» | -Rehacer"},
        {"Ctrl+Z", ctrlZ, "1 2 3 ", "Deshacer «Agregar carga» | Rehacer «Borrar carga 2»"},
        {"menú", menuDeshacer, "1 2 ", "Deshacer «Agregar carga» | Rehacer «Agregar carga»"},
        {"Ctrl+Y", ctrlY, "1 2 3 ", "Deshacer «Agregar carga» | Rehacer «Borrar carga 2»"},
        {"Ctrl+Shift+Z", ctrlShiftZ, "1 3 ", "Deshacer «Borrar carga 2» | -Rehacer"},
    };
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.que);
        p.hacer();
        ProcesarEventos();
        EXPECT_EQ(Tabla(c), p.tabla);
        EXPECT_EQ(static_cast<std::size_t>(g->documento().proyecto().estado.NumCargas) + 1,
                  static_cast<std::size_t>(c->grid->rowCount()));
        EXPECT_EQ(Menu(), p.menu);
    }
    EXPECT_TRUE(Mensajes::Registrados().empty());
    // A position refused (beyond the 6 m beam) is no step.
    Teclear(c->txtA, "9");
    EXPECT_FALSE(Mensajes::Registrados().empty());
    EXPECT_EQ(Menu(), "Deshacer «Borrar carga 2» | -Rehacer");
    // Back to before the first load: the table empty and the beam free again.
    for (int i = 0; i < 4; ++i) g->mnuEdicionDeshacer->trigger();
    ProcesarEventos();
    EXPECT_EQ(Tabla(c), "");
    EXPECT_TRUE(c->txtL->isEnabled());
}

TEST_F(Deshacer, CampoDeshechoTrasCalcularYHistorialVaciadoPorNuevoYAbrir) {
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    const QString fc = g->txtFc->text();
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    // A calculation is no step.
    EXPECT_EQ(Menu(), "-Deshacer | -Rehacer");
    const auto fuera = [&] {
        ProcesarEventos();
        return g->txtFc->text().toStdString() + (g->lblDesactualizado->isHidden() ? "" : " *");
    };
    // Two visits to the field, two steps.
    Teclear(g->txtFc, "280");
    Teclear(g->txtFc, "350");
    EXPECT_EQ(fuera(), "350 *");
    EXPECT_EQ(Menu(), "Deshacer «Cambiar f'c» | -Rehacer");

    const struct {
        QAction* accion;
        std::string campo;  // " *" while the results are out of date
    } pasos[] = {
        {g->mnuEdicionDeshacer, "280 *"},
        // Back to the calculated data: the results current again.
        {g->mnuEdicionDeshacer, fc.toStdString()},
        {g->mnuEdicionRehacer, "280 *"},
    };
    for (const auto& p : pasos) {
        p.accion->trigger();
        EXPECT_EQ(fuera(), p.campo);
    }
    // Calculated with 280, then undone: the results out of date.
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    EXPECT_EQ(fuera(), "280");
    g->mnuEdicionDeshacer->trigger();
    EXPECT_EQ(fuera(), fc.toStdString() + " *");

    // Opening clears the history, and so does New.
    g->mnuEdicionRehacer->trigger();
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_t_vuelos.kvx"))));
    EXPECT_EQ(Menu(), "-Deshacer | -Rehacer");
    Teclear(g->txtRec, "5");
    EXPECT_EQ(Menu(), "Deshacer «Cambiar recubrimiento» | -Rehacer");
    Mensajes::ProgramarRespuesta(kRespuestaOk);  // "Documento Nuevo"
    Mensajes::ProgramarRespuesta(kRespuestaNo);  // not saved
    g->mnuArchivoNuevo->trigger();
    EXPECT_EQ(Menu(), "-Deshacer | -Rehacer");
}

}  // namespace
}  // namespace korvex::ui
