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

namespace {

// The tension steel at the section of the largest shear: the bottom steel
// where the factored moment there sags or is zero (a simple support), the
// top steel where it hogs. Returns whether it is the bottom steel.
bool AceroEnCortanteMaximo(const ResultadoDiseno& r, const ResultadoAnalisis& a, float& As) {
    const float x = a.Posiciones.CortanteMaxAbs;
    std::size_t k = 0;
    float distancia = 0;
    const std::size_t n = std::min(a.DiagX.size(), a.DiagMomento.size());
    for (std::size_t i = 1; i < n && static_cast<int>(i) <= a.NumEstaciones; ++i) {
        const float e = std::fabs(a.DiagX[i] - x);
        if (k == 0 || e < distancia) {
            k = i;
            distancia = e;
        }
    }
    // The analysis holds a sagging moment as negative.
    const bool positivo = k == 0 || !(a.DiagMomento[k] > 0);
    As = positivo ? r.AsTraccionPos : r.AsTraccionNeg;
    return positivo;
}

}  // namespace

void DisenoCortante(ResultadoDiseno& resultado, const ResultadoAnalisis& analisis, const Seccion& s,
                    const DatosViga& datos, const ReglasDiseno& reglas, Interfaz& ui) {
    const double fc = Fc(datos);
    const double fy = Fy(datos);
    const float d = resultado.PeralteEfectivo;
    const float bv = TipoDe(s) == TipoSeccion::Rect ? datos.seccion.b : s.Bw;
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
    x.fyt = reglas.FyEstribo(fy);
    // Rules whose Vc depends on the tension steel take it where the shear is
    // largest.
    x.AsPositivo = AceroEnCortanteMaximo(resultado, analisis, x.As);
    x.VcSin = reglas.Vc(fc, bv, d, x.As, false);
    x.Vc = x.VcSin.Vc;  // Kgr
    const double sinEstribos = reglas.VuSinEstribos(x.VcSin.Vc, fc, bv, d);  // Kgr
    x.phiVcMedio = static_cast<float>(sinEstribos);
    if (sinEstribos >= Vu) {
        x.sinEstribos = true;
        ui.MostrarMensaje(kSinEstribos);
        return;
    }
    // Stirrups go, at least the minimum ones: the Vc that counts on them.
    x.VcCon = reglas.Vc(fc, bv, d, x.As, true);
    x.Vc = x.VcCon.Vc;
    const float Vc = x.Vc;
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
    // The project's bar; asked only while none was chosen.
    const DiametroEstribo elegido = datos.opciones.estribo;
    const std::string diametro = elegido != DiametroEstribo::SinElegir
                                     ? std::string(TextoEstribo(elegido))
                                     : ui.PedirDiametroEstribo();
    x.diametro = diametro;
    x.Av = AreaEstribo(diametro);
    const float sep = EspaciamientoEstribo(reglas, Vs, x.Av, fc, x.fyt, bv, d, &x);
    resultado.EspaciamientoEstribos = sep;
    resultado.txtEstribos =
        diametro + "@" + std::to_string(static_cast<long long>(std::trunc(sep)));
    x.texto = resultado.txtEstribos;
}

Mensaje MensajeFallaCortante() {
    return kFallaCortante;
}

}  // namespace korvex
