// The polygon window driven as a user: vertices typed with Enter, "Dibujar",
// "Borrar", closing and reopening, sections it cannot compute.
#include <QDir>
#include <QFile>
#include <QUndoStack>
#include <unistd.h>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/polygon/AbrirGeom.h"
#include "ui/polygon/frmGeom.h"

namespace korvex::ui {
namespace {

using namespace pruebas;
using Primitiva = Lienzo::Primitiva;

class Geom : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Abrir();
        ASSERT_NE(g, nullptr);
    }
    // "Area y Cg": shows the window and waits for its layout.
    static frmGeom* Abrir() {
        MostrarPoligono();
        ProcesarEventos();
        return Registro::Instancia().SiExiste<frmGeom>();
    }
    // One vertex as a user types it: x, Enter, y, Enter.
    void Teclear(const QString& x, const QString& y) {
        QTest::keyClicks(g->TextX, x);
        QTest::keyClick(g->TextX, Qt::Key_Return);
        QTest::keyClicks(g->TextY, y);
        QTest::keyClick(g->TextY, Qt::Key_Return);
    }
    // A figure "x,y x,y ..." typed from a fresh start and drawn.
    void Dibujar(const char* figura) {
        QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
        Mensajes::Limpiar();
        for (const QString& v : QString(figura).split(' '))
            Teclear(v.section(',', 0, 0), v.section(',', 1));
        QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    }
    // The drawing's lines, or its red points (the centroid).
    std::vector<QPolygonF> De(Primitiva::Tipo tipo) const {
        std::vector<QPolygonF> r;
        for (const auto& p : g->Picture1->Primitivas())
            if (p.tipo == tipo && (tipo == Primitiva::Linea || p.color == Qt::red))
                r.push_back(p.puntos);
        return r;
    }
    // Area, Xcg, Ycg, Ix and lblCg as shown.
    QString Resultados() const {
        return QStringList({g->txtArea->text(), g->txtXcg->text(), g->txtYcg->text(),
                            g->txtIx->text(), g->lblCg->text()})
            .join(' ');
    }
    frmGeom* g = nullptr;
};

