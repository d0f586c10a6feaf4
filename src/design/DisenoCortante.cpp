#include "design/DisenoCortante.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "design/DatosDiseno.h"

namespace korvex {

using namespace diseno;

namespace {

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

float EspaciamientoEstribo(const ReglasDiseno& reglas, float Vs, float Av, double fc, double fy,
                           float bv, float d, PasoCortante* paso) {
    PasoCortante local;
    PasoCortante& x = paso ? *paso : local;
    const BandaEstribos banda = reglas.Banda(Vs, fc, bv, d);
    x.VsBanda = banda.VsBanda;
    x.bandaCerrada = banda.cerrada;
    x.smaxGeometrica = banda.smaxGeometrica;
    const float smax = banda.smax;
    x.smax = smax;
    const float smin = reglas.SeparacionEstriboMinimo(Av, fc, fy, bv);
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

void DisenoCortante(ResultadoDiseno& resultado, const ResultadoAnalisis& analisis, const Seccion& s,
                    const DatosViga& datos, const ReglasDiseno& reglas, Interfaz& ui) {
    const double fc = Fc(datos);
    const double fy = Fy(datos);
    const float d = resultado.PeralteEfectivo;
    const float bv = TipoDe(s) == TipoSeccion::Rect ? datos.seccion.b : s.Bw;
    // The tension steel of the larger factored moment, for rules whose Vc
    // depends on it.
    const float As = std::max(resultado.AsTraccionPos, resultado.AsTraccionNeg);  // cm2
    const float Vc = reglas.Vc(fc, bv, d, As);                                    // Kgr
    const float Vu = ASimple(static_cast<double>(analisis.CortanteMaxAbs) * kTnAKg);
    PasoCortante& x = resultado.Pasos.cortante;
    x = PasoCortante{};
    x.calculado = true;
    x.VuTn = analisis.CortanteMaxAbs;
    x.Vu = Vu;
    x.bv = bv;
    x.d = d;
    x.fc = fc;
    x.fy = fy;
    x.Vc = Vc;
    const double sinEstribos = reglas.VuSinEstribos(Vc);  // Kgr
    x.phiVcMedio = static_cast<float>(sinEstribos);
    if (sinEstribos >= Vu) {
        x.sinEstribos = true;
        ui.MostrarMensaje(kSinEstribos);
        return;
    }
    const float Vs = ASimple(Vu / reglas.PhiCortante() - Vc);  // negative below phi Vc
    x.Vs = Vs;
    const double VsMax = reglas.VsMaximo(fc, bv, d);  // Kgr
    x.VsMax = ASimple(VsMax);
    if (!(Vs <= VsMax)) {
        x.falla = true;
        ui.MostrarMensaje(kFallaCortante);
        resultado.DisenoFallido = true;
        resultado.AsTraccionPos = 0;
        resultado.AsCompresionPos = 0;
        resultado.AsTraccionNeg = 0;
        resultado.AsCompresionNeg = 0;
        return;
    }
    const std::string diametro = ui.PedirDiametroEstribo();
    x.diametro = diametro;
    x.Av = AreaEstribo(diametro);
    const float sep = EspaciamientoEstribo(reglas, Vs, x.Av, fc, fy, bv, d, &x);
    resultado.EspaciamientoEstribos = sep;
    resultado.txtEstribos =
        diametro + "@" + std::to_string(static_cast<long long>(std::trunc(sep)));
    x.texto = resultado.txtEstribos;
}

Mensaje MensajeFallaCortante() {
    return kFallaCortante;
}

}  // namespace korvex
