// Open and save through the main window's commands, with the file dialogs
// answered as a user would; the report written by korvex --informe and by the
// windows' commands, read back with poppler's pdftotext/pdfinfo/pdftoppm:
// printing through the (test-answered) printer choice, the preview and PDF.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Registro.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/DibujarReporte.h"
#include "ui/report/frmpreview.h"

namespace korvex::ui {
namespace {

using Archivo = pruebas::Entorno;

// Answers the next file dialog with `ruta` (empty: cancels it) and records
// its caption.
void Responder(const QString& ruta, QString* titulo) {
    QTimer::singleShot(0, [ruta, titulo] {
        QFileDialog* dlg = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(w); d != nullptr && d->isVisible()) dlg = d;
        }
        ASSERT_NE(dlg, nullptr) << "no se abrió el diálogo de archivo";
        *titulo = dlg->windowTitle();
        if (ruta.isEmpty()) {
            dlg->reject();
            return;
        }
        dlg->selectFile(ruta);
        QMetaObject::invokeMethod(dlg, "accept");
        // A dialog that refused the name must not hang the test.
        QTimer::singleShot(2000, dlg, [dlg] {
            if (dlg->isVisible()) {
                ADD_FAILURE() << "el diálogo no aceptó el archivo";
                dlg->reject();
            }
        });
    });
}

