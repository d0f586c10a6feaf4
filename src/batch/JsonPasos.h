// The record of the steps of a calculation as JSON (key "pasos" of
// korvex --calcular --json): the values the design computed, under the names
// of the record (model/Pasos.h), Singles as their shortest decimal form.
#pragma once

#include <nlohmann/json.hpp>

#include "model/Pasos.h"

namespace korvex::lote {

nlohmann::ordered_json JsonPasos(const PasosCalculo& p);

}  // namespace korvex::lote
