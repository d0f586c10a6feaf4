// The bars of each face as JSON (key "armado" of korvex --calcular --json).
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "model/ArmadoResultado.h"
#include "model/DespieceResultado.h"

namespace korvex::lote {

// One object per face: {"cara": "inferior"|"superior", "barras": [{"cantidad",
// "diametro": "5/8", "capa": 1|2}], "separacionLibre" (cm), "dSupuesto" (cm),
// "dReal" (cm), "phiMn" (Tn.m), "Mu" (Tn.m), "cumple"}, and besides: "estado",
// "usuario", "aviso" (when there is one), the areas, the compression bars
// and the crack control "fisuracion".
nlohmann::ordered_json JsonArmado(const std::vector<ArmadoCara>& caras);

// The bars of the schedule (key "despiece"): {"marca", "cara", "cantidad",
// "diametro", "desde" (m), "hasta" (m), "longitud" (m)} and besides
// "funcion", "capa" and the hooks "ganchos" (cm at each end).
nlohmann::ordered_json JsonDespiece(const DespieceViga& d);

// The stirrups of the schedule (key "despieceEstribos"): {"marca",
// "cantidad", "diametro", "longitud" (m)} and besides "ancho", "alto" and
// "gancho" (cm).
nlohmann::ordered_json JsonDespieceEstribos(const DespieceViga& d);

}  // namespace korvex::lote
