// Open and save through the file dialogs; the report page of the windows,
// rendered with poppler's tools; printing; PDFs that cannot be written.

#include <QPrinter>
#include <cerrno>
#include <filesystem>

#include "comun/Ayudas.h"
#include "comun/Proceso.h"
#include "project/ArchivoKvx.h"
#include "project/Disco.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/DibujarReporte.h"
#include "ui/report/MemoriaPdf.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

// The project file of the main window's document.
std::string Bytes(frmGeneral* g) {
    std::string b;
    EXPECT_FALSE(EscribirKvx(g->documento().proyecto(), b).has_value());
    return b;
}

// What the user sees: the main window's results and the load window's grid.
QStringList Pantalla(frmGeneral* g) {
    QStringList t = {g->lblMp->text(), g->lblMn->text(), g->lblQp->text(), g->lblQn->text(),
                     g->txtEstribos->text()};
    const QTableWidget* grid = g->Ventana<frmCargas>()->grid;
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int k = 0; k < grid->columnCount(); ++k) t << Celda(grid, r, k);
    }
    return t;
}

using Archivo = Entorno;

TEST_F(Archivo, GuardarYAbrirDanLoMismoYUnArchivoMaloNoCambiaNada) {
    frmGeneral* g = Ventana<frmGeneral>();
    QTemporaryDir dir;
    Robot r;
    r.archivos = {QString::fromStdString(Ejemplo("viga_t_vuelos.kvx")), dir.filePath("copia")};
    g->mnuArchivoAbrir->trigger();
    const std::string original = Bytes(g);
    const QStringList pantalla = Pantalla(g);
    ASSERT_FALSE(pantalla[0].isEmpty());
    g->mnuArchivoSalvarcomo->trigger();  // saved without extension: the dialog adds .kvx
    ASSERT_TRUE(QFile::exists(dir.filePath("copia.kvx")));

    // Another project, then the copy back; a refused file and Cancel change nothing.
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    ASSERT_NE(Pantalla(g), pantalla);
    std::ofstream(dir.filePath("malo.kvx").toStdString()) << "esto no es un proyecto\r\n";
    r.archivos = {dir.filePath("copia.kvx"), dir.filePath("malo.kvx"), QString()};
    for (int i = 0; i < 3; ++i) {
        Mensajes::Limpiar();
        g->mnuArchivoAbrir->trigger();
        EXPECT_EQ(Bytes(g), original) << i;
        EXPECT_EQ(Pantalla(g), pantalla) << i;
        EXPECT_EQ(UltimoMensaje().titulo, i == 1 ? kTituloAbrir : "") << i;
    }
    // A save into a folder that does not exist says so.
    r.archivos = {dir.filePath("no_existe/proyecto.kvx")};
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_EQ(UltimoMensaje().titulo, kTituloGuardar);

    // A project without loads: an empty grid, no old results, nothing to print.
    Proyecto vacio;
    PonerSeccion(vacio, kVigaRect, "25", "50");
    ASSERT_FALSE(GuardarArchivoKvx(dir.filePath("sin_cargas.kvx").toStdString(), vacio));
    ASSERT_TRUE(g->AbrirArchivo(dir.filePath("sin_cargas.kvx")));
    EXPECT_EQ(g->Ventana<frmCargas>()->grid->rowCount(), 1);
    EXPECT_TRUE(g->lblMp->text().isEmpty() && g->pct1->Primitivas().empty());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
}

