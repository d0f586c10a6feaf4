// The polygon window driven as a user: vertices typed into TextX and TextY
// with Enter, "Dibujar", "Borrar", "Reiniciar", closing and reopening, the
// drawing read back from Picture1, and the main window's "Area y Cg".
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <utility>
#include <vector>

#include "comun/Ayudas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/main/frmGeneral.h"
#include "ui/polygon/frmGeom.h"

namespace korvex::ui {
namespace {

using pruebas::Hijo;
using Coordenadas = std::vector<std::pair<const char*, const char*>>;

const Coordenadas kRectangulo = {{"0", "0"}, {"20", "0"}, {"20", "40"}, {"0", "40"}};
const Coordenadas kEle = {{"0", "0"},   {"30", "0"},  {"30", "10"},
                          {"10", "10"}, {"10", "40"}, {"0", "40"}};

class Geom : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Abrir();
    }

    // "Area y Cg": shows the window and waits for its layout.
    static frmGeom* Abrir() {
        MostrarPoligono();
        pruebas::ProcesarEventos();
        return Registro::Instancia().SiExiste<frmGeom>();
    }

    // One vertex as a user types it: x, Enter, y, Enter.
    void Teclear(const char* x, const char* y) {
        QTest::keyClicks(g->TextX, x);
        QTest::keyClick(g->TextX, Qt::Key_Return);
        QTest::keyClicks(g->TextY, y);
        QTest::keyClick(g->TextY, Qt::Key_Return);
    }
    void Teclear(const Coordenadas& v) {
        for (const auto& [x, y] : v) Teclear(x, y);
    }

    std::vector<Lienzo::Primitiva> De(Lienzo::Primitiva::Tipo tipo) const {
        std::vector<Lienzo::Primitiva> r;
        for (const auto& p : g->Picture1->Primitivas()) {
            if (p.tipo == tipo) r.push_back(p);
        }
        return r;
    }

    // The red centroid point of the drawing (fails when there is not one).
    QPointF PuntoRojo() const {
        std::vector<QPointF> rojos;
        for (const auto& p : g->Picture1->Primitivas()) {
            if (p.tipo == Lienzo::Primitiva::Punto && p.color == QColor(0xFF, 0, 0)) {
                rojos.push_back(p.puntos[0]);
            }
        }
        EXPECT_EQ(rojos.size(), 1u);
        return rojos.empty() ? QPointF(-1, -1) : rojos[0];
    }

    frmGeom* g = nullptr;
};

void ExpectRelativo(double valor, double esperado, double tolerancia = 1e-7) {
    EXPECT_NEAR(valor, esperado, tolerancia * std::fabs(esperado));
}

TEST_F(Geom, ControlesConSusNombresTextosYAyudas) {
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->objectName(), "frmGeom");
    EXPECT_EQ(g->windowTitle(), QString::fromUtf8("Datos Geométricos de la Sección"));
    EXPECT_TRUE(g->isVisible());
    EXPECT_FALSE(g->isModal());
    const std::pair<const char*, const char*> ayudas[] = {
        {"TextX", "Coordenada en X"},
        {"TextY", "Coordenada en Y"},
        {"lstCord", "Coordenadas"},
        {"Picture1", "Sección Correspondiente"},
        {"txtArea", "Área de la Sección"},
        {"txtXcg", "X Centro de Gravedad"},
        {"txtYcg", "Y Centro de Gravedad"},
        {"txtIx", "Inercia en X con Respecto al Centro de Gravedad"},
        {"cmdBorrar", "Borra la última Coordenada"},
        {"Lineas_btn", "Dibuja y Calcula la Sección"},
        {"cmdReiniciar", "Reinicia la Introdución de Datos"}};
    for (const auto& [nombre, ayuda] : ayudas) {
        EXPECT_EQ(Hijo<QWidget>(g, nombre)->toolTip(), QString::fromUtf8(ayuda)) << nombre;
    }
    const std::pair<const char*, const char*> botones[] = {{"cmdBorrar", "Borrar"},
                                                           {"Lineas_btn", "&Dibujar"},
                                                           {"cmdReiniciar", "&Reiniciar"},
                                                           {"cmdOk", "Ok"}};
    for (const auto& [nombre, texto] : botones) {
        EXPECT_EQ(Hijo<QPushButton>(g, nombre)->text(), texto) << nombre;
    }
    EXPECT_EQ(Hijo<QLabel>(g, "lblArea")->text(), "Area");
    EXPECT_EQ(Hijo<QLabel>(g, "lblInercia")->text(), "Ixcg");
    EXPECT_EQ(g->lblXcg->text(), "Xcg");
    EXPECT_EQ(g->lblYcg->text(), "Ycg");
    EXPECT_TRUE(QFontInfo(Hijo<QLabel>(g, "lblCg")->font()).fixedPitch());
    for (const char* r : {"txtArea", "txtXcg", "txtYcg", "txtIx"}) {
        EXPECT_TRUE(Hijo<QLineEdit>(g, r)->isReadOnly()) << r;
    }
    Hijo<QListWidget>(g, "lstCord");
    Hijo<Lienzo>(g, "Picture1");
}

