// The design rules of a beam as one object: the load combinations the
// analysis envelopes, the strength reduction factors, the constants and
// formulas of flexure, shear, minimum steel, stirrup spacing, effective
// inertia, long-term deflection and the deflection limits, the code warnings,
// and for each rule the text the calculation report prints.
//
// Units are those of the design: Kgr, cm, Kgr/cm2 (sqrt(f'c) with f'c in
// Kgr/cm2), moments in Kgr.cm; spans in m where said. Where a rule is a
// formula it is a virtual function, so that another set of rules can differ
// in form and not only in its numbers. The analysis receives the rules from
// here and never sees the design.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/DatosViga.h"

namespace korvex {

// One load combination: the factor of each load category and of the self
// weight. The analysis sums the loads with these factors; a list of strength
// combinations is enveloped station by station.
struct CombinacionCargas {
    double viva = 1;        // live load
    double muerta = 1;      // dead load
    double otros = 1;       // "Otros": loads given already factored
    double pesoPropio = 1;  // self weight of the beam

    // The factor of a load of category `categoria`, coded as the project
    // state codes it (model/Estado.h) or as the typed input does; any other
    // category takes the factor of "Otros".
    double Factor(float categoria) const;
    double Factor(CategoriaCarga categoria) const;
};

// The stirrup spacing band of a steel shear Vs: its limit, whether Vs lies
// above it, and the largest spacing there, cm.
struct BandaEstribos {
    float VsBanda = 0;          // Kgr, the band limit as recorded
    bool cerrada = false;       // Vs above the limit: the closer spacing
    float smaxGeometrica = 0;   // cm, the spacing limit in terms of d
    float smax = 0;             // cm, that limit with its absolute cap
};

// The two values of the minimum tension steel and the one that governs, cm2.
struct AceroMinimoRegla {
    float primero = 0;
    float segundo = 0;
    float gobierna = 0;
    float anchoPrimero = 0, anchoSegundo = 0;  // cm, the width each value took
};

// The development length of a straight deformed bar in tension, cm, and the
// factors it took.
struct LongitudDesarrolloRegla {
    double ld = 0;               // cm, the length that governs (not below the minimum)
    double ldExpresion = 0;      // cm, the expression before the minimum
    double minimo = 0;           // cm, the rules' smallest ld
    double factorUbicacion = 1;  // psi_t (alpha): 1.3 for top bars
    double factorTamano = 1;     // psi_s (gamma): the smaller factor of small bars
    bool barraPequena = false;   // db within the small-bar sizes

    bool operator==(const LongitudDesarrolloRegla&) const = default;
};

// Cut-off and anchorage of the bars of a face: how far a bar runs past the
// point where it is no longer needed, the share of the bars that runs from
// end to end, the conditions of a bar cut in a tension zone and the standard
// hooks. Extensions in bar diameters, the hooks' least leg in cm.
struct CorteBarrasRegla {
    double diametrosExtension = 12;       // extension max(d, 12 db)
    double divisorInflexion = 16;         // top steel past the inflection: ln/16
    double fraccionApoyo = 1.0 / 3;       // of the steel into a simple support
    double fraccionApoyoContinuo = 0.25;  // into a support with a cantilever beyond it
    double fraccionCortante = 2.0 / 3;    // (a) Vu <= 2/3 phi Vn at the cut
    double factorArea = 2;                // (c) the bars that run on give twice the As needed...
    double fraccionCortanteArea = 0.75;   //     ...and Vu <= 3/4 phi Vn
    double diametrosGancho = 12;          // leg of a 90 degree standard hook
    double diametrosGanchoEstribo = 6;    // leg of a 135 degree stirrup hook
    double ganchoEstriboMinimo = 7.5;     // cm, least leg of a stirrup hook
    std::string clausula;                 // the clauses these numbers come from
};

// The effective moment of inertia of one sign, cm4, and Mcr/Ma as recorded.
struct InerciaEfectivaRegla {
    float relacion = 0;  // Mcr / Ma
    double Ie = 0;       // cm4
};

// The shear strength of the concrete and what it was worked out from.
struct CortanteConcreto {
    float Vc = 0;       // Kgr
    float rhoW = 0;     // As / (bv d) where the rules use it, else 0
    float lambdaS = 1;  // size-effect factor where the rules use it, else 1
    // The expression of the rules that gave Vc: 0 the only one (or, with the
    // minimum stirrups, the first), 1 the second with them, 2 without them.
    int expresion = 0;
    bool tope = false;  // Vc held at the rules' upper limit

