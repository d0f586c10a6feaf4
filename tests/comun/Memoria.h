// The calculation report as plain texts, one per block: a heading or a
// paragraph, a table row (its cells joined by `separador`), a formula step
// (symbols, substitution and result joined by a blank), each legend line of
// the section figure. The diagrams have none.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "project/Memoria.h"

namespace korvex::pruebas {

inline std::vector<std::string> TextosMemoria(const std::vector<Bloque>& bloques,
                                              const std::string& separador) {
    std::vector<std::string> t;
    for (const Bloque& b : bloques) {
        if (auto* e = std::get_if<Encabezado>(&b)) t.push_back(TextoPlano(e->texto));
        if (auto* p = std::get_if<Parrafo>(&b)) t.push_back(TextoPlano(p->texto));
        if (auto* f = std::get_if<FormulaMemoria>(&b)) {
            t.push_back(TextoPlano(f->simbolos + " " + f->sustitucion + " " + f->resultado));
        }
        if (auto* f = std::get_if<FiguraSeccion>(&b)) {
            for (const std::string& l : f->leyenda) t.push_back(TextoPlano(l));
        }
        if (auto* x = std::get_if<TablaMemoria>(&b)) {
            for (const auto& fila : x->filas) {
                std::string s;
                for (const std::string& c : fila) s += (s.empty() ? "" : separador) + TextoPlano(c);
                t.push_back(s);
            }
        }
    }
    return t;
}

}  // namespace korvex::pruebas
