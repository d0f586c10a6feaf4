#include "design/DisenoFlexion.h"

#include <cmath>

#include "design/DatosDiseno.h"

namespace korvex {

using namespace diseno;

namespace {

// Mu = |M| in Kgr.cm (M in Tn.m).
float MomentoUltimo(float M) {
    return ASimple(std::fabs(static_cast<double>(M)) * kTnmAKgcm);
}

// phi of flexure: the design keeps the tension steel at or beyond the
// strain limit eps_s,lim, and takes phi there.
double Phi(const ReglasDiseno& r, const DatosFlexion& p) {
    return r.PhiFlexion(r.DeformacionLimite(p.fy), p.fy);
}

// Rn = Mu / (phi f'c b d^2), dimensionless.
float Rn(const ReglasDiseno& r, float Mu, float b, const DatosFlexion& p) {
    return ASimple(Mu / (Phi(r, p) * p.fc * b * (static_cast<double>(p.d) * p.d)));
}

// Rn over its limit held in Single; equal to 1 within its precision passes.
bool ExcedeCapacidad(const ReglasDiseno& r, float rn) {
    const float cociente = static_cast<float>(rn / r.LimiteRn());
    return !(cociente <= 1);
}

// 1 - sqrt(1 - Rn/(0.85/2)): the stress-block depth ratio a/d divided by the
// block intensity 0.85.
double ProfundidadRelativa(const ReglasDiseno& r, float rn) {
    return 1 - RaizSegura(1 - rn / (r.IntensidadBloque() / 2));
}

// Strain of the compression steel at d' when the tension steel is at its limit.
float DeformacionCompresion(const ReglasDiseno& r, const DatosFlexion& p) {
    const double ecu = r.DeformacionUltimaConcreto();
    const float eslim = r.DeformacionLimite(p.fy);
    return static_cast<float>(ecu - (static_cast<double>(p.dp) / p.d) * (eslim + ecu));
}

// Stress of the compression steel, Kgr/cm2: Es eps's limited to fy.
float EsfuerzoCompresion(const ReglasDiseno& r, const DatosFlexion& p) {
    const float epsc = DeformacionCompresion(r, p);
    float fsc = static_cast<float>(epsc * kEs);
    if (p.fy < fsc) fsc = static_cast<float>(p.fy);
    return fsc;
}

// Compression steel A's and the extra tension steel M/(fy 0.9 (d - d'))
// (cm2) of the steel couple that takes a moment M (Kgr.cm) beyond the
// concrete's share. Not possible when the lever arm d - d' is not positive or
// the steel stress does not exceed the concrete stress it replaces.
bool AceroDoble(const ReglasDiseno& r, float M, const DatosFlexion& p, double& AsExtra,
                float& Asc) {
    const double brazo = static_cast<double>(p.d) - p.dp;                        // cm
    const double neto = EsfuerzoCompresion(r, p) - r.IntensidadBloque() * p.fc;  // Kgr/cm2
    if (!(brazo > 0) || !(neto > 0)) return false;
    const double phi = Phi(r, p);
    AsExtra = M / (p.fy * phi * brazo);
    Asc = ASimple(M / (phi * neto * brazo));
    return true;
}

// Net tensile strain of the tension steel when a stress block of depth a
// (cm) alone takes the moment: eps_cu (d - c) / c with c = a / beta1.
float DeformacionTraccionSimple(const ReglasDiseno& r, const DatosFlexion& p, double a) {
    const double c = a / r.Beta1(p.fc);
    if (!(c > 0)) return 0;
    return static_cast<float>(r.DeformacionUltimaConcreto() * (p.d - c) / c);
}

// Neutral-axis depth ratio at the strain limit: k = eps_cu / (eps_cu + eps_s,lim).
float EjeNeutroLimite(const ReglasDiseno& r, double fy) {
    const double ecu = r.DeformacionUltimaConcreto();
    return static_cast<float>(ecu / (ecu + r.DeformacionLimite(fy)));
}

// Largest stress-block depth ratio a/d: beta1 times k.
float QMax(const ReglasDiseno& r, double fc, double fy) {
    const float k = EjeNeutroLimite(r, fy);
    return r.Beta1(fc) * k;
}

}  // namespace

float RnMaximo(const ReglasDiseno& r, double fc, double fy) {
    const float qmax = QMax(r, fc, fy);
    return static_cast<float>(r.IntensidadBloque() * qmax * (1 - qmax / 2.0));
}

float AplicarAceroMinimo(const ReglasDiseno& r, float As, float Asmin) {
    if (!(As < Asmin)) return As;
    const float alivio = static_cast<float>(r.AlivioAceroMinimo() * As);
    return alivio > Asmin ? Asmin : alivio;
}

float CuantiaBalanceada(const ReglasDiseno& r, double fc, double fy) {
    const double ey = fy / kEs;
    const double ecu = r.DeformacionUltimaConcreto();
    return ASimple(r.IntensidadBloque() * r.Beta1(fc) * (fc / fy) * ecu / (ecu + ey));
}

float CuantiaMaxima(const ReglasDiseno& r, double fc, double fy) {
    return ASimple(r.IntensidadBloque() * QMax(r, fc, fy) * fc / fy);
}

namespace {

// The minimum steel and its relief, recorded.
float AceroFinal(const ReglasDiseno& r, float As, float Asmin, PasoFlexion& x) {
    x.AsRequerido = As;
    x.AsMin = Asmin;
    x.alivio = As < Asmin;
    if (x.alivio) x.AsCuatroTercios = static_cast<float>(r.AlivioAceroMinimo() * As);
    return AplicarAceroMinimo(r, As, Asmin);
}

// The compression steel of a steel couple, recorded.
void RegistrarAceroDoble(const ReglasDiseno& r, const DatosFlexion& p, PasoFlexion& x) {
    x.epsCompresion = DeformacionCompresion(r, p);
    x.fsCompresion = EsfuerzoCompresion(r, p);
}

}  // namespace

ResultadoFlexion FlexionRectangular(const ReglasDiseno& reglas, float Mu, float bd,
                                    const DatosFlexion& p, float Asmin, PasoFlexion* paso) {
    PasoFlexion local;
    PasoFlexion& x = paso ? *paso : local;
    ResultadoFlexion r;
    x.b = bd;
    const float rn = Rn(reglas, Mu, bd, p);
    x.Rn = rn;
    if (ExcedeCapacidad(reglas, rn)) {
        x.suficiente = false;
        x.parada = Parada::Rn;
        return {false, 0, 0};
    }

    const float qmax = QMax(reglas, p.fc, p.fy);
    const float rnMax = RnMaximo(reglas, p.fc, p.fy);
    const double bdd = static_cast<double>(bd) * p.d;  // cm2
    x.epsTSimple = DeformacionTraccionSimple(reglas, p, ProfundidadRelativa(reglas, rn) * p.d);

    if (rn <= rnMax) {
        const float w =
            static_cast<float>(reglas.IntensidadBloque() * ProfundidadRelativa(reglas, rn));
        x.omega = w;
        x.a = static_cast<float>(ProfundidadRelativa(reglas, rn) * p.d);
        r.As = ASimple(w * p.fc / p.fy * bdd);
        r.Asc = 0;
    } else {
        // The concrete takes phi Mn1 at qmax; the rest, M2, takes a steel couple.
        x.dobleArmado = true;
        x.a = qmax * p.d;
        const float phiMn1 = ASimple(Phi(reglas, p) * p.fc * bdd * p.d * rnMax);
        const float M2 = Mu - phiMn1;
        x.phiMn1 = phiMn1;
        x.M2 = M2;
        RegistrarAceroDoble(reglas, p, x);
        double AsExtra = 0;
        if (!AceroDoble(reglas, M2, p, AsExtra, r.Asc)) {
            x.suficiente = false;
            x.parada = Parada::Acero;
            return {false, 0, 0};
        }
        r.As = ASimple(AsExtra + reglas.IntensidadBloque() * qmax * p.fc * bdd / p.fy);
    }
    r.As = AceroFinal(reglas, r.As, Asmin, x);
    x.As = r.As;
    x.Asc = r.Asc;
    return r;
}

namespace {

// The web of a T as a rectangle of width bw that takes Mw = Mu - phi Mnf
// (recorded in `x`): singly reinforced up to Rn,max, beyond it the concrete
// at qmax and a steel couple for M3 = Mw - phi Mn1; Asf added to the tension
// steel.
ResultadoFlexion AlmaRectangular(const ReglasDiseno& reglas, float Asf, float Asw, float bw,
                                 const DatosFlexion& p, float Asmin, PasoFlexion& x) {
    ResultadoFlexion r;
    const float rnMax = RnMaximo(reglas, p.fc, p.fy);
    const double bwd = static_cast<double>(bw) * p.d;  // cm2
    if (x.Rnw <= rnMax) {
        r.As = Asf + Asw;
    } else {
        const float qmax = QMax(reglas, p.fc, p.fy);
        x.dobleArmado = true;
        x.phiMn1 = ASimple(Phi(reglas, p) * p.fc * bwd * p.d * rnMax);
        x.M3 = x.Mw - x.phiMn1;
        RegistrarAceroDoble(reglas, p, x);
        double AsExtra = 0;
        if (!AceroDoble(reglas, x.M3, p, AsExtra, r.Asc)) {
            x.suficiente = false;
            x.parada = Parada::Acero;
            return {false, 0, 0};
        }
        x.As3 = ASimple(AsExtra);
        r.As = ASimple(Asf + reglas.IntensidadBloque() * qmax * p.fc * bwd / p.fy + x.As3);
    }
    r.As = AceroFinal(reglas, r.As, Asmin, x);
    x.As = r.As;
    x.Asc = r.Asc;
    return r;
}

}  // namespace

ResultadoFlexion FlexionT(const ReglasDiseno& reglas, float Mu, float bf, float bw, float hf,
                          const DatosFlexion& p, float Asmin, PasoFlexion* paso) {
    PasoFlexion local;
    PasoFlexion& x = paso ? *paso : local;
    ResultadoFlexion r;
    const double bwd = static_cast<double>(bw) * p.d;  // cm2
    // Steel that balances the overhanging flange, and its moment.
    const float Asf =
        ASimple(reglas.IntensidadBloque() * p.fc * hf * (static_cast<double>(bf) - bw) / p.fy);
    const float phiMnf = ASimple(Phi(reglas, p) * Asf * p.fy * (p.d - hf / 2.0));
    // The web takes the rest as a rectangle of width bw.
    const float Mw = Mu - phiMnf;
    const float rnw = Rn(reglas, Mw, bw, p);
    x.Asf = Asf;
    x.phiMnf = phiMnf;
    x.Mw = Mw;
    x.Rnw = rnw;
    if (ExcedeCapacidad(reglas, rnw)) {
        x.suficiente = false;
        x.parada = Parada::Alma;
        return {false, 0, 0};
    }
    const float ww =
        static_cast<float>(reglas.IntensidadBloque() * ProfundidadRelativa(reglas, rnw));
    x.epsTSimple = DeformacionTraccionSimple(reglas, p, ProfundidadRelativa(reglas, rnw) * p.d);
    const float Asw = ASimple(ww * p.fc / p.fy * bwd);
    x.omegaW = ww;
    x.Asw = Asw;
    if (reglas.AlmaComoRectangulo()) return AlmaRectangular(reglas, Asf, Asw, bw, p, Asmin, x);
    // Trial steel and its capacity.
    const float At = ASimple((p.fc * reglas.FactorTanteoAlma() * ww / p.fy) * bwd +
                             reglas.FactorTanteoAla() * Asf);
    const float at = ASimple(p.fy * At / (reglas.IntensidadBloque() * p.fc * bw));
    const float phiMt = ASimple(Phi(reglas, p) * At * p.fy * (p.d - at / 2.0));
    const float phiMcap = phiMnf + phiMt;
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
        RegistrarAceroDoble(reglas, p, x);
        double AsExtra = 0;
        if (!AceroDoble(reglas, M3, p, AsExtra, r.Asc)) {
            x.suficiente = false;
            x.parada = Parada::Acero;
            return {false, 0, 0};
        }
        const float As3 = ASimple(AsExtra);
        x.As3 = As3;
        r.As = At + Asf + As3;
    }
    r.As = AceroFinal(reglas, r.As, Asmin, x);
    x.As = r.As;
    x.Asc = r.Asc;
    return r;
}

