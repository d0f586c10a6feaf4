// The painter of the bar drawing: a known drawing lands where the uniform
// scale and the upward y put it, in its layers' colours; an empty, a
// one-point or a partly non-numeric drawing paints safely. The phi Mn curves
// over the moment diagram: to its scale, each face on its side.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

#include "comun/Ayudas.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/PintarDibujo.h"

namespace korvex::ui {
namespace {

// `d` painted into a white 220 x 120 image, into the whole of it or `caja`.
QImage Pintar(const Dibujo& d, QRectF caja = QRectF(0, 0, 220, 120)) {
    QImage img(220, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PintarDibujo(p, d, caja);
    return img;
}

// How much of a pure colour a pixel shows over the white sheet (0..255).
int Tinte(QRgb px, QColor puro) {
    const int d = std::abs(qRed(px) - puro.red()) + std::abs(qGreen(px) - puro.green()) +
                  std::abs(qBlue(px) - puro.blue());
    const int blanco =
        std::abs(255 - puro.red()) + std::abs(255 - puro.green()) + std::abs(255 - puro.blue());
    return 255 * (blanco - d) / std::max(1, blanco);
}

// The row (of column x) or the column (of row y) where a colour is strongest.
int FilaMasTenida(const QImage& img, int x, QColor c) {
    int mejor = 0;
    for (int y = 1; y < img.height(); ++y) {
        if (Tinte(img.pixel(x, y), c) > Tinte(img.pixel(x, mejor), c)) mejor = y;
    }
    return mejor;
}
int ColumnaMasTenida(const QImage& img, int y, int desde, QColor c) {
    int mejor = desde;
    for (int x = desde; x < img.width(); ++x) {
        if (Tinte(img.pixel(x, y), c) > Tinte(img.pixel(mejor, y), c)) mejor = x;
    }
    return mejor;
}

Dibujo Conocido() {
    Dibujo d;
    d.capas = {{"barras", 1}, {"contorno", 7}, {"secciones", 5}, {"textos", 3}};
    d.lineas = {{"barras", {0, 50}, {100, 50}}};                          // top edge, red
    d.polilineas = {{"contorno", {{0, 0}, {100, 0}}, false}};             // bottom edge, black
    d.circulos = {{"secciones", {50, 25}, 10}};                           // blue
    d.textos = {{"textos", {50, 5}, 8, "ABC", AlineacionTexto::Centro}};  // green
    return d;
}

TEST(PintarDibujo, DibujoConocidoAEscalaUniformeConYHaciaArriba) {
    // Box 220 x 120 px, margin min(10, 5% of 120) = 6 px: 208 x 108 px for
    // a drawing of 100 x 50 cm, scale min(208/100, 108/50) = 2.08 px/cm,
    // centred at (110, 60) on the drawing's centre (50, 25) cm.
    //   red line y = 50 cm   -> row 60 - 25 x 2.08 = 8
    //   black line y = 0 cm  -> row 60 + 25 x 2.08 = 112
    //   circle r = 10 cm     -> 20.8 px: its right edge at column 130.8
    //   text at (50, 5) cm   -> baseline row 60 + 20 x 2.08 = 101.6, capitals
    //                           8 x 2.08 = 16.6 px high, centred on column 110
    const QImage img = Pintar(Conocido());
    EXPECT_NEAR(FilaMasTenida(img, 110, Qt::red), 8, 1);
    EXPECT_NEAR(FilaMasTenida(img, 40, Qt::black), 112, 1);
    EXPECT_NEAR(ColumnaMasTenida(img, 60, 115, Qt::blue), 131, 1);
    // The red line runs from column 6 to 214 and nowhere in the lower half.
    EXPECT_GT(Tinte(img.pixel(8, 8), Qt::red), 100);
    EXPECT_GT(Tinte(img.pixel(212, 8), Qt::red), 100);
    EXPECT_LT(Tinte(img.pixel(2, 8), Qt::red), 30);
    for (int y = 60; y < img.height(); ++y) {
        EXPECT_LT(Tinte(img.pixel(110, y), Qt::red), 100) << y;
    }
    // The green text: above its baseline, its capitals' height, centred.
    int arriba = img.height(), abajo = -1;
    double suma = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (Tinte(img.pixel(x, y), Qt::green) < 120) continue;
            arriba = std::min(arriba, y);
            abajo = std::max(abajo, y);
            suma += x;
            ++n;
        }
    }
    ASSERT_GT(n, 10);
    EXPECT_NEAR(abajo, 101, 1.5);
    EXPECT_NEAR(abajo - arriba, 16.6, 2.5);
    EXPECT_NEAR(suma / n, 110, 3);
}

TEST(PintarDibujo, VacioUnPuntoYValoresNoNumericosNoRompen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto blancos = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == qRgb(255, 255, 255);
        }
        return n;
    };
    // Nothing to paint, or a box of no size: the sheet stays white.
    EXPECT_EQ(blancos(Pintar(Dibujo{})), 220 * 120);
    Dibujo unPunto;
    unPunto.capas = {{"barras", 1}};
    unPunto.lineas = {{"barras", {3, 3}, {3, 3}}};
    unPunto.polilineas = {{"barras", {{3, 3}}, false}};
    unPunto.textos = {{"barras", {3, 3}, 0, "X", AlineacionTexto::Izquierda}};
    EXPECT_GT(blancos(Pintar(unPunto)), 220 * 120 - 20);  // a dot at most
    EXPECT_EQ(blancos(Pintar(Conocido(), QRectF(50, 50, 0, 0))), 220 * 120);
    // A primitive that is not a number is left out; the rest keeps its place.
    Dibujo mixto = Conocido();
    mixto.lineas.push_back({"barras", {nan, 0}, {1e300 * 1e10, 5}});
    mixto.circulos.push_back({"secciones", {0, 0}, nan});
    mixto.textos.push_back({"textos", {nan, 0}, 5, "N", AlineacionTexto::Derecha});
    EXPECT_EQ(Pintar(mixto), Pintar(Conocido()));
}

