// The classic design rules of the program, close to ACI 318-99 with the
// factored combination 1.4 D + 1.7 L, in the units of the design (Kgr, cm,
// Kgr/cm2). Their departures from the code are stated in Criterios().
#include <algorithm>
#include <cmath>
#include <string>

#include "design/Anclaje.h"
#include "design/DatosDiseno.h"
#include "design/Reglas.h"
#include "design/TextosReglas.h"

namespace korvex {

namespace {

using diseno::ASimple;
using diseno::kEs;
using diseno::RaizSegura;

// Load factors of the strength combination: live and dead held in Single,
// the self weight in Double.
constexpr float kFactorViva = 1.7f;
constexpr float kFactorMuerta = 1.4f;
constexpr double kFactorOtros = 1.0;  // "Otros" come already factored
constexpr double kFactorPesoPropio = 1.4;

constexpr double kPhiFlexion = 0.9;
constexpr double kPhiCortante = 0.85;
constexpr double kBloque = 0.85;       // 0.85 f'c of the stress block
constexpr double kEcu = 0.003;         // concrete crushing strain
constexpr double kLimiteRn = 0.425;    // Rn <= 0.425: the block fits the depth
constexpr double kCuatroTercios = 4.0 / 3.0;

constexpr double kFactorVc = 0.55;      // Vc = 0.55 sqrt(f'c) bv d
constexpr double kLimiteVs = 2.1;       // Vs <= 2.1 sqrt(f'c) bv d
constexpr double kBandaVs = 1.1;        // closer spacing above 1.1 sqrt(f'c) bv d
constexpr double kEstriboMinimo = 3.5;  // Av,min = 3.5 bv s / fy (two legs)

constexpr double kFactorEc = 15100;  // Ec = 15100 sqrt(f'c)
constexpr double kFactorFr = 2;      // fr = 2 sqrt(f'c)

// ACI 318-99 12.2.2: ld = fy alpha beta lambda db / (20 sqrt(f'c)) for No. 7
// and larger bars, / (25 sqrt(f'c)) for No. 6 and smaller, with f'c and fy in
// psi; with 1 Kgr/cm2 = 14.2233 psi the 20 becomes 20 / sqrt(14.2233) = 5.303
// and the 25 is the 20 with the factor 0.8.
constexpr double kDesarrolloGrandes = 20 / 3.771379;
constexpr double kFactorBarrasPequenas = 20.0 / 25.0;

// Span ratios of the four use categories.
constexpr double kRelacionLuz[5] = {0, 180, 360, 480, 240};

class ReglasClasicas final : public ReglasDiseno {
  public:
    std::string_view Clave() const override { return kReglasClasicas; }
    std::string_view Nombre() const override { return "Clásica (ACI 318-99, 1.4 D + 1.7 L)"; }

    std::vector<CombinacionCargas> CombinacionesResistencia() const override {
        return {{kFactorViva, kFactorMuerta, kFactorOtros, kFactorPesoPropio}};
    }
    CombinacionCargas CombinacionServicio() const override { return {1.0, 1.0, 1.0, 1.0}; }
    std::string NombreCombinacion(std::size_t) const override { return "1.4 D + 1.7 L"; }
    std::optional<CombinacionCargas> CombinacionPermanente() const override {
        return std::nullopt;
    }

    double PhiFlexion(double, double) const override { return kPhiFlexion; }
    double PhiCortante() const override { return kPhiCortante; }

    double IntensidadBloque() const override { return kBloque; }
    double DeformacionUltimaConcreto() const override { return kEcu; }

    float Beta1(double fc) const override {
        float b1 = static_cast<float>(0.85 - (fc - 280) / 1400);
        if (0.85 < b1) b1 = 0.85f;
        if (0.65 > b1) b1 = 0.65f;
        return b1;
    }

    // eps_s,lim = 0.001 + 4/3 eps_y: the neutral axis at 0.75 of the balanced one.
    float DeformacionLimite(double fy) const override {
        const float ey = static_cast<float>(fy / kEs);
        return static_cast<float>(0.001 + kCuatroTercios * ey);
    }

