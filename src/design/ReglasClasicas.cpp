// The classic design rules of the program, close to ACI 318-99 with the
// factored combination 1.4 D + 1.7 L, in the units of the design (Kgr, cm,
// Kgr/cm2). Their departures from the code are stated in Criterios().
#include <cmath>
#include <string>

#include "design/DatosDiseno.h"
#include "design/Reglas.h"

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

// Span ratios of the four use categories.
constexpr double kRelacionLuz[5] = {0, 180, 360, 480, 240};

BloqueCriterio Apartado(std::string t) {
    return {BloqueCriterio::Tipo::Apartado, std::move(t), {}, {}};
}
BloqueCriterio Parrafo(std::string t) {
    return {BloqueCriterio::Tipo::Texto, std::move(t), {}, {}};
}
BloqueCriterio Nota(std::string t) {
    return {BloqueCriterio::Tipo::Nota, std::move(t), {}, {}};
}
BloqueCriterio Tabla(std::vector<std::string> encabezado,
                     std::vector<std::vector<std::string>> filas) {
    return {BloqueCriterio::Tipo::Tabla, {}, std::move(encabezado), std::move(filas)};
}
BloqueCriterio Reglas(std::vector<std::vector<std::string>> filas) {
    return Tabla({"Regla", "Expresión"}, std::move(filas));
}

constexpr const char* kKgCm2 = "Kgr/cm^{2}";

class ReglasClasicas final : public ReglasDiseno {
  public:
    std::string_view Clave() const override { return kReglasClasicas; }
    std::string_view Nombre() const override { return "Clásica (ACI 318-99, 1.4 D + 1.7 L)"; }

    std::vector<CombinacionCargas> CombinacionesResistencia() const override {
        return {{kFactorViva, kFactorMuerta, kFactorOtros, kFactorPesoPropio}};
    }
    CombinacionCargas CombinacionServicio() const override { return {1.0, 1.0, 1.0, 1.0}; }

    double PhiFlexion(double) const override { return kPhiFlexion; }
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
        return r;
    }
    double AlivioAceroMinimo() const override { return kCuatroTercios; }

    float Vc(double fc, float bv, float d, float) const override {
        const double raizBvD = RaizSegura(fc) * bv * d;  // sqrt(f'c) bv d, Kgr
        return ASimple(kFactorVc * raizBvD);
    }
    double VsMaximo(double fc, float bv, float d) const override {
        const double raizBvD = RaizSegura(fc) * bv * d;
        return kLimiteVs * raizBvD;
    }
    double VuSinEstribos(float Vc) const override { return kPhiCortante * Vc / 2; }

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
    std::vector<BloqueCriterio> Criterios() const override;
};

TextoRegla ReglasClasicas::Texto(Regla r) const {
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
        case Regla::LuzVoladizo:
            return {"l = 2 × longitud del voladizo", "2 × {longitud}",
                    "el doble de su longitud para cada voladizo (un voladizo cuenta como medio "
                    "tramo)"};
    }
    return {};
}

