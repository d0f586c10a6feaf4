// The polygon window driven as a user: vertices typed into TextX and TextY
// with Enter, "Dibujar", "Borrar", "Reiniciar", closing and reopening, the
// drawing read back from Picture1, and the main window's "Area y Cg". The
// section values themselves are pinned by the polygon core's tests.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"
#include "ui/polygon/AbrirGeom.h"
#include "ui/polygon/frmGeom.h"

namespace korvex::ui {
namespace {

using Primitiva = Lienzo::Primitiva;

const char* kEle = "0,0 30,0 30,10 10,10 10,40 0,40";

class Geom : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Abrir();
        ASSERT_NE(g, nullptr);
    }
    // "Area y Cg": shows the window and waits for its layout.
    static frmGeom* Abrir() {
        MostrarPoligono();
        pruebas::ProcesarEventos();
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
        pruebas::Mensajes::Limpiar();
        for (const QString& v : QString(figura).split(' '))
            Teclear(v.section(',', 0, 0), v.section(',', 1));
        QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    }
    std::vector<Primitiva> Lineas() const {
        std::vector<Primitiva> r;
        for (const auto& p : g->Picture1->Primitivas())
            if (p.tipo == Primitiva::Linea) r.push_back(p);
        return r;
    }
    // The red centroid point of the drawing (fails when there is not one).
    QPointF PuntoRojo() const {
        std::vector<QPointF> rojos;
        for (const auto& p : g->Picture1->Primitivas())
            if (p.tipo == Primitiva::Punto && p.color == QColor(0xFF, 0, 0))
                rojos.push_back(p.puntos[0]);
        EXPECT_EQ(rojos.size(), 1u);
        return rojos.empty() ? QPointF(-1, -1) : rojos[0];
    }
    // Area, Xcg, Ycg and lblCg as shown, and Ix unformatted with all its digits.
    void ExpectResultados(const char* textos, double ix) {
        EXPECT_EQ(QStringList(
                      {g->txtArea->text(), g->txtXcg->text(), g->txtYcg->text(), g->lblCg->text()})
                      .join(' '),
                  textos);
        bool numero = false;
        EXPECT_NEAR(g->txtIx->text().toDouble(&numero), ix, 1e-7 * ix);
        EXPECT_TRUE(numero) << g->txtIx->text().toStdString();
    }

    frmGeom* g = nullptr;
};

TEST_F(Geom, ControlesConSusNombres) {
    for (const char* nombre :
         {"frmGeom", "TextX", "TextY", "lstCord", "Picture1", "txtArea", "txtXcg", "txtYcg",
          "txtIx", "lblCg", "Lineas_btn", "cmdBorrar", "cmdReiniciar", "cmdOk"}) {
        pruebas::Hijo<QWidget>(g, nombre);
    }
}

TEST_F(Geom, FigurasTecleadasYDibujadas) {
    const double ixRect = 20.0 * 40 * 40 * 40 / 12;
    for (auto [figura, textos, ix] :
         {std::tuple{"0,0 20,0 20,40 0,40", "800.00 10.00 20.00 (10.00,20.00)", ixRect},
          {"0,0 0,40 20,40 20,0", "800.00 10.00 20.00 (10.00,20.00)", ixRect},  // clockwise
          {"0,0 6,0 0,3", "9.00 2.00 1.00 (2.00,1.00)", 4.5},
          {kEle, "600.00 10.00 15.00 (10.00,15.00)", 85000.0}}) {
        SCOPED_TRACE(figura);
        Dibujar(figura);
        EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());
        ExpectResultados(textos, ix);
        // The outline: one line per side, closed, and the red centroid.
        EXPECT_EQ(Lineas().size(), QString(figura).count(' ') + 1u);
        PuntoRojo();
    }
}

