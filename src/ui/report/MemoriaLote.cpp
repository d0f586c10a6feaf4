#include "ui/report/MemoriaLote.h"

#include <QFile>
#include <QFileInfo>

#include "project/Calculo.h"
#include "ui/report/MemoriaPdf.h"

namespace korvex::ui {

korvex::lote::Salida MemoriaLote(const OpcionesInforme& o) {
    using namespace korvex::lote;
    Salida s;
    Proyecto p;
    p.materiales.UsoDeflexion = o.uso;
    InterfazRegistro ui(o.estribo);
    const ResultadoApertura r = AbrirProyecto(o.archivo, p, ui, {}, o.alternancia);
    for (const Mensaje& m : ui.mensajes) s.error += m.titulo + ": " + m.texto + "\n";
    if (!r.leido) {
        s.estado = kSalidaRechazado;
        return s;
    }
    if (!r.calculo.calculado) {
        s.estado = kSalidaRechazado;
        s.error += "korvex: el proyecto no pudo calcularse; no se escribió la memoria\n";
        return s;
    }
    const QString nombre = QFileInfo(QFile::decodeName(o.archivo.c_str())).fileName();
    const QString error = EscribirMemoria(p, o.pdf, nombre);
    if (!error.isEmpty()) {
        s.estado = kSalidaRechazado;
        s.error += "korvex: " + error.toStdString() + "\n";
        return s;
    }
    s.salida = "Memoria de cálculo escrita en " + o.pdf.toStdString() + "\n";
    return s;
}

}  // namespace korvex::ui
