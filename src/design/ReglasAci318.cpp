// The design rules of ACI 318-19 in the units of the design (Kgr, cm,
// Kgr/cm2). The code's expressions are written in SI; each coefficient of
// sqrt(f'c) is converted with sqrt(f'c [MPa]) = 0.3132 sqrt(f'c [Kgr/cm2]),
// 1 N = 0.10197 Kgr and 1 mm2 = 0.01 cm2, so that a coefficient k of
// sqrt(f'c) bw d in N becomes 3.194 k in Kgr (0.17 -> 0.53, 0.66 -> 2.1,
// 0.083 -> 0.265, 0.42 -> 1.33, 0.33 -> 1.06) and k of sqrt(f'c) in MPa
// becomes 3.194 k in Kgr/cm2 (0.25 -> 0.80, 0.062 -> 0.2, 0.62 -> 2.0). The
// criteria of the report state each conversion and each clause.
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

constexpr double kPhiTraccion = 0.90;   // 21.2.2: tension-controlled
constexpr double kPhiCompresion = 0.65;  // 21.2.2: compression-controlled, other
constexpr double kPhiCortante = 0.75;    // 21.2.1(b)
constexpr double kBloque = 0.85;         // 22.2.2.4.1
constexpr double kEcu = 0.003;           // 22.2.2.1
constexpr double kLimiteRn = 0.425;      // the block cannot pass the depth d
constexpr double kCuatroTercios = 4.0 / 3.0;  // 9.6.1.3

constexpr double kVcMinimo = 0.53;     // 22.5.5.1(a): 0.17 sqrt(f'c) bw d
constexpr double kVcCuantia = 2.1;     // 22.5.5.1(b), (c): 0.66 (rho_w)^1/3 sqrt(f'c) bw d
constexpr double kVcMaximo = 1.33;     // 22.5.5.1.1: 0.42 sqrt(f'c) bw d
constexpr double kLimiteVs = 2.1;      // 22.5.1.2: 0.66 sqrt(f'c) bw d
constexpr double kBandaVs = 1.06;      // 9.7.6.2.2: 0.33 sqrt(f'c) bw d
constexpr double kUmbralMinimo = 0.265;  // 9.6.3.1: 0.083 sqrt(f'c) bw d
constexpr double kEstriboRaiz = 0.2;   // 9.6.3.4(a): 0.062 sqrt(f'c) bw s / fyt
constexpr double kEstriboMinimo = 3.5;  // 9.6.3.4(b): 0.35 bw s / fyt
constexpr double kFyEstriboMaximo = 4200;  // 20.2.2.4: fyt of shear steel, 420 MPa

constexpr double kFactorEc = 15100;  // 19.2.2.1: Ec = 4700 sqrt(f'c)
constexpr double kFactorFr = 2;      // 19.2.3.1: fr = 0.62 sqrt(f'c)

// Table 25.4.2.3 (spacing and cover at least db, stirrups along ld): ld =
// fy psi_t psi_e psi_g db / (1.7 lambda sqrt(f'c)) in MPa for No. 22 and
// larger bars; the row of No. 19 and smaller is that expression with the size
// factor psi_s = 0.8 of Table 25.4.2.5 (its 2.1 is 1.7 / 0.8 rounded). With
// fy [MPa] / sqrt(f'c [MPa]) = 0.3132 fy / sqrt(f'c) in Kgr/cm2 the 1.7
// becomes 1.7 / 0.3132 = 5.43.
constexpr double kDesarrolloGrandes = 1.7 / 0.313156;
constexpr double kFactorTamanoPequenas = 0.8;

constexpr double kRelacionLuz[5] = {0, 180, 360, 480, 240};  // Table 24.2.2

// 24.3.2: s <= 380 (280/fs) - 2.5 cc and <= 300 (280/fs), s and cc in mm, fs
// in MPa, with fs = 2/3 fy (24.3.2.1). 1 MPa = 10.197 Kgr/cm2, 1 mm = 0.1 cm.
constexpr double kMpaAKgcm2 = 10.197;
constexpr double kFsFisuracion = 2.0 / 3.0;
constexpr double kFsReferencia = 280 * kMpaAKgcm2;  // Kgr/cm2
constexpr double kSFisuracion = 38.0;               // cm, 380 mm
constexpr double kSTopeFisuracion = 30.0;           // cm, 300 mm
constexpr double kFactorRecubrimiento = 2.5;