    bool operator==(const CortanteConcreto&) const = default;
};

// Side-face steel: area (cm2) at each spacing s (cm) up both faces.
struct AceroLateral {
    double area = 0;
    double separacion = 0;
};

// One block of text of the design criteria in the calculation report: a
// heading, a paragraph, a note or a table.
struct BloqueCriterio {
    enum class Tipo { Apartado, Texto, Nota, Tabla };
    Tipo tipo = Tipo::Texto;
    std::string texto;                             // heading, paragraph or note
    std::vector<std::string> encabezado;           // table columns
    std::vector<std::vector<std::string>> filas;   // table rows
};

// The rules whose formula the step-by-step report prints. The substitution
// is a template: "{nombre}" stands for a value the report fills in, named in
// the comment of each rule; "formula {x}" names a symbol the report fills in
// the formula the same way (the width b, b_{f} or b_{w} of the step).
//
// A factor that the rules hold as a number is printed from that number, not
// written in the template: the report fills {phi} (PhiFlexion at eps_s,lim in
// flexure, PhiCortante in shear), {bloque} (IntensidadBloque), {mitadBloque}
// (half of it, the Rn at which a reaches d), {ecu} (DeformacionUltimaConcreto),
// {tanteoAlma} and {tanteoAla} (FactorTanteoAlma, FactorTanteoAla) in every
// step of flexure and of the bars' capacity, {phi} in every step of shear,
// and in flexure also the data {fc} {fy} {d} {dp} and {Mu}. A coefficient the
// rules use only inside one computation (0.55 of Vc, the minimum steel's) is
// written in that rule's template.
enum class Regla {
    Combinaciones,                // texto: the factored and service cases, in words
    FactorServicio,               // texto: the factor of every load in service
    ModuloConcreto,               // Ec, the expression only: {fc}
    // --- Flexure ---
    MetodoFlexion,                // texto: phi, the stress block, eps_cu and Es of flexure
    LimiteRn,                     // formula: the largest Rn as printed
    DeformacionLimite,            // {epsY}
    EjeNeutroLimite,              // {epsLim}
    Beta1,                        // {fc}
    CuantiaBalanceada,            // {beta1} {fc} {fy} {epsY}
    CuantiaMaxima,                // {qmax} {fc} {fy}
    RnMaximo,                     // {qmax}
    CoeficienteResistencia,       // formula {ancho}; {Mu} {b}: Rn of the width b
    ProfundidadBloque,      // {Rn}: a of a singly reinforced width
    IndiceRefuerzo,         // {Rn}: omega
    MomentoHormigon,        // formula {ancho}; {b} {RnMax}: phi Mn1 at Rn,max
    AceroDobleArmado,       // formula {ancho}; {M2} {qmax} {b}: As of a doubly reinforced width
    DeformacionCompresion,  // {epsLim}: eps's at d'
    ParAceros,              // formula: the check that a steel couple works; the
                            // substitution is its failure: {fs}
    AceroCompresion,        // formula {momento}; {M} {fs}: A's of a steel couple
    AceroAlas,              // {hf} {bf} {bw}: Asf of the overhangs of a T
    MomentoAlas,            // {Asf} {hf}: phi Mnf
    CoeficienteResistenciaAlma,  // {Mw} {bw}: Rnw of the web of a T
    IndiceRefuerzoAlma,     // {Rnw}: omega_w
    AceroTanteo,            // {omegaW} {bw} {Asf}: the trial steel A_t of a T
    BloqueTanteo,           // {At} {bw}: a_t
    MomentoTanteo,          // {At} {at}: phi M_t
    AceroPar,               // {M3}: As3 of the couple of a T
    AceroMinimo1,           // formula {ancho}; {raiz} {b}: compression zone of width b
    AceroMinimo2,           // formula {ancho}; {b}
    AceroMinimoAlaTraccion1,  // {raiz} {bw}: flange in tension
    AceroMinimoAlaTraccion2,  // {raiz} {bf}
    AlivioAceroMinimo,      // {AsReq} {AsMin}; texto: the relief's name
    // Rules whose phi of flexure follows the net tensile strain:
    PhiDeformacion,         // formula: phi as a function of eps_t; {epsT} {epsY}
    DeformacionTraccion,    // {d} {c}: eps_t of the singly reinforced section, c = a / beta1
    // --- Capacity of the suggested bars ---
    FuerzaAceroCompresion,  // {Asc} {fs} {fc}: the net force of the compression bars
    FuerzaAlas,             // {fc} {bf} {bw} {hf}: the force of the overhangs
    BloqueVarillas,         // formula {neta} {ancho}; {neta} {fc} {b}: a of the bars
    MomentoVarillas,        // formula {momento}; {momento}: phi Mn of the bars
    // --- Shear ---
    PhiCortante,            // formula: "φ = ..." of shear
    Vc,                     // {raiz} {bv} {d}: the only Vc, or the first with minimum stirrups
    // Rules whose Vc depends on the steel and on the depth:
    CuantiaAlma,            // {As} {bv} {d}: rho_w
    VcCuantia,              // {rho} {raiz} {bv} {d}: with the minimum stirrups, the second
    FactorTamano,           // {d}: lambda_s (d in cm, converted in the template)
    VcSinEstribos,          // {lambdaS} {rho} {raiz} {bv} {d}: without the minimum stirrups
    VcMaximo,               // {raiz} {bv} {d}: the upper limit of Vc
    UmbralEstriboMinimo,    // {raiz} {bv} {d}: Vu above which the minimum stirrups go
    FyEstribo,              // {fy}: the yield stress the stirrups count
    PhiVcMedio,             // {Vc}
    Vs,                     // {Vu} {Vc}
    VsMaximo,               // {raiz} {bv} {d}
    VsBanda,                // {raiz} {bv} {d}
    SeparacionBandaCerrada, // texto after Vs > band; {d} {sg}
    SeparacionBandaAbierta, // texto after Vs <= band; {d} {sg}
    SeparacionMinima,       // {Av} {fy} {bv}
    // --- Deflection ---
    ModuloRotura,           // {fc}
    InerciaEfectiva,        // {relacion} {Ig} {Icr}: Ie of a cracked section
    InerciaSinFisurar,      // formula; texto: the section does not crack (Mcr / Ma >= 1)
    FactorLargoPlazo,       // {rho}
    LuzVoladizo,            // {longitud}; texto: the span of a cantilever, in words
    // Rules that judge each deflection under its own load (CombinacionPermanente):
    SeccionDeflexion,       // texto: the section of Ie of the span and of a cantilever
    FlechaCarga,            // formula {carga}; {flecha} {Ie}: the immediate deflection of a load
    FlechaViva,             // {total} {muerta}: the immediate deflection of the live load
    CuantiaLargoPlazo,      // {Asc} {b} {d}: rho' of the zone's section
    FlechaLargoPlazoCargas, // {lambda} {sostenida} {viva}: the deflection compared in uses 3, 4
    // --- Development and stirrup zones ---
    LongitudDesarrollo,     // {fy} {fc} {db} {psiT} {psiS}: ld of a straight bar in tension
    ZonasEstribos,          // texto: how the stirrup zones are laid along the beam
    // --- Cut-off and anchorage of the bars ---
    ExtensionCorte,          // {d} {db} {ext}: beyond the point where a bar is no longer needed
    CorteZonaTraccion,       // {Vu} {phiVn}: conditions of a bar cut in a tension zone
    AceroPositivoApoyo,      // texto: the positive steel that runs into each support
    AceroNegativoInflexion,  // {d} {db} {ln} {ext}: negative steel past the point of inflection
    AnclajeVoladizo,         // {ld}: top bars of a cantilever into the span past the support
};

// A formula as the report prints it, its substitution template and, where
// the rule has one, the sentence that states it.
struct TextoRegla {
    std::string formula;
    std::string sustitucion;
    std::string texto;
    std::string clausula;  // the clause of the code ("ACI 318-19, 22.5.5.1(c)"), or empty
};

// Crack control of the bars nearest a tension face: the service stress the
// rules assume and the largest centre-to-centre spacing they allow, cm.
struct LimiteFisuracion {
    float fs = 0;              // Kgr/cm2, service stress of the steel
    float sRecubrimiento = 0;  // cm, the limit that falls with the clear cover
    float sTope = 0;           // cm, the limit that does not depend on the cover
    float sMax = 0;            // cm, the smaller of the two (never negative)

