#include "project/Historial.h"

#include <algorithm>
#include <cstddef>

namespace korvex {

namespace {

std::string Numero(std::size_t i) {
    return std::to_string(i + 1);  // loads are numbered from 1 in the table
}

// The step of a change of the load table. Emptied: the load window's reset,
// or the deletion of its only load.
std::string PasoCargas(const std::vector<Carga>& a, const std::vector<Carga>& d) {
    if (d.empty() && a.size() > 1) return "Limpiar cargas";
    const auto primera = [&] {
        const auto [ia, id] = std::mismatch(a.begin(), a.end(), d.begin(), d.end());
        return static_cast<std::size_t>(ia - a.begin());
    };
    if (d.size() == a.size() + 1 && std::equal(a.begin(), a.end(), d.begin())) {
        return "Agregar carga";
    }
    if (d.size() + 1 == a.size()) {
        const std::size_t i = primera();
        // Only that one row went; the others kept their order.
        if (std::equal(d.begin() + static_cast<std::ptrdiff_t>(i), d.end(),
                       a.begin() + static_cast<std::ptrdiff_t>(i) + 1)) {
            return "Borrar carga " + Numero(i);
        }
    }
    if (d.size() == a.size()) {
        const std::size_t i = primera();
        if (std::equal(a.begin() + static_cast<std::ptrdiff_t>(i) + 1, a.end(),
                       d.begin() + static_cast<std::ptrdiff_t>(i) + 1)) {
            return "Modificar carga " + Numero(i);
        }
    }
    return "Cambiar cargas";
}

}  // namespace

PasoHistorial NombrarPaso(const DatosCalculados& antes, const DatosCalculados& despues) {
    const DatosProyecto& a = antes.datos;
    const DatosProyecto& d = despues.datos;
    if (a.Cargas != d.Cargas) {
        return {PasoCargas(a.Cargas, d.Cargas), false};
    }
    if (a.txtFc != d.txtFc) return {"Cambiar f'c", true};
    if (a.cboFy != d.cboFy) return {"Cambiar fy", true};
    if (a.txtRec != d.txtRec) return {"Cambiar recubrimiento", true};
    if (a.TipoViga != d.TipoViga || a.txtB != d.txtB || a.txtH != d.txtH || a.txtBw != d.txtBw ||
        a.txtHw != d.txtHw) {
        return {"Cambiar sección", true};
    }
    if (a.LuzViga != d.LuzViga) return {"Cambiar longitud de la viga", true};
    if (a.DistJ != d.DistJ || a.DistK != d.DistK) return {"Cambiar apoyos", true};
    if (a.AlternanciaViva != d.AlternanciaViva)
        return {"Cambiar alternancia de la carga viva", false};
    if (a.Norma != d.Norma) return {"Cambiar norma de diseño", false};
    if (a.VivaSostenida != d.VivaSostenida) return {"Cambiar carga viva sostenida", true};
    if (a.RecubrimientoLibre != d.RecubrimientoLibre) return {"Cambiar recubrimiento libre", true};
    if (a.BarrasInferior != d.BarrasInferior)
        return {"Cambiar varillas de la cara inferior", false};
    if (a.BarrasSuperior != d.BarrasSuperior)
        return {"Cambiar varillas de la cara superior", false};
    if (antes.UsoDeflexion != despues.UsoDeflexion) return {"Cambiar uso", false};
    return {};
}

void RestaurarDatos(Proyecto& p, const Proyecto& foto) {
    const EstadoProyecto calculo = p.estado;
    p = foto;
    EstadoProyecto& e = p.estado;
    e.PeralteEfectivo = calculo.PeralteEfectivo;
    e.XAnalisis = calculo.XAnalisis;
    e.Combinacion = calculo.Combinacion;
    e.CortanteDer = calculo.CortanteDer;
    e.MomentoDer = calculo.MomentoDer;
    e.CortanteIzq = calculo.CortanteIzq;
    e.MomentoIzq = calculo.MomentoIzq;
    e.Giro = calculo.Giro;
    e.Flecha = calculo.Flecha;
    e.MomentoServicio = calculo.MomentoServicio;
}

}  // namespace korvex
