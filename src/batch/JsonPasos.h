// The record of the steps of a calculation as JSON (key "pasos" of
// korvex --calcular --json): the values the design computed, under the names
// of the record (model/Pasos.h), Singles as their shortest decimal form.
#pragma once

#include <nlohmann/json.hpp>

#include "model/Pasos.h"

namespace korvex::lote {

nlohmann::ordered_json JsonPasos(const PasosCalculo& p);

// The deflection check of one zone: {"zona", "longitud", "luzReferencia",
// "flecha" (the value compared, m), "admisible" (m, not rounded), "cumple"}.
nlohmann::ordered_json JsonZonaDeflexion(const PasoZonaDeflexion& z);

// The factored reactions over the live-load arrangements:
// {"J": {"max", "min", "vivasMax": [l, s, r], "vivasMin": [...]}, "K": {...}}.
nlohmann::ordered_json JsonReacciones(const PasoReacciones& r);

}  // namespace korvex::lote
