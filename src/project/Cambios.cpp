#include "project/Cambios.h"

#include <algorithm>
#include <cstddef>

namespace korvex {

namespace {

// The loads of the table, 1..NumCargas, as far as the table holds them.
std::size_t Cuantas(const EstadoProyecto& e) {
    const long tabla = static_cast<long>(e.Cargas.size()) - 1;
    return static_cast<std::size_t>(std::max(0L, std::min<long>(e.NumCargas, tabla)));
}

}  // namespace

DatosProyecto DatosDe(const Proyecto& p) {
    const EstadoProyecto& e = p.estado;
    DatosProyecto d;
    d.txtFc = p.materiales.txtFc;
    d.cboFy = p.materiales.cboFy;
    d.txtRec = p.materiales.txtRec;
    d.TipoViga = p.seccion.TipoViga;
    d.txtB = p.seccion.txtB;
    d.txtH = p.seccion.txtH;
    d.txtBw = p.seccion.txtBw;
    d.txtHw = p.seccion.txtHw;
    d.LuzViga = e.LuzViga;
    d.DistJ = e.DistJ;
    d.DistK = e.DistK;
    if (const std::size_t n = Cuantas(e); n > 0) {
        d.Cargas.assign(e.Cargas.begin() + 1,
                        e.Cargas.begin() + 1 + static_cast<std::ptrdiff_t>(n));
    }
    d.AlternanciaViva = e.AlternanciaViva;
    d.Norma = e.Norma;
    d.VivaSostenida = e.VivaSostenida;
    d.Estribo = e.Estribo;
    d.RecubrimientoLibre = e.RecubrimientoLibre;
    d.BarrasInferior = e.BarrasInferior;
    d.BarrasSuperior = e.BarrasSuperior;
    return d;
}

bool Cambiado(const DatosProyecto& b, const Proyecto& p) {
    const EstadoProyecto& e = p.estado;
    const Materiales& m = p.materiales;
    const Seccion& s = p.seccion;
    if (b.txtFc != m.txtFc || b.cboFy != m.cboFy || b.txtRec != m.txtRec) return true;
    if (b.TipoViga != s.TipoViga || b.txtB != s.txtB || b.txtH != s.txtH || b.txtBw != s.txtBw ||
        b.txtHw != s.txtHw) {
        return true;
    }
    if (b.LuzViga != e.LuzViga || b.DistJ != e.DistJ || b.DistK != e.DistK) return true;
    if (b.AlternanciaViva != e.AlternanciaViva || b.Norma != e.Norma ||
        b.VivaSostenida != e.VivaSostenida || b.Estribo != e.Estribo ||
        b.RecubrimientoLibre != e.RecubrimientoLibre || b.BarrasInferior != e.BarrasInferior ||
        b.BarrasSuperior != e.BarrasSuperior) {
        return true;
    }
    const std::size_t n = Cuantas(e);
    if (b.Cargas.size() != n) return true;
    return n > 0 && !std::equal(b.Cargas.begin(), b.Cargas.end(), e.Cargas.begin() + 1);
}

DatosCalculados DatosCalculadosDe(const Proyecto& p) {
    return {DatosDe(p), p.materiales.UsoDeflexion};
}

bool Desactualizado(const DatosCalculados& c, const Proyecto& p) {
    return c.UsoDeflexion != p.materiales.UsoDeflexion || Cambiado(c.datos, p);
}

}  // namespace korvex
