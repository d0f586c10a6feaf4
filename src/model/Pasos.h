// What one calculation computed, step by step, in the order it computed it.
// The design fills these records as it goes; the calculation report
// ("Memoria de cálculo") and the JSON print them and never compute a value
// again, so they cannot disagree with the screen.
//
// Units: moments Mu, Mn in Kgr.cm unless a name says Tn.m; forces V in Kgr;
// lengths of the section in cm; f'c, fy and stresses in Kgr/cm2; steel areas
// in cm2; inertias of the section in cm4 unless a name says m4; deflections
// in m. Every value is the one the design used (Single where it holds Single).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Interfaz.h"
#include "model/ReglasDiseno.h"

namespace korvex {

// The live-load arrangements: live load ("Viva") acts or not on each of the
// up to three zones of the beam, the left cantilever (0..J), the span (J..K)
// and the right cantilever (K..L); everything else always acts.
inline constexpr int kZonas = 3;
inline constexpr int kVueloIzquierdo = 0;
inline constexpr int kTramo = 1;
inline constexpr int kVueloDerecho = 2;
using ZonasVivas = std::array<bool, kZonas>;  // zones whose live loads act

// Largest and smallest factored reaction of one support over the live-load
// arrangements, Tn, upward positive, and the zones whose live load acts in
// each (a zone that adds nothing counts as loaded; one that does not exist or
// has no live load is false).
struct ReaccionEnvolvente {
    double max = 0, min = 0;
    ZonasVivas vivasMax{}, vivasMin{};

    bool operator==(const ReaccionEnvolvente&) const = default;
};

// Reactions of the supports J and K, Tn, upward positive, under every load
// and the self weight, each load times its factor of the design rules.
struct PasoReacciones {
    // Strength: of the strength combinations, each support's reaction of the
    // largest magnitude (classic rules: 1.7 L, 1.4 D, 1.4 self weight).
    double R1Factorizada = 0, R2Factorizada = 0;
    double R1Servicio = 0, R2Servicio = 0;  // service combination (classic: every factor 1)
    double PesoPropio = 0;                        // Tn/m, w = 0.00024 x area
    // Factored reactions over the live-load arrangements (set by the sampling).
    bool envolvente = false;
    ReaccionEnvolvente J, K;

    bool operator==(const PasoReacciones&) const = default;
};

// How the compression zone of one flexural design worked.
enum class Comportamiento {
    Rectangular,     // a rectangle of width b (rectangular section, or the web of a T)
    AlaRectangular,  // flange in compression, stress block within the flange: width bf
    T,               // flange in compression, stress block below the flange
};

// The check at which an insufficient flexural design stopped.
enum class Parada {
    Ninguna,  // the design was sufficient
    Ala,      // Rn of the flange width bf over 0.425 (flange check)
    Rn,       // Rn of the width b over 0.425
    Alma,     // Rnw of the web over 0.425 (T behaviour)
    Acero,    // a steel couple that cannot work: f's <= 0.85 f'c or d - d' <= 0
};

// Flexural design of one sign of moment.
struct PasoFlexion {
    bool calculado = false;  // the step ran (a failure before it leaves it false)
    bool suficiente = true;  // false: the section cannot take the moment; the design stopped
    Parada parada = Parada::Ninguna;
    float M = 0;              // Tn.m, design moment, displayed sign
    float Mu = 0;             // Kgr.cm, |M| x 100000
    float b = 0;              // cm, width of the compression zone (b, bw or bf)
    float d = 0, dp = 0;      // cm, effective depth and depth of the compression steel d'
    double fc = 0, fy = 0;    // Kgr/cm2
    float beta1 = 0;          // 0.85 - (f'c - 280)/1400 within 0.65..0.85
    float epsY = 0;           // fy / Es
    float epsLim = 0;         // 0.001 + 4/3 eps_y
    float k = 0;              // 0.003 / (0.003 + eps_lim): neutral axis over d
    float qmax = 0;           // beta1 k: largest a/d
    float rhoBalanceada = 0;  // 0.85 beta1 (f'c/fy) 0.003/(0.003 + eps_y)
    float rhoMaxima = 0;      // 0.85 qmax f'c / fy
    float Rn = 0;             // Mu / (0.9 f'c b d^2) of the width b
    float RnMax = 0;          // 0.85 qmax (1 - qmax/2)
    float a = 0;              // cm, stress-block depth (1 - sqrt(1 - Rn/0.425)) d
    float phi = 0;            // phi of flexure at eps_lim, as the design took it
    // Net tensile strain of the section for Mu without compression steel,
    // eps_cu (d - c)/c with c = a / beta1 (0: not worked out, Rn over its limit).
    float epsTSimple = 0;
    Comportamiento comportamiento = Comportamiento::Rectangular;

    // Flange check (flange in compression): Rn and a with the width bf, and hf.
    bool conAla = false;
    float RnAla = 0, aAla = 0, hf = 0, bw = 0;

