#include "design/DisenarViga.h"

#include "design/DatosDiseno.h"
#include "design/Deflexion.h"
#include "design/DisenoCortante.h"
#include "design/DisenoFlexion.h"
#include "design/TablaVarillas.h"
#include "design/Verificacion.h"

namespace korvex {

void DisenarViga(EstadoProyecto& e, const Seccion& s, const DatosViga& datos,
                 const ReglasDiseno& reglas, Interfaz& ui) {
    e.LambdaDeflexion = 1;
    // Data the design would divide by are refused here as well, so that a
    // caller that skipped VerificarDiseno still gets no NaN or infinity.
    const std::vector<Mensaje> rechazos =
        VerificarDatosDiseno(e, s, datos, e.Recubrimiento, e.PeralteEfectivo);
    if (!rechazos.empty()) {
        for (const Mensaje& msg : rechazos) ui.MostrarMensaje(msg);
        e.DisenoFallido = true;
        return;
    }

    // The modular ratio belongs to the materials: recorded before any step
    // can stop the design.
    e.Pasos.n = RelacionModular(reglas, diseno::Fc(datos));
    if (!DisenoFlexion(e, s, datos, reglas, ui)) return;
    DisenoCortante(e, s, datos, reglas, ui);
    TablaVarillas(e);
    CapacidadVarillas(e, reglas);
    InerciasEfectivas(e, s, datos, reglas);
    CalcularFlechaEfectiva(e, reglas);
    Check_base_Deflex(e, s, datos, reglas, ui);
}

}  // namespace korvex
