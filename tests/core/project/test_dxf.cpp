// The drawing written as DXF and read back by dxflib's own reader, as a CAD
// program reads it: every layer, line, polyline, circle and text with its
// layer, coordinates and words; a drawing with a coordinate that is not a
// number is not written.
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "project/Dxf.h"
#include "project/Texto1252.h"

namespace korvex {
namespace {

// What the reader found, each entity with the layer it was read on.
struct Leido : DL_CreationAdapter {
    std::vector<std::pair<std::string, int>> capas;
    std::vector<LineaDibujo> lineas;
    std::vector<PolilineaDibujo> polilineas;
    std::vector<CirculoDibujo> circulos;
    std::vector<TextoDibujo> textos;
    std::vector<int> justificacion;

    std::string Capa() { return getAttributes().getLayer(); }
    void addLayer(const DL_LayerData& d) override {
        capas.emplace_back(d.name, getAttributes().getColor());
    }
    void addLine(const DL_LineData& d) override {
        lineas.push_back({Capa(), {d.x1, d.y1}, {d.x2, d.y2}});
    }
    void addPolyline(const DL_PolylineData& d) override {
        polilineas.push_back({Capa(), {}, (d.flags & 1) != 0});
    }
    void addVertex(const DL_VertexData& d) override {
        polilineas.back().puntos.push_back({d.x, d.y});
    }
    void addCircle(const DL_CircleData& d) override {
        circulos.push_back({Capa(), {d.cx, d.cy}, d.radius});
    }
    void addText(const DL_TextData& d) override {
        const bool alineado = d.hJustification != 0;
        textos.push_back({Capa(),
                          {alineado ? d.apx : d.ipx, alineado ? d.apy : d.ipy},
                          d.height,
                          d.text,
                          AlineacionTexto::Izquierda});
        justificacion.push_back(d.hJustification);
    }
};

Leido Leer(const std::string& bytes) {
    Leido l;
    std::istringstream f(bytes);
    DL_Dxf dxf;
    EXPECT_TRUE(dxf.in(f, &l));
    return l;
}

Dibujo Ejemplo() {
    Dibujo d;
    d.capas = {{"CONCRETO", 8}, {"ACERO", 1}, {"ESTRIBOS", 3}, {"TEXTOS", 7}};
    d.lineas = {{"CONCRETO", {0, 0}, {600.25, 0}}, {"ESTRIBOS", {5, 4}, {5, 46}}};
    d.polilineas = {{"ACERO", {{4, 50}, {4, 46}, {596, 46}, {596, 50}}, false},
                    {"CONCRETO", {{0, 0}, {25, 0}, {25, 50}, {0, 50}}, true}};
    d.circulos = {{"ACERO", {7.5, 7.5}, 1.27}};
    d.textos = {
        {"TEXTOS", {300, -10}, 2.5, "4 Ø 5/8\" L = 6.10 m · sección → K", AlineacionTexto::Centro},
        {"TEXTOS", {0, -20}, 2, "Estribos 3/8\": 1 @ 5, 12 @ 10 cm", AlineacionTexto::Izquierda},
        {"TEXTOS", {600, -20}, 2, "Despiece", AlineacionTexto::Derecha}};
    return d;
}

TEST(Dxf, LoLeidoEsLoDibujado) {
    const Dibujo d = Ejemplo();
    const std::string bytes = DxfDe(d);
    ASSERT_FALSE(bytes.empty());
    // Units: centimetres; texts in the code page the header declares.
    EXPECT_NE(bytes.find("$INSUNITS\n 70\n5\n"), std::string::npos);
    EXPECT_NE(bytes.find("$DWGCODEPAGE\n  3\nANSI_1252\n"), std::string::npos);
    const Leido l = Leer(bytes);

    // Layer 0 and each layer of the drawing with its colour.
    ASSERT_EQ(l.capas.size(), d.capas.size() + 1);
    for (std::size_t i = 0; i < d.capas.size(); ++i) {
        EXPECT_EQ(l.capas[i + 1].first, d.capas[i].nombre);
        EXPECT_EQ(l.capas[i + 1].second, d.capas[i].color);
    }
    const auto igual = [](PuntoCm a, PuntoCm b) {
        return std::abs(a.x - b.x) < 1e-4 && std::abs(a.y - b.y) < 1e-4;
    };
    ASSERT_EQ(l.lineas.size(), d.lineas.size());
    for (std::size_t i = 0; i < d.lineas.size(); ++i) {
        EXPECT_EQ(l.lineas[i].capa, d.lineas[i].capa);
        EXPECT_TRUE(igual(l.lineas[i].a, d.lineas[i].a) && igual(l.lineas[i].b, d.lineas[i].b))
            << i;
    }
    ASSERT_EQ(l.polilineas.size(), d.polilineas.size());
    for (std::size_t i = 0; i < d.polilineas.size(); ++i) {
        EXPECT_EQ(l.polilineas[i].capa, d.polilineas[i].capa);
        EXPECT_EQ(l.polilineas[i].cerrada, d.polilineas[i].cerrada);
        ASSERT_EQ(l.polilineas[i].puntos.size(), d.polilineas[i].puntos.size());
        for (std::size_t k = 0; k < d.polilineas[i].puntos.size(); ++k)
            EXPECT_TRUE(igual(l.polilineas[i].puntos[k], d.polilineas[i].puntos[k]));
    }
    ASSERT_EQ(l.circulos.size(), 1u);
    EXPECT_TRUE(igual(l.circulos[0].centro, {7.5, 7.5}));
    EXPECT_DOUBLE_EQ(l.circulos[0].radio, 1.27);

    // Texts: placed by the point of their alignment; read in Windows-1252,
    // a character outside it (the arrow) as its \U+ escape.
    ASSERT_EQ(l.textos.size(), 3u);
    EXPECT_EQ(Utf8DesdeWindows1252(l.textos[0].texto), "4 Ø 5/8\" L = 6.10 m · sección \\U+2192 K");
    EXPECT_EQ(l.textos[1].texto, d.textos[1].texto);
    EXPECT_EQ(l.justificacion, (std::vector<int>{1, 0, 2}));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(l.textos[i].capa, "TEXTOS");
        EXPECT_TRUE(igual(l.textos[i].punto, d.textos[i].punto)) << i;
        EXPECT_DOUBLE_EQ(l.textos[i].altura, d.textos[i].altura);
    }
}

TEST(Dxf, MedidaQueNoEsNumeroNoSeEscribe) {
    for (int caso = 0; caso < 4; ++caso) {
        Dibujo d = Ejemplo();
        const double malo = caso % 2 ? NAN : INFINITY;
        if (caso == 0) d.lineas[1].b.y = malo;
        if (caso == 1) d.polilineas[0].puntos[2].x = malo;
        if (caso == 2) d.circulos[0].radio = malo;
        if (caso == 3) d.textos[2].altura = malo;
        EXPECT_EQ(DxfDe(d), "") << caso;
        EXPECT_FALSE(EscribirDxf("/nonexistent/x.dxf", d).empty());
    }
}

}  // namespace
}  // namespace korvex