    double LimiteRn() const override { return kLimiteRn; }
    bool AlmaComoRectangulo() const override { return false; }
    double FactorTanteoAlma() const override { return 0.75; }
    double FactorTanteoAla() const override { return 0.5; }

    // The larger of c1 sqrt(f'c) b1 d / fy and the second value
    // (c2 sqrt(f'c) b2 d / fy, or 14.5 b2 d / fy when c2 = 0).
    AceroMinimoRegla AceroMinimo(bool alaEnTraccion, double fc, double fy, float d, float b,
                                 float bf) const override {
        const double c1 = alaEnTraccion ? 1.6 : 0.8;
        const double c2 = alaEnTraccion ? 0.8 : 0.0;
        const float b2 = alaEnTraccion ? bf : b;
        const double raiz = RaizSegura(fc);
        AceroMinimoRegla r;
        r.primero = static_cast<float>(c1 * raiz * b * d / fy);
        r.segundo = static_cast<float>((c2 > 0 ? c2 * raiz : 14.5) * b2 * d / fy);
        r.gobierna = static_cast<float>(r.primero > r.segundo ? r.primero : r.segundo);
        r.anchoPrimero = b;
        r.anchoSegundo = b2;
        return r;
    }
    double AlivioAceroMinimo() const override { return kCuatroTercios; }
    // The flange width bf: more than the code asks (it names bw).
    float AnchoAceroMinimoAla(float, float bf) const override { return bf; }

    CortanteConcreto Vc(double fc, float bv, float d, float, bool) const override {
        const double raizBvD = RaizSegura(fc) * bv * d;  // sqrt(f'c) bv d, Kgr
        CortanteConcreto c;
        c.Vc = ASimple(kFactorVc * raizBvD);
        return c;
    }
    double VsMaximo(double fc, float bv, float d) const override {
        const double raizBvD = RaizSegura(fc) * bv * d;
        return kLimiteVs * raizBvD;
    }
    double VuSinEstribos(float Vc, double, float, float) const override {
        return kPhiCortante * Vc / 2;
    }
    double FyEstribo(double fy) const override { return fy; }

    BandaEstribos Banda(float Vs, double fc, float bv, float d) const override {
        const double raiz = RaizSegura(fc);
        BandaEstribos x;
        x.VsBanda = ASimple(kBandaVs * raiz * bv * d);
        x.cerrada = Vs > kBandaVs * raiz * bv * d;
        if (x.cerrada) {
            x.smaxGeometrica = d / 4;
            x.smax = d / 4 < 30 ? d / 4 : 30;
        } else {
            x.smaxGeometrica = d / 2;
            x.smax = d / 2 < 60 ? d / 2 : 60;
        }
        return x;
    }
    float SeparacionEstriboMinimo(float Av, double, double fy, float bv) const override {
        return ASimple(2 * Av * fy / (kEstriboMinimo * bv));
    }

    double ModuloConcreto(double fc) const override { return kFactorEc * RaizSegura(fc); }
    double ModuloRotura(double fc) const override { return kFactorFr * RaizSegura(fc); }

    // Branson: Ie = (Mcr/Ma)^3 Ig + (1 - (Mcr/Ma)^3) Icr, no more than Ig.
    InerciaEfectivaRegla InerciaEfectiva(float Mcr, double Ma, double Ig,
                                         float Icr) const override {
        InerciaEfectivaRegla r;
        r.relacion = Ma > 0 ? ASimple(Mcr / Ma) : 0.0f;
        // An uncracked section (Ma <= Mcr) keeps Ig. Heavily reinforced
        // sections can have Icr > Ig, where the interpolation beyond 1 would
        // fall below Ig and even below 0.
        if (r.relacion >= 1) {
            r.Ie = Ig;
        } else {
            const double r3 = static_cast<double>(r.relacion) * r.relacion * r.relacion;
            r.Ie = r3 * Ig + (1 - r3) * Icr;
            if (!std::isfinite(r.Ie) || Ig < r.Ie) r.Ie = Ig;
        }
        return r;
    }