TEST_F(Geom, EntradaDeCoordenadasConEnterYMenosDeTresVertices) {
    Teclear("2.5", "10");
    QTest::keyClicks(g->TextX, " -3 ");
    QTest::keyClick(g->TextX, Qt::Key_Return);
    EXPECT_EQ(g->focusWidget(), g->TextY);
    QTest::keyClicks(g->TextY, "1e2");
    QTest::keyClick(g->TextY, Qt::Key_Enter);  // the keypad's Enter as well
    EXPECT_EQ(g->TextX->text() + g->TextY->text(), "");
    EXPECT_EQ(g->focusWidget(), g->TextX);
    ASSERT_EQ(g->lstCord->count(), 2);
    EXPECT_EQ(g->lstCord->item(1)->text(), "(-3,100)");
    EXPECT_EQ(g->Figura().Vertices()[1], (Vertice{-3, 100}));

    // Text that is not a number (or beyond a Single) never adds a vertex,
    // shows no message and keeps the user in the wrong field; Enter in
    // TextY while TextX is wrong sends the user back to TextX.
    for (auto [x, y, foco] : {std::tuple{"abc", "", g->TextX},
                              {"1e99", "", g->TextX},
                              {"4", "y", g->TextY},
                              {"4", "", g->TextY},
                              {"x", "5", g->TextX}}) {
        SCOPED_TRACE(std::string(x) + " / " + y);
        g->TextX->setText(x);
        g->TextY->setText(y);
        QLineEdit* enter = foco == g->TextX && *y == 0 ? g->TextX : g->TextY;
        enter->setFocus();
        QTest::keyClick(enter, Qt::Key_Return);
        EXPECT_EQ(g->Figura().NumVertices(), 2);
        EXPECT_EQ(g->focusWidget(), foco);
    }
    EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());

    // "Dibujar" and the double click do nothing with two vertices; with a
    // third the double click on the drawing computes it.
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    QTest::mouseDClick(g->Picture1, Qt::LeftButton);
    EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
    EXPECT_EQ(g->txtArea->text(), "");
    g->TextX->clear();
    g->TextY->clear();
    Teclear("0", "4");
    QTest::mouseDClick(g->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(g->txtArea->text(), "129.00");  // (2.5,10) (-3,100) (0,4) by the shoelace
}

TEST_F(Geom, BorrarQuitaLaUltimaYConUnaReiniciaTodo) {
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);  // no vertex: nothing
    EXPECT_EQ(g->lstCord->count(), 0);
    // A mistyped last vertex removed and typed again; the results stay
    // until "Dibujar".
    Dibujar("0,0 20,0 20,40 0,44");
    const QString erronea = g->txtArea->text();
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    ASSERT_EQ(g->lstCord->count(), 3);
    EXPECT_EQ(g->lstCord->item(2)->text(), "(20,40)");
    EXPECT_EQ(g->Figura().NumVertices(), 3);
    EXPECT_EQ(g->focusWidget(), g->TextX);
    EXPECT_EQ(g->txtArea->text(), erronea);
    Teclear("0", "40");
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_EQ(g->txtArea->text(), "800.00");

    // Down to one vertex, then "Borrar" on the only one resets everything.
    for (int n = 3; n >= 1; --n) {
        QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
        ASSERT_EQ(g->Figura().NumVertices(), n);
        ASSERT_EQ(g->lstCord->count(), n);
    }
    g->TextX->setText("3");
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    EXPECT_EQ(g->lstCord->count() + g->Figura().NumVertices(), 0);
    for (QLineEdit* c : {g->txtArea, g->txtXcg, g->txtYcg, g->txtIx, g->TextX, g->TextY})
        EXPECT_EQ(c->text(), "") << c->objectName().toStdString();
    EXPECT_EQ(g->lblCg->text(), "");
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
    // A new figure then starts from its own first vertex.
    for (auto [x, y] : {std::pair{"0", "0"}, {"6", "0"}, {"0", "3"}}) Teclear(x, y);
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_EQ(g->lblCg->text(), "(2.00,1.00)");
}

TEST_F(Geom, LaFiguraSobreviveAlCerrarYReabrir) {
    Dibujar(kEle);
    const QPointF rojo = PuntoRojo();
    frmGeom* const primera = g;
    if (const QString capturas = qEnvironmentVariable("KORVEX_CAPTURAS"); !capturas.isEmpty())
        g->grab().save(capturas + "/frmGeom.png");
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "Ok" : "cuadro de cierre");
        ok ? QTest::mouseClick(g->cmdOk, Qt::LeftButton) : void(g->close());
        pruebas::ProcesarEventos();
        EXPECT_FALSE(g->isVisible());
        // Pretend the controls were lost while closed: opening again must
        // rebuild them from the vertex table.
        g->lstCord->clear();
        for (QLineEdit* c : {g->txtArea, g->txtXcg, g->txtYcg, g->txtIx}) c->clear();
        g->Picture1->Limpiar();

        g = Abrir();
        ASSERT_EQ(g, primera);
        EXPECT_TRUE(g->isVisible());
        ASSERT_EQ(g->lstCord->count(), 6);
        EXPECT_EQ(g->lstCord->item(3)->text(), "(10,10)");
        ExpectResultados("600.00 10.00 15.00 (10.00,15.00)", 85000);
        EXPECT_EQ(Lineas().size(), 6u);
        EXPECT_EQ(PuntoRojo(), rojo);
    }
    EXPECT_TRUE(pruebas::Mensajes::Registrados().empty());
    // Opening it while open only raises it: a half-typed entry stays.
    g->TextX->setText("5");
    g = Abrir();
    EXPECT_EQ(g->TextX->text(), "5");
}

