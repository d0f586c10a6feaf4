// The stirrup bar as a setting of the project: asked at the first
// calculation that designs stirrups while the project has none, then taken
// from cboEstribo by every later calculation, the arrangements' tick and the
// opening of a file that keeps it.
#include "comun/Ayudas.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

TEST_F(Entorno, LaPreguntaDelEstriboUnaVezPorProyecto) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    const QString sin = QString::fromStdString(Ejemplo("viga_rectangular.kvx"));
    const QString con = dir.filePath("con_estribo.kvx");
    auto bytes = [](const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // Each step and, after it, the questions asked since the start and what
    // cboEstribo and the stirrups of the results read.
    struct Paso {
        const char* nombre;
        std::function<void()> hacer;
        int preguntas;
        const char *combo, *estribos;
    };
    const Paso pasos[] = {
        {"abrir un archivo sin diámetro", [&] { ASSERT_TRUE(g->AbrirArchivo(sin)); }, 1, "3/8\"",
         "3/8@23"},
        {"calcular de nuevo", [&] { g->cmdCalculos->click(); }, 1, "3/8\"", "3/8@23"},
        {"la alternancia", [&] { g->chkAlternancia->click(); }, 1, "3/8\"", "3/8@23"},
        {"1/2\" elegido recalcula", [&] { g->cboEstribo->setCurrentIndex(1); }, 1, "1/2\"",
         "1/2@23"},
        {"guardar y abrir", [&] { ASSERT_TRUE(g->GuardarEn(con) && g->AbrirArchivo(con)); }, 1,
         "1/2\"", "1/2@23"},
        {"abrir otra vez el archivo sin él", [&] { ASSERT_TRUE(g->AbrirArchivo(sin)); }, 2, "3/8\"",
         "3/8@23"},
    };
    for (const Paso& p : pasos) {
        SCOPED_TRACE(p.nombre);
        p.hacer();
        ProcesarEventos();
        EXPECT_EQ(Mensajes::PreguntasEstribo(), p.preguntas);
        EXPECT_EQ(g->cboEstribo->currentText(), p.combo);
        EXPECT_EQ(g->txtEstribos->text(), p.estribos);
        EXPECT_FALSE(g->documento().Desactualizado());
    }
    // The file keeps the bar in its options record; the example, without it,
    // was not touched.
    EXPECT_TRUE(bytes(con).endsWith(",\"1/2\"\r\n")) << bytes(con).right(40).toStdString();
    EXPECT_FALSE(bytes(sin).contains("Opciones"));

    // New: no bar until the next project's first calculation asks.
    Mensajes::ProgramarRespuesta(kRespuestaOk);
    g->mnuArchivoNuevo_Click();
    ProcesarEventos();
    EXPECT_EQ(g->cboEstribo->currentIndex(), -1);
    EXPECT_EQ(g->documento().proyecto().estado.Estribo, DiametroEstribo::SinElegir);
}

}  // namespace
}  // namespace korvex::ui
