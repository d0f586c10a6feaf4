#include "project/Calculo.h"

#include <cmath>
#include <vector>

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

}  // namespace

const ReglasDiseno& ReglasDe(const EstadoProyecto& e) {
    return ReglasPorClave(e.Norma);
}

const ReglasDiseno& ReglasDe(const Proyecto& p) {
    return ReglasDe(p.estado);
}

const ReglasDiseno& ReglasDe(const ResultadoCalculo& r) {
    return ReglasPorClave(r.norma);
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
    // The input read once from the project's field texts.
    const DatosViga datos = DatosVigaDe(p);
    const ReglasDiseno& reglas = ReglasDe(datos);

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

    // 3. The calculation proper, from the typed input alone; the state keeps
    //    the modulus it used and the effective depth (the file's record).
    PropiedadesSeccion propiedades = PropiedadesDe(p.estado);
    propiedades.modulo = Modulo(reglas, *datos.materiales.fc);
    r = Calcular(datos, s, propiedades, reglas, ui, progreso);
    p.estado.ModuloElasticidad = propiedades.modulo;
    p.estado.PeralteEfectivo = r.PeralteEfectivo;
    // The answer to the stirrup question becomes the project's bar: the
    // later calculations use it without asking.
    if (p.estado.Estribo == DiametroEstribo::SinElegir) {
        p.estado.Estribo = EstriboDeTexto(r.Pasos.cortante.diametro);
    }
    return r;
}

ResultadoCalculo Calcular(const DatosViga& datos, const Seccion& s,
                          const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas,
                          Interfaz& ui, const Progreso& progreso) {
    ResultadoCalculo r;
    r.norma = std::string(reglas.Clave());
    // Every message is also kept in the record of the calculation.
    std::vector<Mensaje> avisos;
    InterfazRegistrada registro(ui, avisos);

    // 1. Diagrams. The sampling evaluates the live-load arrangements as
    //    well, so that the notice can say when one of them governs; with the
    //    option on they are designed for.
    Avanzar(progreso, EtapaCalculo::Limpio);
    static_cast<ResultadoAnalisis&>(r) = AnalizarViga(datos, propiedades, reglas, progreso);
    Avanzar(progreso, EtapaCalculo::Diagramas);

    // 2. Cover, effective depth and the design.
    Avanzar(progreso, EtapaCalculo::Peralte);
    static_cast<ResultadoDiseno&>(r) = DisenarViga(datos, s, propiedades, r, reglas, registro);
    Avanzar(progreso, EtapaCalculo::Diseno);
    Avanzar(progreso, EtapaCalculo::Resultados);

    // 3. Distance of the point loads to the supports and the code warnings.
    r.DistMinCarga = DistMinCarga(datos);
    r.disenoFallido = r.DisenoFallido;
    if (!r.DisenoFallido) {
        const float d = r.PeralteEfectivo;
        if (auto x = AdvertenciaGranPeralte(reglas, datos.ApoyoIzquierdo(), datos.ApoyoDerecho(),
                                            r.DistMinCarga, d)) {
            registro.MostrarMensaje(*x);
        }
        if (auto x = AdvertenciaAceroPiel(reglas, d)) registro.MostrarMensaje(*x);
    }
    r.DisenoFallido = false;
    r.Pasos.reacciones = r.Reacciones;
    r.Pasos.avisos = std::move(avisos);
    r.calculado = true;
    Avanzar(progreso, EtapaCalculo::Fin);
    return r;
}

ResultadoCalculo RecalcularAbierto(Proyecto& p, Interfaz& ui, const Progreso& progreso) {
    p.estado.ModuloElasticidad = 1.0f;
    Calculos_Geom(p.seccion, p.estado);
    return RealizarCalculos(p, ui, progreso);
}

ResultadoApertura AbrirProyecto(const std::string& ruta, Proyecto& p, Interfaz& ui,
                                const Progreso& progreso, bool alternancia,
                                std::string_view norma) {
    ResultadoApertura r;
    if (std::optional<Mensaje> m = LeerArchivoKvx(ruta, p)) {
        ui.MostrarMensaje(*m);
        return r;
    }
    r.leido = true;
    if (alternancia) p.estado.AlternanciaViva = true;
    if (!norma.empty()) p.estado.Norma = std::string(norma);
    r.calculo = RecalcularAbierto(p, ui, progreso);
    return r;
}

}  // namespace korvex
