#include "project/DibujoDespiece.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "design/ZonasEstribos.h"
#include "project/CuadroDespiece.h"
#include "project/DibujoSecciones.h"
#include "project/GeometriaDespiece.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kMCm = 100.0;         // m -> cm
constexpr double kDesfaseMarca = 0.8;  // cm, between marks of one face and layer in the elevation
constexpr double kToleranciaApoyo = 1e-3;  // m, a zone that starts or ends at a support

std::string Metros(double x) {
    return texto::FormatoDecimales(x, 2, 2);
}

bool Finito(const BarraDespiece& b) {
    return std::isfinite(b.desde) && std::isfinite(b.hasta) && std::isfinite(b.ganchoDesde) &&
           std::isfinite(b.ganchoHasta) && std::isfinite(b.longitud) && b.hasta > b.desde &&
           b.cantidad > 0;
}

// The layout of the drawing: text height and the rows of texts below and
// above the elevation.
struct Maqueta {
    double L = 0, H = 0;  // cm
    double texto = 5;     // cm, height of a text
    double apoyo = 4;     // cm, height of the triangle of a support
    double FilaInferior(int i) const { return -apoyo - 2.0 * texto - 2.0 * texto * i; }
    double FilaSuperior(int i) const { return H + 2.0 * texto + 2.0 * texto * i; }
};

void Capas(Dibujo& d) {
    d.capas = {{"CONTORNO", 7}, {"APOYOS", 8}, {"BARRAS", 1}, {"ESTRIBOS", 3},
               {"COTAS", 2},    {"TEXTOS", 7}, {"EJES", 8}};
}

// The beam's outline (the line between web and flange of a T as well), its
// supports as triangles under the bottom face and their axes.
void Elevacion(const DatosViga& datos, const Maqueta& m, Dibujo& d) {
    d.polilineas.push_back({"CONTORNO", {{0, 0}, {m.L, 0}, {m.L, m.H}, {0, m.H}}, true});
    const SeccionViga& s = datos.seccion;
    if (s.forma == FormaSeccion::T || s.forma == FormaSeccion::TInvertida) {
        const double y = s.forma == FormaSeccion::T ? s.hw : s.h;
        d.lineas.push_back({"CONTORNO", {0, y}, {m.L, y}});
    }
    for (const float apoyo : datos.apoyos) {
        if (!std::isfinite(apoyo)) continue;
        const double x = apoyo * kMCm, t = m.apoyo;
        d.polilineas.push_back({"APOYOS", {{x, 0}, {x + t * 0.6, -t}, {x - t * 0.6, -t}}, true});
        d.lineas.push_back({"EJES", {x, -t - 0.5 * m.texto}, {x, m.H + 0.5 * m.texto}});
    }
}

// Each bar of the schedule as a polyline at its height with its hooks as legs
// towards the inside of the beam, its label in a row outside its face and, at
// each end that stops inside the beam, a tick down (up) to that row with its
// abscissa.
void Barras(const DatosViga& datos, const DespieceViga& despiece, const Maqueta& m, Dibujo& d) {
    std::map<std::pair<bool, int>, std::vector<int>> marcas;  // (face, layer) -> marks seen
    int filaInf = 0, filaSup = 0;
    for (const BarraDespiece& b : despiece.barras) {
        if (!Finito(b)) continue;
        std::vector<int>& vistas = marcas[{b.inferior, b.capa}];
        if (std::find(vistas.begin(), vistas.end(), b.marca) == vistas.end()) {
            vistas.push_back(b.marca);
        }
        const double orden =
            static_cast<double>(std::find(vistas.begin(), vistas.end(), b.marca) - vistas.begin());
        const double adentro = b.inferior ? 1.0 : -1.0;  // towards the inside of the beam
        const double y = AlturaBarra(datos, despiece, b, m.H) + adentro * kDesfaseMarca * orden;
        const double x0 = b.desde * kMCm, x1 = b.hasta * kMCm;

        PolilineaDibujo p{"BARRAS", {}, false};
        if (b.ganchoDesde > 0) p.puntos.push_back({x0, y + adentro * b.ganchoDesde});
        p.puntos.push_back({x0, y});
        p.puntos.push_back({x1, y});
        if (b.ganchoHasta > 0) p.puntos.push_back({x1, y + adentro * b.ganchoHasta});
        d.polilineas.push_back(p);

        const double fila = b.inferior ? m.FilaInferior(filaInf++) : m.FilaSuperior(filaSup++);
        d.textos.push_back({"TEXTOS",
                            {(x0 + x1) / 2, fila},
                            m.texto * 0.7,
                            EtiquetaBarra(b),
                            AlineacionTexto::Centro});
        const double margen = 0.3 * m.texto;
        const double pie = b.inferior ? fila - margen : fila + m.texto;  // end of the tick
        const auto corte = [&](double x, double abscisa, bool inicio) {
            d.lineas.push_back({"COTAS", {x, y}, {x, pie}});
            d.textos.push_back({"COTAS",
                                {inicio ? x - margen : x + margen, fila},
                                m.texto * 0.6,
                                "x = " + Metros(abscisa),
                                inicio ? AlineacionTexto::Derecha : AlineacionTexto::Izquierda});
        };
        if (b.reglaDesde != ReglaExtremo::ExtremoViga) corte(x0, b.desde, true);
        if (b.reglaHasta != ReglaExtremo::ExtremoViga) corte(x1, b.hasta, false);
    }
}

