// The drawing of a hand-made bar schedule: a 25 x 50 cm beam 6.50 m long on
// supports at 0 and 5.00 m with a 1.50 m cantilever, clear cover 4 cm and
// 3/8" stirrups. Every bar of the schedule is drawn on "BARRAS" at its height
// with its ends, hooks and length; the stirrup zones, the two cross-sections
// and their bars are there; the DXF of it, read back by dxflib's reader,
// holds the same bars and zone labels.
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "project/DibujoDespiece.h"
#include "project/Dxf.h"
#include "project/GeometriaDespiece.h"
#include "project/Texto1252.h"

namespace korvex {
namespace {

DatosViga Viga() {
    DatosViga v;
    v.longitud = 6.5f;
    v.apoyos = {0.0f, 5.0f};
    v.seccion = {FormaSeccion::Rectangular, 25, 50, 0, 0};
    v.opciones.recubrimientoLibre = 4;
    v.opciones.estribo = DiametroEstribo::TresOctavos;
    return v;
}

// Largest sagging moment at 2.10 m, largest hogging moment over the support at 5.00 m.
ResultadoAnalisis Analisis() {
    ResultadoAnalisis a;
    a.MomentoPosMax = 12.5f;
    a.Posiciones.MomentoPosMax = 2.10f;
    a.MomentoNegMax = -9.8f;
    a.Posiciones.MomentoNegMax = 5.00f;
    return a;
}

BarraDespiece Barra(int marca, bool inferior, FuncionBarra f, int n, int fila, int capa,
                    float desde, float hasta, float g0, float g1, float L, ReglaExtremo r0,
                    ReglaExtremo r1) {
    BarraDespiece b;
    b.marca = marca;
    b.inferior = inferior;
    b.funcion = f;
    b.cantidad = n;
    b.diametro = fila;
    b.capa = capa;
    b.desde = desde;
    b.hasta = hasta;
    b.ganchoDesde = g0;
    b.ganchoHasta = g1;
    b.longitud = L;
    b.corteDesde = desde;
    b.corteHasta = hasta;
    b.reglaDesde = r0;
    b.reglaHasta = r1;
    return b;
}

// Lengths: straight part plus the hook legs, e.g. (1) 6.46 - 0.04 + 0.25 = 6.67 m.
ResultadoDiseno Diseno() {
    using F = FuncionBarra;
    using R = ReglaExtremo;
    ResultadoDiseno r;
    r.Despiece.barras = {
        Barra(1, true, F::Corrida, 2, 1, 1, 0.04f, 6.46f, 25, 0, 6.67f, R::ExtremoViga,
              R::ExtremoViga),
        Barra(2, true, F::Corte, 1, 0, 1, 0.85f, 3.60f, 0, 0, 2.75f, R::Extension, R::Extension),
        Barra(3, true, F::Corte, 2, 2, 2, 1.20f, 2.60f, 0, 0, 1.40f, R::Extension, R::Extension),
        Barra(4, false, F::Corrida, 2, 1, 1, 0.04f, 6.46f, 0, 30, 6.72f, R::ExtremoViga,
              R::ExtremoViga),
        Barra(5, false, F::Corte, 2, 0, 1, 3.70f, 6.46f, 0, 35, 3.11f, R::PuntoInflexion,
              R::ExtremoViga),
    };
    EstriboDespiece e;
    e.marca = 6;
    e.cantidad = 36;
    e.diametro = 3;
    e.ancho = 17;
    e.alto = 42;
    e.gancho = 7.5f;
    e.longitud = 1.33f;
    r.Despiece.estribos = {e};
    // 0.05 + 7 x 0.15 = 1.10 <= 1.20; 4.95 - 8 x 0.13 = 3.91 >= 3.80; 0.05 + 7 x 0.20 = 1.45
    // <= 1.50.
    r.ZonasEstribos = {
        {0.0f, 1.2f, 8, 15}, {1.2f, 3.8f, 11, 23}, {3.8f, 5.0f, 9, 13}, {5.0f, 6.5f, 8, 20}};
    return r;
}

// Heights of the bar centres by hand, cm: clear cover 4 + stirrup 0.9525 + db/2,
// a second mark on the same face and layer 0.8 cm inside the first, layer 2 a
// clear 2.5 cm inside the largest bar of layer 1 (1"):
//   (1) 4 + 0.9525 + 1.905/2 = 5.905          (2) 4 + 0.9525 + 2.54/2 + 0.8 = 7.0225
//   (3) 4 + 0.9525 + 2.54 + 2.5 + 1.27/2 = 10.6275
//   (4) 50 - 5.905 = 44.095                   (5) 50 - 6.2225 - 0.8 = 42.9775
struct Esperada {
    double x0, x1, y, gancho0, gancho1, longitud;  // cm
};
const Esperada kBarras[] = {
    {4, 646, 5.905, 25, 0, 667},   {85, 360, 7.0225, 0, 0, 275},     {120, 260, 10.6275, 0, 0, 140},
    {4, 646, 44.095, 0, -30, 672}, {370, 646, 42.9775, 0, -35, 311},
};

// The straight run of a bar polyline (the segment between its legs), its legs
// (signed, up positive) and its developed length.
struct Tramo {
    double x0 = 0, x1 = 0, y = 0, gancho0 = 0, gancho1 = 0, longitud = 0;
};
Tramo TramoDe(const std::vector<PuntoCm>& p) {
    Tramo t;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const double dx = p[i].x - p[i - 1].x, dy = p[i].y - p[i - 1].y;
        t.longitud += std::hypot(dx, dy);
        if (std::fabs(dy) < 1e-9) {
            t.x0 = p[i - 1].x, t.x1 = p[i].x, t.y = p[i].y;
        }
    }
    if (p.size() >= 2 && std::fabs(p[1].x - p[0].x) < 1e-9) t.gancho0 = p[0].y - p[1].y;
    if (p.size() >= 2 && std::fabs(p.back().x - p[p.size() - 2].x) < 1e-9) {
        t.gancho1 = p.back().y - p[p.size() - 2].y;
    }
    return t;
}

// Each expected bar is one polyline of layer "BARRAS" with its ends, height,
// legs and developed length within 1 cm (height within 0.01 cm).
void BarrasDibujadas(const std::vector<PolilineaDibujo>& polilineas) {
    std::vector<Tramo> barras;
    for (const PolilineaDibujo& p : polilineas) {
        if (p.capa == "BARRAS") barras.push_back(TramoDe(p.puntos));
    }
    ASSERT_EQ(barras.size(), std::size(kBarras));
    for (std::size_t i = 0; i < barras.size(); ++i) {
        const Tramo& t = barras[i];
        const Esperada& e = kBarras[i];
        EXPECT_NEAR(t.x0, e.x0, 1) << "marca " << i + 1;
        EXPECT_NEAR(t.x1, e.x1, 1) << "marca " << i + 1;
        EXPECT_NEAR(t.y, e.y, 0.01) << "marca " << i + 1;
        EXPECT_NEAR(t.gancho0, e.gancho0, 1) << "marca " << i + 1;
        EXPECT_NEAR(t.gancho1, e.gancho1, 1) << "marca " << i + 1;
        EXPECT_NEAR(t.longitud, e.longitud, 1) << "marca " << i + 1;
    }
}

const char* const kZonas[] = {"8 Ø 3/8\" @ 15 cm", "11 Ø 3/8\" @ 23 cm", "9 Ø 3/8\" @ 13 cm",
                              "8 Ø 3/8\" @ 20 cm"};

bool HayTexto(const std::vector<TextoDibujo>& t, const std::string& s) {
    return std::any_of(t.begin(), t.end(), [&](const TextoDibujo& x) { return x.texto == s; });
}

TEST(DibujoDespiece, BarrasEstribosYSeccionesDelDespiece) {
    const Dibujo d = DibujoDespiece(Viga(), Analisis(), Diseno());

    const std::vector<std::pair<std::string, int>> capas = {
        {"CONTORNO", 7}, {"APOYOS", 8}, {"BARRAS", 1}, {"ESTRIBOS", 3},
        {"COTAS", 2},    {"TEXTOS", 7}, {"EJES", 8}};
    for (const auto& [nombre, color] : capas) {
        EXPECT_TRUE(std::any_of(d.capas.begin(), d.capas.end(), [&](const CapaDibujo& c) {
            return c.nombre == nombre && c.color == color;
        })) << nombre;
    }
    BarrasDibujadas(d.polilineas);
    EXPECT_TRUE(HayTexto(d.textos, "(1) 2 Ø 3/4\" L = 6.67 m"));
    EXPECT_TRUE(HayTexto(d.textos, "(5) 2 Ø 1\" L = 3.11 m"));

    // The ends inside the beam carry a tick and their abscissa: (2), (3) both
    // ends, (5) its start past the point of inflection.
    for (const double x : {85.0, 360.0, 120.0, 260.0, 370.0}) {
        EXPECT_TRUE(std::any_of(d.lineas.begin(), d.lineas.end(), [&](const LineaDibujo& l) {
            return l.capa == "COTAS" && std::fabs(l.a.x - x) < 1e-3 && std::fabs(l.b.x - x) < 1e-3;
        })) << x;
    }
    for (const char* x : {"x = 0.85", "x = 3.60", "x = 1.20", "x = 2.60", "x = 3.70"}) {
        EXPECT_TRUE(HayTexto(d.textos, x)) << x;
    }
    EXPECT_FALSE(HayTexto(d.textos, "x = 6.46"));  // a bar end at the beam's end needs none

    // The schedule table: a row per mark and one for the stirrups.
    EXPECT_TRUE(HayTexto(d.textos, "Cuadro de barras"));
    for (const char* c : {"(3)", "corte", "1/2\"", "1.20", "2.60", "0 / 35", "1.40",
                          "estribo 17 x 42", "7.5 / 7.5", "1.33"}) {
        EXPECT_TRUE(HayTexto(d.textos, c)) << c;
    }

    // Stirrups: 8 + 11 + 9 + 8 lines, the first 5 cm from the left support
    // and the last 5 cm before the cantilever's end.
    std::vector<double> estribos;
    for (const LineaDibujo& l : d.lineas) {
        if (l.capa == "ESTRIBOS") estribos.push_back(l.a.x);
    }
    std::sort(estribos.begin(), estribos.end());
    ASSERT_EQ(estribos.size(), 36u);
    EXPECT_NEAR(estribos.front(), 5, 1e-3);
    EXPECT_NEAR(estribos.back(), 645, 1e-3);
    for (const char* z : kZonas) EXPECT_TRUE(HayTexto(d.textos, z)) << z;

    // Sections: A at the largest M(+) with (1) 2 + (2) 1 + (3) 2 bars ((3) stops
    // 0.50 m past it), B over the support with (1) 2 + (4) 2 + (5) 2; each with
    // its stirrup.
    const auto titulo = [&](const std::string& s) {
        return std::find_if(d.textos.begin(), d.textos.end(),
                            [&](const TextoDibujo& t) { return t.texto == s; });
    };
    const auto a = titulo("Sección A-A (x = 2.10 m)"), b = titulo("Sección B-B (x = 5.00 m)");
    ASSERT_NE(a, d.textos.end());
    ASSERT_NE(b, d.textos.end());
    const double medio = (a->punto.x + b->punto.x) / 2;
    int enA = 0, enB = 0;
    for (const CirculoDibujo& c : d.circulos) {
        ASSERT_EQ(c.capa, "BARRAS");
        (c.centro.x < medio ? enA : enB) += 1;
    }
    EXPECT_EQ(enA, 7);
    EXPECT_EQ(enB, 6);
    // In A the bottom layer 1 holds (1) 2 Ø 3/4" and (2) 1 Ø 1": the bars that
    // run the whole beam stand at the corners of the stirrup, drawn twice
    // their true radius (3/4": 2 x 1.905 / 2).
    double fondo = 1e9;  // cm, height of the lowest bars drawn in A
    for (const CirculoDibujo& c : d.circulos) {
        if (c.centro.x < medio) fondo = std::min(fondo, c.centro.y - c.radio);
    }
    std::vector<CirculoDibujo> capa1;
    for (const CirculoDibujo& c : d.circulos) {
        if (c.centro.x < medio && c.centro.y - c.radio < fondo + 1e-6) capa1.push_back(c);
    }
    std::sort(capa1.begin(), capa1.end(),
              [](const auto& p, const auto& q) { return p.centro.x < q.centro.x; });
    ASSERT_EQ(capa1.size(), 3u);
    EXPECT_NEAR(capa1.front().radio, 1.905, 1e-9);
    EXPECT_NEAR(capa1.back().radio, 1.905, 1e-9);
    EXPECT_NEAR(capa1[1].radio, 2.54, 1e-9);
    EXPECT_EQ(std::count_if(d.polilineas.begin(), d.polilineas.end(),
                            [](const PolilineaDibujo& p) { return p.capa == "ESTRIBOS"; }),
              2);
}

// With the envelope the cuts are at its extremes; a sign of moment the beam
// never has gives no section.
TEST(DibujoDespiece, SeccionesSoloDeLosMomentosQueExisten) {
    ResultadoAnalisis a = Analisis();
    a.MomentoNegMax = 0;
    Dibujo d = DibujoDespiece(Viga(), a, Diseno());
    EXPECT_TRUE(HayTexto(d.textos, "Sección A-A (x = 2.10 m)"));
    EXPECT_FALSE(HayTexto(d.textos, "Sección B-B (x = 5.00 m)"));
    EXPECT_EQ(d.circulos.size(), 7u);

    a.UsaEnvolvente = true;
    a.Envolvente.calculada = true;
    a.Envolvente.Extremos.MomentoPosMax = {13.1f, 2.35f};
    a.Envolvente.Extremos.MomentoNegMax = {-10.2f, 5.0f};
    d = DibujoDespiece(Viga(), a, Diseno());
    EXPECT_TRUE(HayTexto(d.textos, "Sección A-A (x = 2.35 m)"));
    EXPECT_TRUE(HayTexto(d.textos, "Sección B-B (x = 5.00 m)"));
}

// No schedule (none yet, or a failed design): nothing to draw.
TEST(DibujoDespiece, SinDespieceNoHayDibujo) {
    ResultadoDiseno r = Diseno();
    r.DisenoFallido = true;
    EXPECT_TRUE(DibujoDespiece(Viga(), Analisis(), r).capas.empty());
    r = Diseno();
    r.Despiece.barras.clear();
    EXPECT_TRUE(DibujoDespiece(Viga(), Analisis(), r).capas.empty());
}

// The outline of each kind of section, by hand (cm, counter-clockwise from
// the bottom left): a T of flange 60 x 12 over a web 25 x 38, the same
// inverted, and a 25 x 50 rectangle; the stirrup closes inside the web.
TEST(DibujoDespiece, ContornoDeCadaSeccion) {
    struct Caso {
        SeccionViga s;
        std::vector<double> x, y;
        double almaDesde, almaHasta;
    };
    const Caso casos[] = {
        {{FormaSeccion::T, 60, 12, 25, 38},
         {17.5, 42.5, 42.5, 60, 60, 0, 0, 17.5},
         {0, 0, 38, 38, 50, 50, 38, 38},
         17.5,
         42.5},
        {{FormaSeccion::TInvertida, 60, 12, 25, 38},
         {0, 60, 60, 42.5, 42.5, 17.5, 17.5, 0},
         {0, 0, 12, 12, 50, 50, 12, 12},
         17.5,
         42.5},
        {{FormaSeccion::Rectangular, 25, 50, 0, 0}, {0, 25, 25, 0}, {0, 0, 50, 50}, 0, 25},
    };
    for (const Caso& c : casos) {
        const ContornoSeccion s = Contorno(c.s);
        EXPECT_DOUBLE_EQ(s.alto, 50);
        EXPECT_EQ(s.x, c.x);
        EXPECT_EQ(s.y, c.y);
        EXPECT_DOUBLE_EQ(s.almaDesde, c.almaDesde);
        EXPECT_DOUBLE_EQ(s.almaHasta, c.almaHasta);
    }
    EXPECT_EQ(Contorno({FormaSeccion::SinDefinir, 25, 50, 0, 0}).alto, 0);
}

// What dxflib's reader finds: the polylines and texts with their layer.
struct Leido : DL_CreationAdapter {
    std::vector<PolilineaDibujo> polilineas;
    std::vector<TextoDibujo> textos;
    std::string Capa() { return getAttributes().getLayer(); }
    void addPolyline(const DL_PolylineData& d) override {
        polilineas.push_back({Capa(), {}, (d.flags & 1) != 0});
    }
    void addVertex(const DL_VertexData& d) override {
        polilineas.back().puntos.push_back({d.x, d.y});
    }
    void addText(const DL_TextData& d) override {
        textos.push_back({Capa(),
                          {d.ipx, d.ipy},
                          d.height,
                          Utf8DesdeWindows1252(d.text),
                          AlineacionTexto::Izquierda});
    }
};

TEST(DibujoDespiece, ElDxfLeidoTieneLasBarrasYLasZonas) {
    const std::string bytes = DxfDe(DibujoDespiece(Viga(), Analisis(), Diseno()));
    ASSERT_FALSE(bytes.empty());
    Leido l;
    std::istringstream f(bytes);
    DL_Dxf dxf;
    ASSERT_TRUE(dxf.in(f, &l));
    BarrasDibujadas(l.polilineas);
    for (const char* z : kZonas) EXPECT_TRUE(HayTexto(l.textos, z)) << z;
    EXPECT_TRUE(HayTexto(l.textos, "(3) 2 Ø 1/2\" L = 1.40 m"));
}

}  // namespace
}  // namespace korvex
