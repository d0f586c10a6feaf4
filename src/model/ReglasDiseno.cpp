#include "model/ReglasDiseno.h"

#include "model/Estado.h"

namespace korvex {

double CombinacionCargas::Factor(float categoria) const {
    if (categoria == kViva) return viva;
    if (categoria == kMuerta) return muerta;
    return otros;  // "Otros" and any other category
}

double CombinacionCargas::Factor(CategoriaCarga categoria) const {
    if (categoria == CategoriaCarga::Viva) return viva;
    if (categoria == CategoriaCarga::Muerta) return muerta;
    return otros;  // "Otros" and any other category
}

std::string Sustituir(std::string t,
                      const std::vector<std::pair<std::string_view, std::string>>& valores) {
    for (const auto& [nombre, valor] : valores) {
        const std::string marca = "{" + std::string(nombre) + "}";
        for (std::size_t i = t.find(marca); i != std::string::npos;
             i = t.find(marca, i + valor.size())) {
            t.replace(i, marca.size(), valor);
        }
    }
    return t;
}

}  // namespace korvex
