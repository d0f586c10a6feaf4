#include "design/DisenarViga.h"

#include "design/Armado.h"
#include "design/DatosDiseno.h"
#include "design/Deflexion.h"
#include "design/Despiece.h"
#include "design/DisenoCortante.h"
#include "design/DisenoFlexion.h"
#include "design/TablaVarillas.h"
#include "design/Verificacion.h"
#include "design/ZonasEstribos.h"

namespace korvex {

ResultadoDiseno DisenarViga(const DatosViga& datos, const Seccion& s,
                            const PropiedadesSeccion& propiedades,
                            const ResultadoAnalisis& analisis, const ReglasDiseno& reglas,
                            Interfaz& ui) {
    ResultadoDiseno r;
    // The cover of the input in Single precision and the effective depth from it.
    r.Recubrimiento = static_cast<float>(datos.materiales.recubrimiento);
    r.PeralteEfectivo = PeralteSeccion(s, r.Recubrimiento);
    r.LambdaDeflexion = 1;
    // Data the design would divide by are refused here as well, so that a
    // caller that skipped VerificarDiseno still gets no NaN or infinity.
    const std::vector<Mensaje> rechazos =
        VerificarDatosDiseno(s, datos, propiedades, r.Recubrimiento, r.PeralteEfectivo);
    if (!rechazos.empty()) {
        for (const Mensaje& msg : rechazos) ui.MostrarMensaje(msg);
        r.DisenoFallido = true;
        return r;
    }

    // The modular ratio belongs to the materials: recorded before any step
    // can stop the design.
    r.Pasos.n = RelacionModular(reglas, diseno::Fc(datos));
    if (!DisenoFlexion(r, analisis, s, datos, propiedades, reglas, ui)) return r;
    DisenoCortante(r, analisis, s, datos, reglas, ui);
    r.ZonasEstribos = CalcularZonasEstribos(r, analisis, datos, reglas);
    TablaVarillas(r);
    CapacidadVarillas(r, reglas);
    r.Armado = DisenarArmado(r, s, datos, propiedades, reglas);
    r.Despiece = CalcularDespiece(r, analisis, datos, s, propiedades, reglas);
    InerciasEfectivas(r, analisis, s, datos, propiedades, reglas);
    if (!FlechaPorCargas(r, analisis, s, datos, propiedades, reglas)) {
        CalcularFlechaEfectiva(r, analisis, datos, reglas);
    }
    Check_base_Deflex(r, s, datos, reglas, ui);
    return r;
}

}  // namespace korvex
