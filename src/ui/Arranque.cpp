#include "ui/Arranque.h"

#include <QApplication>
#include <memory>

#include "ui/common/Registro.h"
#include "ui/main/AccionesArchivo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

int Arrancar(int& argc, char** argv, const std::string& archivo) {
    std::unique_ptr<QApplication> propia;
    if (QApplication::instance() == nullptr) propia = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Korvex 2000");

    frmGeneral* general = Registro::Instancia().Ventana<frmGeneral>();
    general->show();
    if (!archivo.empty()) AbrirProyecto(general, QString::fromStdString(archivo));
    const int r = QApplication::exec();
    Registro::Instancia().Vaciar();
    return r;
}

}  // namespace korvex::ui
