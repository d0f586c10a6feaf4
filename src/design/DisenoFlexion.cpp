#include "design/DisenoFlexion.h"

#include <cmath>

#include "design/DatosDiseno.h"

namespace korvex {

using namespace diseno;

namespace {

constexpr double kPhi = 0.9;         // strength reduction factor, flexure
constexpr double kLimiteRn = 0.425;  // Rn/0.425 <= 1: the block fits the depth
constexpr double kEcu = 0.003;       // concrete crushing strain
constexpr double kAlivioMinimo = 4.0 / 3.0;

// Mu = |M| in Kgr.cm (M in Tn.m).
float MomentoUltimo(float M) {
    return ASimple(std::fabs(static_cast<double>(M)) * kTnmAKgcm);
}

// Rn = Mu / (0.9 f'c b d^2), dimensionless.
float Rn(float Mu, float b, const DatosFlexion& p) {
    return ASimple(Mu / (kPhi * p.fc * b * (static_cast<double>(p.d) * p.d)));
}

// Rn / 0.425 held in Single; equal to 1 within its precision passes.
bool ExcedeCapacidad(float rn) {
    const float cociente = static_cast<float>(rn / kLimiteRn);
    return !(cociente <= 1);
}

// 1 - sqrt(1 - Rn/0.425): the stress-block depth ratio a/d divided by 0.85.
double ProfundidadRelativa(float rn) {
    return 1 - RaizSegura(1 - rn / kLimiteRn);
}

// Stress of the compression steel, Kgr/cm2: Es eps's limited to fy.
float EsfuerzoCompresion(const DatosFlexion& p) {
    const float eslim = DeformacionLimite(p.fy);
    const float epsc =
        static_cast<float>(kEcu - (static_cast<double>(p.dp) / p.d) * (eslim + kEcu));
    float fsc = static_cast<float>(epsc * kEs);
    if (p.fy < fsc) fsc = static_cast<float>(p.fy);
    return fsc;
}

// Compression steel A's and the extra tension steel M/(fy 0.9 (d - d'))
// (cm2) of the steel couple that takes a moment M (Kgr.cm) beyond the
// concrete's share. Not possible when the lever arm d - d' is not positive or
// the steel stress does not exceed the concrete stress it replaces.
bool AceroDoble(float M, const DatosFlexion& p, double& AsExtra, float& Asc) {
    const double brazo = static_cast<double>(p.d) - p.dp;     // cm
    const double neto = EsfuerzoCompresion(p) - 0.85 * p.fc;  // Kgr/cm2
    if (!(brazo > 0) || !(neto > 0)) return false;
    AsExtra = M / (p.fy * kPhi * brazo);
    Asc = ASimple(M / (kPhi * neto * brazo));
    return true;
}

// Largest stress-block depth ratio a/d: beta1 times the neutral-axis depth
// ratio k = 0.003 / (0.003 + eps_s,lim).
float QMax(double fc, double fy) {
    const float k = static_cast<float>(kEcu / (kEcu + DeformacionLimite(fy)));
    return Beta1(fc) * k;
}

float Mayor(double a, double b) {
    return static_cast<float>(a > b ? a : b);
}

}  // namespace

float Beta1(double fc) {
    float b1 = static_cast<float>(0.85 - (fc - 280) / 1400);
    if (0.85 < b1) b1 = 0.85f;
    if (0.65 > b1) b1 = 0.65f;
    return b1;
}

float DeformacionLimite(double fy) {
    const float ey = static_cast<float>(fy / kEs);
    return static_cast<float>(0.001 + kAlivioMinimo * ey);
}

float RnMaximo(double fc, double fy) {
    const float qmax = QMax(fc, fy);
    return static_cast<float>(0.85 * qmax * (1 - qmax / 2.0));
}

float AplicarAceroMinimo(float As, float Asmin) {
    if (!(As < Asmin)) return As;
    const float alivio = static_cast<float>(kAlivioMinimo * As);
    return alivio > Asmin ? Asmin : alivio;
}

ResultadoFlexion FlexionRectangular(float Mu, float bd, const DatosFlexion& p, float Asmin) {
    ResultadoFlexion r;
    const float rn = Rn(Mu, bd, p);
    if (ExcedeCapacidad(rn)) return {false, 0, 0};

    const float qmax = QMax(p.fc, p.fy);
    const float rnMax = RnMaximo(p.fc, p.fy);
    const double bdd = static_cast<double>(bd) * p.d;  // cm2

    if (rn <= rnMax) {
        const float w = static_cast<float>(0.85 * ProfundidadRelativa(rn));
        r.As = ASimple(w * p.fc / p.fy * bdd);
        r.Asc = 0;
    } else {
        // The concrete takes phi Mn1 at qmax; the rest, M2, takes a steel couple.
        const float phiMn1 = ASimple(kPhi * p.fc * bdd * p.d * rnMax);
        const float M2 = Mu - phiMn1;
        double AsExtra = 0;
        if (!AceroDoble(M2, p, AsExtra, r.Asc)) return {false, 0, 0};
        r.As = ASimple(AsExtra + 0.85 * qmax * p.fc * bdd / p.fy);
    }
    r.As = AplicarAceroMinimo(r.As, Asmin);
    return r;
}

ResultadoFlexion FlexionT(float Mu, float bf, float bw, float hf, const DatosFlexion& p,
                          float Asmin) {
    ResultadoFlexion r;
    const double bwd = static_cast<double>(bw) * p.d;  // cm2
    // Steel that balances the overhanging flange, and its moment.
    const float Asf = ASimple(0.85 * p.fc * hf * (static_cast<double>(bf) - bw) / p.fy);
    const float phiMnf = ASimple(kPhi * Asf * p.fy * (p.d - hf / 2.0));
    // The web takes the rest as a rectangle of width bw.
    const float Mw = Mu - phiMnf;
    const float rnw = Rn(Mw, bw, p);
    if (ExcedeCapacidad(rnw)) return {false, 0, 0};
    const float ww = static_cast<float>(0.85 * ProfundidadRelativa(rnw));
    const float Asw = ASimple(ww * p.fc / p.fy * bwd);
    // Trial steel and its capacity.
    const float At = ASimple((p.fc * 0.75 * ww / p.fy) * bwd + 0.5 * Asf);
    const float at = ASimple(p.fy * At / (0.85 * p.fc * bw));
    const float phiMt = ASimple(kPhi * At * p.fy * (p.d - at / 2.0));
    const float phiMcap = phiMnf + phiMt;

    if (Mu <= phiMcap) {
        r.As = Asf + Asw;
        r.Asc = 0;
    } else {
        const float M3 = Mu - phiMcap;
        double AsExtra = 0;
        if (!AceroDoble(M3, p, AsExtra, r.Asc)) return {false, 0, 0};
        const float As3 = ASimple(AsExtra);
        r.As = At + Asf + As3;
    }
    r.As = AplicarAceroMinimo(r.As, Asmin);
    return r;
}

Mensaje MensajeSeccionInsuficiente() {
    return {"Esta Sección no resiste esta solicitud de cargas", "Sección Insuficiente",
            kEstiloSimple};
}

namespace {

// Minimum steel, cm2: the larger of c1 sqrt(f'c) b1 d / fy and the second
// value of the pair (c2 sqrt(f'c) b2 d / fy, or 14.5 b2 d / fy when c2 = 0).
float AceroMinimo(const DatosFlexion& p, double c1, float b1, double c2, float b2) {
    const double raiz = RaizSegura(p.fc);
    const float a = static_cast<float>(c1 * raiz * b1 * p.d / p.fy);
    const float b = static_cast<float>((c2 > 0 ? c2 * raiz : 14.5) * b2 * p.d / p.fy);
    return Mayor(a, b);
}

// Minimum steel of a rectangular zone of width b: 0.8 sqrt(f'c) and 14.5.
float AceroMinimoRect(const DatosFlexion& p, float b) {
    return AceroMinimo(p, 0.8, b, 0, b);
}

// Designs the sign whose compression face is the flange of a T (positive
// moment of a T, negative moment of an inverted T): the flange check decides
// between a rectangle of width bf and T behaviour.
ResultadoFlexion FlexionConAla(EstadoProyecto& e, float Mu, const AlaAlma& g,
                               const DatosFlexion& p) {
    e.AnchoDiseno = g.Bf;
    const float rn = Rn(Mu, g.Bf, p);
    if (ExcedeCapacidad(rn)) return {false, 0, 0};
    const float a = static_cast<float>(ProfundidadRelativa(rn) * p.d);  // cm, block depth
    if (g.Hf < a) {
        e.ComportamientoT = 2.0f;
        return FlexionT(Mu, g.Bf, g.Bw, g.Hf, p, AceroMinimoRect(p, g.Bw));
    }
    e.ComportamientoT = 1.0f;
    return FlexionRectangular(Mu, g.Bf, p, AceroMinimoRect(p, g.Bf));
}

// Designs the sign whose compression face is the web of a T (negative moment
// of a T, positive moment of an inverted T).
ResultadoFlexion FlexionEnAlma(EstadoProyecto& e, float Mu, const AlaAlma& g,
                               const DatosFlexion& p) {
    e.AnchoDiseno = g.Bw;
    return FlexionRectangular(Mu, g.Bw, p, AceroMinimo(p, 1.6, g.Bw, 0.8, g.Bf));
}

void Guardar(const ResultadoFlexion& r, float& As, float& Asc) {
    As = r.As;
    Asc = r.Asc;
}

}  // namespace

bool DisenoFlexion(EstadoProyecto& e, const Seccion& s, const Materiales& m, Interfaz& ui) {
    const DatosFlexion p{Fc(m), Fy(m), e.PeralteEfectivo, e.Recubrimiento};
    const float MuPos = MomentoUltimo(e.MomentoPosMax);
    const float MuNeg = MomentoUltimo(-e.MomentoNegMax);
    const AlaAlma g = DimensionesAla(s);

    auto fallo = [&] {
        ui.MostrarMensaje(MensajeSeccionInsuficiente());
        e.FalloDiseno = 1.0f;
        return false;
    };

    switch (TipoDe(s)) {
        case TipoSeccion::Rect: {
            e.ComportamientoT = 1.0f;
            const float b = e.AnchoDiseno;
            const float Asmin = AceroMinimoRect(p, b);
            const ResultadoFlexion neg = FlexionRectangular(MuNeg, b, p, Asmin);
            if (!neg.suficiente) return fallo();
            Guardar(neg, e.AsTraccionNeg, e.AsCompresionNeg);
            const ResultadoFlexion pos = FlexionRectangular(MuPos, b, p, Asmin);
            if (!pos.suficiente) return fallo();
            Guardar(pos, e.AsTraccionPos, e.AsCompresionPos);
            return true;
        }
        case TipoSeccion::T: {
            const ResultadoFlexion neg = FlexionEnAlma(e, MuNeg, g, p);
            if (!neg.suficiente) return fallo();
            Guardar(neg, e.AsTraccionNeg, e.AsCompresionNeg);
            const ResultadoFlexion pos = FlexionConAla(e, MuPos, g, p);
            if (!pos.suficiente) return fallo();
            Guardar(pos, e.AsTraccionPos, e.AsCompresionPos);
            return true;
        }
        case TipoSeccion::Ti: {
            const ResultadoFlexion pos = FlexionEnAlma(e, MuPos, g, p);
            if (!pos.suficiente) return fallo();
            Guardar(pos, e.AsTraccionPos, e.AsCompresionPos);
            const ResultadoFlexion neg = FlexionConAla(e, MuNeg, g, p);
            if (!neg.suficiente) return fallo();
            Guardar(neg, e.AsTraccionNeg, e.AsCompresionNeg);
            return true;
        }
        case TipoSeccion::Desconocida:
            break;
    }
    return true;
}

}  // namespace korvex