    bool operator==(const LimiteFisuracion&) const = default;
};

class ReglasDiseno {
  public:
    virtual ~ReglasDiseno() = default;

    // The key under which the rules are registered and their name.
    virtual std::string_view Clave() const = 0;
    virtual std::string_view Nombre() const = 0;

    // --- Loads -----------------------------------------------------------
    // The strength combinations (at least one); the analysis envelopes them.
    virtual std::vector<CombinacionCargas> CombinacionesResistencia() const = 0;
    // The service combination of the deflections.
    virtual CombinacionCargas CombinacionServicio() const = 0;
    // The strength combination `i` as the report names it ("1.2 D + 1.6 L").
    virtual std::string NombreCombinacion(std::size_t i) const = 0;
    // The sustained part of the service load (the dead loads and the self
    // weight), for rules whose deflection limits judge the live-load and the
    // long-term deflection apart, each under its own load with its own
    // effective inertia; none for rules that judge the whole service
    // deflection.
    virtual std::optional<CombinacionCargas> CombinacionPermanente() const = 0;

    // --- Strength reduction factors --------------------------------------
    // phi of flexure for a net tensile strain eps_t of tension steel of
    // yield stress fy (Kgr/cm2).
    virtual double PhiFlexion(double epsT, double fy) const = 0;
    virtual double PhiCortante() const = 0;

