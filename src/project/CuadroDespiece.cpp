#include "project/CuadroDespiece.h"

#include <array>
#include <string>

#include "project/GeometriaDespiece.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr std::size_t kColumnas = 9;
// Width of each column in text heights.
constexpr std::array<double, kColumnas> kAncho = {4, 6, 9, 4, 4, 6, 6, 8, 6};
constexpr std::array<const char*, kColumnas> kTitulos = {
    "Marca", "Cara", "Función", "Cant.", "Ø", "Desde (m)", "Hasta (m)", "Ganchos (cm)", "L (m)"};

std::string Funcion(FuncionBarra f) {
    switch (f) {
        case FuncionBarra::Corrida:
            return "corrida";
        case FuncionBarra::Corte:
            return "corte";
        case FuncionBarra::Compresion:
            return "compresión";
        case FuncionBarra::Portaestribos:
            return "portaestribos";
    }
    return "";
}

std::string Metros(float v) {
    return texto::FormatoDecimales(v, 2, 2);
}
std::string Cm(float v) {
    return texto::FormatoDecimales(v, 0, 1);
}

void Fila(const std::array<std::string, kColumnas>& celdas, PuntoCm p, double h, Dibujo& d) {
    double x = p.x;
    for (std::size_t i = 0; i < kColumnas; ++i) {
        if (!celdas[i].empty()) {
            d.textos.push_back(
                {"TEXTOS", {x, p.y}, h * 0.6, celdas[i], AlineacionTexto::Izquierda});
        }
        x += kAncho[i] * h;
    }
}

}  // namespace

void DibujarCuadro(const DespieceViga& d, PuntoCm origen, double alturaTexto, Dibujo& dibujo) {
    const double h = alturaTexto;
    dibujo.textos.push_back(
        {"TEXTOS", origen, h * 0.8, "Cuadro de barras", AlineacionTexto::Izquierda});
    PuntoCm p{origen.x, origen.y - 1.5 * h};
    std::array<std::string, kColumnas> titulos;
    for (std::size_t i = 0; i < kColumnas; ++i) titulos[i] = kTitulos[i];
    Fila(titulos, p, h, dibujo);
    for (const BarraDespiece& b : d.barras) {
        p.y -= 1.1 * h;
        Fila({"(" + std::to_string(b.marca) + ")", b.inferior ? "inferior" : "superior",
              Funcion(b.funcion), std::to_string(b.cantidad), NombreDiametro(b.diametro),
              Metros(b.desde), Metros(b.hasta), Cm(b.ganchoDesde) + " / " + Cm(b.ganchoHasta),
              Metros(b.longitud)},
             p, h, dibujo);
    }
    for (const EstriboDespiece& e : d.estribos) {
        p.y -= 1.1 * h;
        Fila(
            {"(" + std::to_string(e.marca) + ")", "", "estribo " + Cm(e.ancho) + " x " + Cm(e.alto),
             std::to_string(e.cantidad), NombreDiametro(e.diametro), "", "",
             Cm(e.gancho) + " / " + Cm(e.gancho), Metros(e.longitud)},
            p, h, dibujo);
    }
}

}  // namespace korvex
