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

float CuantiaBalanceada(double fc, double fy) {
    const double ey = fy / kEs;
    return ASimple(0.85 * Beta1(fc) * (fc / fy) * kEcu / (kEcu + ey));
}

float CuantiaMaxima(double fc, double fy) {
    return ASimple(0.85 * QMax(fc, fy) * fc / fy);
}

namespace {

// The minimum steel and the 4/3 relief, recorded.
float AceroFinal(float As, float Asmin, PasoFlexion& x) {
    x.AsRequerido = As;
    x.AsMin = Asmin;
    x.alivio = As < Asmin;
    if (x.alivio) x.AsCuatroTercios = static_cast<float>(kAlivioMinimo * As);
    return AplicarAceroMinimo(As, Asmin);
}

// The compression steel of a steel couple, recorded.
void RegistrarAceroDoble(const DatosFlexion& p, PasoFlexion& x) {
    const float eslim = DeformacionLimite(p.fy);
    x.epsCompresion = static_cast<float>(kEcu - (static_cast<double>(p.dp) / p.d) * (eslim + kEcu));
    x.fsCompresion = EsfuerzoCompresion(p);
}

}  // namespace

ResultadoFlexion FlexionRectangular(float Mu, float bd, const DatosFlexion& p, float Asmin,
                                    PasoFlexion* paso) {
    PasoFlexion local;
    PasoFlexion& x = paso ? *paso : local;
    ResultadoFlexion r;
    x.b = bd;
    const float rn = Rn(Mu, bd, p);
    x.Rn = rn;
    if (ExcedeCapacidad(rn)) {
        x.suficiente = false;
        x.parada = Parada::Rn;
        return {false, 0, 0};
    }

    const float qmax = QMax(p.fc, p.fy);
    const float rnMax = RnMaximo(p.fc, p.fy);
    const double bdd = static_cast<double>(bd) * p.d;  // cm2

    if (rn <= rnMax) {
        const float w = static_cast<float>(0.85 * ProfundidadRelativa(rn));
        x.omega = w;
        x.a = static_cast<float>(ProfundidadRelativa(rn) * p.d);
        r.As = ASimple(w * p.fc / p.fy * bdd);
        r.Asc = 0;
    } else {
        // The concrete takes phi Mn1 at qmax; the rest, M2, takes a steel couple.
        x.dobleArmado = true;
        x.a = qmax * p.d;
        const float phiMn1 = ASimple(kPhi * p.fc * bdd * p.d * rnMax);
        const float M2 = Mu - phiMn1;
        x.phiMn1 = phiMn1;
        x.M2 = M2;
        RegistrarAceroDoble(p, x);
        double AsExtra = 0;
        if (!AceroDoble(M2, p, AsExtra, r.Asc)) {
            x.suficiente = false;
            x.parada = Parada::Acero;
            return {false, 0, 0};
        }
        r.As = ASimple(AsExtra + 0.85 * qmax * p.fc * bdd / p.fy);
    }
    r.As = AceroFinal(r.As, Asmin, x);
    x.As = r.As;
    x.Asc = r.Asc;
    return r;
}