    // Singly reinforced rectangle: omega = 0.85 (1 - sqrt(1 - Rn/0.425)).
    bool dobleArmado = false;
    float omega = 0;
    // Doubly reinforced: the concrete takes phi Mn1 at qmax, a steel couple M2.
    float phiMn1 = 0, M2 = 0;
    float epsCompresion = 0, fsCompresion = 0;  // eps's and f's (limited to fy)

    // T behaviour.
    float Asf = 0, phiMnf = 0, Mw = 0, Rnw = 0, omegaW = 0, Asw = 0;
    float At = 0, at = 0, phiMt = 0, phiMcap = 0, M3 = 0, As3 = 0;

    float AsRequerido = 0;         // cm2, before the minimum steel
    float AsMin1 = 0, AsMin2 = 0;  // cm2, the two values of the minimum steel
    float AsMin = 0;               // cm2, the larger
    float bMin1 = 0, bMin2 = 0;    // cm, the width each value of the minimum steel took
    bool alivio = false;           // As < Asmin: the 4/3 relief applied
    float AsCuatroTercios = 0;     // cm2, 4/3 As when the relief applied
    float As = 0, Asc = 0;         // cm2, final tension and compression steel

    bool operator==(const PasoFlexion&) const = default;
};

// Shear design.
struct PasoCortante {
    bool calculado = false;
    float VuTn = 0;             // Tn, largest |V|
    float Vu = 0;               // Kgr
    float bv = 0, d = 0;        // cm
    double fc = 0, fy = 0;      // Kgr/cm2
    float Vc = 0;               // Kgr, 0.55 sqrt(f'c) bv d
    float phiVcMedio = 0;       // Kgr, 0.85 Vc / 2: the largest Vu without stirrups
    bool sinEstribos = false;   // Vu <= 0.85 Vc / 2: no stirrups needed (the note)
    // Rules whose Vc depends on the steel and the depth: the tension steel at
    // the section of the largest shear (of the positive moment or not), and
    // Vc without stirrups and with them, each with what it came from.
    float As = 0;               // cm2
    bool AsPositivo = true;
    CortanteConcreto VcSin, VcCon;
    double fyt = 0;             // Kgr/cm2, the yield stress the stirrups count
    float Vs = 0;               // Kgr, Vu/0.85 - Vc (negative below 0.85 Vc)
    float VsMax = 0;            // Kgr, 2.1 sqrt(f'c) bv d
    bool falla = false;         // Vs > VsMax: the beam fails in shear
    float VsBanda = 0;          // Kgr, 1.1 sqrt(f'c) bv d
    bool bandaCerrada = false;  // Vs > VsBanda: d/4 and 30 cm, else d/2 and 60 cm
    float smaxGeometrica = 0;   // cm, d/4 or d/2 before the cap
    float smax = 0;             // cm, after the 30 or 60 cm cap
    std::string diametro;       // "3/8" or "1/2"
    float Av = 0;               // cm2, area of one leg
    float sMinimo = 0;          // cm, 2 Av fy / (3.5 bv), minimum stirrups
    bool conResistencia = false;
    float sResistencia = 0;  // cm, 2 Av fy d / Vs when Vs > 0
    float s = 0;             // cm, chosen spacing
    std::string texto;       // the stirrup text, e.g. "3/8@15"

    bool operator==(const PasoCortante&) const = default;
};

// Bar suggestion of one steel area and the capacity of the suggested bars.
struct PasoVarillas {
    float As = 0;                 // cm2, area to cover
    float AsVarillas = 0;         // cm2, As plus the allowance
    std::array<int, 4> cuenta{};  // 1", 3/4", 1/2", 3/8"
    double AsProvisto = 0;        // cm2, area of the suggested bars
    // Tension columns only: capacity of the suggested bars with the suggested
    // compression bars of the same section, against Mu.
    bool conCapacidad = false;
    double AscUsado = 0;     // cm2, compression bars counted (doubly reinforced only)
    double T = 0;            // Kgr, As fy of the bars
    double Cs = 0;           // Kgr, A's (f's - 0.85 f'c) of the compression bars
    bool bajoElAla = false;  // the block reaches below a flange in compression
    double Cf = 0;           // Kgr, 0.85 f'c (bf - bw) hf of the overhangs, then
    double aProvisto = 0;    // cm, stress-block depth
    double phiMn = 0;        // Kgr.cm
    bool resiste = false;    // phi Mn >= Mu

    bool operator==(const PasoVarillas&) const = default;
};

// Cracked and effective inertia of one section.
struct PasoInercia {
    bool calculado = false;     // false when the section has no service moment of its sign
    float Ma = 0;               // Tn.m, largest service moment of its sign
    float bweb = 0;             // cm
    bool conAla = false;        // the flange (or the whole rectangle) in compression
    float As = 0, Asc = 0;      // cm2
    float A = 0, B = 0, C = 0;  // the quadratic A k^2 + B k + C = 0
    float k = 0, kd = 0;        // -, cm
    float Icr = 0;              // cm4
    float yt = 0;               // cm, centroid to the tension fibre
    double Ig = 0;              // cm4
    float fr = 0;               // Kgr/cm2, 2 sqrt(f'c)
    float Mcr = 0;              // Kgr.cm
    float relacion = 0;         // Mcr / Ma
    double Ie = 0;              // cm4