QString Malo(const QTemporaryDir& dir) {
    QFile f(dir.filePath("malo.kvx"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("esto no es un proyecto\r\n");
    return f.fileName();
}

std::string Bytes() {
    std::string b;
    EXPECT_FALSE(EscribirKvx(ProyectoActual(), b).has_value());
    return b;
}

// The load grid's cell texts, row by row.
QStringList Celdas(const QTableWidget* t) {
    QStringList c;
    for (int r = 0; r < t->rowCount(); ++r) {
        for (int k = 0; k < t->columnCount(); ++k) {
            const QTableWidgetItem* i = t->item(r, k);
            c << (i ? i->text() : QString());
        }
    }
    return c;
}

TEST_F(Archivo, GuardarYAbrirDanLoMismoYUnArchivoMaloNoCambiaNada) {
    frmGeneral* g = Ventana<frmGeneral>();
    frmCargas* c = Ventana<frmCargas>();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString titulo;

    // Open an example with cantilevers and four loads through "Abrir".
    Responder(pruebas::Ejemplo("viga_t_vuelos.kvx"), &titulo);
    g->mnuArchivoAbrir->trigger();
    EXPECT_EQ(titulo, "Abrir");
    const std::string original = Bytes();
    const QStringList resultados = {g->lblMp->text(), g->lblMn->text(), g->lblQp->text(),
                                    g->lblQn->text(), g->txtEstribos->text()};
    EXPECT_FALSE(resultados[0].isEmpty());
    const QStringList rejilla = Celdas(c->grid);
    ASSERT_GE(ProyectoActual().estado.NumCargas, 4);
    EXPECT_EQ(c->grid->rowCount(), ProyectoActual().estado.NumCargas + 1);
    auto igual = [&] {
        EXPECT_EQ(Bytes(), original);
        EXPECT_EQ((QStringList{g->lblMp->text(), g->lblMn->text(), g->lblQp->text(),
                               g->lblQn->text(), g->txtEstribos->text()}),
                  resultados);
        EXPECT_EQ(Celdas(c->grid), rejilla);
    };

    // Saved without extension: the dialog adds .kvx.
    const QString copia = dir.filePath("copia");
    Responder(copia, &titulo);
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_EQ(titulo, "Guardar");
    ASSERT_TRUE(QFile::exists(copia + ".kvx"));

    // Another project in between, then the saved copy back.
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    ASSERT_NE(Bytes(), original);
    ASSERT_NE(Celdas(c->grid), rejilla);
    Responder(copia + ".kvx", &titulo);
    g->mnuArchivoAbrir->trigger();
    igual();

    // A refused file shows its message and changes nothing; nor does a
    // cancelled dialog.
    pruebas::Mensajes::Limpiar();
    Responder(Malo(dir), &titulo);
    g->mnuArchivoAbrir->trigger();
    ASSERT_FALSE(pruebas::TextosMensajes().empty());
    EXPECT_EQ(pruebas::UltimoMensaje().titulo, kTituloAbrir);
    igual();
    Responder(QString(), &titulo);
    g->mnuArchivoAbrir->trigger();
    igual();
    // A save into a folder that does not exist says so.
    const QString imposible = dir.filePath("no_existe/proyecto.kvx");
    Responder(imposible, &titulo);
    g->mnuArchivoSalvarcomo->trigger();
    EXPECT_FALSE(QFile::exists(imposible));
    EXPECT_EQ(pruebas::UltimoMensaje().titulo, kTituloGuardar);

    // A project without loads: an empty grid and no results of the
    // previous project on the main window.
    Proyecto vacio;
    vacio.seccion.TipoViga = kVigaRect;
    vacio.seccion.txtB = "25";
    vacio.seccion.txtH = "50";
    const QString sinCargas = dir.filePath("sin_cargas.kvx");
    ASSERT_FALSE(GuardarArchivoKvx(sinCargas.toStdString(), vacio).has_value());
    pruebas::Mensajes::Limpiar();
    Responder(sinCargas, &titulo);
    g->mnuArchivoAbrir->trigger();
    EXPECT_TRUE(pruebas::Mensajes::Registrados().empty()) << pruebas::UltimoMensaje().texto;
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 0);
    EXPECT_TRUE(g->lblMp->text().isEmpty());
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_TRUE(c->txtL->isEnabled());
    EXPECT_FALSE(g->mnuArchivoImprimir->isEnabled());  // nothing calculated to print
}

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

QString Texto(const QString& pdf, const char* modo = "-layout") {
    const Proceso r = Ejecutar("pdftotext", {modo, pdf, "-"});
    EXPECT_EQ(r.estado, 0) << "pdftotext (poppler-utils) no está disponible o falló";
    return r.salida;
}

int Paginas(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression("Pages:\\s+(\\d+)").match(Ejecutar("pdfinfo", {pdf}).salida);
    EXPECT_TRUE(m.hasMatch());
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
    const QRegularExpressionMatch m =
        QRegularExpression(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
            "yMax=\"([\\d.]+)\">" +
            QRegularExpression::escape(palabra) + "</word>")
            .match(Texto(pdf, "-bbox"));
    if (!m.hasMatch()) return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
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
        Proyecto p;
        InterfazRegistro ui;
        ASSERT_TRUE(
            AbrirProyecto(pruebas::Ejemplo(ejemplo).toStdString(), p, ui).calculo.calculado);
        const EstadoProyecto& e = p.estado;
        for (const char* titulo :
             {"Korvex 2000", "Diagrama de Cortante (Tn)", "Diagrama de Momento (Tn.m)",
              "ESPECIFICACIONES TECNICAS:", "DATOS DE LA SECCION (cm):", "CARGAS",
              "RESULTADOS:", "Deflexión máxima admisible (mts):"}) {
            EXPECT_TRUE(t.contains(QString::fromUtf8(titulo))) << titulo;
        }
        // Each label followed by its value as the core computed it.
        const std::pair<const char*, std::string> valores[] = {
            {"Qmax \\(\\+\\):", texto::FormatoGeneral(e.CortanteMax)},
            {"Qmax \\(-\\):", texto::FormatoGeneral(e.CortanteMin)},
            {"Mmax \\(\\+\\):", texto::FormatoGeneral(e.MomentoPosMax)},
            {"Mmax \\(-\\):", texto::FormatoGeneral(e.MomentoNegMax)},
            {"Tracción", texto::FormatoGeneral(e.AsTraccionPos)},
            {"Espaciamiento máximo de estribos\\(cms\\):", e.txtEstribos},
            {"Deflexión máxima \\(mts\\):", texto::FormatoGeneral(e.FlechaEfectiva)}};
        for (const auto& [etiqueta, valor] : valores) {
            EXPECT_TRUE(t.contains(QRegularExpression(
                QString::fromUtf8(etiqueta) + "\\s+" +
                QRegularExpression::escape(QString::fromStdString(valor)) + "(\\s|$)")))
                << etiqueta << " " << valor;
        }
        // Loads 1 to 3, never a fourth; j and k only with cantilevers.
        ASSERT_GE(e.NumCargas, 3);
        const QString fila = "\\n\\s+%1\\s+(Puntual|Distribuida|Momento)\\s+(Viva|Muerta|Otros)";
        for (int i = 1; i <= 3; ++i) EXPECT_TRUE(t.contains(QRegularExpression(fila.arg(i)))) << i;
        EXPECT_FALSE(t.contains(QRegularExpression(fila.arg(4))));
        EXPECT_EQ(t.contains(QRegularExpression("j:\\s+\\S+\\s+k:")), p.ventana.Check_Vuelo == 1);
        EXPECT_EQ(t.contains("bw:"), p.seccion.TipoViga != kVigaRect);
    }
    // The printed page keeps its twips: 25-point title, 13-point body, and
    // twips / 20 = points from the top-left corner of the letter page.
    const QString pdf = dir.filePath("viga_rectangular.kvx.pdf");
    const QRectF titulo = Caja(pdf, "Korvex"), cargas = Caja(pdf, "CARGAS");
    ASSERT_FALSE(titulo.isEmpty());
    ASSERT_FALSE(cargas.isEmpty());
    EXPECT_NEAR(titulo.height() / cargas.height(), 25.0 / 13.0, 0.15);
    EXPECT_NEAR(cargas.left(), 5218 / 20.0, 1.5);
    EXPECT_NEAR(cargas.top(), 8850 / 20.0, 4);
}