TEST(Capacidad, PhiMnSobreElMomentoASuEscalaCadaCaraEnSuLado) {
    // A 4 cm beam: stations 1..5, one every 4190 x 0.01 / 0.04 = 1047.5
    // twips; |M| max 10 Tn.m drawn 937 twips from the axis (row 1293), so
    // 93.7 twips per Tn.m. The moment is drawn in the analysis sign, sagging
    // below the axis:
    //   bottom face 12 Tn.m -> row 1293 + 12 x 93.7 = 2417.4
    //   bottom face 20 Tn.m -> 3167, beyond the box (2500): along its edge 2480
    //   top face 5 Tn.m     -> row 1293 - 5 x 93.7 = 824.5
    EstadoProyecto e;
    e.LuzViga = 0.04f;
    ResultadoAnalisis c;
    c.NumEstaciones = 5;
    c.MomentoMaxAbs = 10;
    DespieceViga d;
    d.capacidad = {{true, {0, 12, 12, 20, 12, 12}}, {false, {0, 5, 5, 5, 0, 0}}};
    Lienzo caja(diagrama::kAnchoCaja, diagrama::kAltoCaja);
    DibujarCapacidad(e, c, d, &caja);

    std::vector<QVector<QPointF>> curvas;
    int etiquetas = 0;
    for (const Lienzo::Primitiva& p : caja.Primitivas()) {
        if (p.tipo == Lienzo::Primitiva::Polilinea) curvas.push_back(p.puntos);
        etiquetas += p.tipo == Lienzo::Primitiva::Texto && p.texto == QString::fromUtf8("φMn");
    }
    ASSERT_EQ(curvas.size(), 2u);
    EXPECT_EQ(etiquetas, 2);
    const double inferior[] = {2417.4, 2417.4, 2480, 2417.4, 2417.4};
    const double superior[] = {824.5, 824.5, 824.5, 1293, 1293};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(curvas[0].size(), 5);
        EXPECT_NEAR(curvas[0][i].x(), 480 + i * 1047.5, 0.5) << i;
        EXPECT_NEAR(curvas[0][i].y(), inferior[i], 0.5) << i;
        EXPECT_NEAR(curvas[1][i].y(), superior[i], 0.5) << i;
    }
    // A schedule without capacity draws nothing.
    caja.Limpiar();
    DibujarCapacidad(e, c, DespieceViga{}, &caja);
    EXPECT_TRUE(caja.Primitivas().empty());
}

}  // namespace
}  // namespace korvex::ui