ResultadoFlexion FlexionT(float Mu, float bf, float bw, float hf, const DatosFlexion& p,
                          float Asmin, PasoFlexion* paso) {
    PasoFlexion local;
    PasoFlexion& x = paso ? *paso : local;
    ResultadoFlexion r;
    const double bwd = static_cast<double>(bw) * p.d;  // cm2
    // Steel that balances the overhanging flange, and its moment.
    const float Asf = ASimple(0.85 * p.fc * hf * (static_cast<double>(bf) - bw) / p.fy);
    const float phiMnf = ASimple(kPhi * Asf * p.fy * (p.d - hf / 2.0));
    // The web takes the rest as a rectangle of width bw.
    const float Mw = Mu - phiMnf;
    const float rnw = Rn(Mw, bw, p);
    x.Asf = Asf;
    x.phiMnf = phiMnf;
    x.Mw = Mw;
    x.Rnw = rnw;
    if (ExcedeCapacidad(rnw)) {
        x.suficiente = false;
        x.parada = Parada::Alma;
        return {false, 0, 0};
    }
    const float ww = static_cast<float>(0.85 * ProfundidadRelativa(rnw));
    const float Asw = ASimple(ww * p.fc / p.fy * bwd);
    // Trial steel and its capacity.
    const float At = ASimple((p.fc * 0.75 * ww / p.fy) * bwd + 0.5 * Asf);
    const float at = ASimple(p.fy * At / (0.85 * p.fc * bw));
    const float phiMt = ASimple(kPhi * At * p.fy * (p.d - at / 2.0));
    const float phiMcap = phiMnf + phiMt;
    x.omegaW = ww;
    x.Asw = Asw;
    x.At = At;
    x.at = at;
    x.phiMt = phiMt;
    x.phiMcap = phiMcap;

    if (Mu <= phiMcap) {
        r.As = Asf + Asw;
        r.Asc = 0;
    } else {
        const float M3 = Mu - phiMcap;
        x.dobleArmado = true;
        x.M3 = M3;
        RegistrarAceroDoble(p, x);
        double AsExtra = 0;
        if (!AceroDoble(M3, p, AsExtra, r.Asc)) {
            x.suficiente = false;
            x.parada = Parada::Acero;
            return {false, 0, 0};
        }
        const float As3 = ASimple(AsExtra);
        x.As3 = As3;
        r.As = At + Asf + As3;
    }
    r.As = AceroFinal(r.As, Asmin, x);
    x.As = r.As;
    x.Asc = r.Asc;
    return r;
}

Mensaje MensajeSeccionInsuficiente() {
    return {"Esta Sección no resiste esta solicitud de cargas", "Sección Insuficiente",
            kEstiloSimple};
}

