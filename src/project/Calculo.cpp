#include "project/Calculo.h"

#include <cmath>
#include <vector>

#include "analysis/Alternancia.h"
#include "analysis/Calculos_Diagramas.h"
#include "design/Deflexion.h"
#include "design/DisenarViga.h"
#include "design/Reglas.h"
#include "project/ArchivoKvx.h"
#include "project/DatosProyecto.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kCmPorM = 100.0;  // m -> cm

void Avanzar(const Progreso& progreso, EtapaCalculo etapa) {
    if (progreso) progreso(etapa);
}

// Concrete modulus, Tn/m2: Ec of the rules in Kgr/cm2, times 10 (Kgr/cm2 -> Tn/m2).
float Modulo(const ReglasDiseno& reglas, double fc) {
    return static_cast<float>(reglas.ModuloConcreto(fc) * 10.0);
}

// Passes every message and the stirrup question on, and keeps the messages
// in the record of the calculation.
class InterfazRegistrada : public Interfaz {
  public:
    InterfazRegistrada(Interfaz& ui, std::vector<Mensaje>& avisos) : ui_(ui), avisos_(avisos) {}
    int MostrarMensaje(const Mensaje& m) override {
        avisos_.push_back(m);
        return ui_.MostrarMensaje(m);
    }
    std::string PedirDiametroEstribo() override { return ui_.PedirDiametroEstribo(); }

  private:
    Interfaz& ui_;
    std::vector<Mensaje>& avisos_;
};

// What the project's state keeps of a calculation made on its copy
// `trabajo`: the concrete modulus (the point query analyses with it), the
// effective depth (the project file stores it), and the values of the
// analysis at a point, the last station's.
void GuardarEnEstado(const EstadoProyecto& trabajo, EstadoProyecto& estado) {
    estado.ModuloElasticidad = trabajo.ModuloElasticidad;
    estado.PeralteEfectivo = trabajo.PeralteEfectivo;
    estado.XAnalisis = trabajo.XAnalisis;
    estado.Combinacion = trabajo.Combinacion;
    estado.CortanteDer = trabajo.CortanteDer;
    estado.MomentoDer = trabajo.MomentoDer;
    estado.CortanteIzq = trabajo.CortanteIzq;
    estado.MomentoIzq = trabajo.MomentoIzq;
    estado.Giro = trabajo.Giro;
    estado.Flecha = trabajo.Flecha;
    estado.MomentoServicio = trabajo.MomentoServicio;
}

}  // namespace

const ReglasDiseno& ReglasCalculo() {
    return ReglasPorClave(kReglasClasicas);
}

void Calculos_Geom(Seccion& s, EstadoProyecto& e) {
    const PropiedadesSeccion g = Calculos_Geom(s, PropiedadesDe(e));
    e.AreaSeccion = g.area;
    e.InerciaSeccion = g.inercia;
    e.AnchoRectangulo = g.anchoRectangulo;
}

float DistMinCarga(const DatosViga& d) {
    float minima = d.longitud;
    for (const CargaViga& c : d.cargas) {
        if (c.tipo != TipoCarga::Puntual) continue;
        for (float apoyo : d.apoyos) {
            const float dist = std::fabs(c.a - apoyo);
            if (dist < minima) minima = dist;
        }
    }
    return minima;
}

std::optional<Mensaje> AdvertenciaGranPeralte(const ReglasDiseno& reglas, float DistJ, float DistK,
                                              float distMinCarga, float d) {
    if (!(d > 0)) return std::nullopt;
    const float r1 = static_cast<float>((static_cast<double>(DistK) - DistJ) * kCmPorM / d);
    const float r2 = static_cast<float>(distMinCarga * kCmPorM / d);
    if (!reglas.GranPeralte(r1, r2)) return std::nullopt;
    return Mensaje{
        "Elemento de gran peralte. Requiere de cálculos adicionales a los realizados por Korvex "
        "2000",
        "Advertencia", kEstiloInformacion};
}

std::optional<Mensaje> AdvertenciaAceroPiel(const ReglasDiseno& reglas, float d) {
    const std::optional<AceroLateral> piel = reglas.AceroPiel(d);
    if (!piel) return std::nullopt;
    const double s = piel->separacion;  // cm, spacing up the side faces
    const double area = piel->area;     // cm2 at each spacing
    return Mensaje{"La viga lleva acero longitudinal: " + texto::Formato(area, "###,###.00") +
                       " cm2 a cada " + texto::Formato(s, "###,###.00") +
                       " cm de altura en ambas caras laterales del elemento",
                   "Información", kEstiloInformacion};
}

