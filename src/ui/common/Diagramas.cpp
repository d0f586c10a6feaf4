#include "ui/common/Diagramas.h"

#include <QColor>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "ui/common/Lienzo.h"

namespace korvex::ui {

namespace {

// Colours of the diagrams: &H8080 (red 128, green 128) and &H8000 (green 128).
const QColor kColorSuperior(128, 128, 0);
const QColor kColorInferior(0, 128, 0);
const QColor kColorEje(0, 0, 0);
const QColor kColorMarca(200, 0, 0);
const QColor kColorEnvolvente(0, 0, 170);
const QColor kColorCapacidad(220, 110, 0);
constexpr double kRadioMarca = 45;        // twips
constexpr double kGrosorEnvolvente = 12;  // twips

// With the live-load arrangements on, the extremes are the envelope's.
bool ConEnvolvente(const EstadoProyecto& e, const ResultadoAnalisis& c) {
    return e.AlternanciaViva && c.Envolvente.calculada;
}

// Station of the largest |value| of a sampled diagram (the first of equals).
int EstacionMayor(const std::vector<float>& a, int estaciones) {
    int mayor = 1;
    for (int i = 1; i <= estaciones; ++i) {
        if (std::fabs(Muestra(a, i)) > std::fabs(Muestra(a, mayor))) mayor = i;
    }
    return mayor;
}

constexpr double X1 = diagrama::kLineaX1, X2 = diagrama::kLineaX2, Y1 = diagrama::kLineaY;
constexpr double kAltura = diagrama::kAlturaMaxima;

// A small circle on each curve where the sampling met its largest values.
void MarcarExtremos(const EstadoProyecto& e, const ResultadoAnalisis& c, Lienzo* sup, Lienzo* inf,
                    bool momentos) {
    const double L = e.LuzViga;
    const double W = X2 - X1;
    auto marca = [&](Lienzo* caja, double posicion, double ordenada) {
        caja->Circulo({X1 + posicion / L * W, Y1 - ordenada}, kRadioMarca, kColorMarca);
    };
    const PosicionExtremos& p = c.Posiciones;
    if (momentos) {
        const double kq = kAltura / NoCero(c.CortanteMaxAbs);
        const double km = kAltura / NoCero(c.MomentoMaxAbs);
        if (c.CortanteMax != 0) marca(sup, p.CortanteMax, c.CortanteMax * kq);
        if (c.CortanteMin != 0) marca(sup, p.CortanteMin, c.CortanteMin * kq);
        // Displayed sign: sagging drawn below the axis.
        if (c.MomentoPosMax != 0) marca(inf, p.MomentoPosMax, -c.MomentoPosMax * km);
        if (c.MomentoNegMax != 0) marca(inf, p.MomentoNegMax, -c.MomentoNegMax * km);
    } else {
        // The envelope's rotation and deflection may come from another
        // arrangement than the curve drawn: the curve's own largest value is
        // marked then.
        const bool propia = ConEnvolvente(e, c);
        if (c.GiroMax != 0) {
            const int i =
                propia ? EstacionMayor(c.DiagGiro, c.NumEstaciones) : Estacion(c, p.GiroMax);
            marca(sup, propia ? (i - 1) * 0.01 : p.GiroMax,
                  Muestra(c.DiagGiro, i) * kAltura / c.GiroMax);
        }
        if (c.FlechaMax != 0) {
            // The polyline's point k (X1 + k steps) carries station k.
            const int i =
                propia ? EstacionMayor(c.DiagFlecha, c.NumEstaciones) : Estacion(c, p.FlechaMax);
            const double s = W * 0.01 / L;
            inf->Circulo({X1 + i * s, Y1 - Muestra(c.DiagFlecha, i) * kAltura / c.FlechaMax},
                         kRadioMarca, kColorMarca);
        }
    }
}

}  // namespace

float Muestra(const std::vector<float>& a, int i) {
    return i >= 0 && i < static_cast<int>(a.size()) ? a[static_cast<std::size_t>(i)] : 0.0f;
}

int Estacion(const ResultadoAnalisis& c, double x) {
    const long i = std::lround(x * 100.0) + 1;
    return static_cast<int>(std::clamp<long>(i, 1, std::max(1, c.NumEstaciones)));
}

float NoCero(float v) {
    return v == 0 ? 1.0f : v;
}

void DibujarCurvas(const EstadoProyecto& e, const ResultadoAnalisis& c, Lienzo* sup, Lienzo* inf,
                   bool momentos) {
    const float L = e.LuzViga;
    if (L == 0 || !std::isfinite(L)) return;

    // One centimetre of beam in twips; the largest value 937 twips from the axis.
    const float W = static_cast<float>(X2 - X1);
    const float s = static_cast<float>(W * 0.01 / L);
    if (!(s > 0) || !std::isfinite(s)) return;

    for (Lienzo* caja : {sup, inf}) caja->Linea({X1, Y1}, {X2, Y1}, kColorEje);

    // A length changed in the load window after the calculation keeps the
    // samples of the old one: the curves end with the samples, and a step too
    // small to move the abscissa (a huge length) cannot loop for ever.
    const auto muestras = static_cast<int>((momentos ? c.DiagCortante : c.DiagGiro).size());
    int i = 0;
    if (momentos) {
        const float kq = static_cast<float>(kAltura) / NoCero(c.CortanteMaxAbs);
        const float km = static_cast<float>(kAltura) / NoCero(c.MomentoMaxAbs);
        // The envelope's upper and lower curves, outlines over the hatch of
        // the all-loaded diagram; the scales are the envelope's extremes, so
        // both fit the box.
        const bool envolvente = ConEnvolvente(e, c);
        const EnvolventeViva& env = c.Envolvente;
        QVector<QPointF> vMax, vMin, mMax, mMin;
        for (float x = 0; x <= W && i < muestras; x += s) {
            ++i;
            sup->Linea({X1 + x, Y1}, {X1 + x, Y1 - Muestra(c.DiagCortante, i) * kq},
                       kColorSuperior);
            inf->Linea({X1 + x, Y1}, {X1 + x, Y1 - Muestra(c.DiagMomento, i) * km}, kColorInferior);
            if (envolvente && i <= c.NumEstaciones) {
                vMax.append({X1 + x, Y1 - Muestra(env.CortanteMax, i) * kq});
                vMin.append({X1 + x, Y1 - Muestra(env.CortanteMin, i) * kq});
                mMax.append({X1 + x, Y1 - Muestra(env.MomentoMax, i) * km});
                mMin.append({X1 + x, Y1 - Muestra(env.MomentoMin, i) * km});
            }
        }
        if (envolvente) {
            for (const auto* c : {&vMax, &vMin})
                sup->Polilinea(*c, kColorEnvolvente, kGrosorEnvolvente);
            for (const auto* c : {&mMax, &mMin})
                inf->Polilinea(*c, kColorEnvolvente, kGrosorEnvolvente);
        }
    } else {
        const float kg = static_cast<float>(kAltura) / NoCero(c.GiroMax);
        const float kf = static_cast<float>(kAltura) / NoCero(c.FlechaMax);
        // The envelope's largest and smallest rotation and deflection as
        // outlines; the scales are the envelope's largest magnitudes.
        const bool envolvente = ConEnvolvente(e, c);
        const EnvolventeViva& env = c.Envolvente;
        QVector<QPointF> flecha = {{X1, Y1 - Muestra(c.DiagFlecha, 0) * kf}};
        QVector<QPointF> gMax, gMin, fMax, fMin;
        for (float x = 0; x <= W && i < muestras; x += s) {
            ++i;
            sup->Linea({X1 + x, Y1}, {X1 + x, Y1 - Muestra(c.DiagGiro, i) * kg}, kColorSuperior);
            flecha.append({X1 + x + s, Y1 - Muestra(c.DiagFlecha, i) * kf});
            if (envolvente && i <= c.NumEstaciones) {
                gMax.append({X1 + x, Y1 - Muestra(env.GiroMax, i) * kg});
                gMin.append({X1 + x, Y1 - Muestra(env.GiroMin, i) * kg});
                fMax.append({X1 + x + s, Y1 - Muestra(env.FlechaMax, i) * kf});
                fMin.append({X1 + x + s, Y1 - Muestra(env.FlechaMin, i) * kf});
            }
        }
        inf->Polilinea(flecha, kColorInferior);
        if (envolvente) {
            for (const auto* c : {&gMax, &gMin}) {
                sup->Polilinea(*c, kColorEnvolvente, kGrosorEnvolvente);
            }
            for (const auto* c : {&fMax, &fMin}) {
                inf->Polilinea(*c, kColorEnvolvente, kGrosorEnvolvente);
            }
        }
    }
    MarcarExtremos(e, c, sup, inf, momentos);
}

void DibujarCapacidad(const EstadoProyecto& e, const ResultadoAnalisis& c, const DespieceViga& d,
                      Lienzo* inf) {
    const float L = e.LuzViga;
    if (d.capacidad.empty() || L == 0 || !std::isfinite(L)) return;
    const float W = static_cast<float>(X2 - X1);
    const float s = static_cast<float>(W * 0.01 / L);
    if (!(s > 0) || !std::isfinite(s)) return;
    // The moment diagram's scale: its largest |M| kAltura twips from the axis.
    const float km = static_cast<float>(kAltura) / NoCero(c.MomentoMaxAbs);
    constexpr double kBorde = 20;  // twips kept inside the box's edges
    QFont fuente;
    fuente.setPointSizeF(8);
    for (const CapacidadCara& cara : d.capacidad) {
        // The moment is drawn in the analysis sign (sagging below the axis):
        // the bottom bars resist sagging, the top bars hogging.
        const double lado = cara.inferior ? 1.0 : -1.0;
        const int estaciones = std::min(c.NumEstaciones, static_cast<int>(cara.phiMn.size()) - 1);
        QVector<QPointF> curva;
        // The first run of stations at the largest value: the label stands
        // over its middle, clear of the value labels at the box's ends.
        float phiMayor = 0;
        double desde = 0, hasta = 0, yMayor = Y1;
        bool enRacha = false;
        auto cerrar = [&] {
            if (curva.size() > 1) inf->Polilinea(curva, kColorCapacidad, kGrosorEnvolvente);
            curva.clear();
        };
        for (int i = 1; i <= estaciones; ++i) {
            const float x = static_cast<float>(i - 1) * s;
            if (x > W) break;  // samples of a longer beam than the one now entered
            const float phi = Muestra(cara.phiMn, i);
            if (!std::isfinite(phi)) {  // a gap, never a point out of the box
                cerrar();
                enRacha = false;
                continue;
            }
            const double y = std::clamp(Y1 + lado * std::max(0.0f, phi) * km, kBorde,
                                        diagrama::kAltoCaja - kBorde);
            curva.append({X1 + x, y});
            if (phi > phiMayor) {
                phiMayor = phi;
                desde = hasta = X1 + x;
                yMayor = y;
                enRacha = true;
            } else if (enRacha && phi == phiMayor) {
                hasta = X1 + x;
            } else {
                enRacha = false;
            }
        }
        cerrar();
        if (phiMayor <= 0) continue;
        const double alto = 8 * 20;  // twips of an 8 pt text
        const double y = cara.inferior ? yMayor + 30 : yMayor - 30 - alto;
        inf->Texto({std::clamp((desde + hasta) / 2 - 150, X1, X2 - 300),
                    std::clamp(y, kBorde, diagrama::kAltoCaja - kBorde - alto)},
                   QString::fromUtf8("φMn"), fuente, kColorCapacidad);
    }
}

}  // namespace korvex::ui
