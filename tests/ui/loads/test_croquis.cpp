// The load sketch: supports placed to scale, one symbol per load in its
// colour and shape, the tool tip of each symbol, a beam of length 0.
#include <gtest/gtest.h>

#include <QLabel>

#include "Cargas.h"
#include "ui/common/Lienzo.h"

namespace korvex::ui {
namespace {

using Primitiva = Lienzo::Primitiva;

class Croquis : public pruebas::VentanaCargas {
  protected:
    // The lines of colour `color`, as ((x1, y1), (x2, y2)) twips.
    std::vector<std::pair<QPointF, QPointF>> Lineas(const QColor& color) const {
        std::vector<std::pair<QPointF, QPointF>> l;
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
};

const QColor kRojo(255, 0, 0), kVerde(0, 192, 0), kAzul(0, 0, 255);
using L2 = std::vector<std::pair<QPointF, QPointF>>;

TEST_F(Croquis, ApoyosAEscala) {
    Dibujar(6, {}, 1.5f, 4.5f);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 1078, 0.5);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 2514, 0.5);
    Dibujar(6, {});
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 360, 0.5);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 3232, 0.5);  // 360 + 2872
}

TEST_F(Croquis, CargaPuntualHaciaArribaYHaciaAbajo) {
    // Midspan of the 2872-twip beam drawn from 495: x = 1931.
    Dibujar(6, {pruebas::Puntual(3, 2, kViva, 6)});
    EXPECT_EQ(Lineas(kRojo), (L2{{{1931, 1275}, {1931, 955}}}));
    Dibujar(6, {pruebas::Puntual(3, -2, kViva, 6)});
    EXPECT_EQ(Lineas(kRojo), (L2{{{1931, 1275}, {1931, 1595}}}));
}

TEST_F(Croquis, MomentosComoMediosCirculos) {
    Dibujar(
        6, {Carga{3, 0, 3, 4, 0, 3, kMomento, kOtros}, Carga{3, 0, 3, -4, 0, 3, kMomento, kOtros}});
    std::vector<const Primitiva*> arcos;
    for (const Primitiva& p : c->pctCarga->Primitivas()) {
        if (p.tipo == Primitiva::Arco) arcos.push_back(&p);
    }
    ASSERT_EQ(arcos.size(), 2u);
    EXPECT_EQ(arcos[0]->color, kVerde);
    EXPECT_EQ(arcos[0]->puntos[0], QPointF(1881, 1275));  // right half, centre 50 to the left
    EXPECT_EQ(arcos[0]->inicio, 270);
    EXPECT_EQ(arcos[0]->barrido, 180);
    EXPECT_EQ(arcos[0]->radio, 100);
    EXPECT_EQ(arcos[1]->puntos[0], QPointF(1931, 1275));  // left half
    EXPECT_EQ(arcos[1]->inicio, 90);
}

TEST_F(Croquis, LosCincoCasosDeCargaDistribuida) {
    // From a = 1.5 to 3.5 on 6 m: xa = 1213, xb = 2170.33, beam at 1275.
    const double xa = 495 + 2872 * 1.5 / 6, xb = xa + 2872 * 2.0 / 6, y = 1275;
    auto dist = [](float p1, float p2) {
        return Carga{1.5, 2, 2.5, p1, p2, 3.5, kDistribuida, kMuerta};
    };
    struct Caso {
        const char* nombre;
        float p1, p2;
        L2 lineas;
    };
    const std::vector<Caso> casos = {
        {"triangular desde 0", 0, 3, {{{xb, y}, {xb, y - 360}}, {{xa, y}, {xb, y - 360}}}},
        {"triangular hasta 0", 3, 0, {{{xa, y}, {xa, y - 360}}, {{xa, y - 360}, {xb, y}}}},
        {"creciente",
         1,
         3,
         {{{xa, y}, {xa, y - 240}}, {{xb, y}, {xb, y - 360}}, {{xa, y - 240}, {xb, y - 360}}}},
        {"decreciente",
         3,
         1,
         {{{xa, y}, {xa, y - 360}}, {{xb, y}, {xb, y - 240}}, {{xa, y - 360}, {xb, y - 240}}}},
        {"uniforme",
         2,
         2,
         {{{xa, y}, {xa, y - 240}}, {{xb, y}, {xb, y - 240}}, {{xa, y - 240}, {xb, y - 240}}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Dibujar(6, {dist(caso.p1, caso.p2)});
        const L2 l = Lineas(kAzul);
        ASSERT_EQ(l.size(), caso.lineas.size());
        for (std::size_t i = 0; i < l.size(); ++i) {
            EXPECT_NEAR(l[i].first.x(), caso.lineas[i].first.x(), 0.01);
            EXPECT_NEAR(l[i].first.y(), caso.lineas[i].first.y(), 0.01);
            EXPECT_NEAR(l[i].second.x(), caso.lineas[i].second.x(), 0.01);
            EXPECT_NEAR(l[i].second.y(), caso.lineas[i].second.y(), 0.01);
        }
    }
}

TEST_F(Croquis, AyudaDeCadaSimboloYVigaDeLongitudCero) {
    Dibujar(6, {pruebas::Puntual(1, 2, kViva, 6),
                Carga{1.5, 2, 2.5, 1, 3, 3.5, kDistribuida, kMuerta}});
    EXPECT_EQ(c->DescripcionEn(1691, 1200),
              "Carga 2: Distribuida, Muerta, a = 1.5 m, b = 2 m, "
              "P1 = 1, P2 = 3");
    EXPECT_EQ(c->DescripcionEn(495 + 2872 / 6.0, 1100), "Carga 1: Puntual, Viva, a = 1 m, P1 = 2");
    EXPECT_TRUE(c->DescripcionEn(3300, 300).isEmpty());

    // Length 0: no scale, so only the beam line stays (nothing divides by 0).
    Dibujar(0, {pruebas::Puntual(0, 2, kViva, 0)});
    const auto& prim = c->pctCarga->Primitivas();
    ASSERT_EQ(prim.size(), 1u);
    EXPECT_EQ(prim[0].puntos[0], QPointF(495, 1275));
    EXPECT_EQ(prim[0].puntos[1], QPointF(3367, 1275));
}

TEST_F(Croquis, ElCroquisCreceConLaVentana) {
    c->resize(900, 500);
    pruebas::ProcesarEventos();
    const QSize antes = c->pctCarga->size();
    c->resize(1400, 800);
    pruebas::ProcesarEventos();
    EXPECT_GT(c->pctCarga->width(), antes.width());
    EXPECT_GT(c->pctCarga->height(), antes.height());
    // The supports keep their place on the beam as drawn.
    Dibujar(6, {}, 1.5f, 4.5f);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 1078, 0.5);
    if (const QString capturas = qEnvironmentVariable("KORVEX_CAPTURAS"); !capturas.isEmpty()) {
        Dibujar(
            6,
            {pruebas::Puntual(1, 2, kViva, 6), Carga{1.5, 2, 2.5, 1, 3, 3.5, kDistribuida, kMuerta},
             Carga{4, 0, 2, 3, 0, 4, kMomento, kOtros}, pruebas::Puntual(5, -1, kViva, 6)},
            1.5f, 4.5f);
        c->grab().save(capturas + "/frmCargas.png");
    }
}

}  // namespace
}  // namespace korvex::ui