TEST(InformeLote, ProyectoRechazadoYOrdenesIncorrectas) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("r.pdf");
    const Proceso rechazado = Korvex({"--informe", pdf, Malo(dir)});
    EXPECT_EQ(rechazado.estado, 1);
    EXPECT_FALSE(rechazado.error.isEmpty());
    EXPECT_EQ(Korvex({"--informe", pdf}).estado, 2);
    EXPECT_EQ(
        Korvex({"--informe", pdf, pruebas::Ejemplo("viga_rectangular.kvx"), "--uso", "7"}).estado,
        2);
    EXPECT_FALSE(QFile::exists(pdf));
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

// The report always draws shear and moment, whatever the main window shows.
TEST_F(Informe, ImprimirTrasGirosSigueMostrandoCortanteYMomento) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_t_vuelos.kvx")));
    QTemporaryDir dir;
    int veces = 0;
    const QString momentos = dir.filePath("momentos.pdf"), giros = dir.filePath("giros.pdf");
    ImprimirEn(momentos, &veces);
    g->Barrah_ButtonClick("Imprimir");
    ASSERT_TRUE(QFile::exists(momentos));
    EXPECT_EQ(Paginas(momentos), 1);

    g->optGirDef->click();
    ASSERT_TRUE(g->optGirDef->isChecked());
    ImprimirEn(giros, &veces);
    g->mnuArchivoImprimir->trigger();
    EXPECT_EQ(veces, 2);
    ASSERT_TRUE(QFile::exists(giros));
    const QByteArray a = Imagen(momentos);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, Imagen(giros));
    EXPECT_TRUE(Texto(giros).contains("Diagrama de Cortante (Tn)"));

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
    const std::size_t antes = pruebas::TextosMensajes().size();
    ImprimirEn(QString(), &veces);
    g->Barrah_ButtonClick("Imprimir");
    EXPECT_EQ(veces, 3);
    EXPECT_EQ(pruebas::TextosMensajes().size(), antes);
}

TEST_F(Informe, VistaPreviaConLaPosicionDelRatonYSuPdf) {
    frmGeneral* g = Ventana<frmGeneral>();
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_t_invertida.kvx")));
    int veces = 0;
    ImprimirEn(QString(), &veces);
    g->Barrah_ButtonClick("Imprimir");
    frmpreview* v = Registro::Instancia().SiExiste<frmpreview>();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    pruebas::Hijo<QPushButton>(v, "Print_btn");
    QWidget* hoja = pruebas::Hijo<QWidget>(v, "Hoja");

    // The page keeps the letter proportions when the window is resized; its
    // centre reads (6120, 7920) twips under the mouse.
    v->resize(900, 700);
    pruebas::ProcesarEventos();
    const QRectF pagina = v->Hoja->Pagina();
    EXPECT_NEAR(pagina.width() / pagina.height(), 8.5 / 11, 0.01);
    EXPECT_LE(pagina.height(), hoja->height());
    const QPointF centro = pagina.center();
    QMouseEvent mov(QEvent::MouseMove, centro, hoja->mapToGlobal(centro), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(hoja, &mov);
    const QRegularExpressionMatch x =
        QRegularExpression("^X = ([\\d.]+)$").match(v->Panel1->text());
    const QRegularExpressionMatch y =
        QRegularExpression("^Y = ([\\d.]+)$").match(v->Panel2->text());
    ASSERT_TRUE(x.hasMatch() && y.hasMatch()) << v->Panel1->text().toStdString();
    EXPECT_NEAR(x.captured(1).toDouble(), 6120, 30);
    EXPECT_NEAR(y.captured(1).toDouble(), 7920, 30);

    // "Guardar PDF…": one page; into a missing folder, refused with a message.
    QTemporaryDir dir;
    const QString pdf = dir.filePath("informe.pdf"), malo = dir.filePath("no/existe.pdf");
    frmpreview::ElegirPdf = [pdf](QWidget*) { return pdf; };
    v->cmdPdf->click();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(Paginas(pdf), 1);
    EXPECT_TRUE(Texto(pdf).contains("T Invertida"));
    frmpreview::ElegirPdf = [malo](QWidget*) { return malo; };
    v->cmdPdf->click();
    EXPECT_FALSE(QFile::exists(malo));
    EXPECT_EQ(pruebas::UltimoMensaje().estilo, kEstiloCritico);
    EXPECT_NE(pruebas::UltimoMensaje().texto.find("No se pudo crear el archivo"),
              std::string::npos);
}

}  // namespace
}  // namespace korvex::ui