Mensaje MensajeSeccionInsuficiente() {
    return {"Esta Sección no resiste esta solicitud de cargas", "Sección Insuficiente",
            kEstiloSimple};
}

namespace {

// Minimum steel, cm2, recorded: of a compression zone of width b, or of a T
// whose flange bf is in tension over the web b.
float AceroMinimo(const ReglasDiseno& reglas, const DatosFlexion& p, bool alaEnTraccion, float b,
                  float bf, PasoFlexion& x) {
    const AceroMinimoRegla a = reglas.AceroMinimo(alaEnTraccion, p.fc, p.fy, p.d, b, bf);
    x.AsMin1 = a.primero;
    x.AsMin2 = a.segundo;
    x.bMin1 = a.anchoPrimero;
    x.bMin2 = a.anchoSegundo;
    return a.gobierna;
}

// Minimum steel of a rectangular compression zone of width b.
float AceroMinimoRect(const ReglasDiseno& reglas, const DatosFlexion& p, float b, PasoFlexion& x) {
    return AceroMinimo(reglas, p, false, b, b, x);
}

// The data of one design that do not depend on its procedure.
void IniciarPaso(const ReglasDiseno& reglas, PasoFlexion& x, float M, float Mu,
                 const DatosFlexion& p) {
    x = PasoFlexion{};
    x.calculado = true;
    x.M = M;
    x.Mu = Mu;
    x.d = p.d;
    x.dp = p.dp;
    x.fc = p.fc;
    x.fy = p.fy;
    x.beta1 = reglas.Beta1(p.fc);
    x.phi = static_cast<float>(Phi(reglas, p));
    x.epsY = static_cast<float>(p.fy / kEs);
    x.epsLim = reglas.DeformacionLimite(p.fy);
    x.k = EjeNeutroLimite(reglas, p.fy);
    x.qmax = QMax(reglas, p.fc, p.fy);
    x.rhoBalanceada = CuantiaBalanceada(reglas, p.fc, p.fy);
    x.rhoMaxima = CuantiaMaxima(reglas, p.fc, p.fy);
    x.RnMax = RnMaximo(reglas, p.fc, p.fy);
}

// Designs the sign whose compression face is the flange of a T (positive
// moment of a T, negative moment of an inverted T): the flange check decides
// between a rectangle of width bf and T behaviour.
ResultadoFlexion FlexionConAla(const ReglasDiseno& reglas, const PropiedadesSeccion&, float Mu,
                               const AlaAlma& g, const DatosFlexion& p, PasoFlexion& x) {
    x.conAla = true;
    x.hf = g.Hf;
    x.bw = g.Bw;
    x.b = g.Bf;
    const float rn = Rn(reglas, Mu, g.Bf, p);
    x.RnAla = rn;
    x.Rn = rn;
    if (ExcedeCapacidad(reglas, rn)) {
        x.suficiente = false;
        x.parada = Parada::Ala;
        return {false, 0, 0};
    }
    const float a = static_cast<float>(ProfundidadRelativa(reglas, rn) * p.d);  // cm, block depth
    x.aAla = a;
    x.a = a;
    if (g.Hf < a) {
        x.comportamiento = Comportamiento::T;
        return FlexionT(reglas, Mu, g.Bf, g.Bw, g.Hf, p, AceroMinimoRect(reglas, p, g.Bw, x), &x);
    }
    x.comportamiento = Comportamiento::AlaRectangular;
    const float bMinimo = reglas.AnchoAceroMinimoAla(g.Bw, g.Bf);
    return FlexionRectangular(reglas, Mu, g.Bf, p, AceroMinimoRect(reglas, p, bMinimo, x), &x);
}

// Designs the sign whose compression face is the web of a T (negative moment
// of a T, positive moment of an inverted T).
ResultadoFlexion FlexionEnAlma(const ReglasDiseno& reglas, const PropiedadesSeccion&, float Mu,
                               const AlaAlma& g, const DatosFlexion& p, PasoFlexion& x) {
    return FlexionRectangular(reglas, Mu, g.Bw, p, AceroMinimo(reglas, p, true, g.Bw, g.Bf, x), &x);
}

void Guardar(const ResultadoFlexion& r, float& As, float& Asc) {
    As = r.As;
    Asc = r.Asc;
}

}  // namespace