TEST_F(Geom, SeccionesImposiblesNoRompenElDibujo) {
    // A crossed outline (every fan start closes to zero area), all vertices
    // at one point, and collinear vertices horizontal and vertical.
    for (const char* figura :
         {"0,0 2,0 2,2 3,1", "0,0 0,0 0,0", "0,5 3,5 7,5", "2,0 2,3 2,8 2,1"}) {
        SCOPED_TRACE(figura);
        Dibujar(figura);
        ASSERT_EQ(pruebas::Mensajes::Registrados().size(), 1u);
        EXPECT_EQ(pruebas::UltimoMensaje().texto,
                  "Esta sección es imposible de calcular por este programa");
        // The outline still drawn with finite coordinates inside the box
        // (on one line: the other axis's scale, no division by 0).
        EXPECT_EQ(Lineas().size(), QString(figura).count(' ') + 1u);
        for (const auto& p : Lineas()) {
            for (const QPointF& q : p.puntos) {
                ASSERT_TRUE(std::isfinite(q.x()) && std::isfinite(q.y()));
                EXPECT_TRUE(q.x() >= 0 && q.x() <= g->Picture1->AnchoTwips()) << q.x();
                EXPECT_TRUE(q.y() >= 0 && q.y() <= g->Picture1->AltoTwips()) << q.y();
            }
        }
    }
}

TEST_F(Geom, DibujoCentradoAEscalaTambienAlAgrandarLaVentana) {
    // A rectangle 20 x 40 centred on the origin: its centroid is the middle
    // of the box; the taller side sets the scale, with the margin of 1016.
    Dibujar("-10,-20 10,-20 10,20 -10,20");
    for (bool mayor : {false, true}) {
        SCOPED_TRACE(mayor);
        if (mayor) {
            const int ancho0 = g->Picture1->width();
            g->resize(g->width() + 300, g->height() + 200);
            pruebas::ProcesarEventos();
            EXPECT_GT(g->Picture1->width(), ancho0 + 200);
        }
        // The box's twips are its real size: 1440 twips per logical inch.
        const double W = g->Picture1->AnchoTwips(), H = g->Picture1->AltoTwips();
        EXPECT_NEAR(W, g->Picture1->width() * 1440.0 / g->Picture1->logicalDpiX(), 1e-6);
        EXPECT_LT(QLineF(PuntoRojo(), QPointF(W / 2, H / 2)).length(), 1e-6);
        const double s = std::min((W - 1016) / 20, (H - 1016) / 40);
        const auto l = Lineas();
        ASSERT_EQ(l.size(), 4u);
        // The first line is the bottom (y up), from (-10,-20) to (10,-20).
        EXPECT_NEAR(l[0].puntos[0].y(), H / 2 + 20 * s, 1e-2);
        EXPECT_NEAR(l[0].puntos[1].x() - l[0].puntos[0].x(), 20 * s, 1e-2);
        EXPECT_NEAR(l[1].puntos[0].y() - l[1].puntos[1].y(), 40 * s, 1e-2);
    }
    EXPECT_EQ(g->txtArea->text(), "800.00");  // a resize does not recompute

    // The L-shape: the centroid (10,15) lies 5 units left of and below the
    // box centre (15,20), at the drawing's scale.
    Dibujar(kEle);
    const double W = g->Picture1->AnchoTwips(), H = g->Picture1->AltoTwips();
    const double s = std::min((W - 1016) / 30, (H - 1016) / 40);
    EXPECT_LT(QLineF(PuntoRojo(), QPointF(W / 2 - 5 * s, H / 2 + 5 * s)).length(), 1e-2);
}

TEST_F(Geom, ElMenuAreaYCgDeLaVentanaPrincipalLaAbre) {
    g->close();
    Registro::Instancia().Descargar<frmGeom>();
    pruebas::ProcesarEventos();
    ASSERT_EQ(Registro::Instancia().SiExiste<frmGeom>(), nullptr);
    frmGeneral* principal = Ventana<frmGeneral>();
    principal->show();
    pruebas::Hijo<QAction>(principal, "mnuUtilidadesArea")->trigger();
    pruebas::ProcesarEventos();
    g = Registro::Instancia().SiExiste<frmGeom>();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // not modal
}

}  // namespace
}  // namespace korvex::ui
