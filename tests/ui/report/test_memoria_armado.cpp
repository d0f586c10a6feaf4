// The part "Armado y despiece" in the PDF of the calculation report, read
// back with poppler: its title for the rectangular example, and phi Mn of
// the bars drawn over the moment diagram in its own colour, with its legend,
// when the schedule carries it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "comun/ArmadoAMano.h"
#include "comun/Proceso.h"
#include "design/Reglas.h"
#include "ui/report/MemoriaPdf.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

// The text of a PDF without blanks (pdftotext breaks lines around subscripts).
std::string Texto(const QString& pdf) {
    const Ejecucion e = Ejecutar("pdftotext", {pdf.toStdString(), "-"});
    EXPECT_EQ(e.estado, 0) << "pdftotext (poppler-utils): " << e.error;
    std::string t;
    for (char c : e.salida) {
        if (c != ' ' && c != '\n' && c != '\f') t.push_back(c);
    }
    return t;
}

// Pixels of the pages in the blue of the phi Mn line (0, 70, 200).
int PixelesCapacidad(const QString& pdf, const QString& carpeta) {
    const QString base = carpeta + "/pagina";
    Ejecutar("pdftoppm", {"-r", "50", "-png", pdf.toStdString(), base.toStdString()});
    int n = 0;
    for (const QFileInfo& f : QDir(carpeta).entryInfoList({"pagina*.png"})) {
        const QImage img(f.filePath());
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() < 60 && c.green() > 40 && c.green() < 110 && c.blue() > 160;
            }
        }
        QFile::remove(f.filePath());
    }
    return n;
}

TEST(MemoriaArmadoPdf, CapituloYResistenciaSobreElMomento) {
    QTemporaryDir dir;
    const ProyectoCalculado ejemplo = Abierto("viga_rectangular.kvx");
    const QString pdf = dir.filePath("ejemplo.pdf");
    ASSERT_EQ(EscribirMemoria(ejemplo, ejemplo.r, pdf), QString());
    const std::string t = Texto(pdf);
    for (const char* x :
         {"7.Armadoydespiece", "7.1Carainferior,momentopositivoM(+)", "8.Deflexiones"}) {
        EXPECT_NE(t.find(x), std::string::npos) << x;
    }

    // A schedule with phi Mn along the beam: the line and its legend; the same
    // report without it has neither.
    ProyectoCalculado p = ConArmado("viga_rectangular.kvx", ReglasPorClave(kReglasClasicas));
    const QString con = dir.filePath("con.pdf"), sin = dir.filePath("sin.pdf");
    ASSERT_EQ(EscribirMemoria(p, p.r, con), QString());
    EXPECT_NE(Texto(con).find("φMn:resistenciadediseñodelasvarillas"), std::string::npos);
    EXPECT_GT(PixelesCapacidad(con, dir.path()), 100);
    p.r.Despiece.capacidad.clear();
    ASSERT_EQ(EscribirMemoria(p, p.r, sin), QString());
    EXPECT_EQ(Texto(sin).find("φMn:resistencia"), std::string::npos);
    EXPECT_EQ(PixelesCapacidad(sin, dir.path()), 0);
}

}  // namespace
}  // namespace korvex::ui
