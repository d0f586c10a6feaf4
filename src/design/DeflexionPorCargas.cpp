// Deflection judged load by load, for rules with a permanent combination
// (ACI 318-19, Table 24.2.2): the immediate deflection under the sustained
// load D, under the service load D + L and under the sustained part D + p L,
// each with the effective inertia of its own moment (24.2.3.5) at the zone's
// section: mid-span for the span, the support for a cantilever (24.2.3.7).
// The live-load deflection is Delta_L = Delta_D+L - Delta_D; the long-term
// uses add lambda_Delta Delta_sost (24.2.4.1).
#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/Alternancia.h"
#include "design/DatosDiseno.h"
#include "design/Deflexion.h"

namespace korvex {

using namespace diseno;

namespace {

// The three load levels at one station: the moment (displayed sign) as its
// largest and smallest value and the largest |deflection x Ig| (m5). Without
// the live-load arrangements the largest and smallest moment coincide.
struct Niveles {
    float MmaxD = 0, MminD = 0, fD = 0;  // D
    float MmaxT = 0, MminT = 0, fT = 0;  // D + L
    float MmaxS = 0, MminS = 0, fS = 0;  // D + p L
};

// The levels at station k. D + p L = (1 - p) D + p (D + L) is linear in the
// loads, so with the arrangements its extremes at a station are those of the
// extremes of D + L.
Niveles EnEstacion(const ResultadoAnalisis& a, std::size_t k, float p, bool envolvente) {
    Niveles n;
    const float q = 1 - p;
    const float D = a.DiagMomentoPermanente[k], fD = a.DiagFlechaPermanente[k];
    n.MmaxD = n.MminD = D;
    n.fD = std::fabs(fD);
    float Mmax = a.DiagMomentoServicio[k], Mmin = Mmax;
    float fMax = a.DiagFlecha[k], fMin = fMax;
    const EnvolventeViva& v = a.Envolvente;
    if (envolvente && k < v.ServicioMax.size() && k < v.ServicioMin.size() &&
        k < v.FlechaMax.size() && k < v.FlechaMin.size()) {
        Mmax = v.ServicioMax[k];
        Mmin = v.ServicioMin[k];
        fMax = v.FlechaMax[k];
        fMin = v.FlechaMin[k];
    }
    n.MmaxT = Mmax;
    n.MminT = Mmin;
    n.fT = std::max(std::fabs(fMax), std::fabs(fMin));
    n.MmaxS = q * D + p * Mmax;
    n.MminS = q * D + p * Mmin;
    n.fS = std::max(std::fabs(q * fD + p * fMax), std::fabs(q * fD + p * fMin));
    return n;
}

// The station (1..n) nearest to x.
std::size_t EstacionEn(const ResultadoAnalisis& a, std::size_t n, float x) {
    std::size_t mejor = 1;
    for (std::size_t k = 1; k <= n; ++k) {
        if (std::fabs(a.DiagX[k] - x) < std::fabs(a.DiagX[mejor] - x)) mejor = k;
    }
    return mejor;
}

// The |moment| of a level at the zone's section (largest and smallest
// displayed moment): the sagging one for the positive section, the hogging
// one for the negative. A level that bends the other way there keeps its
// magnitude with the zone's section.
float MomentoEnSeccion(bool positivo, float Mmax, float Mmin) {
    return std::fabs(positivo ? Mmax : Mmin);
}

// The deflection (m) of |deflection x Ig| f (m5) with Ie (cm4).
float Delta(float f, double Ie) {
    return Ie > 0 ? ASimple(f / (Ie / kM4ACm4)) : 0.0f;
}

}  // namespace

float AnchoCompresion(const ResultadoDiseno& r, const Seccion& s, const DatosViga& datos,
                      bool positivo) {
    const TipoSeccion tipo = TipoDe(s);
    if (tipo == TipoSeccion::Rect) return datos.seccion.b;
    // The flange is the compression face of the positive moment of a T and
    // of the negative moment of an inverted T; it counts when that sign
    // worked as a rectangle of width bf.
    const bool ala = positivo ? tipo == TipoSeccion::T : tipo == TipoSeccion::Ti;
    const PasoFlexion& f = positivo ? r.Pasos.flexionPos : r.Pasos.flexionNeg;
    return ala && f.comportamiento == Comportamiento::AlaRectangular ? s.Bf : s.Bw;
}

bool FlechaPorCargas(ResultadoDiseno& r, const ResultadoAnalisis& analisis, const Seccion& s,
                     const DatosViga& datos, const PropiedadesSeccion& propiedades,
                     const ReglasDiseno& reglas) {
    if (!reglas.CombinacionPermanente() || analisis.NumEstaciones < 1) return false;
    const std::size_t n = static_cast<std::size_t>(analisis.NumEstaciones);
    for (const std::vector<float>* v :
         {&analisis.DiagX, &analisis.DiagFlecha, &analisis.DiagMomentoServicio,
          &analisis.DiagMomentoPermanente, &analisis.DiagFlechaPermanente}) {
        if (v->size() <= n) return false;
    }
    const bool envolvente = analisis.UsaEnvolvente && analisis.Envolvente.calculada;
    const float p = std::clamp(datos.opciones.vivaSostenida, 0.0f, 100.0f) / 100;
    const std::vector<ZonaViga> tramos = ZonasViga(datos.longitud, datos.apoyos);

    PasoDeflexion& x = r.Pasos.deflexion;
    x.zonas = ZonasDeflexion(analisis, datos, reglas);
    x.gobierna = -1;
    r.FlechaEfectiva = 0;
    for (std::size_t i = 0; i < x.zonas.size(); ++i) {
        PasoZonaDeflexion& z = x.zonas[i];
        z.porCargas = true;
        z.partSostenida = p;
        // 24.2.3.7: mid-span of the span, the support of a cantilever.
        const ZonaViga* t = nullptr;
        for (const ZonaViga& q : tramos) {
            if (q.zona == z.zona) t = &q;
        }
        if (t) {
            z.xSeccion = z.zona == kTramo            ? (t->desde + t->hasta) / 2
                         : z.zona == kVueloIzquierdo ? t->hasta
                                                     : t->desde;
        }
        const Niveles m = EnEstacion(analisis, EstacionEn(analisis, n, z.xSeccion), p, envolvente);
        // The section of the sign of the service moment there; with none, the
        // positive one for the span and the negative one for a cantilever.
        const float sagging = std::max(m.MmaxT, 0.0f), hogging = std::max(-m.MminT, 0.0f);
        z.positivo = sagging > hogging || (sagging == hogging && z.zona == kTramo);
        z.total.Ma = MomentoEnSeccion(z.positivo, m.MmaxT, m.MminT);
        z.muerta.Ma = MomentoEnSeccion(z.positivo, m.MmaxD, m.MminD);
        z.sostenida.Ma = MomentoEnSeccion(z.positivo, m.MmaxS, m.MminS);

        const InerciaSeccionFisurada f = InerciaEfectiva(r, s, datos, propiedades, reglas,
                                                         z.positivo, z.total.Ma, &z.seccion);
        for (PasoCargaDeflexion* c : {&z.muerta, &z.total, &z.sostenida}) {
            const InerciaEfectivaRegla ie = reglas.InerciaEfectiva(
                f.Mcr, static_cast<double>(c->Ma) * kTnmAKgcm, z.seccion.Ig, f.Icr);
            c->relacion = ie.relacion;
            c->Ie = ie.Ie;
        }

        // The largest |deflection x Ig| of each load within the zone.
        for (std::size_t k = 1; k <= n; ++k) {
            const float xk = analisis.DiagX[k];
            if (ZonaDe(xk, tramos) != z.zona) continue;
            const Niveles e = EnEstacion(analisis, k, p, envolvente);
            const std::pair<PasoCargaDeflexion*, float> niveles[] = {
                {&z.muerta, e.fD}, {&z.total, e.fT}, {&z.sostenida, e.fS}};
            for (const auto& [c, fk] : niveles) {
                if (fk > c->FlechaMax) {  // the first station keeps a tie
                    c->FlechaMax = fk;
                    c->x = xk;
                }
            }
        }
        for (PasoCargaDeflexion* c : {&z.muerta, &z.total, &z.sostenida}) {
            c->delta = Delta(c->FlechaMax, c->Ie);
        }
        z.deltaViva = ASimple(static_cast<double>(z.total.delta) - z.muerta.delta);

        // 24.2.4.1.2: rho' of the same section as Ie.
        z.AscLargoPlazo = z.positivo ? r.AsCompresionPos : r.AsCompresionNeg;
        z.bLargoPlazo = AnchoCompresion(r, s, datos, z.positivo);
        const double bd = static_cast<double>(r.PeralteEfectivo) * z.bLargoPlazo;
        z.rhoCompresion = bd > 0 ? static_cast<float>(z.AscLargoPlazo / bd) : 0.0f;
        z.lambda = FactorLargoPlazo(reglas, z.AscLargoPlazo, r.PeralteEfectivo, z.bLargoPlazo);

        z.FlechaEfectiva = z.total.delta;
        (z.positivo ? z.deltaPos : z.deltaNeg) = z.total.delta;
        z.FlechaComparada = z.FlechaEfectiva;
        if (x.gobierna < 0 || z.FlechaEfectiva > r.FlechaEfectiva) {
            x.gobierna = static_cast<int>(i);
            r.FlechaEfectiva = z.FlechaEfectiva;
        }
    }
    GuardarGobernante(x);
    return true;
}

float FlechaComparadaPorCargas(const PasoZonaDeflexion& z, bool largoPlazo) {
    // Table 24.2.2: the immediate live-load deflection for uses 1 and 2; for
    // 3 and 4 the long-term deflection of the sustained load plus the
    // immediate one of the live load.
    if (!largoPlazo) return z.deltaViva;
    return ASimple(static_cast<double>(z.lambda) * z.sostenida.delta + z.deltaViva);
}

}  // namespace korvex
