// The main window on the screen after the rectangular example has been
// opened and calculated: the diagrams really reach the screen in their
// colours, and the diagram boxes grow with the window. With KORVEX_CAPTURAS
// set to a folder the grabs are saved there as PNG.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QRadioButton>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using Vista = pruebas::Entorno;

void Guardar(const QPixmap& p, const char* nombre) {
    const QString dir = qEnvironmentVariable("KORVEX_CAPTURAS");
    if (!dir.isEmpty()) p.save(QDir(dir).filePath(nombre));
}

// Pixels of colour c in the box as it shows on the screen.
int Pixeles(QWidget* w, const QColor& c) {
    const QImage img = w->grab().toImage();
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
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    pruebas::ProcesarEventos();
    Guardar(g->grab(), "frmGeneral_momentos.png");
    EXPECT_GT(Pixeles(g->pct1, QColor(128, 128, 0)), 1000) << "hatch of the shear diagram";
    EXPECT_GT(Pixeles(g->pct2, QColor(0, 128, 0)), 1000) << "hatch of the moment diagram";

    const QSize antes = g->pct1->size();
    g->resize(1400, 960);
    pruebas::ProcesarEventos();
    EXPECT_GT(g->pct1->width(), antes.width());
    EXPECT_GT(g->pct1->height(), antes.height());

    g->optGirDef->click();
    pruebas::ProcesarEventos();
    Guardar(g->grab(), "frmGeneral_giros.png");
    EXPECT_GT(Pixeles(g->pct1, QColor(128, 128, 0)), 1000);
    EXPECT_GT(Pixeles(g->pct2, QColor(0, 128, 0)), 50) << "deflection line";
}

}  // namespace
}  // namespace korvex::ui
