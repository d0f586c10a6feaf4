// The report: the page written by korvex --informe and by the windows'
// commands, read back with poppler's pdftotext/pdfinfo/pdftoppm, the preview
// window, printing through the (test-answered) printer choice, PDF export.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>

#include "comun/Ayudas.h"
#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/DibujarReporte.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {
namespace {

struct Proceso {
    int estado = -1;
    QString salida, error;
};

Proceso Ejecutar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove("DISPLAY");  // the report needs no display
    entorno.remove("WAYLAND_DISPLAY");
    p.setProcessEnvironment(entorno);
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Proceso Korvex(const QStringList& argumentos) {
    return Ejecutar(QString(KORVEX_BINARIOS) + "/korvex", argumentos);
}

QString Texto(const QString& pdf) {
    const Proceso r = Ejecutar("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(r.estado, 0) << "pdftotext (poppler-utils) no está disponible o falló";
    return r.salida;
}

int Paginas(const QString& pdf) {
    const Proceso r = Ejecutar("pdfinfo", {pdf});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(r.salida);
    EXPECT_TRUE(m.hasMatch()) << r.salida.toStdString();
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The page rendered as a small grey picture (bytes of the PNG).
QByteArray Imagen(const QString& pdf) {
    const QString base = pdf + "-img";
    EXPECT_EQ(Ejecutar("pdftoppm", {"-r", "40", "-gray", "-png", "-singlefile", pdf, base}).estado,
              0);
    QFile f(base + ".png");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bounding box (points) of the first word `palabra` of the page.
QRectF Caja(const QString& pdf, const QString& palabra) {
    const Proceso r = Ejecutar("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression re(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">" +
        QRegularExpression::escape(palabra) + "</word>");
    const QRegularExpressionMatch m = re.match(r.salida);
    if (!m.hasMatch()) return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

QString G(float v) {
    return QString::fromStdString(texto::FormatoGeneral(v));
}

Proyecto Calculado(const char* ejemplo) {
    Proyecto p;
    InterfazRegistro ui;
    const ResultadoApertura r = AbrirProyecto(pruebas::Ejemplo(ejemplo).toStdString(), p, ui);
    EXPECT_TRUE(r.leido && r.calculo.calculado) << ejemplo;
    return p;
}

TEST(InformeLote, CadaEjemploDaUnaPaginaConSusValoresYSoloTresCargas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* ejemplo :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(ejemplo);
        const QString pdf = dir.filePath(QString(ejemplo) + ".pdf");
        const Proceso r = Korvex({"--informe", pdf, pruebas::Ejemplo(ejemplo)});
        ASSERT_EQ(r.estado, 0) << r.error.toStdString();
        EXPECT_EQ(Paginas(pdf), 1);
        const QString t = Texto(pdf);
        const Proyecto p = Calculado(ejemplo);
        const EstadoProyecto& e = p.estado;
        for (const QString& titulo :
             {QString("Korvex 2000"), QString("Diagrama de Cortante (Tn)"),
              QString("Diagrama de Momento (Tn/m)"), QString("ESPECIFICACIONES TECNICAS:"),
              QString("DATOS DE LA SECCION (cm):"), QString("CARGAS"), QString("RESULTADOS:")}) {
            EXPECT_TRUE(t.contains(titulo)) << titulo.toStdString();
        }
        // Extremes, steel, stirrups, deflection and its limit.
        const QRegularExpression linea("Qmax \\(\\+\\):\\s+(\\S+)\\s+Mmax \\(-\\):\\s+(\\S+)");
        const QRegularExpressionMatch m = linea.match(t);
        ASSERT_TRUE(m.hasMatch()) << t.toStdString();
        EXPECT_EQ(m.captured(1), G(e.CortanteMax));
        EXPECT_EQ(m.captured(2), G(e.MomentoNegMax));
        EXPECT_TRUE(t.contains(QRegularExpression("Qmax \\(-\\):\\s+" +
                                                  QRegularExpression::escape(G(e.CortanteMin)))));
        EXPECT_TRUE(t.contains(QRegularExpression("Mmax \\(\\+\\):\\s+" +
                                                  QRegularExpression::escape(G(e.MomentoPosMax)))));
        EXPECT_TRUE(t.contains(
            QRegularExpression("Tracción\\s+" + QRegularExpression::escape(G(e.AsTraccionPos)))));
        EXPECT_TRUE(t.contains(
            QRegularExpression("Espaciamiento máximo de estribos\\(cms\\):\\s+" +
                               QRegularExpression::escape(QString::fromStdString(e.txtEstribos)))));
        EXPECT_FALSE(e.txtEstribos.empty());
        EXPECT_TRUE(t.contains(QRegularExpression(
            "Deflexión máxima \\(mts\\):\\s+" + QRegularExpression::escape(G(e.FlechaEfectiva)))));
        EXPECT_TRUE(t.contains("Deflexión máxima admisible (mts):"));
        // Loads 1 to 3, never a fourth; j and k only with cantilevers.
        ASSERT_GE(e.NumCargas, 3);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_TRUE(t.contains(QRegularExpression(QString("\\n\\s+%1\\s+(Puntual|Distribuida|"
                                                              "Momento)\\s+(Viva|Muerta|Otros)")
                                                          .arg(i))));
        }
        EXPECT_FALSE(t.contains(QRegularExpression("\\n\\s+4\\s+(Puntual|Distribuida|Momento)")));
        EXPECT_EQ(t.contains(QRegularExpression("j:\\s+\\S+\\s+k:")), p.ventana.Check_Vuelo == 1);
        const bool rect = p.seccion.TipoViga == kVigaRect;
        EXPECT_EQ(t.contains("bw:"), !rect);
        EXPECT_EQ(t.contains("bf:"), !rect);
    }
}

TEST(InformeLote, TitulosConSuTamanoYEnSuSitioDeLaPagina) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("r.pdf");
    ASSERT_EQ(Korvex({"--informe", pdf, pruebas::Ejemplo("viga_rectangular.kvx")}).estado, 0);
    const QRectF titulo = Caja(pdf, "Korvex");
    const QRectF cargas = Caja(pdf, "CARGAS");
    ASSERT_FALSE(titulo.isEmpty());
    ASSERT_FALSE(cargas.isEmpty());
    // 25-point title, 13-point body text on the printed page.
    EXPECT_NEAR(titulo.height() / cargas.height(), 25.0 / 13.0, 0.15);
    // Twips / 20 = points from the top-left corner of the letter page.
    EXPECT_NEAR(cargas.left(), 5218 / 20.0, 1.5);
    EXPECT_NEAR(cargas.top(), 8850 / 20.0, 4);
    EXPECT_NEAR(titulo.left(), 4100 / 20.0, 1.5);
}

TEST(InformeLote, ProyectoRechazadoYOrdenesIncorrectas) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("r.pdf");
    const QString malo = dir.filePath("malo.kvx");
    QFile f(malo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("esto no es un proyecto\r\n");
    f.close();
    const Proceso rechazado = Korvex({"--informe", pdf, malo});
    EXPECT_EQ(rechazado.estado, 1);
    EXPECT_FALSE(rechazado.error.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    EXPECT_EQ(Korvex({"--informe", pdf}).estado, 2);
    EXPECT_EQ(Korvex({"--informe", pdf, pruebas::Ejemplo("viga_rectangular.kvx"), "--json"}).estado,
              2);
    EXPECT_EQ(
        Korvex({"--informe", pdf, pruebas::Ejemplo("viga_rectangular.kvx"), "--uso", "7"}).estado,
        2);
    EXPECT_FALSE(QFile::exists(pdf));
    // Into a folder that does not exist: refused, nothing written.
    const Proceso sinCarpeta = Korvex(
        {"--informe", dir.filePath("no/existe.pdf"), pruebas::Ejemplo("viga_rectangular.kvx")});
    EXPECT_EQ(sinCarpeta.estado, 1);
    EXPECT_TRUE(sinCarpeta.error.contains("No se pudo crear el archivo"));
}

class Informe : public pruebas::Entorno {
  protected:
    void TearDown() override {
        frmpreview::ElegirImpresora = nullptr;
        frmpreview::ElegirPdf = nullptr;
        pruebas::Entorno::TearDown();
    }
};

// Printing answered by the test: the chosen "printer" is a PDF file.
void ImprimirEn(const QString& pdf, int* veces) {
    frmpreview::ElegirImpresora = [pdf, veces](QPrinter& impresora, QWidget*) {
        ++*veces;
        if (pdf.isEmpty()) return false;  // the user cancels
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        return true;
    };
}

TEST_F(Informe, ImprimirTrasGirosSigueMostrandoCortanteYMomento) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_t_vuelos.kvx")));
    QTemporaryDir dir;
    int veces = 0;

    const QString momentos = dir.filePath("momentos.pdf");
    ImprimirEn(momentos, &veces);
    g->Barrah_ButtonClick("Imprimir");
    EXPECT_EQ(veces, 1);
    ASSERT_TRUE(QFile::exists(momentos));
    EXPECT_EQ(Paginas(momentos), 1);

    g->optGirDef->click();
    ASSERT_TRUE(g->optGirDef->isChecked());
    const QString giros = dir.filePath("giros.pdf");
    ImprimirEn(giros, &veces);
    g->mnuArchivoImprimir->trigger();
    EXPECT_EQ(veces, 2);
    ASSERT_TRUE(QFile::exists(giros));

    // The same page, pictures included, whatever the main window shows.
    const QByteArray a = Imagen(momentos), b = Imagen(giros);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, b);
    EXPECT_TRUE(Texto(giros).contains("Diagrama de Cortante (Tn)"));

    // The shear picture holds the shear hatch (olive), not an empty box.
    QImage hoja(612, 792, QImage::Format_RGB32);
    hoja.fill(Qt::white);
    {
        QPainter pintor(&hoja);
        pintor.scale(612.0 / 12240, 792.0 / 15840);
        DibujarReporte(pintor, ProyectoDelInforme(), true);
    }
    int oliva = 0;
    for (int y = 2450 / 20; y < (2450 + 2700) / 20; ++y) {
        for (int x = 1000 / 20; x < (1000 + 4876) / 20; ++x) {
            const QColor c = hoja.pixelColor(x, y);
            if (c.red() > 90 && c.green() > 90 && c.blue() < 60) ++oliva;
        }
    }
    EXPECT_GT(oliva, 200);

    // Cancelling the printer choice prints nothing and says nothing.
    const std::size_t antes = pruebas::TextosMensajes().size();
    ImprimirEn(QString(), &veces);
    g->Barrah_ButtonClick("Imprimir");
    EXPECT_EQ(veces, 3);
    EXPECT_EQ(pruebas::TextosMensajes().size(), antes);
}

TEST_F(Informe, VistaPreviaConSuHojaYLaPosicionDelRaton) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    int veces = 0;
    ImprimirEn(QString(), &veces);
    g->Barrah_ButtonClick("Imprimir");
    frmpreview* v = Registro::Instancia().SiExiste<frmpreview>();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), "Vista Previa  a Impresión");
    EXPECT_EQ(pruebas::Hijo<QPushButton>(v, "Print_btn")->text(), "Imprime");
    QWidget* hoja = pruebas::Hijo<QWidget>(v, "Hoja");
    pruebas::Hijo<QStatusBar>(v, "StatusBar");

    // The page keeps the letter proportions when the window is resized.
    v->resize(900, 700);
    pruebas::ProcesarEventos();
    const QRectF pagina = v->Hoja->Pagina();
    EXPECT_NEAR(pagina.width() / pagina.height(), 8.5 / 11, 0.01);
    EXPECT_LE(pagina.height(), hoja->height());

    if (const QString capturas = qEnvironmentVariable("KORVEX_CAPTURAS"); !capturas.isEmpty()) {
        v->grab().save(capturas + "/frmpreview.png");
    }

    // The centre of the page is (6120, 7920) twips.
    const QPointF centro = pagina.center();
    QMouseEvent mov(QEvent::MouseMove, centro, hoja->mapToGlobal(centro), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(hoja, &mov);
    const QRegularExpressionMatch x =
        QRegularExpression("^X = ([\\d.]+)$").match(v->Panel1->text());
    const QRegularExpressionMatch y =
        QRegularExpression("^Y = ([\\d.]+)$").match(v->Panel2->text());
    ASSERT_TRUE(x.hasMatch()) << v->Panel1->text().toStdString();
    ASSERT_TRUE(y.hasMatch()) << v->Panel2->text().toStdString();
    EXPECT_NEAR(x.captured(1).toDouble(), 6120, 30);
    EXPECT_NEAR(y.captured(1).toDouble(), 7920, 30);
}

TEST_F(Informe, GuardarPdfDesdeLaVistaPreviaYSuFallo) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_t_invertida.kvx")));
    frmpreview* v = Ventana<frmpreview>();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("informe.pdf");
    frmpreview::ElegirPdf = [pdf](QWidget*) { return pdf; };
    v->cmdPdf->click();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(Paginas(pdf), 1);
    const QString t = Texto(pdf);
    EXPECT_TRUE(t.contains("T Invertida"));
    EXPECT_TRUE(t.contains("j:"));

    const QString malo = dir.filePath("no/existe.pdf");
    frmpreview::ElegirPdf = [malo](QWidget*) { return malo; };
    v->cmdPdf->click();
    EXPECT_FALSE(QFile::exists(malo));
    ASSERT_FALSE(pruebas::TextosMensajes().empty());
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, 16);
    EXPECT_NE(pruebas::UltimoMensaje().texto.find("No se pudo crear el archivo"),
              std::string::npos);
}

}  // namespace
}  // namespace korvex::ui
