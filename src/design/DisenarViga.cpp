#include "design/DisenarViga.h"

#include "design/DatosDiseno.h"
#include "design/Deflexion.h"
#include "design/DisenoCortante.h"
#include "design/DisenoFlexion.h"
#include "design/TablaVarillas.h"
#include "design/Verificacion.h"

namespace korvex {

void DisenarViga(EstadoProyecto& e, const Seccion& s, const Materiales& m, Interfaz& ui) {
    e.LambdaDeflexion = 1;
    // Data the design would divide by are refused here as well, so that a
    // caller that skipped VerificarDiseno still gets no NaN or infinity.
    const std::vector<Mensaje> rechazos =
        VerificarDatosDiseno(e, s, m, e.Recubrimiento, e.PeralteEfectivo);
    if (!rechazos.empty()) {
        for (const Mensaje& msg : rechazos) ui.MostrarMensaje(msg);
        e.FalloDiseno = 1.0f;
        return;
    }

    // The modular ratio belongs to the materials: recorded before any step
    // can stop the design.
    e.Pasos.n = RelacionModular(diseno::Fc(m));
    if (!DisenoFlexion(e, s, m, ui)) return;
    DisenoCortante(e, s, m, ui);
    TablaVarillas(e);
    CapacidadVarillas(e);
    InerciasEfectivas(e, s, m);
    CalcularFlechaEfectiva(e);
    Check_base_Deflex(e, s, m, ui);
}

}  // namespace korvex
