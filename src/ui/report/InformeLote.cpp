#include "ui/report/InformeLote.h"

#include "project/Calculo.h"
#include "ui/report/DibujarReporte.h"

namespace korvex::ui {

korvex::lote::Salida PdfDeProyecto(
    const OpcionesInforme& o, const std::string& documento, const std::string& escrito,
    const std::function<QString(const Proyecto&, const ResultadoCalculo&)>& escribir) {
    using namespace korvex::lote;
    Salida s;
    Proyecto p;
    p.materiales.UsoDeflexion = o.uso;
    InterfazRegistro ui(o.estribo);
    const ResultadoApertura r = AbrirProyecto(o.archivo, p, ui, {}, o.alternancia, o.norma);
    for (const Mensaje& m : ui.mensajes) s.error += m.titulo + ": " + m.texto + "\n";
    if (!r.leido) {
        s.estado = kSalidaRechazado;
        return s;
    }
    if (!r.calculo.calculado) {
        s.estado = kSalidaRechazado;
        s.error += "korvex: el proyecto no pudo calcularse; no se escribió " + documento + "\n";
        return s;
    }
    const QString error = escribir(p, r.calculo);
    if (!error.isEmpty()) {
        s.estado = kSalidaRechazado;
        s.error += "korvex: " + error.toStdString() + "\n";
        return s;
    }
    s.salida = escrito + " " + o.pdf.toStdString() + "\n";
    return s;
}

korvex::lote::Salida InformePdf(const OpcionesInforme& o) {
    return PdfDeProyecto(
        o, "el informe", "Informe escrito en",
        [&o](const Proyecto& p, const ResultadoCalculo& r) { return EscribirPdf(p, r, o.pdf); });
}

}  // namespace korvex::ui
