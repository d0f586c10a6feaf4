#include "ui/report/MemoriaLote.h"

#include <QFile>
#include <QFileInfo>

#include "ui/report/MemoriaPdf.h"

namespace korvex::ui {

korvex::lote::Salida MemoriaLote(const OpcionesInforme& o) {
    const QString nombre = QFileInfo(QFile::decodeName(o.archivo.c_str())).fileName();
    return PdfDeProyecto(o, "la memoria", "Memoria de cálculo escrita en",
                         [&](const Proyecto& p, const ResultadoCalculo& r) {
                             return EscribirMemoria(p, r, o.pdf, nombre);
                         });
}

}  // namespace korvex::ui
