#include "project/DatosProyecto.h"

#include "text/Numeros.h"

namespace korvex {

namespace {

float Campo(const std::string& t) {
    return static_cast<float>(texto::NumeroCampo(t));
}

}  // namespace

FormaSeccion FormaDe(const std::string& clave) {
    if (clave == kVigaRect) return FormaSeccion::Rectangular;
    if (clave == kVigaT) return FormaSeccion::T;
    if (clave == kVigaTi) return FormaSeccion::TInvertida;
    return FormaSeccion::SinDefinir;
}

DatosViga DatosVigaDe(const Proyecto& p) {
    const EstadoProyecto& e = p.estado;
    DatosViga d = VigaDe(e);

    const Seccion& s = p.seccion;
    d.seccion.forma = FormaDe(s.TipoViga);
    if (d.seccion.forma != FormaSeccion::SinDefinir) {
        d.seccion.b = Campo(s.txtB);
        d.seccion.h = Campo(s.txtH);
        if (d.seccion.forma != FormaSeccion::Rectangular) {
            d.seccion.bw = Campo(s.txtBw);
            d.seccion.hw = Campo(s.txtHw);
        }
    }

    const Materiales& m = p.materiales;
    if (!m.txtFc.empty()) d.materiales.fc = texto::NumeroCampo(m.txtFc);
    d.materiales.fy = texto::NumeroCampo(m.cboFy);
    d.materiales.recubrimiento = texto::NumeroCampo(m.txtRec);

    d.opciones.alternancia = e.AlternanciaViva;
    d.opciones.norma = e.Norma;
    d.opciones.vivaSostenida = e.VivaSostenida;
    d.opciones.estribo = e.Estribo;
    d.opciones.recubrimientoLibre = e.RecubrimientoLibre;
    d.opciones.barrasInferior = e.BarrasInferior;
    d.opciones.barrasSuperior = e.BarrasSuperior;
    d.opciones.usoDeflexion = m.UsoDeflexion;
    return d;
}

}  // namespace korvex
