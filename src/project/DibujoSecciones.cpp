#include "project/DibujoSecciones.h"

#include <algorithm>
#include <cmath>

#include "project/DibujoDespiece.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kTolerancia = 1e-4;  // m, a bar ending at the cut is present there

std::string Metros(double x) {
    return texto::FormatoDecimales(x, 2, 2);
}

// The abscissa of a moment extreme when it exists (a sagging value above 0,
// a hogging value below 0).
void Agregar(std::vector<CorteSeccion>& cortes, float valor, float x, bool positivo,
             double longitud) {
    const bool existe =
        std::isfinite(valor) && std::isfinite(x) && (positivo ? valor > 0 : valor < 0);
    if (!existe) return;
    const std::string letra(1, static_cast<char>('A' + cortes.size()));
    cortes.push_back({letra, std::clamp(static_cast<double>(x), 0.0, longitud)});
}

// "b = 25 cm", or "bf = 60 cm, bw = 25 cm" for a section with a flange.
std::string AnchoSeccion(const ContornoSeccion& s) {
    const auto cm = [](double v) { return texto::FormatoDecimales(v, 0, 2) + " cm"; };
    const double bw = s.almaHasta - s.almaDesde;
    if (bw < s.ancho) return "bf = " + cm(s.ancho) + ", bw = " + cm(bw);
    return "b = " + cm(s.ancho);
}

}  // namespace

std::vector<CorteSeccion> CortesSeccion(const ResultadoAnalisis& a, double longitud) {
    std::vector<CorteSeccion> cortes;
    if (a.UsaEnvolvente && a.Envolvente.calculada) {
        const ExtremosEnvolvente& e = a.Envolvente.Extremos;
        Agregar(cortes, e.MomentoPosMax.valor, e.MomentoPosMax.x, true, longitud);
        Agregar(cortes, e.MomentoNegMax.valor, e.MomentoNegMax.x, false, longitud);
    } else {
        Agregar(cortes, a.MomentoPosMax, a.Posiciones.MomentoPosMax, true, longitud);
        Agregar(cortes, a.MomentoNegMax, a.Posiciones.MomentoNegMax, false, longitud);
    }
    return cortes;
}

std::vector<BarraDespiece> BarrasEn(const DespieceViga& d, double x) {
    std::vector<BarraDespiece> r;
    for (const BarraDespiece& b : d.barras) {
        if (b.cantidad > 0 && b.desde <= x + kTolerancia && b.hasta >= x - kTolerancia) {
            r.push_back(b);
        }
    }
    return r;
}

void DibujarSeccion(const DatosViga& datos, const DespieceViga& d, const ContornoSeccion& s,
                    const CorteSeccion& c, PuntoCm origen, double escala, double alturaTexto,
                    Dibujo& dibujo) {
    const auto P = [&](double x, double y) {
        return PuntoCm{origen.x + escala * x, origen.y + escala * y};
    };
    // Outline of the concrete.
    PolilineaDibujo contorno{"CONTORNO", {}, true};
    for (std::size_t i = 0; i < s.x.size(); ++i) contorno.puntos.push_back(P(s.x[i], s.y[i]));
    dibujo.polilineas.push_back(contorno);

    // The closed stirrup inside the web, its centreline at clear cover + half its bar.
    const double rl = datos.opciones.recubrimientoLibre;
    const double de = Diametro(FilaEstribo(datos, d));
    const double e0 = rl + de / 2;
    dibujo.polilineas.push_back(
        {"ESTRIBOS",
         {P(s.almaDesde + e0, e0), P(s.almaHasta - e0, e0), P(s.almaHasta - e0, s.alto - e0),
          P(s.almaDesde + e0, s.alto - e0)},
         true});

    // Every bar present, each layer of each face spread across the web
    // between the stirrup legs: the bars that run the whole beam at the
    // corners, then the largest.
    const std::vector<BarraDespiece> presentes = BarrasEn(d, c.x);
    for (const bool inferior : {true, false}) {
        std::string leyenda;
        for (const int capa : {1, 2}) {
            struct Circulo {
                bool corrida;  // runs the whole beam: a corner bar that holds the stirrup
                double diametro, y;
            };
            std::vector<Circulo> barras;
            for (const BarraDespiece& b : presentes) {
                if (b.inferior != inferior || b.capa != capa) continue;
                const double y = AlturaBarra(datos, d, b, s.alto);
                const bool corrida = b.funcion != FuncionBarra::Corte;
                for (int k = 0; k < b.cantidad; ++k) {
                    barras.push_back({corrida, Diametro(b.diametro), y});
                }
                leyenda += (leyenda.empty() ? "" : " + ") + std::to_string(b.cantidad) + " Ø " +
                           NombreDiametro(b.diametro) + " (" + std::to_string(b.marca) + ")";
            }
            if (barras.empty()) continue;
            std::stable_sort(barras.begin(), barras.end(), [](const auto& p, const auto& q) {
                return p.corrida != q.corrida ? p.corrida : p.diametro > q.diametro;
            });
            const std::size_t n = barras.size();
            double mayor = 0;
            for (const Circulo& b : barras) mayor = std::max(mayor, b.diametro);
            const double x0 = s.almaDesde + rl + de + mayor / 2;
            const double x1 = s.almaHasta - rl - de - mayor / 2;
            for (std::size_t i = 0; i < n; ++i) {
                // Alternately from the left and the right corner inwards.
                const std::size_t hueco = i % 2 == 0 ? i / 2 : n - 1 - i / 2;
                const double x =
                    n == 1 ? (x0 + x1) / 2 : x0 + (x1 - x0) * static_cast<double>(hueco) / (n - 1);
                dibujo.circulos.push_back(
                    {"BARRAS", P(x, barras[i].y), escala * barras[i].diametro / 2});
            }
        }
        if (leyenda.empty()) continue;
        // The bars of each face named under (bottom) or over (top) the section.
        const double y = inferior ? -2.0 * alturaTexto : escala * s.alto + 1.0 * alturaTexto;
        dibujo.textos.push_back({"TEXTOS",
                                 {origen.x + escala * s.ancho / 2, origen.y + y},
                                 alturaTexto * 0.8,
                                 leyenda,
                                 AlineacionTexto::Centro});
    }

    // Size of the section and its title.
    dibujo.textos.push_back({"COTAS",
                             {origen.x + escala * s.ancho / 2, origen.y - 3.5 * alturaTexto},
                             alturaTexto * 0.8,
                             AnchoSeccion(s),
                             AlineacionTexto::Centro});
    dibujo.textos.push_back(
        {"COTAS",
         {origen.x + escala * s.ancho + alturaTexto, origen.y + escala * s.alto / 2},
         alturaTexto * 0.8,
         "h = " + texto::FormatoDecimales(s.alto, 0, 2) + " cm",
         AlineacionTexto::Izquierda});
    const double yTitulo = origen.y + escala * s.alto + 3.0 * alturaTexto;
    dibujo.textos.push_back({"TEXTOS",
                             {origen.x + escala * s.ancho / 2, yTitulo + 1.5 * alturaTexto},
                             alturaTexto,
                             "Sección " + c.letra + "-" + c.letra + " (x = " + Metros(c.x) + " m)",
                             AlineacionTexto::Centro});
    dibujo.textos.push_back({"TEXTOS",
                             {origen.x + escala * s.ancho / 2, yTitulo},
                             alturaTexto * 0.8,
                             "(ampliada " + texto::FormatoDecimales(escala, 0, 2) + " veces)",
                             AlineacionTexto::Centro});
}

}  // namespace korvex
