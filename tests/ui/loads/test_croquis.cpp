// The load sketch: supports placed to scale, one symbol per load in its
// colour and shape, the tool tip of a symbol, a beam of length 0.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineF>

#include "Cargas.h"
#include "ui/common/Lienzo.h"

namespace korvex::ui {
namespace {

using Primitiva = Lienzo::Primitiva;
using L2 = std::vector<std::pair<QPointF, QPointF>>;

class Croquis : public pruebas::VentanaCargas {
  protected:
    // The lines of colour `color`, as ((x1, y1), (x2, y2)) twips.
    L2 Lineas(const QColor& color) const {
        L2 l;
        for (const Primitiva& p : c->pctCarga->Primitivas()) {
            if (p.tipo == Primitiva::Linea && p.color == color)
                l.push_back({p.puntos[0], p.puntos[1]});
        }
        return l;
    }
    void Dibujar(float L, std::initializer_list<Carga> cargas, float J = 0, float K = -1) {
        ProyectoActual().estado = EstadoProyecto{};
        pruebas::PonerViga(L, cargas, J, K);
        c->LimpiarCroquis();
        c->DibujarCargas();
    }
    double Izquierda(const QWidget* apoyo) const { return c->pctCarga->IzquierdaTwips(apoyo); }
};

TEST_F(Croquis, ApoyosAEscalaTambienEnUnaVentanaMayor) {
    Dibujar(6, {});
    EXPECT_NEAR(Izquierda(c->Apoyo1), 360, 0.5);
    EXPECT_NEAR(Izquierda(c->Apoyo2), 3232, 0.5);  // 360 + 2872
    for (bool mayor : {false, true}) {
        if (mayor) {
            const QSize antes = c->pctCarga->size();
            c->resize(1400, 800);
            pruebas::ProcesarEventos();
            EXPECT_GT(c->pctCarga->width(), antes.width());
            EXPECT_GT(c->pctCarga->height(), antes.height());
        }
        Dibujar(6, {}, 1.5f, 4.5f);
        EXPECT_NEAR(Izquierda(c->Apoyo1), 1078, 0.5) << mayor;
        EXPECT_NEAR(Izquierda(c->Apoyo2), 2514, 0.5) << mayor;
    }
}

TEST_F(Croquis, CargasPuntualesYLosCincoCasosDeDistribuida) {
    // Midspan of the 2872-twip beam drawn from 495 at y = 1275: x = 1931.
    const QColor rojo(255, 0, 0), azul(0, 0, 255);
    Dibujar(6, {pruebas::Puntual(3, 2, kViva, 6)});
    EXPECT_EQ(Lineas(rojo), (L2{{{1931, 1275}, {1931, 955}}}));
    Dibujar(6, {pruebas::Puntual(3, -2, kViva, 6)});
    EXPECT_EQ(Lineas(rojo), (L2{{{1931, 1275}, {1931, 1595}}}));

    // From a = 1.5 to 3.5 on 6 m; heights 240 and 360.
    const double xa = 495 + 2872 * 1.5 / 6, xb = xa + 2872 * 2.0 / 6, y = 1275;
    const double h = y - 240, H = y - 360;
    struct Caso {
        float p1, p2;
        L2 lineas;
    };
    const std::vector<Caso> casos = {
        {0, 3, {{{xb, y}, {xb, H}}, {{xa, y}, {xb, H}}}},
        {3, 0, {{{xa, y}, {xa, H}}, {{xa, H}, {xb, y}}}},
        {1, 3, {{{xa, y}, {xa, h}}, {{xb, y}, {xb, H}}, {{xa, h}, {xb, H}}}},
        {3, 1, {{{xa, y}, {xa, H}}, {{xb, y}, {xb, h}}, {{xa, H}, {xb, h}}}},
        {2, 2, {{{xa, y}, {xa, h}}, {{xb, y}, {xb, h}}, {{xa, h}, {xb, h}}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.p1 << " a " << caso.p2);
        Dibujar(6, {Carga{1.5, 2, 2.5, caso.p1, caso.p2, 3.5, kDistribuida, kMuerta}});
        const L2 l = Lineas(azul);
        ASSERT_EQ(l.size(), caso.lineas.size());
        for (std::size_t i = 0; i < l.size(); ++i) {
            EXPECT_LT(QLineF(l[i].first, caso.lineas[i].first).length(), 0.01) << i;
            EXPECT_LT(QLineF(l[i].second, caso.lineas[i].second).length(), 0.01) << i;
        }
    }
}

TEST_F(Croquis, AyudaDeUnSimboloYVigaDeLongitudCero) {
    Dibujar(6, {pruebas::Puntual(1, 2, kViva, 6),
                Carga{1.5, 2, 2.5, 1, 3, 3.5, kDistribuida, kMuerta}});
    EXPECT_EQ(c->DescripcionEn(1691, 1200),
              "Carga 2: Distribuida, Muerta, a = 1.5 m, b = 2 m, P1 = 1, P2 = 3");
    EXPECT_TRUE(c->DescripcionEn(3300, 300).isEmpty());

    // Length 0: no scale, so only the beam line stays (nothing divides by 0).
    Dibujar(0, {pruebas::Puntual(0, 2, kViva, 0)});
    const auto& prim = c->pctCarga->Primitivas();
    ASSERT_EQ(prim.size(), 1u);
    EXPECT_EQ(prim[0].puntos[0], QPointF(495, 1275));
    EXPECT_EQ(prim[0].puntos[1], QPointF(3367, 1275));
}

}  // namespace
}  // namespace korvex::ui
