// The bars of each face as JSON (key "armado" of korvex --calcular --json).
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "model/ArmadoResultado.h"

namespace korvex::lote {

// One object per face: {"cara": "inferior"|"superior", "barras": [{"cantidad",
// "diametro": "5/8", "capa": 1|2}], "separacionLibre" (cm), "dSupuesto" (cm),
// "dReal" (cm), "phiMn" (Tn.m), "Mu" (Tn.m), "cumple"}, and besides: "estado",
// "usuario", "aviso" (when there is one), the areas, the compression bars
// and the crack control "fisuracion".
nlohmann::ordered_json JsonArmado(const std::vector<ArmadoCara>& caras);

}  // namespace korvex::lote
