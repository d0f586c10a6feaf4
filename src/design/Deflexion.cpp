#include "design/Deflexion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "analysis/Alternancia.h"
#include "design/DatosDiseno.h"
#include "design/DisenarViga.h"
#include "design/LimiteUso.h"
#include "text/Numeros.h"

namespace korvex {

using namespace diseno;

namespace {

// <x>: x when positive, else 0.
double Positivo(double x) {
    return x > 0 ? x : 0;
}

// Long-term factor of the section with more compression steel: rho' = A's /
// (d b), b the width of the compression zone that steel sits in.
void FactorDeLaSeccion(ResultadoDiseno& r, const Seccion& s, const DatosViga& datos,
                       const ReglasDiseno& reglas, PasoDeflexion& x) {
    const bool positivo = r.AsCompresionPos > r.AsCompresionNeg;
    const float Asc = positivo ? r.AsCompresionPos : r.AsCompresionNeg;
    const float b = AnchoCompresion(r, s, datos, positivo);
    r.LambdaDeflexion = FactorLargoPlazo(reglas, Asc, r.PeralteEfectivo, b);
    x.largoPlazo = true;
    x.AscLargoPlazo = Asc;
    x.bLargoPlazo = b;
    x.rhoCompresion = r.PeralteEfectivo * b > 0
                          ? static_cast<float>(Asc / (static_cast<double>(r.PeralteEfectivo) * b))
                          : 0.0f;
    x.lambda = r.LambdaDeflexion;
}

// The long-term record of a check judged load by load: the governing zone's.
void FactorDeLaZona(ResultadoDiseno& r, PasoDeflexion& x) {
    const PasoZonaDeflexion* g = ZonaGobernante(r);
    if (!g) return;
    r.LambdaDeflexion = g->lambda;
    x.AscLargoPlazo = g->AscLargoPlazo;
    x.bLargoPlazo = g->bLargoPlazo;
    x.rhoCompresion = g->rhoCompresion;
    x.lambda = g->lambda;
}

}  // namespace

void GuardarGobernante(PasoDeflexion& x) {
    if (x.gobierna < 0 || x.gobierna >= static_cast<int>(x.zonas.size())) return;
    const PasoZonaDeflexion& g = x.zonas[static_cast<std::size_t>(x.gobierna)];
    x.FlechaMax = g.FlechaMax;
    x.deltaPos = g.deltaPos;
    x.deltaNeg = g.deltaNeg;
    x.FlechaEfectiva = g.FlechaEfectiva;
    x.FlechaComparada = g.FlechaComparada;
    x.limite = g.limite;
}

Mensaje MensajeDeflexion() {
    return {
        "El elemento sobrepasa la deflexión máxima estipulada por el Código ACI (American "
        "Concrete Institute)",
        "Advertencia", kEstiloInformacion};
}

InerciaSeccionFisurada InerciaEfectiva(const ResultadoDiseno& resultado, const Seccion& s,
                                       const DatosViga& datos,
                                       const PropiedadesSeccion& propiedades,
                                       const ReglasDiseno& reglas, bool positivo, float Ma,
                                       PasoInercia* paso) {
    InerciaSeccionFisurada r;
    const double fc = Fc(datos);
    const AlaAlma g = DimensionesAla(s);
    const TipoSeccion tipo = TipoDe(s);
    const double d = resultado.PeralteEfectivo;
    const double dp = resultado.Recubrimiento;
    const double As = positivo ? resultado.AsTraccionPos : resultado.AsTraccionNeg;
    const double Asc = positivo ? resultado.AsCompresionPos : resultado.AsCompresionNeg;

    const float n = RelacionModular(reglas, fc);
    const float bweb = datos.seccion.b - g.Bf + g.Bw;  // cm
    const float A = ASimple(bweb * d * d / 2);

    // Flange in compression: positive moment of a T, negative of an inverted
    // T, and both signs of a rectangle (no flange: the terms vanish).
    const bool conAla =
        tipo == TipoSeccion::Rect || (positivo ? tipo == TipoSeccion::T : tipo == TipoSeccion::Ti);
    const double voladizo = (static_cast<double>(g.Bf) - g.Bw) * g.Hf;  // cm2
    float B = ASimple(n * As * d + n * Asc * d);
    float C = ASimple(-n * Asc * dp - n * As * d);
    if (conAla) {
        B = ASimple(B + voladizo * d);
        C = ASimple(C - voladizo * g.Hf / 2);
    }

    // Neutral axis: A k^2 + B k + C = 0, the root within 0 < k <= 1 if any.
    const double raiz = RaizSegura(static_cast<double>(B) * B - 4.0 * A * C);
    float k = 0;
    if (A != 0) {
        k = ASimple((-B + raiz) / (2.0 * A));
        if (k <= 0 || k > 1) k = ASimple((-B - raiz) / (2.0 * A));
    }
    const double kd = static_cast<float>(k * d);
    r.kd = static_cast<float>(kd);

    double Icr = n * As * (d - kd) * (d - kd) + n * Asc * (kd - dp) * (kd - dp);  // cm4
    if (conAla) {
        const double bajoAla = Positivo(kd - g.Hf);  // web depth in compression
        Icr += static_cast<double>(g.Bf) * g.Hf * g.Hf * g.Hf / 12 +
               g.Bf * g.Hf * (kd - g.Hf / 2.0) * (kd - g.Hf / 2.0) +
               bweb * bajoAla * bajoAla * bajoAla / 12 +
               bweb * (kd - g.Hf) * (bajoAla / 2) * (bajoAla / 2);
    } else {
        Icr += bweb * kd * kd * kd / 12 + bweb * kd * (kd / 2) * (kd / 2);
    }
    r.Icr = ASimple(Icr);

    // Tension fibre: the bottom for the positive moment, the top otherwise.
    const float yt = positivo ? s.Ycg : static_cast<float>(datos.seccion.h + g.Hw - s.Ycg);
    const double Ig = static_cast<double>(propiedades.inercia) * kM4ACm4;  // cm4
    // A section whose tension fibre is not above the centroid counts as cracked.
    const double fr = reglas.ModuloRotura(fc);  // Kgr/cm2
    r.Mcr = yt > 0 ? ASimple(fr * Ig / yt) : 0.0f;

    const double MaKgcm = static_cast<double>(Ma) * kTnmAKgcm;
    const InerciaEfectivaRegla ie = reglas.InerciaEfectiva(r.Mcr, MaKgcm, Ig, r.Icr);
    const float rel = ie.relacion;  // Mcr / Ma
    r.Ie = ie.Ie;
    if (paso) {
        PasoInercia& x = *paso;
        x.calculado = true;
        x.Ma = Ma;
        x.bweb = bweb;
        x.conAla = conAla;
        x.As = static_cast<float>(As);
        x.Asc = static_cast<float>(Asc);
        x.A = A;
        x.B = B;
        x.C = C;
        x.k = k;
        x.kd = r.kd;
        x.Icr = r.Icr;
        x.yt = yt;
        x.Ig = Ig;
        x.fr = static_cast<float>(fr);
        x.Mcr = r.Mcr;
        x.relacion = rel;
        x.Ie = r.Ie;
    }
    return r;
}

void InerciasEfectivas(ResultadoDiseno& r, const ResultadoAnalisis& analisis, const Seccion& s,
                       const DatosViga& datos, const PropiedadesSeccion& propiedades,
                       const ReglasDiseno& reglas) {
    // Tn.m, largest service moments of each sign: of the all-loaded diagram,
    // or of the envelope of the live-load arrangements when it is designed for.
    const bool envolvente = analisis.UsaEnvolvente && analisis.Envolvente.calculada;
    float MaPos = 0, MaNeg = 0;
    for (float v : envolvente ? analisis.Envolvente.ServicioMax : analisis.DiagMomentoServicio) {
        MaPos = std::max(MaPos, v);
    }
    for (float v : envolvente ? analisis.Envolvente.ServicioMin : analisis.DiagMomentoServicio) {
        MaNeg = std::max(MaNeg, -v);
    }
    PasoDeflexion& x = r.Pasos.deflexion;
    x.calculado = true;
    x.n = RelacionModular(reglas, Fc(datos));
    if (MaPos != 0) {
        r.InerciaEfectivaPos =
            InerciaEfectiva(r, s, datos, propiedades, reglas, true, MaPos, &x.positiva).Ie /
            kM4ACm4;
    }
    if (MaNeg != 0) {
        r.InerciaEfectivaNeg =
            InerciaEfectiva(r, s, datos, propiedades, reglas, false, MaNeg, &x.negativa).Ie /
            kM4ACm4;
    }
}

std::vector<PasoZonaDeflexion> ZonasDeflexion(const ResultadoAnalisis& analisis,
                                              const DatosViga& datos, const ReglasDiseno& reglas) {
    const float L = datos.longitud;
    // The zones of the beam as the analysis sets them out from its supports;
    // a cantilever's reference length is the rules'.
    const std::vector<ZonaViga> tramos = ZonasViga(L, datos.apoyos);
    std::vector<PasoZonaDeflexion> zonas = ZonasReferencia(datos, reglas);

    const bool envolvente = analisis.UsaEnvolvente && analisis.Envolvente.calculada;
    const EnvolventeViva& v = analisis.Envolvente;
    if (analisis.NumEstaciones < 1) {
        // No sampled diagram: the whole beam as one span with its extreme.
        PasoZonaDeflexion z;
        z.longitud = z.luzReferencia = L;
        z.FlechaMax = analisis.FlechaMax;
        z.x = analisis.Posiciones.FlechaMax;
        return {z};
    }
    const std::size_t n =
        std::min({static_cast<std::size_t>(std::max(analisis.NumEstaciones, 0)) + 1,
                  analisis.DiagX.size(), analisis.DiagFlecha.size()});
    for (std::size_t k = 1; k < n; ++k) {
        const float x = analisis.DiagX[k];
        float f = std::fabs(analisis.DiagFlecha[k]);  // m5
        if (envolvente && k < v.FlechaMax.size() && k < v.FlechaMin.size()) {
            f = std::max(std::fabs(v.FlechaMax[k]), std::fabs(v.FlechaMin[k]));
        }
        const int z = ZonaDe(x, tramos);
        for (PasoZonaDeflexion& q : zonas) {
            if (q.zona != z) continue;
            if (f > q.FlechaMax) {  // the first station keeps a tie
                q.FlechaMax = f;
                q.x = x;
            }
        }
    }
    return zonas;
}

void CalcularFlechaEfectiva(ResultadoDiseno& r, const ResultadoAnalisis& analisis,
                            const DatosViga& datos, const ReglasDiseno& reglas) {
    auto flecha = [](float FlechaMax, float momento, double Ie) -> float {
        if (momento == 0 || !(Ie > 0)) return 0.0f;
        return ASimple(FlechaMax / Ie);
    };
    PasoDeflexion& x = r.Pasos.deflexion;
    x.zonas = ZonasDeflexion(analisis, datos, reglas);
    x.gobierna = -1;
    r.FlechaEfectiva = 0;
    for (std::size_t i = 0; i < x.zonas.size(); ++i) {
        PasoZonaDeflexion& z = x.zonas[i];
        z.deltaPos = flecha(z.FlechaMax, analisis.MomentoPosMax, r.InerciaEfectivaPos);
        z.deltaNeg = flecha(z.FlechaMax, analisis.MomentoNegMax, r.InerciaEfectivaNeg);
        z.FlechaEfectiva = z.deltaPos > z.deltaNeg ? z.deltaPos : z.deltaNeg;
        z.FlechaComparada = z.FlechaEfectiva;
        if (x.gobierna < 0 || z.FlechaEfectiva > r.FlechaEfectiva) {
            x.gobierna = static_cast<int>(i);
            r.FlechaEfectiva = z.FlechaEfectiva;
        }
    }
    GuardarGobernante(x);
}

const char* NombreZona(int zona) {
    switch (zona) {
        case kVueloIzquierdo:
            return "voladizo izquierdo";
        case kVueloDerecho:
            return "voladizo derecho";
        default:
            return "tramo";
    }
}

float RelacionModular(const ReglasDiseno& reglas, double fc) {
    return ASimple(kEs / reglas.ModuloConcreto(fc));
}

float FactorLargoPlazo(const ReglasDiseno& reglas, float Asc, float d, float b) {
    const double bd = static_cast<double>(d) * b;  // cm2
    const double rho = bd > 0 ? Asc / bd : 0;
    return reglas.FactorLargoPlazo(rho);
}

void Check_base_Deflex(ResultadoDiseno& r, const Seccion& s, const DatosViga& datos,
                       const ReglasDiseno& reglas, Interfaz& ui) {
    r.LambdaDeflexion = 1;
    const int uso = datos.opciones.usoDeflexion;
    PasoDeflexion& x = r.Pasos.deflexion;
    x.uso = uso;
    x.lambda = 1;
    x.FlechaComparada = r.FlechaEfectiva;
    if (uso < 1 || uso > reglas.NumeroUsos()) return;
    const double relacion = reglas.RelacionLuz(uso);  // span over limit
    const bool largoPlazo = reglas.UsoLargoPlazo(uso);
    x.relacionLuz = static_cast<float>(relacion);
    const bool porCargas = !x.zonas.empty() && x.zonas.front().porCargas;
    if (largoPlazo && !porCargas) FactorDeLaSeccion(r, s, datos, reglas, x);
    x.largoPlazo = largoPlazo;
    if (x.zonas.empty()) {
        // Zones not worked out (no sampled diagram): the whole beam as one
        // span with the deflection given.
        PasoZonaDeflexion z;
        z.longitud = z.luzReferencia = datos.longitud;
        z.FlechaEfectiva = r.FlechaEfectiva;
        x.zonas.push_back(z);
    }

    // Each zone against the limit of its own reference length; the governing
    // zone has the largest ratio of deflection to limit (the first on a tie).
    double mayor = -1;
    bool excede = false;
    for (std::size_t i = 0; i < x.zonas.size(); ++i) {
        PasoZonaDeflexion& z = x.zonas[i];
        z.FlechaComparada = z.porCargas ? FlechaComparadaPorCargas(z, largoPlazo)
                            : largoPlazo  ? r.LambdaDeflexion * z.FlechaEfectiva
                                          : z.FlechaEfectiva;  // m
        z.limite = z.luzReferencia / relacion;                                     // m
        z.excede = z.FlechaComparada > z.limite;
        excede = excede || z.excede;
        const double razon = z.limite > 0            ? z.FlechaComparada / z.limite
                             : z.FlechaComparada > 0 ? std::numeric_limits<double>::infinity()
                                                     : 0.0;
        if (razon > mayor) {
            mayor = razon;
            x.gobierna = static_cast<int>(i);
        }
    }
    GuardarGobernante(x);
    if (const PasoZonaDeflexion* g = ZonaGobernante(r)) r.FlechaEfectiva = g->FlechaEfectiva;
    if (porCargas && largoPlazo) FactorDeLaZona(r, x);
    x.limiteMostrado = DeflexionAdmisibleGobernante(reglas, r, datos.longitud, uso);
    x.excede = excede;
    if (excede) ui.MostrarMensaje(MensajeDeflexion(x.zonas));
}

float FlechaLargoPlazo(const ReglasDiseno& reglas, const ResultadoDiseno& r, int uso) {
    // Judged load by load, the value compared is not a multiple of one
    // deflection: the governing zone's record.
    if (const PasoZonaDeflexion* g = ZonaGobernante(r); g && g->porCargas) {
        return g->FlechaComparada;
    }
    if (!reglas.UsoLargoPlazo(uso)) return r.FlechaEfectiva;
    return r.LambdaDeflexion * r.FlechaEfectiva;
}

float DeflexionAdmisible(const ReglasDiseno& reglas, float luz, int uso) {
    if (uso < 1 || uso > reglas.NumeroUsos()) return 0;
    const float v = static_cast<float>(luz / reglas.RelacionLuz(uso));
    std::string t = texto::Formato(v, "###,##0.000");
    t.erase(std::remove(t.begin(), t.end(), ','), t.end());
    return static_cast<float>(texto::NumeroCampo(t));
}

const PasoZonaDeflexion* ZonaGobernante(const ResultadoDiseno& r) {
    const PasoDeflexion& x = r.Pasos.deflexion;
    if (x.gobierna < 0 || x.gobierna >= static_cast<int>(x.zonas.size())) return nullptr;
    return &x.zonas[static_cast<std::size_t>(x.gobierna)];
}

const PasoZonaDeflexion* ZonaNombrada(const ResultadoDiseno& r) {
    return r.Pasos.deflexion.zonas.size() > 1 ? ZonaGobernante(r) : nullptr;
}

float DeflexionAdmisibleGobernante(const ReglasDiseno& reglas, const ResultadoDiseno& r,
                                   float LuzViga, int uso) {
    const PasoZonaDeflexion* g = ZonaGobernante(r);
    return DeflexionAdmisible(reglas, g ? g->luzReferencia : LuzViga, uso);
}

Mensaje MensajeDeflexion(const std::vector<PasoZonaDeflexion>& zonas) {
    const bool vuelos = zonas.size() > 1;
    std::vector<const char*> nombres;
    for (const PasoZonaDeflexion& z : zonas) {
        if (z.excede)
            nombres.push_back(z.zona == kTramo ? "tramo entre apoyos" : NombreZona(z.zona));
    }
    if (!vuelos || nombres.empty()) return MensajeDeflexion();
    // "El voladizo izquierdo, el tramo entre apoyos y el voladizo derecho sobrepasan ..."
    std::string sujeto;
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        sujeto += i == 0 ? "El " : i + 1 == nombres.size() ? " y el " : ", el ";
        sujeto += nombres[i];
    }
    Mensaje m = MensajeDeflexion();
    const std::string cola = " sobrepasa";
    m.texto = sujeto + (nombres.size() > 1 ? " sobrepasan" : " sobrepasa") +
              m.texto.substr(m.texto.find(cola) + cola.size());
    return m;
}

}  // namespace korvex
