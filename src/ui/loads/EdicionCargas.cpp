// frmCargas: editing a load of the table in place. A double click on a row of
// `grid`, or Enter on the selected row, puts that load back into the fields
// and "Añadir" becomes "Modificar"; pressing it runs the checks of "Añadir"
// and replaces the row, the other loads keeping their order. Esc (or another
// load type, a delete, a reset, closing the window) drops the edit.
//
// An edit replaces one row of the table and nothing else: the beam length and
// the supports were frozen by the first addition (their fields are disabled),
// so they are not written again, and C is the frozen length less a and b as
// at an addition.
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "ui/common/Avisos.h"
#include "ui/common/Eventos.h"
#include "ui/loads/Campos.h"
#include "ui/loads/frmCargas.h"

namespace korvex::ui {

using namespace cargas;

namespace {

constexpr const char* kAnadir = "&Añadir";
constexpr const char* kAyudaAnadir = "Inserta Carga";
constexpr const char* kModificar = "Modificar";
constexpr const char* kAyudaModificar = "Reemplaza la carga seleccionada";

}  // namespace

void frmCargas::EditarCarga(int fila) {
    const EstadoProyecto& e = estado();
    if (fila < 1 || fila > e.NumCargas || fila >= static_cast<int>(e.Cargas.size())) return;
    const Carga c = e.Cargas[static_cast<std::size_t>(fila)];
    QRadioButton* tipo = c.Tipo == kPuntual       ? optPuntual
                         : c.Tipo == kDistribuida ? optDistribuida
                         : c.Tipo == kMomento     ? optMomento
                                                  : nullptr;
    if (tipo == nullptr) return;
    // The type's layout with its fields emptied (this also ends an edit of
    // another row), then the load's own values.
    if (tipo->isChecked()) {
        DisponerTipo(static_cast<int>(c.Tipo));
    } else {
        tipo->setChecked(true);
    }
    (c.Categoria == kViva     ? optViva
     : c.Categoria == kMuerta ? optMuerta
                              : Option1)
        ->setChecked(true);
    const bool dist = c.Tipo == kDistribuida;
    txtA->setText(Simple(c.A));
    if (dist) txtB->setText(Simple(c.B));
    txtP1->setText(Simple(c.P1));
    if (dist) txtP2->setText(Simple(c.P2));

    filaEdicion_ = fila;
    cmdAnadir->setText(QString::fromUtf8(kModificar));
    cmdAnadir->setToolTip(QString::fromUtf8(kAyudaModificar));
    cmdAnadir->setEnabled(true);  // the fields hold a whole load of the table
    grid->selectRow(fila);
    Seleccionar(txtA);
}

void frmCargas::ModificarCarga() {
    EstadoProyecto& e = estado();
    const int fila = filaEdicion_;
    TerminarEdicion();
    if (fila < 1 || fila > e.NumCargas) return;
    e.Cargas[static_cast<std::size_t>(fila)] = CargaDeCampos(e.LuzViga);
    VaciarEntrada();
    Llenar_Tabla();
    LimpiarCroquis();
    DibujarCargas();
    emit Avisos::Instancia().CargasCambiadas();
}

void frmCargas::TerminarEdicion() {
    if (filaEdicion_ == 0) return;
    filaEdicion_ = 0;
    cmdAnadir->setText(QString::fromUtf8(kAnadir));
    cmdAnadir->setToolTip(QString::fromUtf8(kAyudaAnadir));
}

void frmCargas::CancelarEdicion() {
    if (filaEdicion_ == 0) return;
    TerminarEdicion();
    // The edited values go, so that they cannot be added by mistake as a new load.
    for (QLineEdit* c : {txtA, txtB, txtP1, txtP2}) c->clear();
    cmdAnadir->setEnabled(false);
}

void frmCargas::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && filaEdicion_ > 0) {
        CancelarEdicion();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool frmCargas::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == grid && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        const int fila = grid->currentRow();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && fila >= 1 &&
            !grid->selectedItems().isEmpty() && grid->selectedItems().first()->row() == fila) {
            EditarCarga(fila);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, e);
}

}  // namespace korvex::ui
