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

float EspaciamientoEstribo(float Vs, float Av, double fc, double fy, float bv, float d,
                           PasoCortante* paso) {
    PasoCortante local;
    PasoCortante& x = paso ? *paso : local;
    const double raiz = RaizSegura(fc);
    float smax;
    x.VsBanda = ASimple(kBandaVs * raiz * bv * d);
    x.bandaCerrada = Vs > kBandaVs * raiz * bv * d;
    if (x.bandaCerrada) {
        x.smaxGeometrica = d / 4;
        smax = d / 4 < 30 ? d / 4 : 30;
    } else {
        x.smaxGeometrica = d / 2;
        smax = d / 2 < 60 ? d / 2 : 60;
    }
    x.smax = smax;
    const float smin = ASimple(2 * Av * fy / (kEstriboMinimo * bv));
    x.sMinimo = smin;
    float s = smin < smax ? smin : smax;
    if (Vs > 0) {
        // Two legs at fy over the depth d must carry Vs.
        const float sResistencia = ASimple(2 * Av * fy * d / Vs);
        x.conResistencia = true;
        x.sResistencia = sResistencia;
        if (sResistencia < s) s = sResistencia;
    }
    x.s = s;
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
    PasoCortante& x = e.Pasos.cortante;
    x = PasoCortante{};
    x.calculado = true;
    x.VuTn = e.CortanteMaxAbs;
    x.Vu = Vu;
    x.bv = bv;
    x.d = d;
    x.fc = fc;
    x.fy = fy;
    x.Vc = Vc;
    x.phiVcMedio = static_cast<float>(kPhiCortante * Vc / 2);
    if (kPhiCortante * Vc / 2 >= Vu) {
        x.sinEstribos = true;
        ui.MostrarMensaje(kSinEstribos);
        return;
    }
    const float Vs = ASimple(Vu / kPhiCortante - Vc);  // negative below phi Vc
    x.Vs = Vs;
    x.VsMax = ASimple(kLimiteVs * raizBvD);
    if (!(Vs <= kLimiteVs * raizBvD)) {
        x.falla = true;
        ui.MostrarMensaje(kFallaCortante);
        e.FalloDiseno = 1.0f;
        e.AsTraccionPos = 0;
        e.AsCompresionPos = 0;
        e.AsTraccionNeg = 0;
        e.AsCompresionNeg = 0;
        return;
    }
    const std::string diametro = ui.PedirDiametroEstribo();
    x.diametro = diametro;
    x.Av = AreaEstribo(diametro);
    const float sep = EspaciamientoEstribo(Vs, x.Av, fc, fy, bv, d, &x);
    e.EspaciamientoEstribos = sep;
    e.txtEstribos = diametro + "@" + std::to_string(static_cast<long long>(std::trunc(sep)));
    x.texto = e.txtEstribos;
}

Mensaje MensajeFallaCortante() {
    return kFallaCortante;
}

}  // namespace korvex