class ReglasAci318 final : public ReglasDiseno {
  public:
    std::string_view Clave() const override { return kReglasAci318; }
    std::string_view Nombre() const override { return "ACI 318-19 (1.2 D + 1.6 L)"; }

    // 5.3.1(a) and (b); "Otros" come already factored; the self weight is dead load.
    std::vector<CombinacionCargas> CombinacionesResistencia() const override {
        return {{0.0, 1.4, 1.0, 1.4}, {1.6, 1.2, 1.0, 1.2}};
    }
    CombinacionCargas CombinacionServicio() const override { return {1.0, 1.0, 1.0, 1.0}; }
    std::string NombreCombinacion(std::size_t i) const override {
        return i == 0 ? "1.4 D" : "1.2 D + 1.6 L";
    }
    // The sustained load: everything but the live load ("Otros" counted as
    // permanent, the side that lengthens the long-term deflection).
    std::optional<CombinacionCargas> CombinacionPermanente() const override {
        return CombinacionCargas{0.0, 1.0, 1.0, 1.0};
    }

    // Table 21.2.2 for deformed bars: 0.90 from eps_ty + 0.003, 0.65 up to
    // eps_ty, linear between.
    double PhiFlexion(double epsT, double fy) const override {
        const double ety = fy / kEs;
        // The design's strain limit is held in Single: within its precision
        // of eps_ty + 0.003 the section is tension-controlled.
        if (epsT >= ety + kEcu - 1e-9) return kPhiTraccion;
        if (epsT <= ety) return kPhiCompresion;
        return kPhiCompresion + (kPhiTraccion - kPhiCompresion) * (epsT - ety) / kEcu;
    }
    double PhiCortante() const override { return kPhiCortante; }

    double IntensidadBloque() const override { return kBloque; }
    double DeformacionUltimaConcreto() const override { return kEcu; }

    // Table 22.2.2.4.3: 0.85 up to 280 Kgr/cm2 (28 MPa), less 0.05 for each
    // 70 Kgr/cm2 (7 MPa) above, not below 0.65.
    float Beta1(double fc) const override {
        float b1 = static_cast<float>(0.85 - 0.05 * (fc - 280) / 70);
        if (0.85 < b1) b1 = 0.85f;
        if (0.65 > b1) b1 = 0.65f;
        return b1;
    }

    // The design keeps every section tension-controlled: eps_t >= eps_ty + 0.003.
    float DeformacionLimite(double fy) const override {
        return static_cast<float>(fy / kEs + kEcu);
    }

    double LimiteRn() const override { return kLimiteRn; }
    bool AlmaComoRectangulo() const override { return true; }
    double FactorTanteoAlma() const override { return 0.75; }
    double FactorTanteoAla() const override { return 0.5; }

    // 9.6.1.2: the larger of 0.80 sqrt(f'c) bw d / fy and 14 bw d / fy; with
    // the flange in tension, bw becomes the smaller of 2 bw and bf (R9.6.1.2).
    AceroMinimoRegla AceroMinimo(bool alaEnTraccion, double fc, double fy, float d, float b,
                                 float bf) const override {
        const float bt = alaEnTraccion ? std::min(2 * b, bf) : b;
        AceroMinimoRegla r;
        r.primero = static_cast<float>(0.80 * RaizSegura(fc) * bt * d / fy);
        r.segundo = static_cast<float>(14.0 * bt * d / fy);
        r.gobierna = std::max(r.primero, r.segundo);
        r.anchoPrimero = r.anchoSegundo = bt;
        return r;
    }
    double AlivioAceroMinimo() const override { return kCuatroTercios; }
    float AnchoAceroMinimoAla(float bw, float) const override { return bw; }

