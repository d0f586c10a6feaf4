// frmCargas: the beam's length and supports changed with loads in place.
// Leaving txtL, txtJ or txtK, or ticking "Viga con Vuelos", proposes a new
// beam; the core accepts it when every load and both supports still lie on
// it (the loads keep their abscissas), otherwise its message names the first
// that would fall off and the fields show the accepted beam again.
#include <QCheckBox>
#include <QLabel>

#include "model/Geometria.h"
#include "ui/common/Avisos.h"
#include "ui/common/Colores.h"
#include "ui/common/Eventos.h"
#include "ui/common/Mensajes.h"
#include "ui/loads/Campos.h"
#include "ui/loads/frmCargas.h"

namespace korvex::ui {

using namespace cargas;

float frmCargas::LuzDeCampo() const {
    // Truncated to whole centimetres; the 1e-12 keeps 2.3 from becoming 2.29.
    return static_cast<float>(std::trunc((Numero(txtL) + 1e-12) * 100.0) / 100.0);
}

void frmCargas::DesbloquearGeometria() {
    for (QWidget* w : std::initializer_list<QWidget*>{lblL, lblj, lblk, Check_Vuelo}) {
        w->setEnabled(true);
    }
    for (QLineEdit* c : {txtL, txtJ, txtK}) {
        c->setEnabled(true);
        FondoVentana(c);
    }
}

void frmCargas::MostrarGeometria() {
    const EstadoProyecto& e = estado();
    txtL->setText(Simple(e.LuzViga));
    txtJ->setText(Simple(e.DistJ));
    txtK->setText(Simple(e.DistK));
}

bool frmCargas::AplicarGeometria(QLineEdit* campo) {
    EstadoProyecto& e = estado();
    if (e.NumCargas < 1) return true;  // the first load fixes the beam
    const bool vuelos = Check_Vuelo->isChecked();
    GeometriaViga g;
    g.L = Texto(txtL).empty() ? 0.0f : LuzDeCampo();
    // Without cantilevers the supports are the ends; an empty k is the end too.
    g.J = vuelos ? static_cast<float>(Numero(txtJ)) : 0.0f;
    g.K = vuelos && !Texto(txtK).empty() ? static_cast<float>(Numero(txtK)) : g.L;
    if (g == GeometriaDe(e)) return true;
    if (const std::optional<Mensaje> m = GeometriaRechazada(e, g)) {
        Adaptador().MostrarMensaje(*m);
        MostrarGeometria();
        if (campo != nullptr) Seleccionar(campo);
        return false;
    }
    FijarGeometria(e, g);
    LimpiarCroquis();
    DibujarCargas();
    emit Avisos::Instancia().CargasCambiadas();
    return true;
}

void frmCargas::Check_Vuelo_Cambio() {
    if (estado().NumCargas < 1) return;
    if (Check_Vuelo->isChecked()) {
        // The cantilevers begin where the supports are: the user moves them.
        MostrarGeometria();
        return;
    }
    AplicarGeometria(nullptr);  // the supports go to the ends
}

}  // namespace korvex::ui