    // --- Flexure ---------------------------------------------------------
    virtual double IntensidadBloque() const = 0;         // 0.85 f'c of the stress block
    virtual double DeformacionUltimaConcreto() const = 0;  // eps_cu
    virtual float Beta1(double fc) const = 0;
    // Smallest strain of the tension steel a singly reinforced design allows.
    virtual float DeformacionLimite(double fy) const = 0;
    // Largest Rn = Mu / (phi f'c b d^2) a section may take.
    virtual double LimiteRn() const = 0;
    // The web of a T whose block reaches below the flange: true, designed as
    // a rectangle of width bw that takes Mu - phi Mnf, with compression steel
    // beyond its strain limit; false, checked against the trial steel below.
    virtual bool AlmaComoRectangulo() const = 0;
    // Trial steel of a T: A_t = c_w omega_w (f'c/fy) bw d + c_f Asf.
    virtual double FactorTanteoAlma() const = 0;
    virtual double FactorTanteoAla() const = 0;

    // --- Minimum steel ---------------------------------------------------
    // Minimum tension steel of a compression zone of width b (alaEnTraccion
    // false), or of a T whose flange bf is in tension over a web b.
    virtual AceroMinimoRegla AceroMinimo(bool alaEnTraccion, double fc, double fy, float d,
                                         float b, float bf) const = 0;
    // A required As below the minimum is raised to no more than this times As.
    virtual double AlivioAceroMinimo() const = 0;
    // The width of the minimum steel of a flange in compression whose stress
    // block stays within the flange (web bw, flange bf).
    virtual float AnchoAceroMinimoAla(float bw, float bf) const = 0;

