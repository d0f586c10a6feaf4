// Live-load arrangements on a beam with cantilevers.
//
// Putting every live load everywhere at once is not the worst case of a beam
// with cantilevers: live load on the span alone gives the largest sagging
// moment, live load on a cantilever alone the largest hogging moment over its
// support and the largest tip deflection. The beam has up to three zones, the
// left cantilever (0..J, when J > 0), the span (J..K) and the right
// cantilever (K..L, when K < L); an arrangement says which zones carry their
// live loads. Dead loads, "Otros" and the self weight always act. Each zone's
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

struct CargasPorZona {
    std::vector<CargaViga> permanentes;                // dead, "Otros" and any other category
    std::array<std::vector<CargaViga>, kZonas> vivas;  // live loads of each zone
};

// Splits the load table. A point load or moment belongs to the zone that
// holds it (x < J left, x > K right, otherwise the span, supports included);
// a live distributed load that crosses a support is cut there into pieces, a
// trapezoid into trapezoids with the intensity interpolated at the support.
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
    // whole beam; J and K (m) bound the span.
    EnvolventeEnCurso(EnvolventeViva& env, const std::vector<int>& zonas, int estaciones, float J,
                      float K);
    // Station k (1..N) at x: `partes` holds V, M, Ms, Giro, Flecha of the
    // whole beam then of each zone (5 each, analysis sign, before rounding);
    // `todas` the whole beam's values as the diagrams store them, which the
    // envelope always holds.
    void Estacion(int k, float x, const double* partes, const float (&todas)[5]);
    void Terminar();

  private:
    struct Extremo {
        float valor = 0, x = 0;
        unsigned vivas = 0;  // bit z: zone z loaded
    };
    // Bit z of an arrangement of the zones from bit p of one of the parts.
    unsigned ZonasDe(unsigned partes) const;
    // Whether the factored moment of each arrangement of the parts sags or
    // hogs somewhere in the span (M: whole beam then each part).
    void SignosEnTramo(const double* partes);

    EnvolventeViva& env_;
    std::vector<int> zonas_;
    float J_, K_;
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

// What the notice of the arrangements (ResultadoAnalisis::AvisoAlternancia)
// asks of the user of the windows, after its finding.
inline constexpr const char* kLlamadaAlternancia = " Active «Alternar carga viva».";

}  // namespace korvex
