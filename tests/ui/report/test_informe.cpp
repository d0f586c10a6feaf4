// Open and save through the main window's commands and file dialogs; the
// report page written by korvex --informe and by the windows' commands, read
// back with poppler's pdftotext, pdfinfo and pdftoppm, and printing through
// the (test-answered) printer choice.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QPrinter>
#include <cerrno>
#include <filesystem>

#include "comun/Ayudas.h"
#include "comun/Proceso.h"
#include "design/Deflexion.h"
#include "project/ArchivoKvx.h"
#include "project/Calculo.h"
#include "project/Disco.h"
#include "text/Numeros.h"
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

std::string Bytes() {
    std::string b;
    EXPECT_FALSE(EscribirKvx(ProyectoActual(), b).has_value());
    return b;
}

// What the user sees of a project: results on the main window and the grid
// of the load window.
QStringList Pantalla(const frmGeneral* g) {
    QStringList t = {g->lblMp->text(), g->lblMn->text(), g->lblQp->text(), g->lblQn->text(),
                     g->txtEstribos->text()};
    const QTableWidget* grid = Ventana<frmCargas>()->grid;
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
    const std::string original = Bytes();
    const QStringList pantalla = Pantalla(g);
    ASSERT_FALSE(pantalla[0].isEmpty());
    g->mnuArchivoSalvarcomo->trigger();  // saved without extension: the dialog adds .kvx
    ASSERT_TRUE(QFile::exists(dir.filePath("copia.kvx")));

    // Another project in between, then the saved copy back; then a refused
    // file and a cancelled dialog change nothing.
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    ASSERT_NE(Pantalla(g), pantalla);
    QFile malo(dir.filePath("malo.kvx"));
    ASSERT_TRUE(malo.open(QIODevice::WriteOnly));
    malo.write("esto no es un proyecto\r\n");
    malo.close();
    r.archivos = {dir.filePath("copia.kvx"), malo.fileName(), QString()};
    for (int i = 0; i < 3; ++i) {
        g->mnuArchivoAbrir->trigger();
        EXPECT_EQ(Bytes(), original) << i;
        EXPECT_EQ(Pantalla(g), pantalla) << i;
        if (i == 1) {
            EXPECT_EQ(UltimoMensaje().titulo, kTituloAbrir);
        }
    }
    // A save into a folder that does not exist says so.
    r.archivos = {dir.filePath("no_existe/proyecto.kvx")};
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_EQ(UltimoMensaje().titulo, kTituloGuardar);

    // A project without loads: an empty grid, no results of the previous
    // project, nothing to print.
    Proyecto vacio;
    PonerSeccion(vacio, kVigaRect, "25", "50");
    ASSERT_FALSE(GuardarArchivoKvx(dir.filePath("sin_cargas.kvx").toStdString(), vacio));
    ASSERT_TRUE(g->AbrirArchivo(dir.filePath("sin_cargas.kvx")));
    EXPECT_EQ(Ventana<frmCargas>()->grid->rowCount(), 1);
    EXPECT_TRUE(g->lblMp->text().isEmpty() && g->pct1->Primitivas().empty());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());
}

QString Texto(const QString& pdf) {
    const Ejecucion r = Ejecutar("pdftotext", {"-layout", pdf.toStdString(), "-"});
    EXPECT_EQ(r.estado, 0) << "pdftotext (poppler-utils) no está disponible o falló";
    return QString::fromStdString(r.salida);
}