    bool operator==(const PasoInercia&) const = default;
};

// One load level of a zone whose deflection is judged load by load (the
// sustained load D, the service load D + L, the sustained part D + p L): the
// moment at the zone's section, its effective inertia and the deflection.
struct PasoCargaDeflexion {
    float Ma = 0;         // Tn.m, |moment| at the zone's section under this load
    float relacion = 0;   // Mcr / Ma
    double Ie = 0;        // cm4
    float FlechaMax = 0;  // m5, largest |deflection x Ig| within the zone
    float x = 0;          // m, where it occurs
    float delta = 0;      // m, FlechaMax / Ie

    bool operator==(const PasoCargaDeflexion&) const = default;
};

// Deflection of one zone of the beam (the span between the supports or a
// cantilever) checked against the limit of its own reference length.
struct PasoZonaDeflexion {
    int zona = kTramo;                 // kVueloIzquierdo, kTramo or kVueloDerecho
    float longitud = 0;                // m, K - J for the span, J or L - K for a cantilever
    float luzReferencia = 0;           // m, K - J for the span, twice a cantilever's length
    float FlechaMax = 0;               // m5, largest |deflection x Ig| within the zone
    float x = 0;                       // m, where it occurs
    float deltaPos = 0, deltaNeg = 0;  // m, FlechaMax / Ie of each section
    float FlechaEfectiva = 0;          // m, the larger
    float FlechaComparada = 0;  // m, lambda x FlechaEfectiva (uses 3, 4), else FlechaEfectiva
    double limite = 0;          // m, luzReferencia / ratio (0: no use category)
    bool excede = false;        // beyond the limit
    // Rules that judge the immediate live-load and the long-term deflection
    // apart (ACI 318-19, Table 24.2.2): each load with its own Ma and Ie at
    // the zone's section (mid-span of the span, the support of a cantilever),
    // FlechaEfectiva the deflection under D + L. Empty for the other rules.
    bool porCargas = false;
    float xSeccion = 0;          // m, abscissa of the zone's section
    bool positivo = true;        // the section of the positive moment, else the negative
    PasoInercia seccion;         // its cracked inertia (Ma and Ie those of D + L)
    PasoCargaDeflexion muerta;   // D, the permanent combination
    PasoCargaDeflexion total;    // D + L, the service combination
    PasoCargaDeflexion sostenida;  // D + p L, p the sustained part of the live load
    float partSostenida = 0;     // p, 0..1
    float deltaViva = 0;         // m, Delta_L = Delta_D+L - Delta_D
    float AscLargoPlazo = 0, bLargoPlazo = 0;  // cm2, cm: compression steel of the section
    float rhoCompresion = 0;     // A's / (b d)
    float lambda = 1;            // lambda_Delta = 2 / (1 + 50 rho')

    bool operator==(const PasoZonaDeflexion&) const = default;
};

// The deflection check. The scalar values after the two inertias are those
// of the governing zone (the largest ratio of deflection to limit; without a
// use category the largest deflection); `zonas` holds every zone that exists
// in the order left cantilever, span, right cantilever.
struct PasoDeflexion {
    bool calculado = false;
    float n = 0;  // Es / Ec
    PasoInercia positiva, negativa;
    std::vector<PasoZonaDeflexion> zonas;
    int gobierna = -1;                         // index in `zonas` of the governing zone
    float FlechaMax = 0;                       // m5, largest |deflection x Ig| of the zone
    float deltaPos = 0, deltaNeg = 0;          // m, FlechaMax / Ie of each section
    float FlechaEfectiva = 0;                  // m, the larger
    int uso = 0;                               // 1..4 (0: no check)
    float relacionLuz = 0;                     // 180, 360, 480 or 240
    double limite = 0;                         // m, reference length / ratio, as compared
    float limiteMostrado = 0;                  // m, rounded to 3 decimals as shown
    bool largoPlazo = false;                   // uses 3 and 4
    float AscLargoPlazo = 0, bLargoPlazo = 0;  // cm2, cm: the section with more A's
    float rhoCompresion = 0;                   // A's / (b d)
    float lambda = 1;                          // 2 / (1 + 50 rho')
    float FlechaComparada = 0;  // m, lambda x FlechaEfectiva (FlechaEfectiva for 1, 2)
    bool excede = false;        // some zone exceeds its limit: the warning was shown

    bool operator==(const PasoDeflexion&) const = default;
};

// The whole record of one calculation.
struct PasosCalculo {
    PasoReacciones reacciones;
    float n = 0;  // Es / Ec, modular ratio of the design (recorded at its start)
    PasoFlexion flexionPos, flexionNeg;
    bool negativaPrimero = true;  // order of the two flexural designs
    PasoCortante cortante;
    std::array<PasoVarillas, 4> varillas;  // M(+) tension, M(-) tension, M(+) comp., M(-) comp.
    PasoDeflexion deflexion;
    std::vector<Mensaje> avisos;  // every message the calculation raised, in order

    bool operator==(const PasosCalculo&) const = default;
};

}  // namespace korvex
