// The main window on the screen after the rectangular example has been
// opened and calculated: the diagrams really reach the screen in their
// colours, inside their boxes, and the window grows its diagrams with it.
// With KORVEX_CAPTURAS set to a folder the grabs are saved there as PNG.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QRadioButton>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"
#include "ui/section/frmVarillas.h"

namespace korvex::ui {
namespace {

using Vista = pruebas::Entorno;

void Guardar(const QPixmap& p, const char* nombre) {
    const QString dir = qEnvironmentVariable("KORVEX_CAPTURAS");
    if (!dir.isEmpty()) p.save(QDir(dir).filePath(nombre));
}

// Pixels of colour c inside the image.
int Pixeles(const QImage& img, const QColor& c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    }
    return n;
}

TEST_F(Vista, DiagramasEnPantallaQueCrecenConLaVentana) {
    frmGeneral* g = Ventana<frmGeneral>();
    g->resize(1000, 720);
    g->show();
    ASSERT_TRUE(g->AbrirArchivo(KORVEX_EJEMPLOS "/viga_rectangular.kvx"));
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    pruebas::ProcesarEventos();
    Guardar(g->grab(), "frmGeneral_momentos.png");

    const QImage cortante = g->pct1->grab().toImage();
    const QImage momento = g->pct2->grab().toImage();
    EXPECT_GT(Pixeles(cortante, QColor(128, 128, 0)), 1000) << "hatch of the shear diagram";
    EXPECT_GT(Pixeles(momento, QColor(0, 128, 0)), 1000) << "hatch of the moment diagram";

    const QSize antes = g->pct1->size();
    g->resize(1400, 960);
    pruebas::ProcesarEventos();
    EXPECT_GT(g->pct1->width(), antes.width());
    EXPECT_GT(g->pct1->height(), antes.height());

    g->optGirDef->click();
    pruebas::ProcesarEventos();
    Guardar(g->grab(), "frmGeneral_giros.png");
    EXPECT_GT(Pixeles(g->pct1->grab().toImage(), QColor(128, 128, 0)), 1000);
    EXPECT_GT(Pixeles(g->pct2->grab().toImage(), QColor(0, 128, 0)), 50) << "deflection line";

    // The other windows of the group, as they show on the screen.
    auto* usos = Ventana<frmUsos>();
    usos->show();
    pruebas::ProcesarEventos();
    Guardar(usos->grab(), "frmUsos.png");
    EXPECT_GE(usos->Option3->height(), 2 * usos->Option3->fontMetrics().height())
        << "the long caption is shown wrapped, not cut";
    usos->hide();

    for (const char* tipo : {kVigaRect, kVigaTi}) {
        Registro::Instancia().proyecto().seccion.TipoViga = tipo;
        auto* s = Ventana<frmSeccion>();
        s->Preparar();
        s->show();
        pruebas::ProcesarEventos();
        Guardar(s->grab(), (std::string("frmSeccion_") + tipo + ".png").c_str());
        s->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             Ventana<frmSecciones>(), Ventana<frmEstribos>(), Ventana<frmVarillas>()}) {
        w->show();
        pruebas::ProcesarEventos();
        Guardar(w->grab(), (w->objectName() + ".png").toUtf8().constData());
        w->hide();
    }
}

}  // namespace
}  // namespace korvex::ui