namespace {

// Minimum steel, cm2: the larger of c1 sqrt(f'c) b1 d / fy and the second
// value of the pair (c2 sqrt(f'c) b2 d / fy, or 14.5 b2 d / fy when c2 = 0).
float AceroMinimo(const DatosFlexion& p, double c1, float b1, double c2, float b2, PasoFlexion& x) {
    const double raiz = RaizSegura(p.fc);
    const float a = static_cast<float>(c1 * raiz * b1 * p.d / p.fy);
    const float b = static_cast<float>((c2 > 0 ? c2 * raiz : 14.5) * b2 * p.d / p.fy);
    x.AsMin1 = a;
    x.AsMin2 = b;
    return Mayor(a, b);
}

// Minimum steel of a rectangular zone of width b: 0.8 sqrt(f'c) and 14.5.
float AceroMinimoRect(const DatosFlexion& p, float b, PasoFlexion& x) {
    return AceroMinimo(p, 0.8, b, 0, b, x);
}

// The data of one design that do not depend on its procedure.
void IniciarPaso(PasoFlexion& x, float M, float Mu, const DatosFlexion& p) {
    x = PasoFlexion{};
    x.calculado = true;
    x.M = M;
    x.Mu = Mu;
    x.d = p.d;
    x.dp = p.dp;
    x.fc = p.fc;
    x.fy = p.fy;
    x.beta1 = Beta1(p.fc);
    x.epsY = static_cast<float>(p.fy / kEs);
    x.epsLim = DeformacionLimite(p.fy);
    x.k = static_cast<float>(kEcu / (kEcu + x.epsLim));
    x.qmax = QMax(p.fc, p.fy);
    x.rhoBalanceada = CuantiaBalanceada(p.fc, p.fy);
    x.rhoMaxima = CuantiaMaxima(p.fc, p.fy);
    x.RnMax = RnMaximo(p.fc, p.fy);
}

// Designs the sign whose compression face is the flange of a T (positive
// moment of a T, negative moment of an inverted T): the flange check decides
// between a rectangle of width bf and T behaviour.
ResultadoFlexion FlexionConAla(EstadoProyecto& e, float Mu, const AlaAlma& g, const DatosFlexion& p,
                               PasoFlexion& x) {
    e.AnchoDiseno = g.Bf;
    x.conAla = true;
    x.hf = g.Hf;
    x.bw = g.Bw;
    x.b = g.Bf;
    const float rn = Rn(Mu, g.Bf, p);
    x.RnAla = rn;
    x.Rn = rn;
    if (ExcedeCapacidad(rn)) {
        x.suficiente = false;
        x.parada = Parada::Ala;
        return {false, 0, 0};
    }
    const float a = static_cast<float>(ProfundidadRelativa(rn) * p.d);  // cm, block depth
    x.aAla = a;
    x.a = a;
    if (g.Hf < a) {
        e.ComportamientoT = 2.0f;
        x.comportamiento = Comportamiento::T;
        return FlexionT(Mu, g.Bf, g.Bw, g.Hf, p, AceroMinimoRect(p, g.Bw, x), &x);
    }
    e.ComportamientoT = 1.0f;
    x.comportamiento = Comportamiento::AlaRectangular;
    return FlexionRectangular(Mu, g.Bf, p, AceroMinimoRect(p, g.Bf, x), &x);
}

// Designs the sign whose compression face is the web of a T (negative moment
// of a T, positive moment of an inverted T).
ResultadoFlexion FlexionEnAlma(EstadoProyecto& e, float Mu, const AlaAlma& g, const DatosFlexion& p,
                               PasoFlexion& x) {
    e.AnchoDiseno = g.Bw;
    return FlexionRectangular(Mu, g.Bw, p, AceroMinimo(p, 1.6, g.Bw, 0.8, g.Bf, x), &x);
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
    PasoFlexion& xPos = e.Pasos.flexionPos;
    PasoFlexion& xNeg = e.Pasos.flexionNeg;

    auto fallo = [&] {
        ui.MostrarMensaje(MensajeSeccionInsuficiente());
        e.FalloDiseno = 1.0f;
        return false;
    };
    auto positiva = [&](ResultadoFlexion (*diseno)(EstadoProyecto&, float, const AlaAlma&,
                                                   const DatosFlexion&, PasoFlexion&)) {
        IniciarPaso(xPos, e.MomentoPosMax, MuPos, p);
        const ResultadoFlexion r = diseno(e, MuPos, g, p, xPos);
        if (r.suficiente) Guardar(r, e.AsTraccionPos, e.AsCompresionPos);
        return r.suficiente;
    };
    auto negativa = [&](ResultadoFlexion (*diseno)(EstadoProyecto&, float, const AlaAlma&,
                                                   const DatosFlexion&, PasoFlexion&)) {
        IniciarPaso(xNeg, e.MomentoNegMax, MuNeg, p);
        const ResultadoFlexion r = diseno(e, MuNeg, g, p, xNeg);
        if (r.suficiente) Guardar(r, e.AsTraccionNeg, e.AsCompresionNeg);
        return r.suficiente;
    };

    switch (TipoDe(s)) {
        case TipoSeccion::Rect: {
            e.ComportamientoT = 1.0f;
            e.Pasos.negativaPrimero = true;
            // Both signs are the same rectangle of width b.
            auto rectangulo = [](EstadoProyecto& q, float Mu, const AlaAlma&, const DatosFlexion& d,
                                 PasoFlexion& x) {
                const float b = q.AnchoDiseno;
                return FlexionRectangular(Mu, b, d, AceroMinimoRect(d, b, x), &x);
            };
            if (!negativa(rectangulo)) return fallo();
            if (!positiva(rectangulo)) return fallo();
            return true;
        }
        case TipoSeccion::T:
            e.Pasos.negativaPrimero = true;
            if (!negativa(FlexionEnAlma)) return fallo();
            if (!positiva(FlexionConAla)) return fallo();
            return true;
        case TipoSeccion::Ti:
            e.Pasos.negativaPrimero = false;
            if (!positiva(FlexionEnAlma)) return fallo();
            if (!negativa(FlexionConAla)) return fallo();
            return true;
        case TipoSeccion::Desconocida:
            break;
    }
    return true;
}

}  // namespace korvex
