// The part "Criterios de diseño" of the report: the rules with which the
// program designs every beam, each with its constants, then where they depart
// from the code and in which sense, as the rules of the calculation state
// them (ReglasDiseno::Criterios).
#include <string>

#include "project/MemoriaTexto.h"

namespace korvex::memoria {

void Criterios(const Proyecto&, const ReglasDiseno& reglas, Redactor& r) {
    r.Parte("Criterios de diseño");
    // Rules that cite the code: the edition, and where each step says its clause.
    if (!reglas.Texto(Regla::MetodoFlexion).clausula.empty()) {
        r.Texto("Reglas de diseño: " + std::string(reglas.Nombre()) +
                ". Cada paso de la memoria cita entre paréntesis la cláusula de la norma de la "
                "que procede.");
    }
    for (const BloqueCriterio& b : reglas.Criterios()) {
        switch (b.tipo) {
            case BloqueCriterio::Tipo::Apartado:
                r.Apartado(b.texto);
                break;
            case BloqueCriterio::Tipo::Texto:
                r.Texto(b.texto);
                break;
            case BloqueCriterio::Tipo::Nota:
                r.Nota(b.texto);
                break;
            case BloqueCriterio::Tipo::Tabla: {
                TablaMemoria t;
                t.encabezado = b.encabezado;
                t.numerica.assign(b.encabezado.size(), false);
                t.filas = b.filas;
                r.Tabla(std::move(t));
                break;
            }
        }
    }
}

}  // namespace korvex::memoria
