#include "analysis/Calculos_Diagramas.h"

#include <algorithm>
#include <cmath>

#include "analysis/Alternancia.h"
#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"
#include "analysis/CargaPermanente.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

// Stations of the longest beam accepted (kLuzMaxima), with room to spare.
constexpr std::size_t kMaxEstaciones = 40000;

// The eight extremes of sampled diagrams and the abscissas where each was
// first reached.
struct ExtremosDiagramas {
    float CortanteMaxAbs = 0, CortanteMax = 0, CortanteMin = 0;
    float MomentoPosMax = 0, MomentoNegMax = 0, MomentoMaxAbs = 0;
    float GiroMax = 0, FlechaMax = 0;
    PosicionExtremos x;

    // One station, analysis sign: CortanteMax and MomentoPosMax collect the
    // smallest shear and moment, CortanteMin and MomentoNegMax the largest.
    // An extreme is replaced only by a value strictly beyond it, so the first
    // station keeps a tie.
    void Agregar(float V, float M, float giro, float flecha, float abscisa);
    // Turns the four signed extremes into the displayed sign.
    void SignoMostrado();
};

// Replaces `extremo` (and its abscissa) when `valor` lies strictly beyond it.
inline void Mayor(float valor, float& extremo, float& posicion, float x) {
    if (valor > extremo) {
        extremo = valor;
        posicion = x;
    }
}
inline void Menor(float valor, float& extremo, float& posicion, float x) {
    if (valor < extremo) {
        extremo = valor;
        posicion = x;
    }
}
inline void MayorAbs(float valor, float& extremo, float& posicion, float x) {
    if (std::fabs(valor) > std::fabs(extremo)) {
        extremo = std::fabs(valor);
        posicion = x;
    }
}

// The eight extremes and their abscissas as the result holds them.
void Guardar(ResultadoAnalisis& r, const ExtremosDiagramas& x) {
    r.CortanteMaxAbs = x.CortanteMaxAbs;
    r.CortanteMax = x.CortanteMax;
    r.CortanteMin = x.CortanteMin;
    r.MomentoPosMax = x.MomentoPosMax;
    r.MomentoNegMax = x.MomentoNegMax;
    r.MomentoMaxAbs = x.MomentoMaxAbs;
    r.GiroMax = x.GiroMax;
    r.FlechaMax = x.FlechaMax;
    r.Posiciones = x.x;
}

// The eight extremes of the envelope and their abscissas.
ExtremosDiagramas ExtremosDe(const ExtremosEnvolvente& x) {
    ExtremosDiagramas d;
    d.CortanteMaxAbs = x.CortanteMaxAbs.valor;
    d.CortanteMax = x.CortanteMax.valor;
    d.CortanteMin = x.CortanteMin.valor;
    d.MomentoPosMax = x.MomentoPosMax.valor;
    d.MomentoNegMax = x.MomentoNegMax.valor;
    d.MomentoMaxAbs = x.MomentoMaxAbs.valor;
    d.GiroMax = x.GiroMax.valor;
    d.FlechaMax = x.FlechaMax.valor;
    d.x = {x.CortanteMaxAbs.x, x.CortanteMax.x,   x.CortanteMin.x, x.MomentoPosMax.x,
           x.MomentoNegMax.x,  x.MomentoMaxAbs.x, x.GiroMax.x,     x.FlechaMax.x};
    return d;
}

// The governing combination of V and of M at each design extreme, from the
// combination recorded per station (`gobierna`: V and M of station i at 2i
// and 2i + 1). The extreme's abscissa is one of the stations X. With the
// envelope of the arrangements designed for, the envelope's extremes carry
// their own combination instead.
CombinacionesExtremos CombinacionesDe(const std::vector<float>& X,
                                      const std::vector<unsigned char>& gobierna,
                                      const PosicionExtremos& x) {
    auto en = [&](float abscisa, std::size_t q) {
        const auto it = std::find(X.begin(), X.end(), abscisa);
        if (it == X.end()) return -1;
        return static_cast<int>(gobierna[2 * static_cast<std::size_t>(it - X.begin()) + q]);
    };
    return {en(x.CortanteMaxAbs, 0), en(x.MomentoPosMax, 1), en(x.MomentoNegMax, 1)};
}