bool DisenoFlexion(ResultadoDiseno& resultado, const ResultadoAnalisis& analisis, const Seccion& s,
                   const DatosViga& datos, const PropiedadesSeccion& propiedades,
                   const ReglasDiseno& reglas, Interfaz& ui) {
    const DatosFlexion p{Fc(datos), Fy(datos), resultado.PeralteEfectivo, resultado.Recubrimiento};
    const float MuPos = MomentoUltimo(analisis.MomentoPosMax);
    const float MuNeg = MomentoUltimo(-analisis.MomentoNegMax);
    const AlaAlma g = DimensionesAla(s);
    PasoFlexion& xPos = resultado.Pasos.flexionPos;
    PasoFlexion& xNeg = resultado.Pasos.flexionNeg;

    auto fallo = [&] {
        ui.MostrarMensaje(MensajeSeccionInsuficiente());
        resultado.DisenoFallido = true;
        return false;
    };
    auto positiva = [&](ResultadoFlexion (*diseno)(const ReglasDiseno&, const PropiedadesSeccion&,
                                                   float, const AlaAlma&, const DatosFlexion&,
                                                   PasoFlexion&)) {
        IniciarPaso(reglas, xPos, analisis.MomentoPosMax, MuPos, p);
        const ResultadoFlexion r = diseno(reglas, propiedades, MuPos, g, p, xPos);
        if (r.suficiente) Guardar(r, resultado.AsTraccionPos, resultado.AsCompresionPos);
        return r.suficiente;
    };
    auto negativa = [&](ResultadoFlexion (*diseno)(const ReglasDiseno&, const PropiedadesSeccion&,
                                                   float, const AlaAlma&, const DatosFlexion&,
                                                   PasoFlexion&)) {
        IniciarPaso(reglas, xNeg, analisis.MomentoNegMax, MuNeg, p);
        const ResultadoFlexion r = diseno(reglas, propiedades, MuNeg, g, p, xNeg);
        if (r.suficiente) Guardar(r, resultado.AsTraccionNeg, resultado.AsCompresionNeg);
        return r.suficiente;
    };

    switch (TipoDe(s)) {
        case TipoSeccion::Rect: {
            resultado.Pasos.negativaPrimero = true;
            // Both signs are the same rectangle of width b.
            auto rectangulo = [](const ReglasDiseno& rg, const PropiedadesSeccion& q, float Mu,
                                 const AlaAlma&, const DatosFlexion& d, PasoFlexion& x) {
                const float b = q.anchoRectangulo;
                return FlexionRectangular(rg, Mu, b, d, AceroMinimoRect(rg, d, b, x), &x);
            };
            if (!negativa(rectangulo)) return fallo();
            if (!positiva(rectangulo)) return fallo();
            return true;
        }
        case TipoSeccion::T:
            resultado.Pasos.negativaPrimero = true;
            if (!negativa(FlexionEnAlma)) return fallo();
            if (!positiva(FlexionConAla)) return fallo();
            return true;
        case TipoSeccion::Ti:
            resultado.Pasos.negativaPrimero = false;
            if (!positiva(FlexionEnAlma)) return fallo();
            if (!negativa(FlexionConAla)) return fallo();
            return true;
        case TipoSeccion::Desconocida:
            break;
    }
    return true;
}

ResultadoFlexion DisenoFlexionSigno(bool positivo, float Mu, const DatosFlexion& p,
                                    const Seccion& s, const PropiedadesSeccion& propiedades,
                                    const ReglasDiseno& reglas, PasoFlexion& x) {
    IniciarPaso(reglas, x, 0, Mu, p);
    const AlaAlma g = DimensionesAla(s);
    switch (TipoDe(s)) {
        case TipoSeccion::Rect: {
            const float b = propiedades.anchoRectangulo;
            return FlexionRectangular(reglas, Mu, b, p, AceroMinimoRect(reglas, p, b, x), &x);
        }
        case TipoSeccion::T:
            return positivo ? FlexionConAla(reglas, propiedades, Mu, g, p, x)
                            : FlexionEnAlma(reglas, propiedades, Mu, g, p, x);
        case TipoSeccion::Ti:
            return positivo ? FlexionEnAlma(reglas, propiedades, Mu, g, p, x)
                            : FlexionConAla(reglas, propiedades, Mu, g, p, x);
        case TipoSeccion::Desconocida:
            break;
    }
    return {false, 0, 0};
}

}  // namespace korvex
