// The live-load arrangements option, the title's asterisk, the question to
// save, recent projects, dropped files, the calculation report.
#include <algorithm>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

class Proyectos : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        ASSERT_TRUE(dir.isValid());
        g = Ventana<frmGeneral>();
        g->show();
    }
    // A copy of an example in the temporary folder.
    QString Copia(const char* ejemplo, const QString& nombre) {
        const QString ruta = dir.filePath(nombre);
        QFile::remove(ruta);
        EXPECT_TRUE(QFile::copy(QString::fromStdString(Ejemplo(ejemplo)), ruta));
        return ruta;
    }
    static QByteArray Bytes(const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::string Titulo() {
        ProcesarEventos();  // the title follows the input once it is handled
        return g->windowTitle().toStdString();
    }
    static std::string Con(const std::string& a) { return frmGeneral::kTitulo + ("- " + a); }
    frmGeneral* g = nullptr;
    QTemporaryDir dir;
};

// Ordinates (upwards from the axis) of one colour's lines, in drawing order.
std::vector<std::vector<double>> Trazos(const Lienzo* l, const QColor& c) {
    std::vector<std::vector<double>> t;
    for (const auto& p : l->Primitivas()) {
        if (p.color != c) continue;
        std::vector<double> h;
        for (const QPointF& q : p.puntos) h.push_back(diagrama::kLineaY - q.y());
        t.push_back(h);
    }
    return t;
}

TEST_F(Proyectos, MemoriaYAlternanciaQueRecalculaDibujaLaEnvolventeYAvisaSoloSinElla) {
    EXPECT_FALSE(g->mnuArchivoMemoria->isEnabled());
    const QString ruta = Copia("viga_t_vuelos.kvx", "vuelos.kvx");
    ASSERT_TRUE(g->AbrirArchivo(ruta));
    ASSERT_TRUE(g->mnuArchivoMemoria->isEnabled());
    // The dialog proposes the project's name with .pdf in the last folder.
    Robot robot;
    QString propuesto;
    const QString pdf = dir.filePath("memoria de vuelos.pdf");
    QString destino = pdf;
    robot.Responder("QFileDialog", [&](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        propuesto = d->selectedFiles().value(0);
        if (QWidget* f = d->focusWidget()) f->clearFocus();
        d->selectFile(destino);
        QMetaObject::invokeMethod(d, "accept");
    });
    g->mnuArchivoMemoria->trigger();
    EXPECT_EQ(propuesto, dir.filePath("vuelos.pdf"));
    EXPECT_TRUE(Mensajes::Registrados().empty());
    EXPECT_TRUE(Bytes(pdf).startsWith("%PDF-"));
    // Unwritable (nothing may be made in /proc, even by root): a message naming it.
    destino = "/proc/memoria.pdf";
    g->mnuArchivoMemoria->trigger();
    EXPECT_TRUE(QString::fromStdString(UltimoMensaje().texto).contains(destino))
        << UltimoMensaje().texto;

    // Off (as the file says): the all-loaded design and the notice (its
    // 8.78/3.06 Tn.m are the core's and e2e's).
    EXPECT_FALSE(g->chkAlternancia->isChecked());
    EXPECT_FALSE(g->lblAlternancia->isHidden());
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "2.36");

    // On: recalculated at once for the worst arrangement, no notice, changed.
    g->chkAlternancia->click();
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "6.88");
    EXPECT_TRUE(g->lblAlternancia->isHidden());
    EXPECT_EQ(Titulo(), Con("vuelos.kvx*"));

    // The envelope's two outlines in each box: the largest reaches the box
    // height, and at every station the all-loaded hatch lies between them.
    const QColor envolvente(0, 0, 170), hatch[] = {{128, 128, 0}, {0, 128, 0}};
    for (const Lienzo* caja : {g->pct1, g->pct2}) {
        const auto curvas = Trazos(caja, envolvente);
        const auto lineas = Trazos(caja, hatch[caja == g->pct2]);
        ASSERT_EQ(curvas.size(), 2u);
        ASSERT_GE(curvas[0].size(), 800u);
        double mayor = 0;
        for (std::size_t i = 0; i < curvas[0].size() && i < lineas.size(); ++i) {
            const auto [menor, alto] = std::minmax(curvas[0][i], curvas[1][i]);
            EXPECT_LE(menor, lineas[i][1] + 1e-3) << i;
            EXPECT_GE(alto, lineas[i][1] - 1e-3) << i;
            mayor = std::max({mayor, std::abs(menor), std::abs(alto)});
        }
        EXPECT_NEAR(mayor, diagrama::kAlturaMaxima, 0.5);
    }
    // The read-out adds the envelope: at the largest sagging moment, to 8.78.
    const EstadoProyecto& e = g->documento().proyecto().estado;
    const double x = diagrama::kLineaX1 + g->documento().resultado().Posiciones.MomentoPosMax /
                                              e.LuzViga * (diagrama::kLineaX2 - diagrama::kLineaX1);
    const QString lectura = g->Lectura(g->pct2, x);
    EXPECT_TRUE(lectura.contains(QRegularExpression(" Tn\\.m   envolvente: .+ a 8\\.7")))
        << lectura.toStdString();

    // Saved with it, switched off, opened again: the file wins; New starts a
    // project with it on, and no notice.
    ASSERT_TRUE(g->GuardarEn(ruta));
    EXPECT_EQ(Titulo(), Con("vuelos.kvx"));
    g->chkAlternancia->click();
    ASSERT_TRUE(g->AbrirOtro(ruta));  // the file's option wins (No to saving)
    EXPECT_TRUE(g->chkAlternancia->isChecked());
    EXPECT_EQ(Celda(g->grdAcero, 1, 1), "6.88");
    g->chkAlternancia->click();
    ASSERT_FALSE(g->lblAlternancia->isHidden());
    ASSERT_TRUE(g->GuardarEn(ruta));
    g->mnuArchivoNuevo->trigger();  // the box's own answer, OK
    EXPECT_TRUE(g->chkAlternancia->isChecked());
    EXPECT_TRUE(g->lblAlternancia->isHidden());
}

