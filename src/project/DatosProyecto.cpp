#include "project/DatosProyecto.h"

#include "text/Numeros.h"

namespace korvex {

namespace {

float Campo(const std::string& t) {
    return static_cast<float>(texto::NumeroCampo(t));
}

bool Codigo(float v) {
    return v == 1.0f || v == 2.0f || v == 3.0f;
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
    DatosViga d;
    d.longitud = e.LuzViga;
    d.apoyos = {e.DistJ, e.DistK};

    const int n = std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1);
    d.cargas.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 1; i <= n; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        if (!Codigo(c.Tipo) || !Codigo(c.Categoria)) continue;
        d.cargas.push_back({static_cast<TipoCarga>(static_cast<int>(c.Tipo)),
                            static_cast<CategoriaCarga>(static_cast<int>(c.Categoria)), c.A, c.B,
                            c.C, c.P1, c.P2, c.Fin});
    }

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
    d.opciones.usoDeflexion = m.UsoDeflexion;
    return d;
}

PropiedadesSeccion PropiedadesDe(const EstadoProyecto& e) {
    return PropiedadesSeccion{e.AreaSeccion, e.InerciaSeccion, e.AnchoRectangulo,
                              e.ModuloElasticidad};
}

}  // namespace korvex
