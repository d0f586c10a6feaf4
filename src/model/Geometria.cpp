#include "model/Geometria.h"

#include <string>

#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr float kHolgura = 1e-4f;  // m: 0.1 mm, far below the centimetre of the length

std::string Metros(float x) {
    return texto::Formato(x, "###,##0.00") + " m";
}

Mensaje Rechazo(std::string texto) {
    return {std::move(texto), "Distancia Incorrecta", kEstiloCritico};
}

}  // namespace

GeometriaViga GeometriaDe(const EstadoProyecto& e) {
    return {e.LuzViga, e.DistJ, e.DistK};
}

std::optional<Mensaje> GeometriaRechazada(const EstadoProyecto& e, const GeometriaViga& g) {
    if (!(g.L > 0)) {
        return Rechazo("La viga tiene cargas: su longitud L debe ser mayor que 0 m.");
    }
    if (!(g.J >= 0) || !(g.J < g.K)) {
        return Rechazo("El 1er apoyo debe quedar antes del 2do (j = " + Metros(g.J) +
                       ", k = " + Metros(g.K) + ").");
    }
    if (g.K > g.L + kHolgura) {
        return Rechazo("El 2do apoyo quedaría fuera de la viga (k = " + Metros(g.K) +
                       " > L = " + Metros(g.L) + ").");
    }
    for (int i = 1; i <= e.NumCargas && i < static_cast<int>(e.Cargas.size()); ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        const bool distribuida = c.Tipo == kDistribuida;
        const float extremo = distribuida ? c.Fin : c.A;  // m, the farthest point of the load
        if (extremo > g.L + kHolgura) {
            return Rechazo("La carga " + std::to_string(i) + " quedaría fuera de la viga (" +
                           (distribuida ? "termina en x = " : "x = ") + Metros(extremo) +
                           " > L = " + Metros(g.L) + ").");
        }
    }
    return std::nullopt;
}

void FijarGeometria(EstadoProyecto& e, const GeometriaViga& g) {
    e.LuzViga = g.L;
    e.DistJ = g.J;
    e.DistK = g.K;
    for (int i = 1; i <= e.NumCargas && i < static_cast<int>(e.Cargas.size()); ++i) {
        Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        c.C = static_cast<float>(static_cast<double>(g.L) - c.A - c.B);
    }
}

}  // namespace korvex