TEST_F(Geom, FigurasResueltasTecleadasYDibujadas) {
    struct Caso {
        const char* caso;
        Coordenadas v;
        const char *area, *xcg, *ycg;
        double ix;  // u4; each triangle's own inertia is rounded to a Single
        const char* cg;
    };
    const Caso casos[] = {
        {"rectángulo antihorario", kRectangulo, "800.00", "10.00", "20.00",
         20.0 * 40 * 40 * 40 / 12, "(10.00,20.00)"},
        {"rectángulo horario",
         {{"0", "0"}, {"0", "40"}, {"20", "40"}, {"20", "0"}},
         "800.00",
         "10.00",
         "20.00",
         20.0 * 40 * 40 * 40 / 12,
         "(10.00,20.00)"},
        {"triángulo",
         {{"0", "0"}, {"6", "0"}, {"0", "3"}},
         "9.00",
         "2.00",
         "1.00",
         4.5,
         "(2.00,1.00)"},
        // Flange 30x10 at y = 5: 2500 + 300 * 10^2; web 10x30 at y = 25: 22500 + 300 * 10^2.
        {"ele cóncava", kEle, "600.00", "10.00", "15.00", 85000, "(10.00,15.00)"},
        {"cuadrado unidad",
         {{"0", "0"}, {"1", "0"}, {"1", "1"}, {"0", "1"}},
         "1.00",
         ".50",
         ".50",
         1.0 / 12,
         "(0.50,0.50)"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
        Mensajes::Limpiar();
        Teclear(c.v);
        ASSERT_EQ(g->lstCord->count(), static_cast<int>(c.v.size()));
        QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
        EXPECT_TRUE(Mensajes::Registrados().empty());
        EXPECT_EQ(g->txtArea->text(), c.area);
        EXPECT_EQ(g->txtXcg->text(), c.xcg);
        EXPECT_EQ(g->txtYcg->text(), c.ycg);
        // Ix unformatted, with all its digits: no thousands separator.
        EXPECT_FALSE(g->txtIx->text().contains(','));
        bool numero = false;
        ExpectRelativo(g->txtIx->text().toDouble(&numero), c.ix);
        EXPECT_TRUE(numero) << g->txtIx->text().toStdString();
        EXPECT_EQ(g->lblCg->text(), c.cg);
        // The outline: one line per side, closed, and the red centroid.
        EXPECT_EQ(De(Lienzo::Primitiva::Linea).size(), c.v.size());
        PuntoRojo();
    }
    // The rectangle's Ix carries more digits than the formatted fields.
    QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
    Teclear(kRectangulo);
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_TRUE(g->txtIx->text().startsWith("106666.66")) << g->txtIx->text().toStdString();
}

TEST_F(Geom, EntradaDeCoordenadasConEnter) {
    // x, Enter: the focus goes to TextY; y, Enter: the vertex is added, both
    // fields emptied and the focus is back in TextX.
    QTest::keyClicks(g->TextX, "2.5");
    QTest::keyClick(g->TextX, Qt::Key_Return);
    EXPECT_EQ(g->focusWidget(), g->TextY);
    QTest::keyClicks(g->TextY, "10");
    QTest::keyClick(g->TextY, Qt::Key_Enter);  // the keypad's Enter as well
    ASSERT_EQ(g->lstCord->count(), 1);
    EXPECT_EQ(g->lstCord->item(0)->text(), "(2.5,10)");
    EXPECT_EQ(g->TextX->text(), "");
    EXPECT_EQ(g->TextY->text(), "");
    EXPECT_EQ(g->focusWidget(), g->TextX);
    Teclear("-3", "0.125");
    Teclear(" 7 ", "1e2");
    ASSERT_EQ(g->lstCord->count(), 3);
    EXPECT_EQ(g->lstCord->item(1)->text(), "(-3,0.125)");
    EXPECT_EQ(g->lstCord->item(2)->text(), "(7,100)");
    ASSERT_EQ(g->Figura().NumVertices(), 3);
    EXPECT_EQ(g->Figura().Vertices()[1], (Vertice{-3, 0.125f}));

    // Text that is not a number never adds a vertex and shows no message.
    struct Caso {
        const char *x, *y;
        QLineEdit* seleccionado;  // the field left selected, or nullptr
        QLineEdit* foco;
    };
    const Caso casos[] = {
        {"abc", "", g->TextX, g->TextX},  {"", "", g->TextX, g->TextX},
        {"1,5", "", g->TextX, g->TextX},  {"4", "y", g->TextY, g->TextY},
        {"4", "", nullptr, g->TextY},     {"4", "2.5.1", g->TextY, g->TextY},
        {"1e99", "", g->TextX, g->TextX},  // beyond a Single
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.x) + " / " + c.y);
        g->TextX->clear();
        g->TextY->clear();
        g->TextX->setFocus();
        QTest::keyClicks(g->TextX, c.x);
        QTest::keyClick(g->TextX, Qt::Key_Return);
        if (g->focusWidget() == g->TextY) {
            QTest::keyClicks(g->TextY, c.y);
            QTest::keyClick(g->TextY, Qt::Key_Return);
        }
        EXPECT_EQ(g->lstCord->count(), 3);
        EXPECT_EQ(g->Figura().NumVertices(), 3);
        EXPECT_EQ(g->focusWidget(), c.foco);
        if (c.seleccionado != nullptr && !c.seleccionado->text().isEmpty()) {
            EXPECT_EQ(c.seleccionado->selectedText(), c.seleccionado->text());
        }
    }
    // Enter in TextY while TextX is wrong sends the user back to TextX.
    g->TextX->setText("x");
    g->TextY->setText("5");
    QTest::keyClick(g->TextY, Qt::Key_Return);
    EXPECT_EQ(g->focusWidget(), g->TextX);
    EXPECT_EQ(g->lstCord->count(), 3);
    EXPECT_TRUE(Mensajes::Registrados().empty());

    // A click selects the whole text of either field.
    for (QLineEdit* c : {g->TextX, g->TextY}) {
        c->setText("12.75");
        c->deselect();
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(3, c->height() / 2));
        EXPECT_EQ(c->selectedText(), "12.75") << c->objectName().toStdString();
    }
}