bool EnApoyo(const DatosViga& datos, double x) {
    return std::any_of(datos.apoyos.begin(), datos.apoyos.end(),
                       [x](float a) { return std::fabs(a - x) < kToleranciaApoyo; });
}

// Abscissas, m, of the stirrups of a zone: from 5 cm off a support the zone
// starts or ends at, stepping its spacing; spread evenly along a zone that
// touches no support (or whose spacing would overrun it).
std::vector<double> Estribos(const DatosViga& datos, const ZonaEstribos& z) {
    std::vector<double> x;
    const int n = z.cantidad;
    const double s = z.separacion / kMCm, largo = z.hasta - z.desde;
    if (n <= 0 || !(largo > 0) || !std::isfinite(largo)) return x;
    const double alcance = kPrimerEstribo + (n - 1) * s;
    const bool cabe = alcance <= largo + kToleranciaApoyo;
    const bool izq = EnApoyo(datos, z.desde), der = EnApoyo(datos, z.hasta);
    for (int k = 0; k < n; ++k) {
        if (cabe && izq) {
            x.push_back(z.desde + kPrimerEstribo + k * s);
        } else if (cabe && der) {
            x.push_back(z.hasta - kPrimerEstribo - (n - 1 - k) * s);
        } else {
            x.push_back(z.desde + (k + 0.5) * largo / n);
        }
    }
    return x;
}

// One vertical line per stirrup; under the bar rows, each zone's extent as a
// dimension with its label "27 Ø 3/8\" @ 23 cm", then the first stirrup's
// distance and the stirrup's shape.
void Estribos(const DatosViga& datos, const std::vector<ZonaEstribos>& zonas,
              const DespieceViga& despiece, const Maqueta& m, int filasInferiores, Dibujo& d) {
    if (zonas.empty()) return;
    const int fila = FilaEstribo(datos, despiece);
    const double e0 = datos.opciones.recubrimientoLibre + Diametro(fila) / 2;
    const double y = m.FilaInferior(filasInferiores) - 0.5 * m.texto;
    const double tick = 0.4 * m.texto;
    for (const ZonaEstribos& z : zonas) {
        if (!std::isfinite(z.desde) || !std::isfinite(z.hasta)) continue;
        for (const double x : Estribos(datos, z)) {
            d.lineas.push_back({"ESTRIBOS", {x * kMCm, e0}, {x * kMCm, m.H - e0}});
        }
        const double x0 = z.desde * kMCm, x1 = z.hasta * kMCm;
        d.lineas.push_back({"COTAS", {x0, y}, {x1, y}});
        d.lineas.push_back({"COTAS", {x0, y - tick}, {x0, y + tick}});
        d.lineas.push_back({"COTAS", {x1, y - tick}, {x1, y + tick}});
        d.textos.push_back({"TEXTOS",
                            {(x0 + x1) / 2, y + 0.3 * m.texto},
                            m.texto * 0.6,
                            std::to_string(z.cantidad) + " Ø " + NombreDiametro(fila) + " @ " +
                                std::to_string(z.separacion) + " cm",
                            AlineacionTexto::Centro});
    }
    std::string nota = "Primer estribo a " + texto::FormatoDecimales(kPrimerEstribo * kMCm, 0, 1) +
                       " cm de cada apoyo";
    if (!despiece.estribos.empty()) {
        const EstriboDespiece& e = despiece.estribos.front();
        nota += "; estribo cerrado Ø " + NombreDiametro(fila) + " de " +
                texto::FormatoDecimales(e.ancho, 0, 1) + " x " +
                texto::FormatoDecimales(e.alto, 0, 1) + " cm, L = " + Metros(e.longitud) + " m";
    }
    d.textos.push_back(
        {"TEXTOS", {0, y - 1.5 * m.texto}, m.texto * 0.6, nota, AlineacionTexto::Izquierda});
}

}  // namespace

