#include "model/Estado.h"

#include <algorithm>

namespace korvex {

namespace {

void VaciarTabla(EstadoProyecto& e) {
    e.NumCargas = 0;
    e.Cargas.assign(1, Carga{});
}

}  // namespace

const char* PalabraTipoCarga(float tipo) {
    if (tipo == kPuntual) return "Puntual";
    if (tipo == kDistribuida) return "Distribuida";
    if (tipo == kMomento) return "Momento";
    return "";
}

const char* PalabraCategoria(float categoria) {
    if (categoria == kViva) return "Viva";
    if (categoria == kMuerta) return "Muerta";
    if (categoria == kOtros) return "Otros";
    return "";
}

void ReiniciarCargas(EstadoProyecto& e) {
    VaciarTabla(e);
    e.LuzViga = 0;
    e.DistJ = 0;
    e.DistK = 0;
}

void ReiniciarGeneral(EstadoProyecto& e) {
    ReiniciarCargas(e);
    e.AlternanciaViva = false;
    e.Norma = EstadoProyecto{}.Norma;
    e.VivaSostenida = 0;
    e.Estribo = DiametroEstribo::SinElegir;
    e.RecubrimientoLibre = kRecubrimientoLibre;
    e.BarrasInferior.reset();
    e.BarrasSuperior.reset();
}

bool AgregarCarga(EstadoProyecto& e, const Carga& c, std::string* mensaje) {
    if (e.NumCargas >= kMaxCargas) {
        if (mensaje) {
            *mensaje = "La tabla de cargas está llena: no se admiten más de 32767 cargas.";
        }
        return false;
    }
    e.Cargas.resize(static_cast<size_t>(e.NumCargas) + 1);
    e.Cargas.push_back(c);
    ++e.NumCargas;
    return true;
}

void CompactarCargas(EstadoProyecto& e) {
    std::vector<Carga> quedan(1);
    for (int i = 1; i <= e.NumCargas && i < static_cast<int>(e.Cargas.size()); ++i) {
        if (e.Cargas[i].Tipo != 0) quedan.push_back(e.Cargas[i]);
    }
    e.NumCargas = static_cast<int>(quedan.size()) - 1;
    e.Cargas = std::move(quedan);
}

namespace {

bool Codigo(float v) {
    return v == 1.0f || v == 2.0f || v == 3.0f;
}

}  // namespace

DatosViga VigaDe(const EstadoProyecto& e) {
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
    return d;
}

PropiedadesSeccion PropiedadesDe(const EstadoProyecto& e) {
    return PropiedadesSeccion{e.AreaSeccion, e.InerciaSeccion, e.AnchoRectangulo,
                              e.ModuloElasticidad};
}

}  // namespace korvex
