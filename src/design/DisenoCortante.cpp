#include "design/DisenoCortante.h"

#include <cmath>
#include <string>

#include "design/DatosDiseno.h"

namespace korvex {

using namespace diseno;

namespace {

constexpr double kFactorVc = 0.55;              // Vc = 0.55 sqrt(f'c) bv d
constexpr double kPhiCortante = 0.85;           // strength reduction factor, shear
constexpr double kLimiteVs = 2.1;               // Vs <= 2.1 sqrt(f'c) bv d
constexpr double kBandaVs = 1.1;                // closer spacing above 1.1 sqrt(f'c) bv d
constexpr double kEstriboMinimo = 3.5;          // Av,min = 3.5 bv s / fy (two legs)
constexpr float kAreaTresOctavos = 0.7125574f;  // cm2, bar of 0.9525 cm
constexpr float kAreaMedia = 1.2667687f;        // cm2, bar of 1.27 cm

const Mensaje kSinEstribos{
    "La viga no lleva armadura por cortante; queda a discreción del Ingeniero el uso de "
    "estribos para facilidad constructiva.",
    "Nota", kEstiloInformacion};
const Mensaje kFallaCortante{"La viga falla por cortante, redimensionar sección",
                             "Sección insuficiente!", kEstiloCritico};

}  // namespace

float AreaEstribo(const std::string& diametro) {
    return diametro == "3/8" ? kAreaTresOctavos : kAreaMedia;
}

float EspaciamientoEstribo(float Vs, float Av, double fc, double fy, float bv, float d) {
    const double raiz = RaizSegura(fc);
    float smax;
    if (Vs > kBandaVs * raiz * bv * d) {
        smax = d / 4 < 30 ? d / 4 : 30;
    } else {
        smax = d / 2 < 60 ? d / 2 : 60;
    }
    const float smin = ASimple(2 * Av * fy / (kEstriboMinimo * bv));
    float s = smin < smax ? smin : smax;
    if (Vs > 0) {
        // Two legs at fy over the depth d must carry Vs.
        const float sResistencia = ASimple(2 * Av * fy * d / Vs);
        if (sResistencia < s) s = sResistencia;
    }
    return s;
}

void DisenoCortante(EstadoProyecto& e, const Seccion& s, const Materiales& m, Interfaz& ui) {
    const double fc = Fc(m);
    const double fy = Fy(m);
    const float d = e.PeralteEfectivo;
    const float bv =
        TipoDe(s) == TipoSeccion::Rect ? static_cast<float>(texto::NumeroCampo(s.txtB)) : s.Bw;
    const double raizBvD = RaizSegura(fc) * bv * d;  // sqrt(f'c) bv d, Kgr

    const float Vc = ASimple(kFactorVc * raizBvD);  // Kgr
    const float Vu = ASimple(static_cast<double>(e.CortanteMaxAbs) * kTnAKg);
    if (kPhiCortante * Vc / 2 >= Vu) {
        ui.MostrarMensaje(kSinEstribos);
        return;
    }
    const float Vs = ASimple(Vu / kPhiCortante - Vc);  // negative below phi Vc
    if (!(Vs <= kLimiteVs * raizBvD)) {
        ui.MostrarMensaje(kFallaCortante);
        e.FalloDiseno = 1.0f;
        e.AsTraccionPos = 0;
        e.AsCompresionPos = 0;
        e.AsTraccionNeg = 0;
        e.AsCompresionNeg = 0;
        return;
    }
    const std::string diametro = ui.PedirDiametroEstribo();
    const float sep = EspaciamientoEstribo(Vs, AreaEstribo(diametro), fc, fy, bv, d);
    e.EspaciamientoEstribos = sep;
    e.txtEstribos = diametro + "@" + std::to_string(static_cast<long long>(std::trunc(sep)));
}

}  // namespace korvex
