#include "analysis/Alternancia.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

#include "analysis/AnalizadorViga.h"
#include "analysis/Barrido.h"

namespace korvex {

namespace {

// The pieces of a distributed load between its cuts at the supports, each
// in the zone that holds it, with the intensity interpolated at each cut.
void CortarDistribuida(const CargaViga& c, const std::vector<float>& apoyos,
                       const std::vector<ZonaViga>& zonas, CargasPorZona& z) {
    const double largo = static_cast<double>(c.fin) - c.a;  // m, over which P1 -> P2
    std::vector<float> puntos{c.a};
    for (float apoyo : apoyos) {
        if (largo > 0 && c.a < apoyo && apoyo < c.fin) puntos.push_back(apoyo);
    }
    puntos.push_back(c.fin);
    auto intensidad = [&](float x) {  // Tn/m at x
        if (x == c.a) return c.p1;
        if (x == c.fin) return c.p2;
        return static_cast<float>(c.p1 + (static_cast<double>(c.p2) - c.p1) * (x - c.a) / largo);
    };
    // Each piece lies in the zone of its midpoint (a load from K to L is on
    // the right cantilever although K itself belongs to the span).
    auto zona = [&](float s, float t) {
        return static_cast<std::size_t>(ZonaDe(s + (t - s) / 2, zonas));
    };
    if (puntos.size() == 2) {
        z.vivas[zona(c.a, c.fin)].push_back(c);
        return;
    }
    for (std::size_t i = 0; i + 1 < puntos.size(); ++i) {
        const float s = puntos[i], t = puntos[i + 1];
        CargaViga pieza = c;
        pieza.a = s;
        pieza.fin = t;
        pieza.b = t - s;
        pieza.c = c.c + (c.fin - t);
        pieza.p1 = intensidad(s);
        pieza.p2 = intensidad(t);
        z.vivas[zona(s, t)].push_back(pieza);
    }
}

ExtremoEnvolvente Registro(float valor, float x, unsigned vivas, int combinacion = -1) {
    ExtremoEnvolvente r{valor, x, {}, combinacion};
    for (int z = 0; z < kZonas; ++z) r.vivas[static_cast<std::size_t>(z)] = (vivas >> z) & 1u;
    return r;
}

}  // namespace

std::vector<ZonaViga> ZonasViga(float L, const std::vector<float>& apoyos) {
    if (apoyos.empty()) return {};
    const float primero = apoyos.front(), ultimo = apoyos.back();
    std::vector<ZonaViga> zonas;
    if (primero > 0) zonas.push_back({kVueloIzquierdo, 0, primero});
    zonas.push_back({kTramo, primero, ultimo});
    if (ultimo < L) zonas.push_back({kVueloDerecho, ultimo, L});
    return zonas;
}

int ZonaDe(float x, const std::vector<ZonaViga>& zonas) {
    for (const ZonaViga& z : zonas) {
        if (z.zona != kTramo) continue;
        if (x < z.desde) return kVueloIzquierdo;
        if (x > z.hasta) return kVueloDerecho;
    }
    return kTramo;
}

CargasPorZona RepartirCargas(const DatosViga& datos) {
    CargasPorZona z;
    const std::vector<ZonaViga> zonas = ZonasViga(datos.longitud, datos.apoyos);
    for (const CargaViga& c : datos.cargas) {
        if (c.categoria != CategoriaCarga::Viva) {
            z.permanentes.push_back(c);
        } else if (c.tipo == TipoCarga::Distribuida) {
            CortarDistribuida(c, datos.apoyos, zonas, z);
        } else {
            z.vivas[static_cast<std::size_t>(ZonaDe(c.a, zonas))].push_back(c);
        }
    }
    return z;
}

EnvolventeEnCurso::EnvolventeEnCurso(EnvolventeViva& env, const std::vector<int>& zonas,
                                     int estaciones, std::vector<ZonaViga> zonasViga)
    : env_(env), zonas_(zonas), zonasViga_(std::move(zonasViga)) {
    env_ = EnvolventeViva{};
    for (int z : zonas_) cargadas_ |= 1u << z;
    comba_.assign(std::size_t{1} << zonas_.size(), false);
    cuelga_.assign(comba_.size(), false);
    for (auto* v : {&env_.CortanteMax, &env_.CortanteMin, &env_.MomentoMax, &env_.MomentoMin,
                    &env_.ServicioMax, &env_.ServicioMin, &env_.GiroMax, &env_.GiroMin,
                    &env_.FlechaMax, &env_.FlechaMin}) {
        v->assign(static_cast<std::size_t>(std::max(estaciones, 0)) + 1, 0.0f);
    }
    // The eight extremes start at 0 as those of the diagrams do, governed by
    // the all-loaded beam until an arrangement goes beyond.
    for (Extremo* x : {&VAbs_, &VMax_, &VMin_, &MPos_, &MNeg_, &MAbs_, &GMax_, &FMax_}) {
        *x = {0, 0, cargadas_};
    }
    env_.arreglos = 1 << std::popcount(cargadas_);
}

void EnvolventeEnCurso::Estacion(int k, float x, const double* partes, const float (&todas)[5],
                                 const std::vector<const double*>& otras) {
    // Largest and smallest of each quantity q over the arrangements: each
    // zone's part added or not, so the largest is the whole beam less every
    // zone whose part is negative, the smallest the whole less every zone
    // whose part is positive. Where that rounds to no more than the
    // all-loaded value (as when no zone takes away), the all-loaded value
    // stands, so that the envelope holds the diagrams. The factored V and M
    // take the worst over the strength combinations, each with its own
    // arrangements; `fuenteAlto`/`fuenteBajo` keep the parts that gave it.
    const std::size_t zonas = zonas_.size();
    struct Fuente {
        const double* v;
        std::size_t paso;      // values per part
        int combinacion = -1;  // its strength combination, of several
    };
    Fuente fuenteAlto[5], fuenteBajo[5];
    float alto[5], bajo[5];
    bool altoTodas[5], bajoTodas[5];
    auto extremos = [&](Fuente f, std::size_t q, double& mayor, double& menor) {
        double negativas = 0, positivas = 0;
        for (std::size_t z = 0; z < zonas; ++z) {
            const double v = f.v[f.paso * (z + 1) + q];
            if (v < 0) {
                negativas += v;
            } else {
                positivas += v;
            }
        }
        mayor = f.v[q] - negativas;
        menor = f.v[q] - positivas;
    };
    for (std::size_t q = 0; q < 5; ++q) {
        double mayor = partes[q], menor = partes[q];
        fuenteAlto[q] = fuenteBajo[q] = {partes, 5};
        for (std::size_t z = 0; z < zonas; ++z) {
            const double v = partes[5 * (z + 1) + q];
            if (v < 0) {
                mayor -= v;
            } else {
                menor -= v;
            }
        }
        if (q < 2 && !otras.empty()) {
            // Every combination, the first included: the one that gives the
            // worst value is recorded with it.
            for (std::size_t c = 0; c < otras.size(); ++c) {
                const Fuente f{otras[c], 2, static_cast<int>(c)};
                double m1, m2;
                extremos(f, q, m1, m2);
                if (c == 0 || m1 > mayor) {
                    mayor = m1;
                    fuenteAlto[q] = f;
                }
                if (c == 0 || m2 < menor) {
                    menor = m2;
                    fuenteBajo[q] = f;
                }
            }
        }
        alto[q] = static_cast<float>(mayor);
        bajo[q] = static_cast<float>(menor);
        altoTodas[q] = todas[q] >= alto[q];
        bajoTodas[q] = todas[q] <= bajo[q];
        if (altoTodas[q]) alto[q] = todas[q];
        if (bajoTodas[q]) bajo[q] = todas[q];
    }
    // The arrangement of a largest (or smallest) value: the loaded zones
    // less those whose part is negative (positive). Worked out only when an
    // extreme changes hands.
    auto vivas = [&](std::size_t q, bool maximo) {
        const bool todasZonas = maximo ? altoTodas[q] : bajoTodas[q];
        unsigned m = cargadas_;
        if (todasZonas) return m;
        const Fuente f = maximo ? fuenteAlto[q] : fuenteBajo[q];
        for (std::size_t z = 0; z < zonas; ++z) {
            const double v = f.v[f.paso * (z + 1) + q];
            if (maximo ? v < 0 : v > 0) m &= ~(1u << zonas_[z]);
        }
        return m;
    };

    // The envelope, each series in the sign of its diagram (V, M and Ms
    // above are in the analysis sign).
    const auto i = static_cast<std::size_t>(k);
    env_.CortanteMax[i] = -bajo[0] + 0.0f;
    env_.CortanteMin[i] = -alto[0] + 0.0f;
    env_.MomentoMax[i] = alto[1];
    env_.MomentoMin[i] = bajo[1];
    env_.ServicioMax[i] = -bajo[2] + 0.0f;
    env_.ServicioMin[i] = -alto[2] + 0.0f;
    env_.GiroMax[i] = alto[3];
    env_.GiroMin[i] = bajo[3];
    env_.FlechaMax[i] = alto[4];
    env_.FlechaMin[i] = bajo[4];
    const bool giroBajo = std::fabs(bajo[3]) > std::fabs(alto[3]);
    const bool flechaBajo = std::fabs(bajo[4]) > std::fabs(alto[4]);

    // The eight extremes, displayed sign; strictly beyond replaces.
    auto combinacion = [&](std::size_t q, bool maximo) {
        return (maximo ? fuenteAlto[q] : fuenteBajo[q]).combinacion;
    };
    auto subir = [&](Extremo& e, float v, std::size_t q, bool maximo) {
        if (v > e.valor) e = {v, x, vivas(q, maximo), combinacion(q, maximo)};
    };
    auto bajar = [&](Extremo& e, float v, std::size_t q, bool maximo) {
        if (v < e.valor) e = {v, x, vivas(q, maximo), combinacion(q, maximo)};
    };
    const bool cortanteBajo = std::fabs(bajo[0]) > std::fabs(alto[0]);
    const bool momentoBajo = std::fabs(bajo[1]) > std::fabs(alto[1]);
    subir(VAbs_, std::fabs(cortanteBajo ? bajo[0] : alto[0]), 0, !cortanteBajo);
    subir(VMax_, -bajo[0] + 0.0f, 0, false);
    bajar(VMin_, -alto[0] + 0.0f, 0, true);
    subir(MPos_, -bajo[1] + 0.0f, 1, false);
    bajar(MNeg_, -alto[1] + 0.0f, 1, true);
    subir(MAbs_, std::fabs(momentoBajo ? bajo[1] : alto[1]), 1, !momentoBajo);
    subir(GMax_, std::fabs(giroBajo ? bajo[3] : alto[3]), 3, !giroBajo);
    subir(FMax_, std::fabs(flechaBajo ? bajo[4] : alto[4]), 4, !flechaBajo);

    if (ZonaDe(x, zonasViga_) == kTramo) SignosEnTramo(partes);
}

unsigned EnvolventeEnCurso::ZonasDe(unsigned partes) const {
    unsigned m = 0;
    for (std::size_t p = 0; p < zonas_.size(); ++p) {
        if ((partes >> p) & 1u) m |= 1u << zonas_[p];
    }
    return m;
}

void EnvolventeEnCurso::SignosEnTramo(const double* partes) {
    // Tn.m: a moment within this of zero is neither sagging nor hogging (the
    // rounding left at a support without cantilever).
    constexpr double kCero = 1e-6;
    const std::size_t n = zonas_.size();
    const unsigned todas = (1u << n) - 1;
    for (unsigned m = 0; m <= todas; ++m) {
        // Factored moment, analysis sign (sagging negative): the whole beam
        // less the live parts that do not act.
        double M = partes[1];
        for (std::size_t p = 0; p < n; ++p) {
            if (!((m >> p) & 1u)) M -= partes[5 * (p + 1) + 1];
        }
        if (M < -kCero) comba_[m] = true;
        if (M > kCero) cuelga_[m] = true;
    }
}

void EnvolventeEnCurso::Terminar() {
    auto r = [](const Extremo& e) { return Registro(e.valor, e.x, e.vivas, e.combinacion); };
    env_.Extremos = {r(VAbs_), r(VMax_), r(VMin_), r(MPos_),
                     r(MNeg_), r(MAbs_), r(GMax_), r(FMax_)};
    // The arrangement that hogs over the whole span, the all-loaded one first.
    for (unsigned k = 0; k < comba_.size(); ++k) {
        const unsigned m = static_cast<unsigned>(comba_.size() - 1 - k);
        if (comba_[m] || !cuelga_[m]) continue;
        env_.tramoNegativo = true;
        env_.vivasTramoNegativo = Registro(0, 0, ZonasDe(m)).vivas;
        break;
    }
    env_.calculada = true;
}

void EnvolverReacciones(PasoReacciones& r, const std::vector<int>& zonas,
                        const std::vector<PasoReacciones>& partes) {
    unsigned cargadas = 0;
    for (int z : zonas) cargadas |= 1u << z;
    auto envolver = [&](double todas, double PasoReacciones::*R) {
        ReaccionEnvolvente x{todas, todas, {}, {}};
        unsigned mayor = cargadas, menor = cargadas;
        for (std::size_t p = 0; p < partes.size() && p < zonas.size(); ++p) {
            const double v = partes[p].*R;  // Tn, the zone's live load alone
            if (v < 0) {
                x.max -= v;
                mayor &= ~(1u << zonas[p]);
            } else if (v > 0) {
                x.min -= v;
                menor &= ~(1u << zonas[p]);
            }
        }
        x.vivasMax = Registro(0, 0, mayor).vivas;
        x.vivasMin = Registro(0, 0, menor).vivas;
        return x;
    };
    r.J = envolver(r.R1Factorizada, &PasoReacciones::R1Factorizada);
    r.K = envolver(r.R2Factorizada, &PasoReacciones::R2Factorizada);
    r.envolvente = true;
}

void EnvolverReaccionesCombinaciones(PasoReacciones& r, const std::vector<int>& zonas,
                                     const AnalizadorViga& viga,
                                     const std::vector<AnalizadorViga>& vivas) {
    const std::vector<CombinacionCargas>& combinaciones = viga.Combinaciones();
    for (std::size_t j = 0; j < combinaciones.size(); ++j) {
        const CombinacionCargas& u = combinaciones[j];
        PasoReacciones una;
        const ReaccionesApoyos todas = viga.ReaccionesCombinacion(u);
        una.R1Factorizada = todas.R1;
        una.R2Factorizada = todas.R2;
        std::vector<PasoReacciones> partes;
        partes.reserve(vivas.size());
        for (const AnalizadorViga& a : vivas) {
            const ReaccionesApoyos v = a.ReaccionesCombinacion(u);
            PasoReacciones p;
            p.R1Factorizada = v.R1;
            p.R2Factorizada = v.R2;
            partes.push_back(p);
        }
        EnvolverReacciones(una, zonas, partes);
        // The first combination sets the envelope; the others widen it.
        auto ampliar = [j](ReaccionEnvolvente& x, const ReaccionEnvolvente& y) {
            if (j == 0 || y.max > x.max) {
                x.max = y.max;
                x.vivasMax = y.vivasMax;
            }
            if (j == 0 || y.min < x.min) {
                x.min = y.min;
                x.vivasMin = y.vivasMin;
            }
        };
        ampliar(r.J, una.J);
        ampliar(r.K, una.K);
    }
    r.envolvente = true;
}

}  // namespace korvex