TEST_F(Geom, MenosDeTresVertices) {
    Teclear("0", "0");
    Teclear("5", "0");
    // "Dibujar" and the double click do nothing with two vertices.
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    QTest::mouseDClick(g->Picture1, Qt::LeftButton);
    EXPECT_TRUE(Mensajes::Registrados().empty());
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
    EXPECT_EQ(g->txtArea->text(), "");
    EXPECT_EQ(g->lblCg->text(), "");
    // The computation itself refuses fewer than three lines with its message.
    EXPECT_FALSE(g->Calculos_Geom());
    const Mensaje m = pruebas::UltimoMensaje();
    EXPECT_EQ(m.texto, "Por favor inserte mas de 3 coordenadas de la sección");
    EXPECT_EQ(m.titulo, "Error");
    EXPECT_EQ(m.estilo, 0);
    EXPECT_EQ(g->txtArea->text(), "");
    EXPECT_EQ(g->txtIx->text(), "");
    // A third vertex and a double click on the drawing compute it.
    Teclear("0", "4");
    QTest::mouseDClick(g->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(g->txtArea->text(), "10.00");
    EXPECT_EQ(De(Lienzo::Primitiva::Linea).size(), 3u);
}

TEST_F(Geom, BorrarQuitaLaUltimaYConUnaReiniciaTodo) {
    // With no vertex "Borrar" does nothing.
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    EXPECT_EQ(g->lstCord->count(), 0);

    // A mistyped last vertex is removed and typed again.
    Teclear({{"0", "0"}, {"20", "0"}, {"20", "40"}, {"0", "44"}});
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    const QString areaErronea = g->txtArea->text();
    EXPECT_NE(areaErronea, "800.00");
    g->TextY->setFocus();
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    ASSERT_EQ(g->lstCord->count(), 3);
    EXPECT_EQ(g->lstCord->item(2)->text(), "(20,40)");
    EXPECT_EQ(g->Figura().NumVertices(), 3);
    EXPECT_EQ(g->focusWidget(), g->TextX);
    // The results stay until the next "Dibujar".
    EXPECT_EQ(g->txtArea->text(), areaErronea);
    Teclear("0", "40");
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_EQ(g->txtArea->text(), "800.00");
    EXPECT_EQ(g->txtYcg->text(), "20.00");

    // Down to one vertex by "Borrar", then the last "Borrar" resets all.
    for (int n = 3; n >= 1; --n) {
        QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
        ASSERT_EQ(g->lstCord->count(), n);
        EXPECT_EQ(g->Figura().NumVertices(), n);
        EXPECT_EQ(g->txtArea->text(), "800.00");
    }
    g->TextX->setText("3");
    QTest::mouseClick(g->cmdBorrar, Qt::LeftButton);
    EXPECT_EQ(g->lstCord->count(), 0);
    EXPECT_EQ(g->Figura().NumVertices(), 0);
    for (QLineEdit* c : {g->txtArea, g->txtXcg, g->txtYcg, g->txtIx, g->TextX, g->TextY}) {
        EXPECT_EQ(c->text(), "") << c->objectName().toStdString();
    }
    EXPECT_EQ(g->lblCg->text(), "");
    EXPECT_TRUE(g->Picture1->Primitivas().empty());

    // "Reiniciar" empties the same things in one click.
    Teclear(kEle);
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    ASSERT_FALSE(g->Picture1->Primitivas().empty());
    QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
    EXPECT_EQ(g->lstCord->count(), 0);
    EXPECT_EQ(g->Figura().NumVertices(), 0);
    EXPECT_EQ(g->txtIx->text(), "");
    EXPECT_EQ(g->lblCg->text(), "");
    EXPECT_TRUE(g->Picture1->Primitivas().empty());
    // After a reset a new figure starts from its own first vertex.
    Teclear({{"0", "0"}, {"6", "0"}, {"0", "3"}});
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    EXPECT_EQ(g->txtArea->text(), "9.00");
    EXPECT_EQ(g->lblCg->text(), "(2.00,1.00)");
}

TEST_F(Geom, LaFiguraSobreviveAlCerrarYReabrir) {
    Teclear(kEle);
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    const QPointF rojo = PuntoRojo();
    frmGeom* const primera = g;
    if (const QString capturas = qEnvironmentVariable("KORVEX_CAPTURAS"); !capturas.isEmpty()) {
        g->grab().save(capturas + "/frmGeom.png");
    }

    for (int forma = 0; forma < 2; ++forma) {
        SCOPED_TRACE(forma == 0 ? "Ok" : "cuadro de cierre");
        if (forma == 0) {
            QTest::mouseClick(g->cmdOk, Qt::LeftButton);
        } else {
            g->close();
        }
        pruebas::ProcesarEventos();
        EXPECT_FALSE(g->isVisible());
        // While it is closed, pretend its controls were lost: opening again
        // must rebuild them from the vertex table.
        g->lstCord->clear();
        for (QLineEdit* c : {g->txtArea, g->txtXcg, g->txtYcg, g->txtIx}) c->clear();
        g->Picture1->Limpiar();

        g = Abrir();
        ASSERT_EQ(g, primera);
        EXPECT_TRUE(g->isVisible());
        ASSERT_EQ(g->lstCord->count(), 6);
        EXPECT_EQ(g->lstCord->item(0)->text(), "(0,0)");
        EXPECT_EQ(g->lstCord->item(3)->text(), "(10,10)");
        EXPECT_EQ(g->txtArea->text(), "600.00");
        EXPECT_EQ(g->txtXcg->text(), "10.00");
        EXPECT_EQ(g->txtYcg->text(), "15.00");
        ExpectRelativo(g->txtIx->text().toDouble(), 85000);
        EXPECT_EQ(g->lblCg->text(), "(10.00,15.00)");
        EXPECT_EQ(De(Lienzo::Primitiva::Linea).size(), 6u);
        const QPointF otra = PuntoRojo();
        EXPECT_NEAR(otra.x(), rojo.x(), 1e-6);
        EXPECT_NEAR(otra.y(), rojo.y(), 1e-6);
    }
    EXPECT_TRUE(Mensajes::Registrados().empty());
    // Opening it while it is open only raises it: nothing is recomputed
    // from a half-typed entry.
    g->TextX->setText("5");
    g = Abrir();
    EXPECT_EQ(g->TextX->text(), "5");
}

TEST_F(Geom, SeccionesImposibles) {
    struct Caso {
        const char* caso;
        Coordenadas v;
    };
    const Caso casos[] = {
        // Every fan start of this crossed outline closes to zero area.
        {"lazo cruzado", {{"0", "0"}, {"2", "0"}, {"2", "2"}, {"3", "1"}}},
        {"todo en cero", {{"0", "0"}, {"0", "0"}, {"0", "0"}}},
        {"horizontal", {{"0", "5"}, {"3", "5"}, {"7", "5"}}},
        {"vertical", {{"2", "0"}, {"2", "3"}, {"2", "8"}, {"2", "1"}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
        Mensajes::Limpiar();
        Teclear(c.v);
        QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
        ASSERT_EQ(Mensajes::Registrados().size(), 1u);
        const Mensaje m = pruebas::UltimoMensaje();
        EXPECT_EQ(m.texto, "Esta sección es imposible de calcular por este programa");
        EXPECT_EQ(m.titulo, "Error de Sección");
        EXPECT_EQ(m.estilo, 16);
        EXPECT_EQ(g->txtXcg->text(), "0");
        EXPECT_EQ(g->txtYcg->text(), "0");
        EXPECT_EQ(g->txtIx->text(), "0");
        EXPECT_EQ(g->txtArea->text(), ".00");
        EXPECT_EQ(g->lblCg->text(), "(0.00,0.00)");
        // The list keeps the typed order.
        EXPECT_EQ(g->lstCord->count(), static_cast<int>(c.v.size()));
        // The outline is still drawn, with finite coordinates inside the box
        // (vertices on one line: the other axis's scale, no division by 0).
        EXPECT_EQ(De(Lienzo::Primitiva::Linea).size(), c.v.size());
        for (const auto& p : g->Picture1->Primitivas()) {
            for (const QPointF& q : p.puntos) {
                ASSERT_TRUE(std::isfinite(q.x()) && std::isfinite(q.y()));
                if (p.tipo == Lienzo::Primitiva::Linea) {
                    EXPECT_GE(q.x(), 0);
                    EXPECT_LE(q.x(), g->Picture1->AnchoTwips());
                    EXPECT_GE(q.y(), 0);
                    EXPECT_LE(q.y(), g->Picture1->AltoTwips());
                }
            }
        }
    }
}

TEST_F(Geom, DibujoCentradoAEscalaConElCentroideEnRojo) {
    // A rectangle 20 x 40 centred on the origin: its centroid is the middle
    // of the box; its taller side sets the scale, with the margin of 1016.
    Teclear({{"-10", "-20"}, {"10", "-20"}, {"10", "20"}, {"-10", "20"}});
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    const double W = g->Picture1->AnchoTwips(), H = g->Picture1->AltoTwips();
    EXPECT_DOUBLE_EQ(g->Wc(), W / 2);
    EXPECT_DOUBLE_EQ(g->Hc(), H / 2);
    const QPointF rojo = PuntoRojo();
    EXPECT_NEAR(rojo.x(), W / 2, 1e-6);
    EXPECT_NEAR(rojo.y(), H / 2, 1e-6);
    // Marked by a small red dot around that point, visible on any outline.
    const auto arcos = De(Lienzo::Primitiva::Arco);
    ASSERT_EQ(arcos.size(), 1u);
    EXPECT_EQ(arcos[0].puntos[0], rojo);
    EXPECT_EQ(arcos[0].relleno, QColor(0xFF, 0, 0));
    EXPECT_GT(arcos[0].radio, 0);
    EXPECT_LT(arcos[0].radio, 100);
    const double s = std::min((W - 1016) / 20, (H - 1016) / 40);
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (const auto& l : De(Lienzo::Primitiva::Linea)) {
        for (const QPointF& q : l.puntos) {
            xmin = std::min(xmin, q.x());
            xmax = std::max(xmax, q.x());
            ymin = std::min(ymin, q.y());
            ymax = std::max(ymax, q.y());
        }
    }
    EXPECT_NEAR(xmax - xmin, 20 * s, 1e-2 * s);
    EXPECT_NEAR(ymax - ymin, 40 * s, 1e-2 * s);
    EXPECT_NEAR((xmin + xmax) / 2, W / 2, 1e-3);
    EXPECT_NEAR((ymin + ymax) / 2, H / 2, 1e-3);
    // The first line runs from (-10,-20) to (10,-20): the bottom, y up.
    const auto lineas = De(Lienzo::Primitiva::Linea);
    ASSERT_EQ(lineas.size(), 4u);
    EXPECT_NEAR(lineas[0].puntos[0].y(), ymax, 1e-6);
    EXPECT_LT(lineas[0].puntos[0].x(), lineas[0].puntos[1].x());
    // The closing line goes from the last vertex back to the first.
    EXPECT_EQ(lineas[3].puntos[1], lineas[0].puntos[0]);
    EXPECT_EQ(g->lblCg->text(), "(0.00,0.00)");

    // The L-shape: the centroid (10,15) lies left of and below the box
    // centre (15,20), by 5 units each way at the drawing's scale.
    QTest::mouseClick(g->cmdReiniciar, Qt::LeftButton);
    Teclear(kEle);
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    const double sl = std::min((W - 1016) / 30, (H - 1016) / 40);
    const QPointF cg = PuntoRojo();
    EXPECT_NEAR(cg.x(), W / 2 - 5 * sl, 1e-2);
    EXPECT_NEAR(cg.y(), H / 2 + 5 * sl, 1e-2);
}

TEST_F(Geom, LaCajaDeDibujoCreceConLaVentana) {
    Teclear({{"-10", "-20"}, {"10", "-20"}, {"10", "20"}, {"-10", "20"}});
    QTest::mouseClick(g->Lineas_btn, Qt::LeftButton);
    const double W0 = g->Picture1->AnchoTwips(), H0 = g->Picture1->AltoTwips();
    const int ancho0 = g->Picture1->width(), alto0 = g->Picture1->height();
    // The box's twips are its real size: 1440 twips per logical inch.
    EXPECT_NEAR(W0, ancho0 * 1440.0 / g->Picture1->logicalDpiX(), 1e-6);
    EXPECT_NEAR(H0, alto0 * 1440.0 / g->Picture1->logicalDpiY(), 1e-6);

    g->resize(g->width() + 300, g->height() + 200);
    pruebas::ProcesarEventos();
    EXPECT_GT(g->Picture1->width(), ancho0 + 200);
    EXPECT_GT(g->Picture1->height(), alto0 + 150);
    const double W = g->Picture1->AnchoTwips(), H = g->Picture1->AltoTwips();
    EXPECT_NEAR(W, g->Picture1->width() * 1440.0 / g->Picture1->logicalDpiX(), 1e-6);
    EXPECT_DOUBLE_EQ(g->Wc(), W / 2);
    EXPECT_DOUBLE_EQ(g->Hc(), H / 2);
    // Redrawn for the new size: still centred, and larger.
    const QPointF rojo = PuntoRojo();
    EXPECT_NEAR(rojo.x(), W / 2, 1e-6);
    EXPECT_NEAR(rojo.y(), H / 2, 1e-6);
    double alto = 0;
    for (const auto& l : De(Lienzo::Primitiva::Linea)) {
        alto = std::max(alto, std::fabs(l.puntos[1].y() - l.puntos[0].y()));
    }
    EXPECT_NEAR(alto, 40 * std::min((W - 1016) / 20, (H - 1016) / 40), 1e-2);
    EXPECT_GT(alto, H0 - 1016);
    // The results are not touched by a resize.
    EXPECT_EQ(g->txtArea->text(), "800.00");
    EXPECT_TRUE(Mensajes::Registrados().empty());
}

TEST_F(Geom, ElMenuAreaYCgDeLaVentanaPrincipalLaAbre) {
    g->close();
    Registro::Instancia().Descargar<frmGeom>();
    pruebas::ProcesarEventos();
    ASSERT_EQ(Registro::Instancia().SiExiste<frmGeom>(), nullptr);

    frmGeneral* principal = Ventana<frmGeneral>();
    principal->show();
    auto* area = Hijo<QAction>(principal, "mnuUtilidadesArea");
    area->trigger();
    pruebas::ProcesarEventos();
    frmGeom* abierta = Registro::Instancia().SiExiste<frmGeom>();
    ASSERT_NE(abierta, nullptr);
    EXPECT_TRUE(abierta->isVisible());
    // Not modal: the main window stays usable.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(abierta->isModal());
    // The same window the second time, with what was typed into it.
    g = abierta;
    Teclear("1", "2");
    area->trigger();
    pruebas::ProcesarEventos();
    EXPECT_EQ(Registro::Instancia().SiExiste<frmGeom>(), abierta);
    EXPECT_EQ(abierta->lstCord->count(), 1);
}

}  // namespace
}  // namespace korvex::ui