    // lambda = xi / (1 + 50 rho') with xi = 2 (five years or more).
    float FactorLargoPlazo(double rho) const override {
        return static_cast<float>(2 / (1 + 50 * rho));
    }
    int NumeroUsos() const override { return 4; }
    bool UsoLargoPlazo(int uso) const override { return uso == 3 || uso == 4; }
    double RelacionLuz(int uso) const override {
        return uso >= 1 && uso <= 4 ? kRelacionLuz[uso] : 0.0;
    }
    std::string TextoLimiteUso(int uso) const override {
        if (uso < 1 || uso > 4) return {};
        return "L/" + std::to_string(static_cast<int>(kRelacionLuz[uso]));
    }
    // A cantilever counts as half a span: its limit is that of twice its length.
    float LuzVoladizo(float longitud) const override { return 2 * longitud; }

    // The smaller of a quarter of the span and 16 hf + bw.
    float AnchoAlaMaximo(bool conAla, float hf, float bw, float luz) const override {
        const float L4 = static_cast<float>(luz / 4.0 * 100);  // cm
        const float W16 = static_cast<float>(16.0 * hf + bw);  // cm
        if (conAla && W16 < L4) return W16;
        return L4;
    }
    bool GranPeralte(float luzSobreD, float cargaSobreD) const override {
        return !(luzSobreD >= 5 && cargaSobreD >= 2.5f);
    }
    // For d > 90 cm: (d - 75) 0.1 s / 100 cm2 at s = min(d/6, 30) cm.
    std::optional<AceroLateral> AceroPiel(float d) const override {
        if (!(d > 90)) return std::nullopt;
        const double s = d / 6.0 <= 30 ? d / 6.0 : 30.0;
        return AceroLateral{(d - 75.0) * 0.1 * s / 100.0, s};
    }

    TextoRegla Texto(Regla r) const override;
    std::string TextoFactor(float categoria) const override {
        // The category codes of the load table are those of CategoriaCarga.
        if (categoria == static_cast<float>(CategoriaCarga::Viva)) return "1.7";
        if (categoria == static_cast<float>(CategoriaCarga::Muerta)) return "1.4";
        return "1.0";
    }
    std::vector<BloqueCriterio> Criterios() const override { return CriteriosClasicos(); }