// The page rendered as a small grey picture (bytes of the PNG).
QByteArray Imagen(const QString& pdf) {
    const QString base = pdf + "-img";
    Ejecutar("pdftoppm",
             {"-r", "40", "-gray", "-png", "-singlefile", pdf.toStdString(), base.toStdString()});
    QFile f(base + ".png");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Informe : public Entorno {
  protected:
    void TearDown() override {
        disco::FijarFalla(nullptr);
        frmpreview::ElegirImpresora = nullptr;
        frmpreview::ElegirPdf = nullptr;
        Entorno::TearDown();
    }
    // The chosen "printer" is a PDF file (an empty name: the user cancels).
    void ImprimirEn(const QString& pdf) {
        frmpreview::ElegirImpresora = [pdf, this](QPrinter& impresora, QWidget*) {
            ++veces;
            if (pdf.isEmpty()) return false;
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(pdf);
            return true;
        };
    }
    int veces = 0;
};

// The report always draws shear and moment, whatever the main window shows.
TEST_F(Informe, ImprimirTrasGirosSigueMostrandoCortanteYMomento) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_t_vuelos.kvx"))));
    QTemporaryDir dir;
    const QString momentos = dir.filePath("momentos.pdf"), giros = dir.filePath("giros.pdf");
    ImprimirEn(momentos);
    g->Barrah_ButtonClick("Imprimir");
    // The preview opens without asking for a printer; "Imprime" asks.
    frmpreview* v = g->Ventana<frmpreview>();
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(veces, 0);
    v->Print_btn->click();
    // The preview's sheet shows the page of the main window's document.
    HojaInforme* vista = v->Hoja;
    HojaInforme copia;
    copia.resize(vista->size());
    copia.FijarProyecto(g->documento().proyecto(), g->documento().resultadoCompartido());
    auto imagen = [](HojaInforme* h) {
        return h->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(imagen(vista) == imagen(&copia));
    g->optGirDef->click();
    ImprimirEn(giros);
    g->mnuArchivoImprimir->trigger();
    QApplication::setActiveWindow(v);
    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QTest::keySequence(v, QKeySequence("Ctrl+P"));  // the preview's "Imprime"
    EXPECT_EQ(veces, 2);
    const QByteArray a = Imagen(momentos);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, Imagen(giros));

    // The shear picture holds the shear hatch (olive), not an empty box.
    QImage hoja(612, 792, QImage::Format_RGB32);
    hoja.fill(Qt::white);
    {
        QPainter pintor(&hoja);
        pintor.scale(612.0 / 12240, 792.0 / 15840);
        DibujarReporte(pintor, g->documento().proyecto(), g->documento().resultado(), true);
    }
    int oliva = 0;
    for (int y = 2450 / 20; y < (2450 + 2700) / 20; ++y) {
        for (int x = 1000 / 20; x < (1000 + 4876) / 20; ++x) {
            const QColor c = hoja.pixelColor(x, y);
            oliva += c.red() > 90 && c.green() > 90 && c.blue() < 60;
        }
    }
    EXPECT_GT(oliva, 200);

    // Cancelling the printer choice prints nothing and says nothing.
    ImprimirEn(QString());
    v->Print_btn->click();
    EXPECT_EQ(veces, 3);
    EXPECT_TRUE(Mensajes::Registrados().empty());
}

// The preview's zoom: the page fits the window at first and follows its
// size; "Ancho de página" fits the width; Ctrl++ and Ctrl+- step by 1.25
// (between 25 % and 400 %) and the sheet grows and shrinks with the factor.
TEST_F(Informe, VistaPreviaConZoom) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    g->mnuArchivoImprimir->trigger();
    frmpreview* v = g->Ventana<frmpreview>();
    v->resize(640, 860);
    ProcesarEventos();
    auto cabe = [v] {
        const QSize s = v->scrHoja->viewport()->size();
        const QRectF p = v->Hoja->Pagina();
        return std::pair{p.width() <= s.width() && p.height() <= s.height(),
                         p.width() + 18 >= s.width() || p.height() + 18 >= s.height()};
    };
    EXPECT_EQ(cabe(), std::pair(true, true)) << "the page fills the window";
    const double pagina = v->Zoom();
    v->resize(800, 1000);  // a fit follows the window
    ProcesarEventos();
    EXPECT_GT(v->Zoom(), pagina);
    EXPECT_EQ(cabe(), std::pair(true, true));

    v->cmdAnchoPagina->click();
    ProcesarEventos();
    const double ancho = v->scrHoja->viewport()->width();
    EXPECT_NEAR(v->Hoja->Pagina().width(), ancho - 16, 2);

    const double z = v->Zoom();
    const struct {
        const char* teclas;
        double factor;
    } pasos[] = {{"Ctrl++", 1.25}, {"Ctrl++", 1.5625}, {"Ctrl+-", 1.25}, {"Ctrl+-", 1}};
    for (const auto& p : pasos) {
        QTest::keySequence(v, QKeySequence(p.teclas));
        EXPECT_NEAR(v->Zoom(), z * p.factor, 1e-9) << p.teclas;
        EXPECT_NEAR(v->Hoja->Pagina().width(), 816 * v->Zoom(), 1.5) << p.teclas;
    }
    for (int i = 0; i < 20; ++i) v->cmdReducir->click();
    EXPECT_DOUBLE_EQ(v->Zoom(), 0.25);
    EXPECT_EQ(v->lblZoom->text(), "25 %");
    for (int i = 0; i < 20; ++i) v->cmdAmpliar->click();
    EXPECT_DOUBLE_EQ(v->Zoom(), 4);
    v->cmdPaginaCompleta->click();
    ProcesarEventos();
    EXPECT_EQ(cabe(), std::pair(true, true));
}