int Paginas(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression("Pages:\\s+(\\d+)")
            .match(QString::fromStdString(Ejecutar("pdfinfo", {pdf.toStdString()}).salida));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The page rendered as a small grey picture (bytes of the PNG).
QByteArray Imagen(const QString& pdf) {
    const QString base = pdf + "-img";
    Ejecutar("pdftoppm",
             {"-r", "40", "-gray", "-png", "-singlefile", pdf.toStdString(), base.toStdString()});
    QFile f(base + ".png");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Ejecucion Korvex(const std::vector<std::string>& argumentos) {
    return Ejecutar(std::string(KORVEX_BINARIOS) + "/korvex", argumentos);
}

// Each example on one page, with the values the core computed, loads 1 to 3
// and never a fourth, j and k only with cantilevers. A refused project, a
// wrong command, a folder that does not exist: the statuses, no PDF.
TEST(InformeLote, CadaEjemploDaUnaPaginaConSusValoresYSoloTresCargas) {
    QTemporaryDir dir;
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(ejemplo);
        const QString pdf = dir.filePath(QString(ejemplo) + ".pdf");
        const Ejecucion r =
            Korvex({"--informe", pdf.toStdString(), Ejemplo(ejemplo), "--uso", "3"});
        ASSERT_EQ(r.estado, 0) << r.error;
        EXPECT_EQ(Paginas(pdf), 1);
        const QString t = Texto(pdf);
        Proyecto p;
        p.materiales.UsoDeflexion = 3;
        InterfazRegistro ui;
        ASSERT_TRUE(AbrirProyecto(Ejemplo(ejemplo), p, ui).calculo.calculado);
        for (const auto& [etiqueta, valor] :
             {std::pair{"Mmax \\(-\\):", texto::FormatoGeneral(p.estado.MomentoNegMax)},
              {"Espaciamiento máximo de estribos\\(cms\\):", p.estado.txtEstribos},
              {"Deflexión máxima \\(mts\\):",
               texto::FormatoGeneral(FlechaLargoPlazo(p.estado, 3))}}) {
            EXPECT_TRUE(t.contains(QRegularExpression(
                QString::fromUtf8(etiqueta) + "\\s+" +
                QRegularExpression::escape(QString::fromStdString(valor)) + "(\\s|$)")))
                << etiqueta << " " << valor;
        }
        const QString fila = "\\n\\s+%1\\s+(Puntual|Distribuida|Momento)\\s+(Viva|Muerta|Otros)";
        EXPECT_TRUE(t.contains(QRegularExpression(fila.arg(3))));
        EXPECT_FALSE(t.contains(QRegularExpression(fila.arg(4))));
        EXPECT_EQ(t.contains(QRegularExpression("j:\\s+\\S+\\s+k:")), p.ventana.Check_Vuelo == 1);
    }
    const std::string pdf = dir.filePath("r.pdf").toStdString();
    EXPECT_EQ(Korvex({"--informe", pdf, dir.filePath("no.kvx").toStdString()}).estado, 1);
    EXPECT_EQ(Korvex({"--informe", pdf}).estado, 2);
    EXPECT_EQ(Korvex({"--informe", dir.filePath("no/existe.pdf").toStdString(),
                      Ejemplo("viga_rectangular.kvx")})
                  .estado,
              1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

class Informe : public Entorno {
  protected:
    void TearDown() override {
        disco::FijarFalla(nullptr);
        frmpreview::ElegirImpresora = nullptr;
        frmpreview::ElegirPdf = nullptr;
        Entorno::TearDown();
    }
    // Printing answered by the test: the chosen "printer" is a PDF file (an
    // empty name: the user cancels).
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
    g->optGirDef->click();
    ImprimirEn(giros);
    g->mnuArchivoImprimir->trigger();
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
        DibujarReporte(pintor, ProyectoActual(), true);
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
    g->Barrah_ButtonClick("Imprimir");
    EXPECT_EQ(veces, 3);
    EXPECT_TRUE(Mensajes::Registrados().empty());
}

// A PDF that cannot be written, from the two writers, from the preview's
// "Guardar PDF…" (a full disk, a failure before the rename, a refused
// folder: injected) and from korvex --informe and --memoria (a read-only
// folder, run as "nobody" when the tests run as root; a folder as target; a
// missing folder; /dev/full, a disk that is always full): the message names
// the file and the cause, the previous files keep their bytes and no
// temporary file is left.
TEST_F(Informe, PdfQueNoSePuedeEscribirNoPierdeNada) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(Ventana<frmGeneral>()->AbrirArchivo(
        QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    QTemporaryDir tmp;
    const fs::path dir = tmp.path().toStdString();
    fs::permissions(dir, fs::perms::others_exec, fs::perm_options::add);
    const std::string previo = "%PDF-1.4 anterior";
    const fs::path pdf = dir / "m.pdf", ro = dir / "solo_lectura" / "m.pdf";
    fs::create_directories(ro.parent_path());
    fs::create_directory(dir / "carpeta.pdf");
    std::ofstream(pdf) << previo;
    std::ofstream(ro) << previo;
    fs::permissions(ro.parent_path(), fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    auto listado = [&] {
        std::set<std::string> r;
        for (const auto& e : fs::recursive_directory_iterator(dir)) r.insert(e.path().string());
        return r;
    };
    const std::set<std::string> antes = listado();
    auto sinCambios = [&] {
        for (const fs::path& f : {pdf, ro}) {
            std::ifstream in(f, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), previo) << f;
        }
        EXPECT_EQ(listado(), antes);
    };
    auto dice = [](const std::string& texto, const std::string& ruta, const char* causa) {
        EXPECT_NE(texto.find("\"" + ruta + "\""), std::string::npos) << texto;
        EXPECT_NE(texto.find(causa), std::string::npos) << texto;
    };

    const std::pair<const char*, std::function<QString(const QString&)>> escritores[] = {
        {"informe", [](const QString& r) { return EscribirPdf(ProyectoActual(), r); }},
        {"memoria", [](const QString& r) { return EscribirMemoria(ProyectoActual(), r); }},
        {"Guardar PDF", [](const QString& r) {
             frmpreview::ElegirPdf = [r](QWidget*) { return r; };
             Mensajes::Limpiar();
             Ventana<frmpreview>()->cmdPdf_Click();
             return QString::fromStdString(UltimoMensaje().texto);
         }}};
    const struct {
        disco::Etapa etapa;
        int error;
        const char* causa;
    } fallas[] = {{disco::Etapa::Escribir, ENOSPC, "el disco está lleno"},
                  {disco::Etapa::Renombrar, EIO, "entrada y salida"},
                  {disco::Etapa::Crear, EACCES, "no tiene permiso"}};
    for (const auto& [nombre, escribir] : escritores) {
        for (const auto& f : fallas) {
            SCOPED_TRACE(std::string(nombre) + ": " + f.causa);
            disco::FijarFalla([&f](disco::Etapa e) { return e == f.etapa ? f.error : 0; });
            dice(escribir(QString::fromStdString(pdf.string())).toStdString(), pdf.string(),
                 f.causa);
            disco::FijarFalla(nullptr);
            sinCambios();
        }
        const std::string carpeta = (dir / "carpeta.pdf").string();
        dice(escribir(QString::fromStdString(carpeta)).toStdString(), carpeta, "es una carpeta");
        sinCambios();
    }

    const struct {
        std::string ruta;
        const char* causa;
    } destinos[] = {{ro.string(), "no tiene permiso"},
                    {(dir / "carpeta.pdf").string(), "es una carpeta"},
                    {(dir / "no_hay" / "m.pdf").string(), "no existe"},
                    {"/dev/full", "el disco está lleno"}};
    for (const char* orden : {"--informe", "--memoria"}) {
        for (const auto& d : destinos) {
            SCOPED_TRACE(std::string(orden) + " " + d.ruta);
            std::vector<std::string> args = {orden, d.ruta, Ejemplo("viga_rectangular.kvx")};
            const std::string korvex = std::string(KORVEX_BINARIOS) + "/korvex";
            const Ejecucion r =
                ::geteuid() == 0
                    ? Ejecutar("setpriv",
                               [&] {
                                   args.insert(args.begin(), {"--reuid=65534", "--regid=65534",
                                                              "--clear-groups", korvex});
                                   return args;
                               }())
                    : Ejecutar(korvex, args);
            EXPECT_EQ(r.estado, 1);
            dice(r.error, d.ruta, d.causa);
            sinCambios();
        }
    }
}

}  // namespace
}  // namespace korvex::ui