    // --- Shear -----------------------------------------------------------
    // Vc of a web bv x d with tension steel As (cm2), with at least the
    // minimum stirrups or without them.
    virtual CortanteConcreto Vc(double fc, float bv, float d, float As,
                                bool conEstriboMinimo) const = 0;
    // Largest Vs, Kgr, before the section fails in shear.
    virtual double VsMaximo(double fc, float bv, float d) const = 0;
    // The largest Vu (Kgr) that needs no stirrups, for the Vc of a web
    // bv x d without them.
    virtual double VuSinEstribos(float Vc, double fc, float bv, float d) const = 0;
    // The yield stress of the stirrups the design may count, Kgr/cm2.
    virtual double FyEstribo(double fy) const = 0;
    // The spacing band of Vs and its spacing limits.
    virtual BandaEstribos Banda(float Vs, double fc, float bv, float d) const = 0;
    // Spacing, cm, that gives the minimum shear steel with two legs of Av.
    virtual float SeparacionEstriboMinimo(float Av, double fc, double fy, float bv) const = 0;

    // --- Deflection ------------------------------------------------------
    virtual double ModuloConcreto(double fc) const = 0;  // Ec, Kgr/cm2
    virtual double ModuloRotura(double fc) const = 0;    // fr, Kgr/cm2
    // Ie of one sign from Mcr and Ma (Kgr.cm), Ig and Icr (cm4).
    virtual InerciaEfectivaRegla InerciaEfectiva(float Mcr, double Ma, double Ig,
                                                 float Icr) const = 0;
    // The long-term factor lambda for rho' = A's / (b d).
    virtual float FactorLargoPlazo(double rhoCompresion) const = 0;
    // Number of use categories (1..n) and whether a use takes lambda.
    virtual int NumeroUsos() const = 0;
    virtual bool UsoLargoPlazo(int uso) const = 0;
    // Span over deflection limit of a use (180 for l/180).
    virtual double RelacionLuz(int uso) const = 0;
    // The limit of a use as the summary names it ("L/180"); empty for no use.
    virtual std::string TextoLimiteUso(int uso) const = 0;
    // The span of a cantilever of length `longitud` in its deflection limit.
    virtual float LuzVoladizo(float longitud) const = 0;

    // --- Flange width and code warnings ---------------------------------
    // Largest flange width, cm, of a T (web bw, flange hf) on a span (m).
    virtual float AnchoAlaMaximo(bool conAla, float hf, float bw, float luz) const = 0;
    // Deep member: clear span over d and nearest point load over d (both
    // in cm over cm).
    virtual bool GranPeralte(float luzSobreD, float cargaSobreD) const = 0;
    // Side-face steel of an effective depth d, cm, when it needs it.
    virtual std::optional<AceroLateral> AceroPiel(float d) const = 0;

    // --- Texts of the calculation report ---------------------------------
    // The formula of a rule and its substitution template.
    virtual TextoRegla Texto(Regla r) const = 0;
    // The load factor of a category, as the report prints it ("1.7").
    virtual std::string TextoFactor(float categoria) const = 0;
    // The part "Criterios de diseño": the rules, their constants and the
    // clauses of the code where they depart from it.
    virtual std::vector<BloqueCriterio> Criterios() const = 0;

    // --- Development length --------------------------------------------
    // ld of a straight uncoated deformed bar of diameter db (cm) in tension
    // in normal-weight concrete of f'c, steel fy (Kgr/cm2), with clear
    // spacing of at least db, clear cover of at least db and stirrups along
    // ld (the bar arrangements of the program); `superior`: a horizontal bar
    // with more than 30 cm of fresh concrete cast below it.
    virtual LongitudDesarrolloRegla LongitudDesarrollo(double fc, double fy, float db,
                                                       bool superior) const = 0;

    // --- Bar arrangement and crack control -------------------------------
    // The spacing limit of the bars nearest a tension face for steel of yield
    // stress fy (Kgr/cm2) whose clear cover to the bar surface is cc (cm),
    // and its formula and clause as the report prints them.
    virtual LimiteFisuracion Fisuracion(double fy, float cc) const = 0;
    virtual TextoRegla TextoFisuracion() const = 0;

    // --- Cut-off and anchorage -------------------------------------------
    virtual CorteBarrasRegla CorteBarras() const = 0;
};

// The template `t` with each "{nombre}" replaced by its value.
std::string Sustituir(std::string t,
                      const std::vector<std::pair<std::string_view, std::string>>& valores);

}  // namespace korvex