// A PDF that cannot be written, from the two writers and the preview's
// "Guardar PDF…" (a failure injected at a different step each) and from
// korvex --informe: the message names the file and the cause,
// the old file keeps its bytes, no temporary file is left.
TEST_F(Informe, PdfQueNoSePuedeEscribirNoPierdeNada) {
    namespace fs = std::filesystem;
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    const Proyecto& p = g->documento().proyecto();
    const ResultadoCalculo& resultado = g->documento().resultado();
    QTemporaryDir tmp;
    const fs::path dir = tmp.path().toStdString(), pdf = dir / "m.pdf";
    const std::string previo = "%PDF-1.4 anterior";
    fs::create_directory(dir / "carpeta.pdf");
    std::ofstream(pdf) << previo;
    auto listado = [&] {
        std::set<std::string> r;
        for (const auto& e : fs::recursive_directory_iterator(dir)) r.insert(e.path().string());
        return r;
    };
    const std::set<std::string> antes = listado();
    auto comprobar = [&](const std::string& texto, const std::string& ruta, const char* causa) {
        EXPECT_NE(texto.find("\"" + ruta + "\""), std::string::npos) << texto;
        EXPECT_NE(texto.find(causa), std::string::npos) << texto;
        std::ifstream in(pdf, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), previo);
        EXPECT_EQ(listado(), antes);
    };

    const struct {
        std::function<QString(const QString&)> escribir;
        disco::Etapa etapa;
        int error;
        const char* causa;
    } escritores[] = {{[&](const QString& r) { return EscribirPdf(p, resultado, r); },
                       disco::Etapa::Escribir, ENOSPC, "el disco está lleno"},
                      {[&](const QString& r) { return EscribirMemoria(p, resultado, r); },
                       disco::Etapa::Renombrar, EIO, "entrada y salida"},
                      {[g](const QString& r) {  // the preview's "Guardar PDF…"
                           frmpreview::ElegirPdf = [r](QWidget*) { return r; };
                           g->Ventana<frmpreview>()->cmdPdf_Click();
                           return QString::fromStdString(UltimoMensaje().texto);
                       },
                       disco::Etapa::Crear, EACCES, "no tiene permiso"}};
    for (const auto& f : escritores) {
        SCOPED_TRACE(f.causa);
        disco::FijarFalla([&f](disco::Etapa e) { return e == f.etapa ? f.error : 0; });
        comprobar(f.escribir(QString::fromStdString(pdf.string())).toStdString(), pdf.string(),
                  f.causa);
    }
    // The last failure stays injected until TearDown: nothing below writes in
    // this process, the command runs in its own.

    // The headless report: a folder as the PDF is refused with status 1, the
    // cause said, nothing written (the other causes and --memoria: core, e2e).
    const std::string carpeta = (dir / "carpeta.pdf").string();
    const std::string korvex = std::string(KORVEX_BINARIOS) + "/korvex";
    const Ejecucion r = Ejecutar(korvex, {"--informe", carpeta, Ejemplo("viga_rectangular.kvx")});
    EXPECT_EQ(r.estado, 1);
    comprobar(r.error, carpeta, "es una carpeta");
    // A wrong command line: status 2, no PDF.
    EXPECT_EQ(Ejecutar(korvex, {"--informe", pdf.string()}).estado, 2);
    EXPECT_EQ(listado(), antes);
}

}  // namespace
}  // namespace korvex::ui