// The notice of the arrangements against the all-loaded extremes of `r`:
// the values an arrangement makes worse by more than 2 % plus 0.01; empty
// when there are none.
std::string Aviso(const ResultadoAnalisis& r) {
    if (!r.Envolvente.calculada) return {};
    const ExtremosEnvolvente& x = r.Envolvente.Extremos;
    // Worse by more than 2 % plus 0.01 of the design value.
    auto peor = [](float alternada, float diseno) {
        return std::fabs(alternada) > std::fabs(diseno) * 1.02 + 0.01;
    };
    auto dos = [](float v) { return texto::Formato(v, "###,##0.00"); };
    std::vector<std::string> partes;
    if (peor(x.MomentoPosMax.valor, r.MomentoPosMax)) {
        partes.push_back("M(+) = " + dos(x.MomentoPosMax.valor) +
                         " Tn.m (diseño: " + dos(r.MomentoPosMax) + ")");
    }
    if (peor(x.MomentoNegMax.valor, r.MomentoNegMax)) {
        partes.push_back("M(-) = " + dos(x.MomentoNegMax.valor) +
                         " Tn.m (diseño: " + dos(r.MomentoNegMax) + ")");
    }
    if (peor(x.CortanteMaxAbs.valor, r.CortanteMaxAbs)) {
        partes.push_back("V = " + dos(x.CortanteMaxAbs.valor) +
                         " Tn (diseño: " + dos(r.CortanteMaxAbs) + ")");
    }
    if (partes.empty()) return {};
    std::string t = "Con carga viva alternada: ";
    for (std::size_t i = 0; i < partes.size(); ++i) t += (i ? ", " : "") + partes[i];
    return t + "." + kLlamadaAlternancia;
}

void ExtremosDiagramas::Agregar(float V, float M, float giro, float flecha, float abscisa) {
    MayorAbs(V, CortanteMaxAbs, x.CortanteMaxAbs, abscisa);
    Menor(V, CortanteMax, x.CortanteMax, abscisa);
    Mayor(V, CortanteMin, x.CortanteMin, abscisa);
    Menor(M, MomentoPosMax, x.MomentoPosMax, abscisa);
    Mayor(M, MomentoNegMax, x.MomentoNegMax, abscisa);
    MayorAbs(M, MomentoMaxAbs, x.MomentoMaxAbs, abscisa);
    MayorAbs(giro, GiroMax, x.GiroMax, abscisa);
    MayorAbs(flecha, FlechaMax, x.FlechaMax, abscisa);
}

void ExtremosDiagramas::SignoMostrado() {
    // Adding 0 keeps a zero extreme from becoming -0.
    CortanteMax = -CortanteMax + 0.0f;
    CortanteMin = -CortanteMin + 0.0f;
    MomentoPosMax = -MomentoPosMax + 0.0f;
    MomentoNegMax = -MomentoNegMax + 0.0f;
}

}  // namespace