TEST_F(Geom, CoordenadasTecleadasComoPasos) {
    // Text that is not a number (or beyond a Single) adds no vertex, shows no
    // message and keeps the focus in the wrong field (TextX if both).
    // x, y, Enter pressed in TextY (else TextX), the vertices then, the focus in TextX.
    using P = std::tuple<const char*, const char*, bool, int, bool>;
    for (const auto& [x, y, enY, vertices, focoEnX] :
         {P{"2.5", "10", true, 1, true}, P{" -3 ", "1e2", true, 2, true},
          P{"abc", "", false, 2, true}, P{"1e99", "", false, 2, true}, P{"4", "y", true, 2, false},
          P{"4", "", true, 2, false}, P{"x", "5", true, 2, true}, P{"0", "4", true, 3, true}}) {
        SCOPED_TRACE(std::string(x) + " / " + y);
        g->TextX->setText(x);
        g->TextY->setText(y);
        QLineEdit* campo = enY ? g->TextY : g->TextX;
        campo->setFocus();
        QTest::keyClick(campo, vertices == 2 && enY ? Qt::Key_Enter : Qt::Key_Return);
        EXPECT_EQ(g->Figura().NumVertices(), vertices);
        EXPECT_EQ(g->focusWidget(), focoEnX ? g->TextX : g->TextY);
    }
    EXPECT_TRUE(Mensajes::Registrados().empty());
    EXPECT_EQ(g->lstCord->item(1)->text(), "(-3,100)");
    // The double click on the drawing computes the figure like "Dibujar".
    QTest::mouseDClick(g->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(g->txtArea->text(), "129.00 cm²");  // (2.5,10) (-3,100) (0,4) by the shoelace
}

TEST_F(Geom, BorrarQuitaLaUltimaYConUnaReiniciaTodo) {
    Dibujar("0,0 1,0");  // two vertices: nothing drawn
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
    // A mistyped last vertex removed and typed again; results kept until "Dibujar".
    Dibujar("0,0 20,0 20,40 0,44");
    const QString erronea = g->txtArea->text();
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    ASSERT_EQ(g->lstCord->count(), 3);
    EXPECT_EQ(g->focusWidget(), g->TextX);
    EXPECT_EQ(g->txtArea->text(), erronea);
    Teclear("0", "40");
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_EQ(Resultados().toStdString(), "800.00 cm² 10.00 cm 20.00 cm 106,667 cm⁴ (10.00,20.00)");
    EXPECT_EQ(De(Primitiva::Linea).size(), 4u);
    // Down to one vertex, then "Borrar" on the only one resets everything.
    for (int n = 3; n >= 1; --n) QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    ASSERT_EQ(g->Figura().NumVertices(), 1);
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    EXPECT_EQ(g->lstCord->count() + g->Figura().NumVertices(), 0);
    EXPECT_EQ(Resultados(), "    ");
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
}

// Closed by "Ok" or the close box, the window keeps its vertices; opening it
// again rebuilds the list, the results and the drawing from them; opening it
// while open only raises it.
TEST_F(Geom, LaFiguraSobreviveAlCerrarYReabrir) {
    Dibujar("0,0 30,0 30,10 10,10 10,40 0,40");
    const QString resultados = Resultados();
    const auto rojo = De(Primitiva::Punto);
    ASSERT_EQ(rojo.size(), 1u);
    for (bool ok : {true, false}) {
        ok ? QTest::mouseClick(g->cmdOk, Qt::LeftButton) : void(g->close());
        ProcesarEventos();
        EXPECT_FALSE(g->isVisible());
        g->lstCord->clear();  // the controls lost while closed
        g->txtArea->clear();
        g->Picture1->Limpiar();
        ASSERT_EQ(Abrir(), g);
        EXPECT_EQ(g->lstCord->count(), 6);
        EXPECT_EQ(Resultados(), resultados);
        EXPECT_EQ(De(Primitiva::Punto), rojo);
    }
    g->TextX->setText("5");
    Abrir();
    EXPECT_EQ(g->TextX->text(), "5");
}

TEST_F(Geom, SeccionesImposiblesNoRompenElDibujo) {
    // A crossed outline, all vertices at one point, collinear vertices.
    for (const char* figura :
         {"0,0 2,0 2,2 3,1", "0,0 0,0 0,0", "0,5 3,5 7,5", "2,0 2,3 2,8 2,1"}) {
        SCOPED_TRACE(figura);
        Dibujar(figura);
        ASSERT_EQ(Mensajes::Registrados().size(), 1u);
        EXPECT_EQ(UltimoMensaje().texto, "Esta sección es imposible de calcular por este programa");
        // The outline still drawn with finite coordinates inside the box.
        EXPECT_EQ(De(Primitiva::Linea).size(), QString(figura).count(' ') + 1u);
        const QRectF caja(0, 0, g->Picture1->AnchoTwips(), g->Picture1->AltoTwips());
        for (const QPolygonF& linea : De(Primitiva::Linea))
            for (const QPointF& q : linea) EXPECT_TRUE(caja.contains(q)) << q.x() << " " << q.y();
    }
}

// A vertex file opened into the tool is drawn and calculated as one step of
// the tool's history: a vertex typed after it, Ctrl+Z on the empty field
// undoes the vertex, then the opening; Ctrl+Y redoes the opening; a field
// with text keeps Ctrl+Z for its own text. A file with a line that is not a
// vertex is refused naming the line, the list as it was, no step recorded.
TEST_F(Geom, VerticesDeUnArchivoConSuHistorial) {
    QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
    g->historial()->clear();
    Mensajes::Limpiar();
    const QString dir = QDir::tempPath() + "/korvex_geom_" + QString::number(getpid());
    QDir().mkpath(dir);
    const auto escribir = [&](const char* nombre, const char* texto) {
        QFile f(dir + "/" + nombre);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto);
        return f.fileName();
    };
    ASSERT_TRUE(g->AbrirVertices(escribir("rect.txt", "# 30 x 60\n0,0\n30,0\n30 60\n0,60\n")));
    EXPECT_EQ(g->lstCord->count(), 4);
    EXPECT_TRUE(g->txtArea->text().startsWith("1,800.00")) << g->txtArea->text().toStdString();
    Teclear("10", "10");
    const auto lista = [&] { return g->lstCord->count(); };
    const auto tecla = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(g->TextX, k, m);
        ProcesarEventos();
    };
    ASSERT_EQ(lista(), 5);
    g->TextX->setFocus();
    tecla(Qt::Key_Z);
    EXPECT_EQ(lista(), 4);
    tecla(Qt::Key_Z);
    EXPECT_EQ(lista(), 0);
    tecla(Qt::Key_Y);
    EXPECT_EQ(lista(), 4);
    EXPECT_EQ(g->lstCord->item(2)->text(), "(30,60)");
    tecla(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(lista(), 5);
    QTest::keyClicks(g->TextX, "12");
    tecla(Qt::Key_Z);
    EXPECT_NE(g->TextX->text(), "12");
    EXPECT_EQ(lista(), 5);

    const int pasos = g->historial()->count();
    EXPECT_FALSE(g->AbrirVertices(escribir("malo.txt", "0,0\n30;x\n")));
    ASSERT_EQ(Mensajes::Registrados().size(), 1u);
    EXPECT_NE(Mensajes::Registrados()[0].texto.find("malo.txt"), std::string::npos);
    EXPECT_NE(Mensajes::Registrados()[0].texto.find("nea 2"), std::string::npos);
    EXPECT_EQ(lista(), 5);
    EXPECT_EQ(g->historial()->count(), pasos);
    QDir(dir).removeRecursively();
}

}  // namespace
}  // namespace korvex::ui