std::string EtiquetaBarra(const BarraDespiece& b) {
    return "(" + std::to_string(b.marca) + ") " + std::to_string(b.cantidad) + " Ø " +
           NombreDiametro(b.diametro) + " L = " + Metros(b.longitud) + " m";
}

Dibujo DibujoDespiece(const DatosViga& datos, const ResultadoAnalisis& a,
                      const ResultadoDiseno& r) {
    const DespieceViga& despiece = r.Despiece;
    const ContornoSeccion s = Contorno(datos.seccion);
    if (r.DisenoFallido || despiece.barras.empty() || !(s.alto > 0) ||
        !std::isfinite(datos.longitud) || !(datos.longitud > 0) ||
        !std::isfinite(datos.opciones.recubrimientoLibre)) {
        return {};
    }
    Maqueta m;
    m.L = datos.longitud * kMCm;
    m.H = s.alto;
    m.texto = std::clamp(m.L / 100.0, 5.0, 15.0);
    m.apoyo = 0.8 * m.texto;

    Dibujo d;
    Capas(d);
    Elevacion(datos, m, d);
    Barras(datos, despiece, m, d);
    const int inferiores = static_cast<int>(
        std::count_if(despiece.barras.begin(), despiece.barras.end(),
                      [](const BarraDespiece& b) { return b.inferior && Finito(b); }));
    Estribos(datos, r.ZonasEstribos, despiece, m, inferiores, d);
    const int superiores = static_cast<int>(
        std::count_if(despiece.barras.begin(), despiece.barras.end(),
                      [](const BarraDespiece& b) { return !b.inferior && Finito(b); }));
    d.textos.push_back({"TEXTOS",
                        {m.L / 2, m.FilaSuperior(superiores)},
                        m.texto,
                        "Elevación (L = " + Metros(datos.longitud) + " m)",
                        AlineacionTexto::Centro});

    // The cross-sections below the stirrup zones, each marked on the elevation.
    const double ySecciones =
        m.FilaInferior(inferiores) - 6.0 * m.texto - kAmpliacionSeccion * s.alto - 4.0 * m.texto;
    double xLibre = 0;  // cm, first abscissa free of the section drawn before
    for (const CorteSeccion& c : CortesSeccion(a, datos.longitud)) {
        const double xc = c.x * kMCm, ancho = kAmpliacionSeccion * s.ancho;
        d.lineas.push_back({"EJES", {xc, -0.5 * m.texto}, {xc, m.H + 0.5 * m.texto}});
        d.textos.push_back(
            {"TEXTOS", {xc, m.H + 0.7 * m.texto}, m.texto * 0.8, c.letra, AlineacionTexto::Centro});
        d.textos.push_back(
            {"TEXTOS", {xc, -1.5 * m.texto}, m.texto * 0.8, c.letra, AlineacionTexto::Centro});
        const double x0 = std::max(xLibre, xc - ancho / 2);
        DibujarSeccion(datos, despiece, s, c, {x0, ySecciones}, kAmpliacionSeccion, m.texto, d);
        xLibre = x0 + ancho + 12.0 * m.texto;
    }
    DibujarCuadro(despiece, {0, ySecciones - 6.0 * m.texto}, m.texto, d);
    return d;
}

}  // namespace korvex
