#include "batch/JsonArmado.h"

#include "batch/Texto.h"
#include "design/Armado.h"

namespace korvex::lote {

namespace {

using Json = nlohmann::ordered_json;

constexpr double kKgcmATnm = 1.0 / 100000;  // Kgr.cm -> Tn.m

const char* NombreEstado(EstadoArmado e) {
    switch (e) {
        case EstadoArmado::Aceptado:
            return "aceptado";
        case EstadoArmado::SinArreglo:
            return "sinArreglo";
        case EstadoArmado::NoCabe:
            return "noCabe";
        case EstadoArmado::Insuficiente:
            return "insuficiente";
        case EstadoArmado::Invalido:
            return "invalido";
    }
    return "";
}

Json Barras(const std::vector<GrupoBarras>& g) {
    Json a = Json::array();
    for (const GrupoBarras& x : g) {
        const bool fila = x.diametro >= 0 && x.diametro < 4;
        a.push_back({{"cantidad", x.cantidad},
                     {"diametro", fila ? kNombreVarilla[static_cast<std::size_t>(x.diametro)] : ""},
                     {"capa", x.capa}});
    }
    return a;
}

const char* Nombre(int fila) {
    return fila >= 0 && fila < 4 ? kNombreVarilla[static_cast<std::size_t>(fila)] : "";
}

const char* NombreFuncion(FuncionBarra f) {
    switch (f) {
        case FuncionBarra::Corrida:
            return "corrida";
        case FuncionBarra::Corte:
            return "corte";
        case FuncionBarra::Compresion:
            return "compresion";
        case FuncionBarra::Portaestribos:
            return "portaestribos";
    }
    return "";
}

}  // namespace

Json JsonDespiece(const DespieceViga& d) {
    Json a = Json::array();
    for (const BarraDespiece& b : d.barras) {
        a.push_back({{"marca", b.marca},
                     {"cara", b.inferior ? "inferior" : "superior"},
                     {"cantidad", b.cantidad},
                     {"diametro", Nombre(b.diametro)},
                     {"desde", NumeroJson(b.desde)},
                     {"hasta", NumeroJson(b.hasta)},
                     {"longitud", NumeroJson(b.longitud)},
                     {"funcion", NombreFuncion(b.funcion)},
                     {"capa", b.capa},
                     {"ganchos", {NumeroJson(b.ganchoDesde), NumeroJson(b.ganchoHasta)}}});
    }
    return a;
}

Json JsonDespieceEstribos(const DespieceViga& d) {
    Json a = Json::array();
    for (const EstriboDespiece& e : d.estribos) {
        a.push_back({{"marca", e.marca},
                     {"cantidad", e.cantidad},
                     {"diametro", Nombre(e.diametro)},
                     {"longitud", NumeroJson(e.longitud)},
                     {"ancho", NumeroJson(e.ancho)},
                     {"alto", NumeroJson(e.alto)},
                     {"gancho", NumeroJson(e.gancho)}});
    }
    return a;
}

Json JsonArmado(const std::vector<ArmadoCara>& caras) {
    Json a = Json::array();
    for (const ArmadoCara& c : caras) {
        Json j;
        j["cara"] = c.inferior ? "inferior" : "superior";
        j["barras"] = Barras(c.barras);
        j["separacionLibre"] = NumeroJson(c.separacionLibre);
        j["dSupuesto"] = NumeroJson(c.dSupuesto);
        j["dReal"] = NumeroJson(c.dReal);
        j["phiMn"] = NumeroJson(c.phiMn * kKgcmATnm);
        j["Mu"] = NumeroJson(c.Mu * kKgcmATnm);
        j["cumple"] = c.cumple;
        j["estado"] = NombreEstado(c.estado);
        j["usuario"] = c.usuario;
        if (!c.aviso.empty()) j["aviso"] = c.aviso;
        j["AsSupuesto"] = NumeroJson(c.AsSupuesto);
        j["AsReal"] = NumeroJson(c.AsReal);
        j["AsProvisto"] = NumeroJson(c.AsProvisto);
        if (!c.compresion.empty()) {
            j["compresion"] = Barras(c.compresion);
            j["AscRequerido"] = NumeroJson(c.AscRequerido);
            j["AscProvisto"] = NumeroJson(c.AscProvisto);
            j["dpReal"] = NumeroJson(c.dpReal);
        }
        j["fisuracion"] = {{"separacion", NumeroJson(c.separacion)},
                           {"separacionMaxima", NumeroJson(c.fisuracion.sMax)},
                           {"fs", NumeroJson(c.fisuracion.fs)},
                           {"cumple", c.fisuracionCumple}};
        a.push_back(j);
    }
    return a;
}

}  // namespace korvex::lote