    // Table 22.5.5.1 with rho_w = As / (bw d) and the cap of 22.5.5.1.1.
    CortanteConcreto Vc(double fc, float bv, float d, float As,
                        bool conEstriboMinimo) const override {
        const double raizBvD = RaizSegura(fc) * bv * d;  // sqrt(f'c) bv d, Kgr
        const double bd = static_cast<double>(bv) * d;
        CortanteConcreto c;
        c.rhoW = bd > 0 ? static_cast<float>(As / bd) : 0.0f;
        const double cubica = std::cbrt(static_cast<double>(c.rhoW));
        double vc;
        if (conEstriboMinimo) {
            const double a = kVcMinimo * raizBvD;
            const double b = kVcCuantia * cubica * raizBvD;
            c.expresion = b > a ? 1 : 0;
            vc = std::max(a, b);
        } else {
            c.lambdaS = FactorTamano(d);
            c.expresion = 2;
            vc = kVcCuantia * c.lambdaS * cubica * raizBvD;
        }
        if (vc > kVcMaximo * raizBvD) {
            vc = kVcMaximo * raizBvD;
            c.tope = true;
        }
        c.Vc = ASimple(vc);
        return c;
    }
    double VsMaximo(double fc, float bv, float d) const override {
        return kLimiteVs * RaizSegura(fc) * bv * d;
    }
    // No stirrups where Vu <= phi 0.265 sqrt(f'c) bw d (9.6.3.1) and the
    // concrete alone takes it (Vu <= phi Vc without stirrups).
    double VuSinEstribos(float Vc, double fc, float bv, float d) const override {
        return std::min(kPhiCortante * kUmbralMinimo * RaizSegura(fc) * bv * d,
                        kPhiCortante * static_cast<double>(Vc));
    }
    double FyEstribo(double fy) const override { return std::min(fy, kFyEstriboMaximo); }

    // Table 9.7.6.2.2.
    BandaEstribos Banda(float Vs, double fc, float bv, float d) const override {
        const double limite = kBandaVs * RaizSegura(fc) * bv * d;
        BandaEstribos x;
        x.VsBanda = ASimple(limite);
        x.cerrada = Vs > limite;
        x.smaxGeometrica = x.cerrada ? d / 4 : d / 2;
        x.smax = std::min(x.smaxGeometrica, x.cerrada ? 30.0f : 60.0f);
        return x;
    }
    // 9.6.3.4: Av,min / s the larger of 0.2 sqrt(f'c) bw / fyt and 3.5 bw / fyt.
    float SeparacionEstriboMinimo(float Av, double fc, double fyt, float bv) const override {
        const double c = std::max(kEstriboRaiz * RaizSegura(fc), kEstriboMinimo);
        return ASimple(2 * Av * fyt / (c * bv));
    }

    double ModuloConcreto(double fc) const override { return kFactorEc * RaizSegura(fc); }
    double ModuloRotura(double fc) const override { return kFactorFr * RaizSegura(fc); }

    // Table 24.2.3.5: Ig while Ma <= 2/3 Mcr, else
    // Icr / (1 - (2/3 Mcr / Ma)^2 (1 - Icr / Ig)), never above Ig.
    InerciaEfectivaRegla InerciaEfectiva(float Mcr, double Ma, double Ig,
                                         float Icr) const override {
        InerciaEfectivaRegla r;
        r.relacion = Ma > 0 ? ASimple(Mcr / Ma) : 0.0f;
        const double dosTercios = 2.0 / 3.0 * static_cast<double>(r.relacion);
        if (!(Ma > 0) || dosTercios >= 1) {
            r.Ie = Ig;
            return r;
        }
        r.Ie = Icr / (1 - dosTercios * dosTercios * (1 - Icr / Ig));
        if (!std::isfinite(r.Ie) || !(r.Ie > 0) || Ig < r.Ie) r.Ie = Ig;
        return r;
    }

    // 24.2.4.1.1: lambda_delta = xi / (1 + 50 rho') with xi = 2.0 (five years or more).
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
    // The program's convention for every set of rules: a cantilever counts
    // as half a span.
    float LuzVoladizo(float longitud) const override { return 2 * longitud; }

