#include "analysis/Calculos_Diagramas.h"

#include <algorithm>
#include <cmath>

#include "analysis/Alternancia.h"
#include "analysis/Analisis_Punto.h"
#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"

namespace korvex {

namespace {

// Stations of the longest beam accepted (kLuzMaxima), with room to spare.
constexpr std::size_t kMaxEstaciones = 40000;

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

}  // namespace

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

ExtremosDiagramas LeerExtremos(const EstadoProyecto& e) {
    return {e.CortanteMaxAbs, e.CortanteMax, e.CortanteMin, e.MomentoPosMax, e.MomentoNegMax,
            e.MomentoMaxAbs,  e.GiroMax,     e.FlechaMax,   e.Posiciones};
}

void GuardarExtremos(EstadoProyecto& e, const ExtremosDiagramas& x) {
    e.CortanteMaxAbs = x.CortanteMaxAbs;
    e.CortanteMax = x.CortanteMax;
    e.CortanteMin = x.CortanteMin;
    e.MomentoPosMax = x.MomentoPosMax;
    e.MomentoNegMax = x.MomentoNegMax;
    e.MomentoMaxAbs = x.MomentoMaxAbs;
    e.GiroMax = x.GiroMax;
    e.FlechaMax = x.FlechaMax;
    e.Posiciones = x.x;
}

void Calculos_Diagramas(EstadoProyecto& e, const ReglasDiseno& reglas,
                        const Progreso& progreso) {
    const float L = e.LuzViga;
    // Stations from 0 in Single steps of 0.01 m while x <= L.
    const std::vector<float> X = AbscisasEstaciones(L, kMaxEstaciones);

    // Allocation: n = L * 100 + 1 in single precision, rounded half to even.
    // Beyond about 160 m the Single abscissas fall behind 0.01 k and the
    // beam holds a few stations more than n: the arrays then take them all,
    // so that the diagrams reach the right end of the beam.
    const float total = L * 100.0f + 1.0f;
    const long n = std::max({1L, std::lrint(total), static_cast<long>(X.size())});
    for (auto* v : {&e.DiagCortante, &e.DiagMomento, &e.DiagGiro, &e.DiagFlecha,
                    &e.DiagMomentoServicio, &e.DiagX}) {
        v->assign(static_cast<size_t>(n) + 1, 0.0f);
    }

    // One sweep along the beam: the whole beam, and each zone's live loads
    // as parts of their own, whose arrangements give the envelope of the
    // live load.
    const AnalizadorViga viga(e, reglas);
    e.Pasos.reacciones = viga.Reacciones();
    const CargasPorZona porZona = RepartirCargas(e);
    std::vector<AnalizadorViga> vivas;
    std::vector<int> zonas;
    vivas.reserve(kZonas);
    for (int z = 0; z < kZonas; ++z) {
        const std::vector<Carga>& c = porZona.vivas[static_cast<std::size_t>(z)];
        if (c.empty()) continue;
        vivas.emplace_back(e, reglas, c, false);
        zonas.push_back(z);
    }
    std::vector<const AnalizadorViga*> partes{&viga};
    std::vector<PasoReacciones> reacciones;
    for (const AnalizadorViga& a : vivas) {
        partes.push_back(&a);
        reacciones.push_back(a.Reacciones());
    }
    EnvolverReacciones(e.Pasos.reacciones, zonas, reacciones);
    EnvolventeEnCurso envolvente(e.Envolvente, zonas, static_cast<int>(X.size()), e.DistJ,
                                 e.DistK);

    // The extremes accumulate on top of what the caller left (normally 0).
    ExtremosDiagramas extremos = LeerExtremos(e);
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
    // The values of the station with V and M of the governing combination.
    auto envolver = [&](std::size_t i, const double* valores) {
        if (U < 2) return valores;
        mezcla.assign(valores, valores + P * 5);
        for (std::size_t q = 0; q < 2; ++q) {
            double mayor = valores[q];
            for (const std::vector<double>& o : otras) {
                const double* v = &o[i * P * 2];
                if (!(std::fabs(v[q]) > std::fabs(mayor))) continue;
                mayor = v[q];
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
        e.DiagCortante[k] = -V;
        e.DiagMomento[k] = M;
        e.DiagGiro[k] = giro;
        e.DiagFlecha[k] = flecha;
        e.DiagMomentoServicio[k] = -Ms;
        e.DiagX[k] = x;
        envolvente.Estacion(k, x, valores, todas);
    }, 0);
    envolvente.Terminar();
    // The point values are those of the last station; XAnalisis is left at
    // the first abscissa beyond the beam, where the station loop stops.
    if (!X.empty()) GuardarPunto(e, viga.Evaluar(X.back()));
    e.XAnalisis = X.empty() ? 0.0f : SiguienteEstacion(X.back());
    e.Combinacion = 3;
    e.NumEstaciones = k;

    extremos.SignoMostrado();
    GuardarExtremos(e, extremos);
}

}  // namespace korvex
