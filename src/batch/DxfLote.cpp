#include "batch/DxfLote.h"

#include "project/Calculo.h"
#include "project/DatosProyecto.h"
#include "project/DibujoDespiece.h"
#include "project/Dxf.h"

namespace korvex::lote {

Salida Dxf(const OpcionesDxf& o) {
    Salida s;
    Proyecto p;
    p.materiales.UsoDeflexion = o.uso;
    InterfazRegistro ui(o.estribo);
    const ResultadoApertura r = AbrirProyecto(o.archivo, p, ui, {}, o.alternancia, o.norma);
    for (const Mensaje& m : ui.mensajes) s.error += m.titulo + ": " + m.texto + "\n";
    const auto rechazo = [&s](const std::string& razon) {
        s.estado = kSalidaRechazado;
        s.error += "korvex: " + razon + "\n";
        return s;
    };
    if (!r.leido) {
        s.estado = kSalidaRechazado;
        return s;
    }
    const ResultadoCalculo& c = r.calculo;
    if (!c.calculado) return rechazo("el proyecto no pudo calcularse; no se escribió el dibujo");
    if (c.disenoFallido || c.DisenoFallido) {
        return rechazo("el diseño de la viga falló; no se escribió el dibujo");
    }
    const Dibujo d = DibujoDespiece(DatosVigaDe(p), c, c);
    if (d.capas.empty()) {
        return rechazo("el diseño no tiene despiece de barras; no se escribió el dibujo");
    }
    if (const std::string e = EscribirDxf(o.dxf, d); !e.empty()) return rechazo(e);
    s.salida = "Dibujo escrito en " + o.dxf + "\n";
    return s;
}

}  // namespace korvex::lote
