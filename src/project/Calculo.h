// The calculation workflow shared by the main window and the headless
// command: checks, sampling of the diagrams, design and the two code warnings,
// always in the same order, so that both give the same results and messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/DatosViga.h"
#include "model/Etapas.h"
#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"
#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

namespace korvex {

// The design rules of a project: those its options name (EstadoProyecto::Norma,
// the key the project file and the command line accept). Windows and reports
// that check or calculate the project use these.
const ReglasDiseno& ReglasDe(const EstadoProyecto& e);
const ReglasDiseno& ReglasDe(const Proyecto& p);

// The rules a result was calculated with: what shows that result (limits,
// long-term deflection, captions) uses these, whatever the project's options
// became since.
const ReglasDiseno& ReglasDe(const ResultadoCalculo& r);

// Runs one calculation of `p` with the rules of its options and returns
// its result:
//  1. precondition: at least one load and the f'c text not empty; otherwise
//     nothing but the stage Fin;
//  2. the beam and design checks; a refusal shows its messages and changes
//     nothing but the stage Fin (`rechazado`);
//  3. the input read once (DatosVigaDe), the concrete modulus from f'c, and
//     Calcular below.
// Messages and the stirrup question go through `ui`. Only a calculation that
// ran (`calculado`) has results; the others return just their flags. Of the
// project's state a calculation that ran sets the concrete modulus, the
// effective depth (the project file keeps it) and, when the project had no
// stirrup bar and the design asked for one, the bar answered.
ResultadoCalculo RealizarCalculos(Proyecto& p, Interfaz& ui, const Progreso& progreso = {});

// The calculation proper, a function of its input alone: the analysis of the
// beam (diagrams, extremes, the envelope of the live-load arrangements,
// reactions), the design of the section, the distance of the point loads to
// the supports and, unless the design failed, the deep-member and side-face
// steel warnings. `propiedades` carries the gross section and the concrete
// modulus of the rules. Every message goes through `ui` and into the record
// of the result; progress is reported as the stages Limpio, the three
// quarters of the beam, Diagramas, Peralte, Diseno, Resultados and Fin. The
// result records the key of `reglas`. The
// data must have passed the checks of VerificarViga and VerificarDiseno.
ResultadoCalculo Calcular(const DatosViga& datos, const Seccion& s,
                          const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas,
                          Interfaz& ui, const Progreso& progreso = {});

// The section's gross properties computed from its four field texts
// (design/Seccion.h, where PeralteSeccion is as well) stored into the
// project state: AreaSeccion, InerciaSeccion and, for a rectangle,
// AnchoRectangulo. An unknown type changes nothing.
void Calculos_Geom(Seccion& s, EstadoProyecto& e);

// Smallest distance (m) from a point load to the nearest support; the
// beam's length when it has no point load.
float DistMinCarga(const DatosViga& d);

// Deep-member warning as `reglas` decide it from the clear span over d and
// the distance of the nearest point load over d (classic: shown unless they
// are at least 5 and 2.5; spans in m, d in cm).
std::optional<Mensaje> AdvertenciaGranPeralte(const ReglasDiseno& reglas, float DistJ, float DistK,
                                              float distMinCarga, float d);

// Side-face (skin) steel of `reglas` (classic: for d > 90 cm, area
// (d - 75) * 0.1 * s / 100 cm2 at a spacing s = min(d / 6, 30) cm) on both
// side faces.
std::optional<Mensaje> AdvertenciaAceroPiel(const ReglasDiseno& reglas, float d);

// Opening a project: the file is read (all or nothing; a refusal is shown
// through `ui` and leaves `p` as it was), the load window's refresh sets the
// modulus to 1, the section is recomputed from its four field texts and the
// calculation runs. `alternancia` turns the live-load arrangements on
// whatever the file says (the option stored in the file turns them on too);
// `norma`, when not empty, is the key of the rules the project is calculated
// with instead of the file's (a key ReglasConocidas accepts).
struct ResultadoApertura {
    bool leido = false;
    ResultadoCalculo calculo;
};
ResultadoApertura AbrirProyecto(const std::string& ruta, Proyecto& p, Interfaz& ui,
                                const Progreso& progreso = {}, bool alternancia = false,
                                std::string_view norma = {});

// The steps of an opening after the file was read: modulus 1, Calculos_Geom,
// the calculation.
ResultadoCalculo RecalcularAbierto(Proyecto& p, Interfaz& ui, const Progreso& progreso = {});

}  // namespace korvex
