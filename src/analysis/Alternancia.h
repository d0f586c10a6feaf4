// Live-load arrangements on a beam with cantilevers.
//
// Putting every live load everywhere at once is not the worst case of a beam
// with cantilevers: live load on the span alone gives the largest sagging
// moment, live load on a cantilever alone the largest hogging moment over its
// support and the largest tip deflection. The beam has up to three zones
// (ZonasViga), the left cantilever (0..J, when J > 0), the span (J..K) and
// the right cantilever (K..L, when K < L); an arrangement says which zones
// carry their live loads. Dead loads, "Otros" and the self weight always act. Each zone's
// live part is swept once, the permanent part once, and every arrangement is
// their sum, so that the envelope costs little more than one calculation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/DatosViga.h"
#include "model/Pasos.h"
#include "model/Resultados.h"

namespace korvex {

// One zone of the arrangements and its bounds.
struct ZonaViga {
    int zona = kTramo;           // kVueloIzquierdo, kTramo or kVueloDerecho
    float desde = 0, hasta = 0;  // m

    bool operator==(const ZonaViga&) const = default;
};

// The zones that exist on a beam of length L on `apoyos` (left to right), in
// this order: the left cantilever from 0 to the first support when that lies
// beyond 0, the span from the first support to the last, the right cantilever
// from the last support to L when that lies short of L; none without
// supports. The one place where the zones follow from the supports.
std::vector<ZonaViga> ZonasViga(float L, const std::vector<float>& apoyos);

// The zone of `zonas` (ZonasViga) that holds x: before the span the left
// cantilever, beyond it the right one, otherwise the span (its supports
// included). A point beyond L on a beam without a right cantilever (a load
// that overruns L by Single rounding, as VerificarViga tolerates) thus counts
// as on one.
int ZonaDe(float x, const std::vector<ZonaViga>& zonas);

struct CargasPorZona {
    std::vector<CargaViga> permanentes;                // dead, "Otros" and any other category
    std::array<std::vector<CargaViga>, kZonas> vivas;  // live loads of each zone
};

// Splits the loads. A point load or moment belongs to the zone that holds it
// (ZonaDe); a live distributed load that crosses a support is cut there into
// pieces, each in the zone of its midpoint, a trapezoid into trapezoids with
// the intensity interpolated at the support.
CargasPorZona RepartirCargas(const DatosViga& datos);

// The envelope of every arrangement of the zones that carry live load (at
// most 8), built station by station while the diagrams are sampled: at each
// station the largest and smallest of each quantity over the arrangements,
// and for each of the eight extremes the worst value, its abscissa and the
// arrangement that gives it (the first station keeps a tie; a zone that adds
// nothing there counts as loaded, as in the all-loaded beam).
//
// The parts are the whole beam (every load and the self weight) and each
// zone's live loads; the permanent part is the whole less the zones.
class EnvolventeEnCurso {
  public:
    // `zonas`: the zone of each live part, in the order the parts follow the
    // whole beam; `zonasViga` the zones of the beam (ZonasViga).
    EnvolventeEnCurso(EnvolventeViva& env, const std::vector<int>& zonas, int estaciones,
                      std::vector<ZonaViga> zonasViga);
    // Station k (1..N) at x: `partes` holds V, M, Ms, Giro, Flecha of the
    // whole beam then of each zone (5 each, analysis sign, before rounding);
    // `todas` the whole beam's values as the diagrams store them, which the
    // envelope always holds. With more than one strength combination,
    // `otras` holds for every combination, in the rules' order, the factored
    // V and M of the whole beam then of each zone (2 each); the factored
    // envelope is then the worst over every combination's own arrangements,
    // and each factored extreme records its combination.
    void Estacion(int k, float x, const double* partes, const float (&todas)[5],
                  const std::vector<const double*>& otras = {});
    void Terminar();

  private:
    struct Extremo {
        float valor = 0, x = 0;
        unsigned vivas = 0;    // bit z: zone z loaded
        int combinacion = -1;  // the strength combination, of several
    };
    // Bit z of an arrangement of the zones from bit p of one of the parts.
    unsigned ZonasDe(unsigned partes) const;
    // Whether the factored moment of each arrangement of the parts sags or
    // hogs somewhere in the span (M: whole beam then each part).
    void SignosEnTramo(const double* partes);

    EnvolventeViva& env_;
    std::vector<int> zonas_;
    std::vector<ZonaViga> zonasViga_;
    unsigned cargadas_ = 0;  // the all-loaded arrangement
    Extremo VAbs_, VMax_, VMin_, MPos_, MNeg_, MAbs_, GMax_, FMax_;
    // Per arrangement of the parts (bit p: part p loaded; at most 8).
    std::vector<bool> comba_, cuelga_;  // sagging / hogging found in the span
};

// Largest and smallest factored reaction of each support over the
// arrangements: the whole beam's reaction less every zone whose part pulls
// the other way. `zonas` and `partes` as for the envelope: the zone of each
// live part and its reactions.
void EnvolverReacciones(PasoReacciones& r, const std::vector<int>& zonas,
                        const std::vector<PasoReacciones>& partes);

class AnalizadorViga;

// The same envelope over every strength combination of the rules: each
// combination with its own arrangements (its all-loaded reactions of `viga`
// less the zones of `vivas` that pull the other way), and of all of them
// the largest and the smallest reaction of each support. With one
// combination it is EnvolverReacciones of that combination.
void EnvolverReaccionesCombinaciones(PasoReacciones& r, const std::vector<int>& zonas,
                                     const AnalizadorViga& viga,
                                     const std::vector<AnalizadorViga>& vivas);

// What the notice of the arrangements (ResultadoAnalisis::AvisoAlternancia)
// asks of the user of the windows, after its finding.
inline constexpr const char* kLlamadaAlternancia = " Active «Alternar carga viva».";

}  // namespace korvex