std::vector<BloqueCriterio> ReglasClasicas::Criterios() const {
    std::vector<BloqueCriterio> b;
    b.push_back(Parrafo(
        "Reglas con las que el programa diseña la viga y sus constantes. Fuerzas en Kgr, "
        "longitudes de la sección en cm, esfuerzos en " +
        std::string(kKgCm2) + " y √f'_{c} con f'_{c} en " + kKgCm2 + "."));
    // Cargas
    b.push_back(Apartado("Cargas y factores de reducción"));
    b.push_back(Reglas({
        {"Combinación factorizada (resistencia)",
         "U = 1.4 D + 1.7 L + 1.0 Otros + 1.4 PP; \"Otros\" son cargas ya factorizadas; PP = "
         "peso propio, w = 0.00024 A Tn/m (A en cm^{2})"},
        {"Combinación de servicio (deflexiones)", "D + L + Otros + PP, todas con factor 1.0"},
        {"Factor de reducción, flexión", "φ = 0.90"},
        {"Factor de reducción, cortante", "φ = 0.85"},
    }));
    // Flexion
    b.push_back(Apartado("Flexión"));
    b.push_back(Reglas({
        {"Bloque de compresiones",
         "0.85 f'_{c} uniforme en la profundidad a = β_{1} c; ε_{cu} = 0.003; E_{s} = 2,040,000 " +
             std::string(kKgCm2) + "; f_{s} = E_{s} ε_{s} ≤ f_{y}"},
        {"Factor β_{1}", "β_{1} = 0.85 − (f'_{c} − 280) / 1400, entre 0.65 y 0.85"},
        {"Capacidad de la sección",
         "R_{n} = M_{u} / (0.9 f'_{c} b d^{2}) ≤ 0.425; por encima la sección es insuficiente y "
         "el diseño se detiene"},
        {"Acero máximo sin acero de compresión",
         "eje neutro c ≤ k d, k = 0.003 / (0.003 + ε_{s,lím}), ε_{s,lím} = 0.001 + (4/3) ε_{y}: "
         "k = 0.75 × 0.003 / (0.003 + ε_{y}), el 0.75 del eje neutro balanceado; en una zona "
         "de compresión rectangular, ρ_{máx} = 0.85 β_{1} k f'_{c} / f_{y} = 0.75 ρ_{b}"},
        {"Acero de compresión",
         "el momento que excede al del hormigón con q_{máx} = β_{1} k lo toma un par de aceros: "
         "A'_{s} con f'_{s} = E_{s} ε'_{s} ≤ f_{y}, ε'_{s} = 0.003 − (d'/d) (ε_{s,lím} + 0.003)"},
        {"Ala en compresión",
         "si a con el ancho b_{f} no pasa de h_{f}, rectángulo de ancho b_{f}; si pasa, T: "
         "A_{sf} = 0.85 f'_{c} (b_{f} − b_{w}) h_{f} / f_{y} y el alma como rectángulo de ancho "
         "b_{w}; acero de compresión cuando M_{u} supera φM_{nf} + φM_{t}, con A_{t} = 0.75 "
         "ω_{w} (f'_{c}/f_{y}) b_{w} d + 0.5 A_{sf}"},
    }));
    b.push_back(Parrafo("Acero mínimo de tracción, el mayor de los dos valores de cada caso:"));
    b.push_back(Tabla({"Caso", "A_{s,mín}"}, {
        {"Sección rectangular, ambos momentos", "máx(0.8 √f'_{c} b d / f_{y}, 14.5 b d / f_{y})"},
        {"Ala en compresión, bloque dentro del ala (M(+) de la T, M(−) de la T invertida)",
         "máx(0.8 √f'_{c} b_{f} d / f_{y}, 14.5 b_{f} d / f_{y})"},
        {"Ala en compresión, bloque bajo el ala (comportamiento T)",
         "máx(0.8 √f'_{c} b_{w} d / f_{y}, 14.5 b_{w} d / f_{y})"},
        {"Ala en tracción (M(−) de la T, M(+) de la T invertida)",
         "máx(1.6 √f'_{c} b_{w} d / f_{y}, 0.8 √f'_{c} b_{f} d / f_{y})"},
        {"Alivio de 4/3, en todos los casos",
         "si A_{s,req} < A_{s,mín}: A_{s} = mín(4/3 A_{s,req}, A_{s,mín})"},
    }));
    // Cortante
    b.push_back(Apartado("Cortante"));
    b.push_back(Reglas({
        {"Cortante de diseño",
         "V_{u} = |V|_{máx} del diagrama factorizado; una sola separación de estribos para toda "
         "la viga"},
        {"Resistencia del hormigón", "V_{c} = 0.55 √f'_{c} b_{w} d"},
        {"Sin estribos", "V_{u} ≤ φV_{c} / 2 (a discreción del Ingeniero)"},
        {"Cortante de los estribos",
         "V_{s} = V_{u} / φ − V_{c} ≤ 2.1 √f'_{c} b_{w} d; por encima la viga falla por cortante"},
        {"Separación máxima",
         "V_{s} ≤ 1.1 √f'_{c} b_{w} d: s ≤ d/2 y s ≤ 60 cm; V_{s} > 1.1 √f'_{c} b_{w} d: "
         "s ≤ d/4 y s ≤ 30 cm"},
        {"Estribo mínimo (dos ramas de área A_{v})",
         "2 A_{v} ≥ 3.5 b_{w} s / f_{y}, es decir s ≤ 2 A_{v} f_{y} / (3.5 b_{w})"},
        {"Resistencia de los estribos (V_{s} > 0)", "s ≤ 2 A_{v} f_{y} d / V_{s}"},
    }));
    // Deflexion
    b.push_back(Apartado("Deflexiones"));
    b.push_back(Reglas({
        {"Sección fisurada",
         "n = E_{s} / E_{c}, E_{c} = 15100 √f'_{c}; I_{cr} de la sección transformada con A_{s} "
         "y A'_{s}"},
        {"Inercia efectiva (Branson)",
         "I_{e} = (M_{cr}/M_{a})^{3} I_{g} + [1 − (M_{cr}/M_{a})^{3}] I_{cr} ≤ I_{g}, M_{cr} = "
         "f_{r} I_{g} / y_{t}, f_{r} = 2 √f'_{c}; M_{a}: el mayor momento de servicio del signo"},
        {"Flecha inmediata δ", "con las cargas de servicio (todas con factor 1.0) e I_{e}"},
        {"Factor de largo plazo (usos 3 y 4)",
         "λ = 2 / (1 + 50 ρ'), ρ' = A'_{s} / (b d) de la sección con más acero de compresión"},
        {"Flecha de cada zona",
         "la mayor |δ·I| de la zona dividida por la menor I_{e} de las dos secciones con momento"},
        {"Uso 1: azoteas sin elementos no estructurales susceptibles de daño", "δ ≤ l/180"},
        {"Uso 2: entrepisos sin elementos no estructurales susceptibles de daño", "δ ≤ l/360"},
        {"Uso 3: con elementos no estructurales susceptibles de daño", "λ δ ≤ l/480"},
        {"Uso 4: con elementos no estructurales no susceptibles de daño", "λ δ ≤ l/240"},
        {"Luz l de cada zona",
         "el tramo entre los apoyos, l = K − J; cada voladizo, l = 2 × su longitud"},
    }));
    // ComparacionAci
    b.push_back(Apartado("Diferencias con ACI 318-99"));
    b.push_back(Parrafo(
        "Reglas en que el programa se aparta de ACI 318-99 y en qué sentido. Los coeficientes "
        "del código, escritos para psi, están convertidos a " +
        std::string(kKgCm2) +
        ": 2 √f'_{c} → 0.53 √f'_{c}, 3 √f'_{c} → 0.80 √f'_{c}, 4 √f'_{c} → 1.06 √f'_{c}, 6 "
        "√f'_{c} → 1.59 √f'_{c}, 8 √f'_{c} → 2.12 √f'_{c}, 7.5 √f'_{c} → 2.0 √f'_{c}, 200 / "
        "f_{y} → 14 / f_{y}."));
    b.push_back(Tabla({"Regla", "Korvex", "ACI 318-99", "Sentido"}, {
        {"Resistencia del hormigón a cortante", "V_{c} = 0.55 √f'_{c} b_{w} d",
         "11.3.1.1: V_{c} = 0.53 √f'_{c} b_{w} d", "menos conservador"},
        {"Acero mínimo, segundo valor", "14.5 b d / f_{y}", "10.5.1: 14 b_{w} d / f_{y}",
         "más conservador"},
        {"Acero mínimo de una T con el bloque en el ala", "con b_{f}", "10.5.1: con b_{w}",
         "más conservador"},
        {"Acero mínimo con el ala en tracción",
         "el mayor de 1.6 √f'_{c} b_{w} d / f_{y} y 0.8 √f'_{c} b_{f} d / f_{y}",
         "10.5.2: el menor de 1.59 √f'_{c} b_{w} d / f_{y} y el de 10.5.1 con b_{f}",
         "más conservador"},
        {"Límite de la banda de separación", "V_{s} > 1.1 √f'_{c} b_{w} d",
         "11.5.4.3: V_{s} > 1.06 √f'_{c} b_{w} d", "menos conservador"},
        {"Mayor V_{s}", "2.1 √f'_{c} b_{w} d", "11.5.6.9: 2.12 √f'_{c} b_{w} d", "más conservador"},
        {"Cortante de diseño", "|V|_{máx} del diagrama",
         "11.1.3: V_{u} a la distancia d de la cara del apoyo", "más conservador"},
        {"Deflexión de los usos 1 y 2", "δ inmediata con todas las cargas de servicio",
         "Tabla 9.5(b): δ inmediata de la carga viva", "más conservador"},
        {"Deflexión de los usos 3 y 4", "λ δ con todas las cargas de servicio",
         "Tabla 9.5(b), 9.5.2.5: λ δ de las cargas sostenidas más δ inmediata de la carga viva "
         "adicional, menos la ocurrida antes de colocar los elementos no estructurales",
         "más conservador mientras λ ≥ 1 (ρ' ≤ 0.02)"},
        {"Luz de un voladizo en el límite de deflexión", "2 × la longitud del voladizo",
         "Tabla 9.5(b): la proyección libre del voladizo", "menos conservador"},
        {"Inercia efectiva de la flecha", "la menor de las dos secciones, en cada zona",
         "9.5.2.4: la del centro del vano en un tramo simple, la del apoyo en un voladizo",
         "más conservador"},
        {"ρ' del factor de largo plazo", "el de la sección con más acero de compresión",
         "9.5.2.5: el del centro del vano en un tramo, el del apoyo en un voladizo",
         "menos conservador (un ρ' mayor da un λ menor)"},
        {"Tope de la sección a flexión",
         "R_{n} ≤ 0.425: por encima la sección es insuficiente aun con acero de compresión",
         "sin tope: 10.3.3 limita el acero de tracción, no la sección doblemente armada",
         "más conservador (rechaza secciones que se podrían armar)"},
        {"Acero de compresión de una T",
         "cuando M_{u} > φM_{nf} + φM_{t}, A_{t} = 0.75 ω_{w} (f'_{c}/f_{y}) b_{w} d + 0.5 "
         "A_{sf}, con ω_{w} de la demanda del alma",
         "10.3.3: A_{s} ≤ 0.75 de la cuantía balanceada de la T (con el ala)",
         "distinto: según la sección lo pide antes o después"},
    }));
    b.push_back(Nota(
        "Coinciden con ACI 318-99: los factores de carga 1.4 y 1.7 (9.2.1), φ = 0.90 y 0.85 "
        "(9.3.2), el bloque de 0.85 f'_{c}, ε_{cu} = 0.003 y β_{1} (10.2), el acero máximo "
        "0.75 ρ_{b} en una zona de compresión rectangular (10.3.3), el alivio de 4/3 (10.5.3), "
        "el estribo mínimo 3.5 b_{w} s / f_{y} (11.5.5.3), las separaciones d/2 y d/4 con 60 y "
        "30 cm (11.5.4, 24 y 12 pulgadas), f_{r} = 2.0 √f'_{c} (9.5.2.3) y λ con ξ = 2 para "
        "cargas sostenidas cinco años o más (9.5.2.5)."));
    return b;
}

}  // namespace

const ReglasDiseno& ReglasClasicasDiseno() {
    static const ReglasClasicas reglas;
    return reglas;
}

}  // namespace korvex
