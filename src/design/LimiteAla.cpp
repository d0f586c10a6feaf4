#include "design/LimiteAla.h"

#include <string>

#include "text/Numeros.h"

namespace korvex {

Mensaje MensajeBfMax(float bfMax) {
    return {"La dimension bf de la viga tiene que ser menor o igual que " +
                texto::TextoSimple(bfMax) +
                ". Para poder intruducir una mayor dimensión de bf debe aumentar bw, hf o ambos",
            "Dimensión insuficiente", kEstiloCritico};
}

std::optional<Mensaje> VerificarBfMax(const ReglasDiseno& reglas, const Seccion& s, float b,
                                      float LuzViga) {
    const float limite = BfMax(reglas, s, LuzViga);
    if (b > limite) return MensajeBfMax(limite);
    return std::nullopt;
}

}  // namespace korvex