ResultadoAnalisis AnalizarViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                               const ReglasDiseno& reglas, const Progreso& progreso) {
    ResultadoAnalisis r;
    const float L = datos.longitud;
    // Stations from 0 in Single steps of 0.01 m while x <= L.
    const std::vector<float> X = AbscisasEstaciones(L, kMaxEstaciones);

    // Allocation: n = L * 100 + 1 in single precision, rounded half to even.
    // Beyond about 160 m the Single abscissas fall behind 0.01 k and the
    // beam holds a few stations more than n: the arrays then take them all,
    // so that the diagrams reach the right end of the beam.
    const float total = L * 100.0f + 1.0f;
    const long n = std::max({1L, std::lrint(total), static_cast<long>(X.size())});
    for (auto* v : {&r.DiagCortante, &r.DiagMomento, &r.DiagGiro, &r.DiagFlecha,
                    &r.DiagMomentoServicio, &r.DiagX}) {
        v->assign(static_cast<size_t>(n) + 1, 0.0f);
    }

    // One sweep along the beam: the whole beam, and each zone's live loads
    // as parts of their own, whose arrangements give the envelope of the
    // live load.
    const AnalizadorViga viga(datos, seccion, reglas);
    r.Reacciones = viga.Reacciones();
    const CargasPorZona porZona = RepartirCargas(datos);
    std::vector<AnalizadorViga> vivas;
    std::vector<int> zonas;
    vivas.reserve(kZonas);
    for (int z = 0; z < kZonas; ++z) {
        const std::vector<CargaViga>& c = porZona.vivas[static_cast<std::size_t>(z)];
        if (c.empty()) continue;
        vivas.emplace_back(datos, seccion, reglas, c, false);
        zonas.push_back(z);
    }
    std::vector<const AnalizadorViga*> partes{&viga};
    for (const AnalizadorViga& a : vivas) partes.push_back(&a);
    EnvolverReaccionesCombinaciones(r.Reacciones, zonas, viga, vivas);
    EnvolventeEnCurso envolvente(r.Envolvente, zonas, static_cast<int>(X.size()),
                                 ZonasViga(L, datos.apoyos));

    ExtremosDiagramas extremos;
    // Beyond the first strength combination, the factored V and M of every
    // part at every station, each combination swept on its own.
    const std::size_t P = partes.size(), U = viga.Combinaciones().size();
    std::vector<std::vector<double>> otras(U > 1 ? U - 1 : 0);
    for (std::size_t u = 1; u < U; ++u) {
        std::vector<double>& o = otras[u - 1];
        o.resize(X.size() * P * 2);
        BarrerPartes(
            partes, X,
            [&](std::size_t i, const double* v) {
                for (std::size_t p = 0; p < P; ++p) {
                    o[(i * P + p) * 2] = v[5 * p];
                    o[(i * P + p) * 2 + 1] = v[5 * p + 1];
                }
            },
            u);
    }
    std::vector<double> mezcla(U > 1 ? P * 5 : 0);
    // The combination that governs V and M of the whole beam at each station.
    std::vector<unsigned char> gobierna(U > 1 ? X.size() * 2 : 0);
    std::vector<const double*> propias(U > 1 ? U : 0);
    std::vector<double> primera(U > 1 ? P * 2 : 0);  // V and M of the first combination
    // The values of the station with V and M of the governing combination.
    auto envolver = [&](std::size_t i, const double* valores) {
        if (U < 2) return valores;
        mezcla.assign(valores, valores + P * 5);
        for (std::size_t q = 0; q < 2; ++q) {
            double mayor = valores[q];
            unsigned char u = 0;
            for (const std::vector<double>& o : otras) {
                ++u;
                const double* v = &o[i * P * 2];
                if (!(std::fabs(v[q]) > std::fabs(mayor))) continue;
                mayor = v[q];
                gobierna[2 * i + q] = u;
                for (std::size_t p = 0; p < P; ++p) mezcla[5 * p + q] = v[2 * p + q];
            }
        }
        return static_cast<const double*>(mezcla.data());
    };
    // The stage reached along the beam; before a quarter, that of the
    // calculation before the sampling.
    EtapaCalculo etapa = EtapaCalculo::Limpio;
    int k = 0;
    BarrerPartes(partes, X, [&](std::size_t i, const double* barrido) {
        const double* valores = envolver(i, barrido);
        const float x = X[i];
        // Progress: the stations done past a quarter, a half and three
        // quarters of the allocated count.
        const float hechas = static_cast<float>(k);
        const EtapaCalculo nueva = hechas > 3 * total / 4 ? EtapaCalculo::TresCuartosDeViga
                                   : hechas > total / 2   ? EtapaCalculo::MitadDeViga
                                   : hechas > total / 4   ? EtapaCalculo::CuartoDeViga
                                                          : etapa;
        if (nueva != etapa) {
            etapa = nueva;
            if (progreso) progreso(etapa);
        }

        const float todas[5] = {static_cast<float>(valores[0]), static_cast<float>(valores[1]),
                                static_cast<float>(valores[2]), static_cast<float>(valores[3]),
                                static_cast<float>(valores[4])};
        const float V = todas[0], M = todas[1], Ms = todas[2], giro = todas[3], flecha = todas[4];
        extremos.Agregar(V, M, giro, flecha, x);

        ++k;
        r.DiagCortante[k] = -V;
        r.DiagMomento[k] = M;
        r.DiagGiro[k] = giro;
        r.DiagFlecha[k] = flecha;
        r.DiagMomentoServicio[k] = -Ms;
        r.DiagX[k] = x;
        // Every combination with its own arrangements: the first from the
        // sweep, the others as stored, each as V and M of every part.
        if (U > 1) {
            for (std::size_t p = 0; p < P; ++p) {
                primera[2 * p] = barrido[5 * p];
                primera[2 * p + 1] = barrido[5 * p + 1];
            }
            propias[0] = primera.data();
            for (std::size_t u = 1; u < U; ++u) propias[u] = &otras[u - 1][i * P * 2];
            envolvente.Estacion(k, x, valores, todas, propias);
        } else {
            envolvente.Estacion(k, x, valores, todas);
        }
    }, 0);
    envolvente.Terminar();
    r.NumEstaciones = k;
    BarrerPermanente(r, viga, reglas, X);

    extremos.SignoMostrado();
    Guardar(r, extremos);
    // With the option on the design takes the worst arrangement.
    r.UsaEnvolvente = datos.opciones.alternancia;
    if (r.UsaEnvolvente) {
        Guardar(r, ExtremosDe(r.Envolvente.Extremos));
    } else {
        r.AvisoAlternancia = Aviso(r);
    }
    if (U > 1) {
        // With the arrangements the design's extremes are the envelope's,
        // each with the combination of its own arrangement.
        const ExtremosEnvolvente& e = r.Envolvente.Extremos;
        r.Gobierna = r.UsaEnvolvente ? CombinacionesExtremos{e.CortanteMaxAbs.combinacion,
                                                             e.MomentoPosMax.combinacion,
                                                             e.MomentoNegMax.combinacion}
                                     : CombinacionesDe(X, gobierna, r.Posiciones);
    }
    return r;
}

}  // namespace korvex