    // ACI 318-99 12.2.2 (spacing and cover at least db, stirrups along ld),
    // alpha = 1.3 for top bars, beta = lambda = 1; 12.2.1: at least 30 cm.
    LongitudDesarrolloRegla LongitudDesarrollo(double fc, double fy, float db,
                                               bool superior) const override {
        return DesarrolloRecto(fc, fy, db, superior, kDesarrolloGrandes, kFactorBarrasPequenas);
    }
    // ACI 318-99 12.10.3 (12 db), 12.10.5.1 and 12.10.5.3 (2/3, twice the
    // area, 3/4), 12.11.1 (one third, one quarter), 12.12.3 (ln/16), 7.1.2
    // (90 degree hook, 12 db), 7.1.3 (135 degree stirrup hook, 6 db; the
    // 7.5 cm least leg of the later codes kept).
    CorteBarrasRegla CorteBarras() const override {
        CorteBarrasRegla c;
        c.clausula = "ACI 318-99, 12.10.3, 12.10.5.1, 12.10.5.3, 12.11.1, 12.12.3, 7.1.2 y 7.1.3";
        return c;
    }
    LimiteFisuracion Fisuracion(double fy, float cc) const override;
    TextoRegla TextoFisuracion() const override {
        return {"s ≤ 540/fs − 2.5 cc ≤ 12 (36/fs)  [pulg, ksi], fs = 0.6 fy",
                "s ≤ {s1} cm, s ≤ {s2} cm (fs = {fs} Kgr/cm2, cc = {cc} cm)",
                "separación centro a centro de las barras más cercanas a la cara en tracción",
                "ACI 318-99, 10.6.4"};
    }
};

// A rule's formula, substitution and sentence; the classic rules name no clause.
struct TextoClasico {
    std::string formula, sustitucion, texto;
};

TextoClasico TextoDe(Regla r);

TextoRegla ReglasClasicas::Texto(Regla r) const {
    TextoClasico t = TextoDe(r);
    return {std::move(t.formula), std::move(t.sustitucion), std::move(t.texto), {}};
}

TextoClasico TextoDe(Regla r) {
    switch (r) {
        case Regla::Combinaciones:
            return {{}, {},
                    "Caso factorizado: 1.7 × viva + 1.4 × muerta + 1.0 × otros + 1.4 × peso "
                    "propio. Caso de servicio: todas las cargas y el peso propio con factor 1.0."};
        case Regla::FactorServicio:
            return {{}, {}, "en servicio todas las cargas van con 1.0"};
        case Regla::ModuloConcreto:
            return {"15100 √f'_{c}", "15100 × √{fc}", {}};
        case Regla::MetodoFlexion:
            return {{}, {},
                    "φ = 0.9, bloque rectangular de compresiones de 0.85 f'_{c}, ε_{cu} = 0.003, "
                    "E_{s} = 2,040,000 "};
        case Regla::LimiteRn:
            return {"0.425", {}, {}};
        case Regla::DeformacionLimite:
            return {"ε_{s,lím} = 0.001 + (4/3) ε_{y}", "0.001 + 4/3 × {epsY}", {}};
        case Regla::EjeNeutroLimite:
            return {"k = 0.003 / (0.003 + ε_{s,lím})", "{ecu} / ({ecu} + {epsLim})", {}};
        case Regla::Beta1:
            return {"β_{1} = 0.85 − (f'_{c} − 280) / 1400, entre 0.65 y 0.85",
                    "0.85 − ({fc} − 280) / 1400, entre 0.65 y 0.85", {}};
        case Regla::CuantiaBalanceada:
            return {"ρ_{b} = 0.85 β_{1} (f'_{c} / f_{y}) 0.003 / (0.003 + ε_{y})",
                    "{bloque} × {beta1} × ({fc} / {fy}) × {ecu} / ({ecu} + {epsY})", {}};
        case Regla::CuantiaMaxima:
            return {"ρ_{máx} = 0.85 q_{máx} f'_{c} / f_{y}", "{bloque} × {qmax} × {fc} / {fy}",
                    {}};
        case Regla::RnMaximo:
            return {"R_{n,máx} = 0.85 q_{máx} (1 − q_{máx}/2)",
                    "{bloque} × {qmax} × (1 − {qmax}/2)", {}};
        case Regla::CoeficienteResistencia:
            return {"R_{n} = M_{u} / (0.9 f'_{c} {ancho} d^{2})",
                    "{Mu} / ({phi} × {fc} × {b} × {d}^{2})", {}};
        case Regla::ProfundidadBloque:
            return {"a = (1 − √(1 − R_{n}/0.425)) d", "(1 − √(1 − {Rn}/{mitadBloque})) × {d}", {}};
        case Regla::IndiceRefuerzo:
            return {"ω = 0.85 (1 − √(1 − R_{n}/0.425))",
                    "{bloque} × (1 − √(1 − {Rn}/{mitadBloque}))", {}};
        case Regla::MomentoHormigon:
            return {"φM_{n1} = 0.9 f'_{c} {ancho} d^{2} R_{n,máx}",
                    "{phi} × {fc} × {b} × {d}^{2} × {RnMax}", {}};
        case Regla::AceroDobleArmado:
            return {"A_{s} = M_{2} / (0.9 f_{y} (d − d')) + 0.85 q_{máx} f'_{c} {ancho} d / f_{y}",
                    "{M2} / ({phi} × {fy} × ({d} − {dp})) + {bloque} × {qmax} × {fc} × {b} × {d} / "
                    "{fy}",
                    {}};
        case Regla::DeformacionCompresion:
            return {"ε'_{s} = 0.003 − (d'/d) (ε_{s,lím} + 0.003)",
                    "{ecu} − ({dp}/{d}) × ({epsLim} + {ecu})", {}};
        case Regla::ParAceros:
            return {"f'_{s} > 0.85 f'_{c} y d > d'", "{fs} ≤ {bloque} × {fc} o d ≤ d'", {}};
        case Regla::AceroCompresion:
            return {"A'_{s} = {momento} / (0.9 (f'_{s} − 0.85 f'_{c}) (d − d'))",
                    "{M} / ({phi} × ({fs} − {bloque} × {fc}) × ({d} − {dp}))", {}};
        case Regla::AceroAlas:
            return {"A_{sf} = 0.85 f'_{c} h_{f} (b_{f} − b_{w}) / f_{y}",
                    "{bloque} × {fc} × {hf} × ({bf} − {bw}) / {fy}", {}};
        case Regla::MomentoAlas:
            return {"φM_{nf} = 0.9 A_{sf} f_{y} (d − h_{f}/2)",
                    "{phi} × {Asf} × {fy} × ({d} − {hf}/2)", {}};
        case Regla::CoeficienteResistenciaAlma:
            return {"R_{nw} = M_{w} / (0.9 f'_{c} b_{w} d^{2})",
                    "{Mw} / ({phi} × {fc} × {bw} × {d}^{2})", {}};
        case Regla::IndiceRefuerzoAlma:
            return {"ω_{w} = 0.85 (1 − √(1 − R_{nw}/0.425))",
                    "{bloque} × (1 − √(1 − {Rnw}/{mitadBloque}))", {}};
        case Regla::AceroTanteo:
            return {"A_{t} = 0.75 ω_{w} (f'_{c} / f_{y}) b_{w} d + 0.5 A_{sf}",
                    "{tanteoAlma} × {omegaW} × ({fc} / {fy}) × {bw} × {d} + {tanteoAla} × {Asf}",
                    {}};
        case Regla::BloqueTanteo:
            return {"a_{t} = f_{y} A_{t} / (0.85 f'_{c} b_{w})",
                    "{fy} × {At} / ({bloque} × {fc} × {bw})", {}};
        case Regla::MomentoTanteo:
            return {"φM_{t} = 0.9 A_{t} f_{y} (d − a_{t}/2)",
                    "{phi} × {At} × {fy} × ({d} − {at}/2)", {}};
        case Regla::AceroPar:
            return {"A_{s3} = M_{3} / (0.9 f_{y} (d − d'))", "{M3} / ({phi} × {fy} × ({d} − {dp}))",
                    {}};
        case Regla::AceroMinimo1:
            return {"A_{s,mín1} = 0.8 √f'_{c} {ancho} d / f_{y}", "0.8 × {raiz} × {b} × {d} / {fy}",
                    {}};
        case Regla::AceroMinimo2:
            return {"A_{s,mín2} = 14.5 {ancho} d / f_{y}", "14.5 × {b} × {d} / {fy}", {}};
        case Regla::AceroMinimoAlaTraccion1:
            return {"A_{s,mín1} = 1.6 √f'_{c} b_{w} d / f_{y}", "1.6 × {raiz} × {bw} × {d} / {fy}",
                    {}};
        case Regla::AceroMinimoAlaTraccion2:
            return {"A_{s,mín2} = 0.8 √f'_{c} b_{f} d / f_{y}", "0.8 × {raiz} × {bf} × {d} / {fy}",
                    {}};
        case Regla::AlivioAceroMinimo:
            return {"A_{s} = mín(4/3 A_{s,req}, A_{s,mín})", "mín(4/3 × {AsReq}, {AsMin})",
                    "alivio de 4/3"};
        case Regla::FuerzaAceroCompresion:
            return {"A'_{s} (f'_{s} − 0.85 f'_{c})", "{Asc} × ({fs} − {bloque} × {fc})", {}};
        case Regla::FuerzaAlas:
            return {"0.85 f'_{c} (b_{f} − b_{w}) h_{f}", "{bloque} × {fc} × ({bf} − {bw}) × {hf}",
                    {}};
        case Regla::BloqueVarillas:
            return {"a = {neta} / (0.85 f'_{c} {ancho})", "{neta} / ({bloque} × {fc} × {b})", {}};
        case Regla::MomentoVarillas:
            return {"φM_{n} = 0.9 {momento}", "{phi} × {momento}", {}};
        case Regla::PhiCortante:
            return {"φ = 0.85", {}, {}};
        case Regla::Vc:
            return {"V_{c} = 0.55 √f'_{c} b_{v} d", "0.55 × {raiz} × {bv} × {d}", {}};
        case Regla::PhiVcMedio:
            return {"φV_{c}/2 = 0.85 V_{c} / 2", "{phi} × {Vc} / 2", {}};
        case Regla::Vs:
            return {"V_{s} = V_{u} / 0.85 − V_{c}", "{Vu} / {phi} − {Vc}", {}};
        case Regla::VsMaximo:
            return {"V_{s,máx} = 2.1 √f'_{c} b_{v} d", "2.1 × {raiz} × {bv} × {d}", {}};
        case Regla::VsBanda:
            return {"V_{s,banda} = 1.1 √f'_{c} b_{v} d", "1.1 × {raiz} × {bv} × {d}", {}};
        case Regla::SeparacionBandaCerrada:
            return {"s_{máx} = mín(d/4, 30 cm)", "mín({d}/4, 30) = mín({sg}, 30)",
                    "separación máxima d/4, sin pasar de 30 cm."};
        case Regla::SeparacionBandaAbierta:
            return {"s_{máx} = mín(d/2, 60 cm)", "mín({d}/2, 60) = mín({sg}, 60)",
                    "separación máxima d/2, sin pasar de 60 cm."};
        case Regla::SeparacionMinima:
            return {"s_{mín} = 2 A_{v} f_{y} / (3.5 b_{v})", "2 × {Av} × {fy} / (3.5 × {bv})",
                    {}};
        case Regla::ModuloRotura:
            return {"f_{r} = 2 √f'_{c}", "2 × √{fc}", {}};
        case Regla::InerciaEfectiva:
            return {"I_{e} = (M_{cr}/M_{a})^{3} I_{g} + [1 − (M_{cr}/M_{a})^{3}] I_{cr} ≤ I_{g}",
                    "{relacion}^{3} × {Ig} + (1 − {relacion}^{3}) × {Icr}", {}};
        case Regla::InerciaSinFisurar:
            return {"I_{e} = I_{g}", {},
                    "M_{cr} ≥ M_{a}: la sección no se fisura con las cargas de servicio."};
        case Regla::FactorLargoPlazo:
            return {"λ = 2 / (1 + 50 ρ')", "2 / (1 + 50 × {rho})", {}};
        case Regla::PhiDeformacion:
        case Regla::DeformacionTraccion:
        case Regla::CuantiaAlma:
        case Regla::VcCuantia:
        case Regla::FactorTamano:
        case Regla::VcSinEstribos:
        case Regla::VcMaximo:
        case Regla::UmbralEstriboMinimo:
        case Regla::FyEstribo:
            // phi, Vc and fyt that these rules hold constant have no step of their own.
            return {};
        case Regla::SeccionDeflexion:
        case Regla::FlechaCarga:
        case Regla::FlechaViva:
        case Regla::CuantiaLargoPlazo:
        case Regla::FlechaLargoPlazoCargas:
            // These rules judge the whole service deflection with one inertia.
            return {};
        case Regla::LongitudDesarrollo:
            return {"l_{d} = α γ f_{y} d_{b} / (5.3 √f'_{c}) ≥ 30 cm",
                    "{psiT} × {psiS} × {fy} × {db} / (5.3 × √{fc})",
                    "ACI 318-99, 12.2.2: barras sin recubrimiento epóxico en concreto de peso "
                    "normal, con separación libre y recubrimiento libre no menores que d_{b} y "
                    "estribos a lo largo de l_{d}; α = 1.3 en barras superiores (más de 30 cm de "
                    "concreto fresco debajo), γ = 0.8 en barras de 3/4\" y menores."};
        case Regla::ZonasEstribos:
            return {{}, {}, kTextoZonasEstribos};
        case Regla::ExtensionCorte:
            return {"extensión = máx(d, 12 d_{b})", "máx({d}, 12 × {db}) = {ext}",
                    "ACI 318-99, 12.10.3: cada barra se prolonga más allá del punto donde deja de "
                    "necesitarse por flexión; las barras que continúan tienen l_{d} más allá de "
                    "ese punto (12.10.4) y cada barra l_{d} desde la sección de momento máximo "
                    "(12.10.2)."};
        case Regla::CorteZonaTraccion:
            return {"V_{u} ≤ (2/3) φV_{n}", "{Vu} ≤ (2/3) × {phiVn}",
                    "ACI 318-99, 12.10.5: una barra cortada en zona de tracción cumple V_{u} ≤ "
                    "(2/3) φV_{n} en el corte, o las barras que continúan dan el doble del área "
                    "que pide la flexión allí y V_{u} ≤ (3/4) φV_{n}; si no, la barra continúa."};
        case Regla::AceroPositivoApoyo:
            return {{}, {},
                    "ACI 318-99, 12.11.1: al menos un tercio del acero positivo llega a cada "
                    "apoyo simple (un cuarto del lado continuo, el de un voladizo) y se prolonga "
                    "al menos 15 cm dentro del apoyo."};
        case Regla::AceroNegativoInflexion:
            return {"extensión = máx(d, 12 d_{b}, l_{n}/16)",
                    "máx({d}, 12 × {db}, {ln} / 16) = {ext}",
                    "ACI 318-99, 12.12.3: el acero negativo se prolonga más allá del punto de "
                    "inflexión."};
        case Regla::AnclajeVoladizo:
            return {"l ≥ l_{d}", "{ld}",
                    "ACI 318-99, 12.12.1: las barras superiores de un voladizo entran en el tramo "
                    "al menos l_{d} más allá del apoyo."};
        case Regla::LuzVoladizo:
            return {"l = 2 × longitud del voladizo", "2 × {longitud}",
                    "el doble de su longitud para cada voladizo (un voladizo cuenta como medio "
                    "tramo)"};
    }
    return {};
}

// ACI 318-99 10.6.4: s <= 540/fs - 2.5 cc and <= 12 (36/fs), s and cc in
// inches, fs in ksi, with fs = 0.6 fy. 1 ksi = 70.307 Kgr/cm2, 1 in = 2.54 cm.
LimiteFisuracion ReglasClasicas::Fisuracion(double fy, float cc) const {
    constexpr double kKsiAKgcm2 = 70.307;
    constexpr double kPulgadaACm = 2.54;
    LimiteFisuracion l;
    const double fs = 0.6 * fy;  // Kgr/cm2
    if (!(fs > 0)) return l;
    const double fsKsi = fs / kKsiAKgcm2;
    const double s1 = 540.0 / fsKsi - 2.5 * (cc / kPulgadaACm);  // in
    const double s2 = 12.0 * (36.0 / fsKsi);                     // in
    l.fs = diseno::ASimple(fs);
    l.sRecubrimiento = diseno::ASimple(std::max(0.0, s1 * kPulgadaACm));
    l.sTope = diseno::ASimple(s2 * kPulgadaACm);
    l.sMax = std::min(l.sRecubrimiento, l.sTope);
    return l;
}

}  // namespace

const ReglasDiseno& ReglasClasicasDiseno() {
    static const ReglasClasicas reglas;
    return reglas;
}

}  // namespace korvex