    // 6.3.2.1: each overhang no more than 8 hf and ln / 8.
    float AnchoAlaMaximo(bool conAla, float hf, float bw, float luz) const override {
        const float octavos = static_cast<float>(bw + luz / 4.0 * 100);  // cm
        const float W16 = static_cast<float>(16.0 * hf + bw);           // cm
        if (conAla && W16 < octavos) return W16;
        return octavos;
    }
    // 9.9.1.1: a deep beam has ln <= 4 h, or a concentrated load within 2 h
    // of the support; the program judges both with d.
    bool GranPeralte(float luzSobreD, float cargaSobreD) const override {
        return !(luzSobreD > 4 && cargaSobreD > 2);
    }
    // 9.7.2.3 asks side-face steel for h over 90 cm; the amount is that of
    // the program's classic rules, which the code no longer states.
    std::optional<AceroLateral> AceroPiel(float d) const override {
        if (!(d > 90)) return std::nullopt;
        const double s = d / 6.0 <= 30 ? d / 6.0 : 30.0;
        return AceroLateral{(d - 75.0) * 0.1 * s / 100.0, s};
    }

    TextoRegla Texto(Regla r) const override { return TextoAci318(r); }
    std::string TextoFactor(float categoria) const override {
        if (categoria == static_cast<float>(CategoriaCarga::Viva)) return "1.6";
        if (categoria == static_cast<float>(CategoriaCarga::Muerta)) return "1.2 / 1.4";
        return "1.0";
    }
    std::vector<BloqueCriterio> Criterios() const override { return CriteriosAci318(); }

    // 25.4.2.3 with psi_t = 1.3 for top bars, psi_e = psi_g = lambda = 1;
    // 25.4.2.1(b): at least 300 mm; 25.4.1.4: sqrt(f'c) up to 8.3 MPa.
    LongitudDesarrolloRegla LongitudDesarrollo(double fc, double fy, float db,
                                               bool superior) const override {
        return DesarrolloRecto(fc, fy, db, superior, kDesarrolloGrandes, kFactorTamanoPequenas);
    }
    LimiteFisuracion Fisuracion(double fy, float cc) const override {
        LimiteFisuracion l;
        const double fs = kFsFisuracion * fy;
        if (!(fs > 0)) return l;
        const double k = kFsReferencia / fs;
        l.fs = ASimple(fs);
        l.sRecubrimiento = ASimple(std::max(0.0, kSFisuracion * k - kFactorRecubrimiento * cc));
        l.sTope = ASimple(kSTopeFisuracion * k);
        l.sMax = std::min(l.sRecubrimiento, l.sTope);
        return l;
    }
    // 9.7.3.3 (12 db), 9.7.3.5 (a) and (c) (2/3, twice the area, 3/4),
    // 9.7.3.8.1 (one third, one quarter), 9.7.3.8.4 (ln/16), 25.3.1 (90
    // degree hook, 12 db), 25.3.2 (135 degree stirrup hook, 6 db >= 75 mm).
    CorteBarrasRegla CorteBarras() const override {
        CorteBarrasRegla c;
        c.clausula = "ACI 318-19, 9.7.3.3, 9.7.3.5 (a) y (c), 9.7.3.8, 25.3.1 y 25.3.2";
        return c;
    }
    TextoRegla TextoFisuracion() const override {
        return {"s ≤ 380 (280/fs) − 2.5 cc ≤ 300 (280/fs)  [mm, MPa], fs = 2/3 fy",
                "s ≤ {s1} cm, s ≤ {s2} cm (fs = {fs} Kgr/cm2, cc = {cc} cm)",
                "separación centro a centro de las barras más cercanas a la cara en tracción",
                "ACI 318-19, 24.3.2"};
    }

  private:
    // 22.5.5.1.3: lambda_s = sqrt(2 / (1 + 0.004 d)) <= 1, d in mm.
    static float FactorTamano(float d) {
        const double dmm = 10.0 * d;
        return static_cast<float>(std::min(1.0, std::sqrt(2 / (1 + 0.004 * dmm))));
    }
};

}  // namespace

const ReglasDiseno& ReglasAci318Diseno() {
    static const ReglasAci318 reglas;
    return reglas;
}

}  // namespace korvex
