#include "project/ConsultaPunto.h"

#include <cmath>

#include "analysis/Analisis_Punto.h"
#include "analysis/Calculos_Diagramas.h"
#include "project/Calculo.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr const char* kTituloDistancia = "Distancia Incorrecta";

// The analysis results at a point, kept to undo a result that is not finite.
struct Punto {
    float XAnalisis, CortanteDer, MomentoDer, CortanteIzq, MomentoIzq, Giro, Flecha,
        MomentoServicio;
    int Combinacion;

    explicit Punto(const EstadoProyecto& e)
        : XAnalisis(e.XAnalisis),
          CortanteDer(e.CortanteDer),
          MomentoDer(e.MomentoDer),
          CortanteIzq(e.CortanteIzq),
          MomentoIzq(e.MomentoIzq),
          Giro(e.Giro),
          Flecha(e.Flecha),
          MomentoServicio(e.MomentoServicio),
          Combinacion(e.Combinacion) {}

    void Restaurar(EstadoProyecto& e) const {
        e.XAnalisis = XAnalisis;
        e.CortanteDer = CortanteDer;
        e.MomentoDer = MomentoDer;
        e.CortanteIzq = CortanteIzq;
        e.MomentoIzq = MomentoIzq;
        e.Giro = Giro;
        e.Flecha = Flecha;
        e.MomentoServicio = MomentoServicio;
        e.Combinacion = Combinacion;
    }

    static bool Finito(const EstadoProyecto& e) {
        return std::isfinite(e.CortanteDer) && std::isfinite(e.MomentoDer) &&
               std::isfinite(e.CortanteIzq) && std::isfinite(e.MomentoIzq) &&
               std::isfinite(e.Giro) && std::isfinite(e.Flecha) && std::isfinite(e.MomentoServicio);
    }
};

}  // namespace

ConsultaPunto ConsultarPunto(EstadoProyecto& e, std::string_view txtX, Interfaz& ui) {
    ConsultaPunto c;
    if (txtX.empty()) return c;

    c.resultado = ConsultaPunto::Resultado::Rechazada;
    if (!texto::EsNumerico(txtX) || texto::NumeroCampo(txtX) < 0) {
        ui.MostrarMensaje(
            {"Las distancias siempre son Numeros Positivos", kTituloDistancia, kEstiloCritico});
        return c;
    }
    const float X = static_cast<float>(texto::NumeroCampo(txtX));
    if (X > e.LuzViga) {
        ui.MostrarMensaje({"El punto analizado debe estar en el intervalo 0 <= X <= L",
                           kTituloDistancia, kEstiloCritico});
        return c;
    }
    // The analysis divides by K - J and by the base of a varying load.
    const std::vector<Mensaje> rechazos = VerificarViga(e);
    if (!rechazos.empty()) {
        for (const Mensaje& m : rechazos) ui.MostrarMensaje(m);
        return c;
    }

    const Punto antes(e);
    e.XAnalisis = X;
    Analisis_Punto(e, ReglasDe(e), e.XAnalisis);
    if (!Punto::Finito(e)) {
        antes.Restaurar(e);
        ui.MostrarMensaje({"Los valores de las cargas son demasiado grandes: el resultado en X = " +
                               texto::TextoSimple(X) + " m no es un número finito.",
                           kTituloDistancia, kEstiloCritico});
        return c;
    }

    // Displayed sign: the negative of the analysis sign.
    c.resultado = ConsultaPunto::Resultado::Calculada;
    c.X = X;
    c.MomentoIzq = -e.MomentoIzq + 0.0f;  // + 0 keeps a zero from showing as -0
    c.CortanteIzq = -e.CortanteIzq + 0.0f;
    c.MomentoDer = -e.MomentoDer + 0.0f;
    c.CortanteDer = -e.CortanteDer + 0.0f;
    c.txtMomentoIzq = texto::Formato(c.MomentoIzq, "###,###.00");
    c.txtCortanteIzq = texto::Formato(c.CortanteIzq, "###,###.00");
    c.txtMomentoDer = texto::Formato(c.MomentoDer, "###,###.00");
    c.txtCortanteDer = texto::Formato(c.CortanteDer, "###,###.00");
    return c;
}

}  // namespace korvex
