// The calculation report as plain texts, one per block: a heading or a
// paragraph, a table row (its cells joined by `separador`), a formula step
// (symbols, substitution and result joined by a blank), each legend line of
// the section figure. The diagrams have none.
#pragma once

#include <cstddef>
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

// The index of the first level-1 heading from `desde` on that ends with
// `nombre` (b.size() without one); the blocks under it up to the next one; the
// level-1 headings.
inline std::size_t IndiceTitulo(const std::vector<Bloque>& b, const std::string& nombre,
                                std::size_t desde = 0) {
    for (std::size_t i = desde; i < b.size(); ++i) {
        auto* e = std::get_if<Encabezado>(&b[i]);
        if (e && e->nivel == 1 && e->texto.ends_with(nombre)) return i;
    }
    return b.size();
}
inline std::vector<Bloque> BloquesBajo(const std::vector<Bloque>& b, const std::string& nombre) {
    const std::size_t i = IndiceTitulo(b, nombre),
                      fin = i < b.size() ? IndiceTitulo(b, "", i + 1) : i;
    return {b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(fin)};
}
inline std::vector<std::string> Titulos(const std::vector<Bloque>& b) {
    std::vector<std::string> t;
    for (std::size_t i = 0; (i = IndiceTitulo(b, "", i)) < b.size(); ++i) {
        t.push_back(std::get<Encabezado>(b[i]).texto);
    }
    return t;
}

}  // namespace korvex::pruebas
