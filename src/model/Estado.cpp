#include "model/Estado.h"

namespace korvex {

namespace {

void VaciarTabla(EstadoProyecto& e) {
    e.NumCargas = 0;
    e.Cargas.assign(1, Carga{});
}

void AnularExtremosCortanteMomento(EstadoProyecto& e) {
    e.CortanteMaxAbs = 0;
    e.CortanteMax = 0;
    e.CortanteMin = 0;
    e.MomentoNegMax = 0;
    e.MomentoPosMax = 0;
    e.MomentoMaxAbs = 0;
}

void AnularAceros(EstadoProyecto& e) {
    e.AsTraccionPos = 0;
    e.AsCompresionPos = 0;
    e.AsTraccionNeg = 0;
    e.AsCompresionNeg = 0;
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
}

void IniciarCalculo(EstadoProyecto& e) {
    AnularExtremosCortanteMomento(e);
    e.FlechaMax = 0;
    e.GiroMax = 0;
    e.Posiciones = PosicionExtremos{};
    e.FlechaEfectiva = 0;
    e.CortanteDer = 0;
    e.MomentoDer = 0;
    e.CortanteIzq = 0;
    e.MomentoIzq = 0;
    e.InerciaEfectivaPos = 0;
    e.InerciaEfectivaNeg = 0;
    AnularAceros(e);
    e.Envolvente = EnvolventeViva{};
    e.Pasos = PasosCalculo{};
    e.AvisoAlternancia.clear();
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

}  // namespace korvex