TEST_F(Proyectos, PreguntaDeGuardarCancelarNoYSi) {
    const QString ruta = Copia("viga_rectangular.kvx", "r.kvx");
    const QString otra = Copia("viga_t_invertida.kvx", "t.kvx");
    const QByteArray original = Bytes(ruta);
    EXPECT_FALSE(g->documento().Cambiado()) << "a fresh window has nothing to save";
    ASSERT_TRUE(g->AbrirArchivo(ruta));
    const Mensaje pregunta{"¿Desea guardar los cambios del proyecto?", "Guardar cambios",
                           kEstiloSiNoCancelar};
    // Unchanged: no question.
    ASSERT_TRUE(g->AbrirOtro(ruta));
    EXPECT_TRUE(Mensajes::Registrados().empty());
    Teclear(g->txtFc, "250");
    EXPECT_EQ(Titulo(), Con("r.kvx*"));

    // Cancelar: close, New and open leave project, title and file as they were.
    const std::pair<const char*, std::function<void()>> ordenes[] = {
        {"cerrar", [&] { EXPECT_FALSE(g->close()); }},
        {"nuevo", [&] { g->mnuArchivoNuevo->trigger(); }},
        {"abrir", [&] { EXPECT_FALSE(g->AbrirOtro(otra)); }},
    };
    for (const auto& [orden, hacer] : ordenes) {
        SCOPED_TRACE(orden);
        Mensajes::Limpiar();
        // New asks its own question ("Documento Nuevo") first.
        if (std::string(orden) == "nuevo") Mensajes::ProgramarRespuesta(kRespuestaOk);
        Mensajes::ProgramarRespuesta(kRespuestaCancelar);
        hacer();
        EXPECT_EQ(UltimoMensaje(), pregunta);
        EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
        EXPECT_EQ(Titulo(), Con("r.kvx*"));
        EXPECT_EQ(Bytes(ruta), original);
    }

    // No: New discards the changes, the file as it was.
    Mensajes::Limpiar();
    Mensajes::ProgramarRespuesta(kRespuestaOk);
    Mensajes::ProgramarRespuesta(kRespuestaNo);
    g->mnuArchivoNuevo->trigger();
    EXPECT_EQ(UltimoMensaje(), pregunta);
    EXPECT_NE(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_EQ(Titulo(), std::string(frmGeneral::kTitulo));
    EXPECT_EQ(Bytes(ruta), original);

    // Sí: the changed project is saved to its file, then the other opens.
    ASSERT_TRUE(g->AbrirArchivo(ruta));
    Teclear(g->txtFc, "250");
    Mensajes::Limpiar();
    Mensajes::ProgramarRespuesta(kRespuestaSi);
    ASSERT_TRUE(g->AbrirOtro(otra));
    EXPECT_EQ(Mensajes::Registrados().front(), pregunta);
    EXPECT_EQ(Titulo(), Con("t.kvx"));
    Proyecto guardado;
    ASSERT_FALSE(LeerArchivoKvx(ruta.toStdString(), guardado).has_value());
    EXPECT_EQ(guardado.materiales.txtFc, "250");
}

TEST_F(Proyectos, RecientesYArchivosSoltados) {
    ASSERT_TRUE(g->AbrirArchivo(Copia("viga_rectangular.kvx", "p1.kvx")));
    for (int k = 2; k <= 6; ++k) ASSERT_TRUE(g->GuardarEn(dir.filePath(QString("p%1.kvx").arg(k))));
    // The last five, newest first, numbered as their keys.
    auto menu = [&] {
        QStringList t;
        for (QAction* a : g->mnuArchivoReciente) {
            if (a->isVisible()) t << a->text();
        }
        return t.join(" ");
    };
    EXPECT_EQ(menu(), "&1 p6.kvx &2 p5.kvx &3 p4.kvx &4 p3.kvx &5 p2.kvx");
    // One that no longer exists is said so and leaves the list.
    QFile::remove(dir.filePath("p4.kvx"));
    Mensajes::Limpiar();
    g->mnuArchivoReciente[2]->trigger();
    EXPECT_TRUE(QString::fromStdString(UltimoMensaje().texto).contains(dir.filePath("p4.kvx")));
    EXPECT_EQ(menu(), "&1 p6.kvx &2 p5.kvx &3 p3.kvx &4 p2.kvx");
    EXPECT_EQ(Titulo(), Con("p6.kvx"));
    // Choosing one opens it and puts it first.
    g->mnuArchivoReciente[3]->trigger();
    EXPECT_EQ(Titulo(), Con("p2.kvx"));
    EXPECT_EQ(menu(), "&1 p2.kvx &2 p6.kvx &3 p5.kvx &4 p3.kvx");

    // Dropped on the window or a field: a .kvx opens, another file is neither
    // taken on entering nor opened when dropped.
    const struct {
        QString archivo;
        QWidget* destino;
        bool tomado;
        const char* titulo;
    } casos[] = {{Copia("viga_rectangular.kvx", "notas.txt"), g, false, "p2.kvx"},
                 {Copia("viga_rectangular.kvx", "t.kvx"), g->txtFc, true, "t.kvx"},
                 {dir.filePath("p3.kvx"), g, true, "p3.kvx"}};
    EXPECT_TRUE(g->acceptDrops());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.archivo.toStdString());
        QMimeData datos;
        datos.setUrls({QUrl::fromLocalFile(c.archivo)});
        QDragEnterEvent entra({5, 5}, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.destino, &entra);
        EXPECT_EQ(entra.isAccepted(), c.tomado);
        QDropEvent suelta(QPointF(5, 5), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.destino, &suelta);
        EXPECT_EQ(Titulo(), Con(c.titulo));
        EXPECT_NE(g->txtFc->text(), c.archivo) << "nothing typed into the field";
    }
}

}  // namespace
}  // namespace korvex::ui