ResultadoCalculo RealizarCalculos(Proyecto& p, Interfaz& ui, const Progreso& progreso) {
    ResultadoCalculo r;
    const Seccion& s = p.seccion;
    const ReglasDiseno& reglas = ReglasCalculo();
    // The input read once from the project's field texts.
    const DatosViga datos = DatosVigaDe(p);

    // 1. Precondition: silently nothing without loads or without f'c.
    if (p.estado.NumCargas < 1 || !datos.materiales.fc) {
        Avanzar(progreso, EtapaCalculo::Fin);
        return r;
    }

    // 2. Checks of the beam and of the section and material; a refusal
    //    leaves the previous results in place.
    std::vector<Mensaje> rechazos = VerificarViga(p.estado);
    for (Mensaje& x : VerificarDiseno(datos, s, PropiedadesDe(p.estado))) {
        rechazos.push_back(std::move(x));
    }
    if (!rechazos.empty()) {
        for (const Mensaje& x : rechazos) ui.MostrarMensaje(x);
        r.rechazado = true;
        Avanzar(progreso, EtapaCalculo::Fin);
        return r;
    }

    // The steps work on a copy of the state; the project's state takes only
    // what GuardarEnEstado says.
    EstadoProyecto e = p.estado;

    // 3. Clearing and the concrete modulus.
    IniciarCalculo(e);
    e.txtEstribos.clear();
    // From here every message is also kept in the record of the calculation.
    InterfazRegistrada registro(ui, e.Pasos.avisos);
    e.ModuloElasticidad = Modulo(reglas, *datos.materiales.fc);

    // 4. Diagrams.
    Avanzar(progreso, EtapaCalculo::Limpio);
    // The sampling evaluates the live-load arrangements as well, so that the
    // notice can say when one of them governs; with the option on they are
    // designed for.
    static_cast<ResultadoAnalisis&>(e) = AnalizarViga(datos, PropiedadesDe(e), reglas, progreso);
    e.Pasos.reacciones = e.Reacciones;
    Avanzar(progreso, EtapaCalculo::Diagramas);

    // 5. Cover, effective depth and the design. The record keeps the
    //    reactions of the analysis and every message raised so far.
    Avanzar(progreso, EtapaCalculo::Peralte);
    ResultadoDiseno diseno = DisenarViga(datos, s, PropiedadesDe(e), e, reglas, registro);
    diseno.Pasos.reacciones = e.Pasos.reacciones;
    diseno.Pasos.avisos = std::move(e.Pasos.avisos);
    static_cast<ResultadoDiseno&>(e) = std::move(diseno);
    Avanzar(progreso, EtapaCalculo::Diseno);
    Avanzar(progreso, EtapaCalculo::Resultados);

    // 6. Distance of the point loads to the supports and the code warnings.
    r.DistMinCarga = DistMinCarga(datos);
    r.disenoFallido = e.DisenoFallido;
    if (!e.DisenoFallido) {
        const float d = e.PeralteEfectivo;
        if (auto x = AdvertenciaGranPeralte(reglas, datos.ApoyoIzquierdo(), datos.ApoyoDerecho(),
                                            r.DistMinCarga, d)) {
            registro.MostrarMensaje(*x);
        }
        if (auto x = AdvertenciaAceroPiel(reglas, d)) registro.MostrarMensaje(*x);
    }
    e.DisenoFallido = false;
    r.calculado = true;

    // The result, and what the state keeps of the calculation.
    static_cast<ResultadoAnalisis&>(r) = e;
    static_cast<ResultadoDiseno&>(r) = e;
    GuardarEnEstado(e, p.estado);
    Avanzar(progreso, EtapaCalculo::Fin);
    return r;
}

ResultadoCalculo RecalcularAbierto(Proyecto& p, Interfaz& ui, const Progreso& progreso) {
    p.estado.ModuloElasticidad = 1.0f;
    Calculos_Geom(p.seccion, p.estado);
    return RealizarCalculos(p, ui, progreso);
}

ResultadoApertura AbrirProyecto(const std::string& ruta, Proyecto& p, Interfaz& ui,
                                const Progreso& progreso, bool alternancia) {
    ResultadoApertura r;
    if (std::optional<Mensaje> m = LeerArchivoKvx(ruta, p)) {
        ui.MostrarMensaje(*m);
        return r;
    }
    r.leido = true;
    if (alternancia) p.estado.AlternanciaViva = true;
    r.calculo = RecalcularAbierto(p, ui, progreso);
    return r;
}

}  // namespace korvex
