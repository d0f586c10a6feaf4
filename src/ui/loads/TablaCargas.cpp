// frmCargas: the load table (adding, deleting, the resets and the free beam
// of an empty table), closing with Ok or the close box, restoring the window
// from the project, the controls the project file keeps, and the point query.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <utility>
#include <vector>

#include "design/LimiteAla.h"
#include "design/Seccion.h"
#include "project/Calculo.h"
#include "project/ConsultaPunto.h"
#include "ui/common/Avisos.h"
#include "ui/common/Colores.h"
#include "ui/common/Eventos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/Campos.h"
#include "ui/loads/frmCargas.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {

using namespace cargas;

bool frmCargas::CamposAceptables() {
    const double L = Numero(txtL), a = Numero(txtA), b = Numero(txtB);
    if (a > L || a + b > L) {
        MostrarMensaje(kMayorLuz, kDistanciaIncorrecta, kEstiloCritico);
        txtA->setText(Doble(L - b));
        Seleccionar(txtA);
        return false;
    }
    if (txtP1->text() == "0" && txtP2->text() == "0") {
        MostrarMensaje("La Carga Distribuida no puede ser 0.", "Valor incorrecto",
                       kEstiloExclamacion);
        Seleccionar(txtP1);
        return false;
    }
    // A distributed load over no length adds nothing, and a varying one
    // would divide its slope (P2 - P1) / b by zero in the analysis.
    if (optDistribuida->isChecked() && b <= 0) {
        MostrarMensaje("La base b de la Carga Distribuida debe ser mayor que 0", "Valor incorrecto",
                       kEstiloExclamacion);
        Seleccionar(txtB);
        return false;
    }
    return true;
}

Carga frmCargas::CargaDeCampos(float luz) const {
    const double a = Numero(txtA), b = Numero(txtB);
    Carga c;
    c.A = static_cast<float>(a);
    c.B = static_cast<float>(b);
    c.C = static_cast<float>(static_cast<double>(luz) - a - b);
    c.P1 = static_cast<float>(Numero(txtP1));
    c.P2 = static_cast<float>(Numero(txtP2));
    c.Fin = c.A + c.B;
    c.Categoria = optViva->isChecked() ? kViva : optMuerta->isChecked() ? kMuerta : kOtros;
    c.Tipo = optPuntual->isChecked()       ? kPuntual
             : optDistribuida->isChecked() ? kDistribuida
                                           : kMomento;
    return c;
}

void frmCargas::VaciarEntrada() {
    txtA->clear();
    txtB->clear();
    txtP1->clear();
    txtP2->clear();
    txtA->setFocus(Qt::OtherFocusReason);
    cmdAnadir->setEnabled(false);
}

void frmCargas::cmdAnadir_Click() {
    EstadoProyecto& e = estado();
    if (!CamposAceptables()) return;
    // The beam of the fields, if it changed, must carry the loads in place.
    if (e.NumCargas >= 1 && !AplicarGeometria(nullptr)) return;
    if (filaEdicion_ > 0) {
        ModificarCarga();
        return;
    }
    if (e.NumCargas >= kMaxCargas) {
        std::string texto;
        AgregarCarga(e, Carga{}, &texto);
        MostrarMensaje(texto, "Demasiadas cargas", kEstiloExclamacion);
        return;
    }

    if (e.NumCargas < 1) {
        // The first load fixes the beam from its fields.
        FijarLuz();
        e.DistJ = static_cast<float>(Numero(txtJ));
        e.DistK = Check_Vuelo->isChecked() ? static_cast<float>(Numero(txtK)) : e.LuzViga;
    }
    AgregarCarga(e, CargaDeCampos(e.LuzViga));

    VaciarEntrada();

    Llenar_Tabla();
    DibujarCargas();
    emit Avisos::Instancia().CargasCambiadas();
}

void frmCargas::Llenar_Tabla() {
    const EstadoProyecto& e = estado();
    FijarFilas(grid, 1);
    for (int r = 1; r <= e.NumCargas; ++r) {
        const Carga& c = e.Cargas[r];
        FijarFilas(grid, r + 1);
        grid->setCurrentCell(r, 0);
        EscribirCelda(grid, r, 0, Simple(static_cast<float>(r)));
        EscribirCelda(grid, r, 1, PalabraTipoCarga(c.Tipo));
        EscribirCelda(grid, r, 2, PalabraCategoria(c.Categoria));
        EscribirCelda(grid, r, 3, Simple(c.A));
        EscribirCelda(grid, r, 4, Simple(c.B));
        EscribirCelda(grid, r, 5, Simple(c.P1));
        EscribirCelda(grid, r, 6, Simple(c.P2));
    }
}

void frmCargas::LimpiarConsulta() {
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EscribirCelda(grid1, r, c, "");
    }
}

void frmCargas::cmdBorrar_Click() {
    CancelarEdicion();  // the rows are about to move
    EstadoProyecto& e = estado();
    if (e.NumCargas < 1) {
        LimpiarCroquis();
        return;
    }
    if (e.NumCargas == 1) {
        // The only load: the beam is free again and the results go.
        e.LuzViga = 0;
        txtL->clear();
        e.NumCargas = 0;
        e.Cargas.assign(1, Carga{});
        LiberarViga();
        txtL->setFocus(Qt::OtherFocusReason);
        documento_.AnularExtremos();
        txtJ->setText("0");
        txtK->setText("0");
        emit Avisos::Instancia().CargasVaciadas(false);
        emit Avisos::Instancia().CargasCambiadas();
        return;
    }
    const int r = grid->currentRow();
    if (r >= 0 && r <= e.NumCargas) e.Cargas[r].Tipo = 0;  // row 0 holds no load
    CompactarCargas(e);
    Llenar_Tabla();
    txtA->setFocus(Qt::OtherFocusReason);
    LimpiarCroquis();
    DibujarCargas();
    emit Avisos::Instancia().CargasCambiadas();
}

void frmCargas::cmdReiniciar_Click() {
    documento_.ReiniciarCargas();
    for (QLineEdit* c : {txtL, txtA, txtB, txtP1, txtP2, txtJ, txtK, txtX}) c->clear();
    LiberarViga();
    txtL->setFocus(Qt::OtherFocusReason);
    optDistribuida->setChecked(true);
    emit Avisos::Instancia().CargasVaciadas(true);
    emit Avisos::Instancia().CargasCambiadas();
}

void frmCargas::ReiniciarDesdeGeneral() {
    for (QLineEdit* c : {txtL, txtA, txtB, txtP1, txtP2, txtJ, txtK, txtX}) c->clear();
    LiberarViga();
    optDistribuida->setChecked(true);
    Sincronizar();
}

void frmCargas::LiberarViga() {
    TerminarEdicion();
    for (QWidget* w : std::initializer_list<QWidget*>{lblL, lblj, lblk, Check_Vuelo}) {
        w->setEnabled(true);
    }
    Check_Vuelo->setChecked(false);
    for (QLineEdit* c : {txtL, txtJ, txtK}) {
        c->setEnabled(true);
        FondoVentana(c);
    }
    pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
    pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
    FijarFilas(grid, 1);
    LimpiarConsulta();
    LimpiarCroquis();
}

void frmCargas::Cerrar_Cargas() {
    CancelarEdicion();  // an edit not confirmed with "Modificar" is dropped
    estado().VueloGuardado = Check_Vuelo->isChecked() ? 1 : 0;
    hide();
    Sincronizar();
}

void frmCargas::cmdCargasOk_Click() {
    Cerrar_Cargas();
    const Proyecto& p = documento_.proyecto();
    bool calculable = p.estado.NumCargas >= 1;
    // Without loads the beam length is still 0 and so would be the limit: the
    // flange is checked once there is a beam.
    if (calculable) {
        BfMax = korvex::BfMax(korvex::ReglasDe(p), p.seccion, p.estado.LuzViga);
        if (p.seccion.TipoViga != kVigaRect && p.seccion.Bf > BfMax) {
            Adaptador().MostrarMensaje(MensajeBfMax(BfMax));
            Ventana<frmSeccion>(documento_)->CorregirAncho(BfMax);
            calculable = false;
        }
    }
    emit Avisos::Instancia().CargasAceptadas(calculable);
}

void frmCargas::reject() {
    Cerrar_Cargas();
    // The close box accepts the loads as Ok does, without the flange check.
    if (estado().NumCargas >= 1) emit Avisos::Instancia().CargasAceptadas(true);
    QDialog::reject();
    Registro::Instancia().Descargar<frmCargas>();
}

// ---- Restoring the window ------------------------------------------------------

bool frmCargas::RestaurarTabla() {
    if (optDistribuida->isChecked()) {
        optDistribuida_Click();
    } else {
        optDistribuida->setChecked(true);
    }
    EstadoProyecto& e = estado();
    e.ModuloElasticidad = 1.0f;
    // The symbols of a project opened before this one must not remain.
    LimpiarCroquis();
    if (e.NumCargas < 1) {
        FijarFilas(grid, 1);
        return false;
    }
    DibujarCargas();
    Llenar_Tabla();
    txtL->setText(Simple(e.LuzViga));
    return true;
}

void frmCargas::Form_Load() {
    const bool conCargas = RestaurarTabla();
    Check_Vuelo_Click();
    if (!conCargas) return;
    const EstadoProyecto& e = estado();
    Check_Vuelo->setChecked(e.VueloGuardado != 0);
    Check_Vuelo_Click();
    if (Check_Vuelo->isChecked()) {
        txtJ->setText(Simple(e.DistJ));
        txtK->setText(Simple(e.DistK));
    }
}

void frmCargas::frmcargasload() {
    RestaurarTabla();
    Sincronizar();
}

namespace {

using Ventana = EstadoVentanaCargas;

// The option buttons the project file keeps.
std::vector<std::pair<QRadioButton*, bool Ventana::*>> Opciones(const frmCargas& c) {
    return {{c.optDistribuida, &Ventana::optDistribuida},
            {c.optMomento, &Ventana::optMomento},
            {c.optPuntual, &Ventana::optPuntual},
            {c.optMuerta, &Ventana::optMuerta},
            {c.optViva, &Ventana::optViva}};
}

// The controls whose enabled state, and for a field its background, the
// project file keeps, in the order they are restored.
struct Guardado {
    QWidget* control;
    bool Ventana::*habilitado;
    std::int32_t Ventana::*fondo;  // nullptr for a label
};
std::vector<Guardado> Guardados(const frmCargas& c) {
    return {{c.txtB, &Ventana::txtB_Enabled, &Ventana::txtB_BackColor},
            {c.txtL, &Ventana::txtL_Enabled, &Ventana::txtL_BackColor},
            {c.txtP2, &Ventana::txtP2_Enabled, &Ventana::txtP2_BackColor},
            {c.lblB, &Ventana::lblB_Enabled, nullptr},
            {c.lblL, &Ventana::lblL_Enabled, nullptr},
            {c.lblP2, &Ventana::lblP2_Enabled, nullptr},
            {c.txtJ, &Ventana::txtJ_Enabled, &Ventana::txtJ_BackColor},
            {c.txtK, &Ventana::txtK_Enabled, &Ventana::txtK_BackColor},
            {c.lblj, &Ventana::lblj_Enabled, nullptr},
            {c.lblk, &Ventana::lblk_Enabled, nullptr}};
}

}  // namespace

EstadoVentanaCargas frmCargas::EstadoControles() const {
    EstadoVentanaCargas s;
    s.Check_Vuelo = Check_Vuelo->isChecked() ? 1 : 0;
    s.Check_Vuelo_Enabled = Check_Vuelo->isEnabled();
    for (const auto& [opcion, miembro] : Opciones(*this)) s.*miembro = opcion->isChecked();
    for (const Guardado& g : Guardados(*this)) {
        s.*g.habilitado = g.control->isEnabled();
        if (g.fondo != nullptr) s.*g.fondo = CodigoFondo(g.control);
    }
    s.txtJ = Texto(txtJ);
    s.txtK = Texto(txtK);
    return s;
}

void frmCargas::AplicarEstadoControles(const EstadoVentanaCargas& estado) {
    const EstadoVentanaCargas s = estado;  // the handlers below may rewrite the project's copy
    // The options first: choosing a load type lays its fields out again.
    Check_Vuelo->setChecked(s.Check_Vuelo != 0);
    for (const auto& [opcion, miembro] : Opciones(*this)) {
        if (s.*miembro) opcion->setChecked(true);
    }
    if (!s.optMuerta && !s.optViva) Option1->setChecked(true);
    for (const Guardado& g : Guardados(*this)) {
        g.control->setEnabled(s.*g.habilitado);
        if (g.fondo != nullptr) AplicarCodigoFondo(g.control, s.*g.fondo);
    }
    txtJ->setText(Q(s.txtJ));
    txtK->setText(Q(s.txtK));
    Check_Vuelo->setEnabled(s.Check_Vuelo_Enabled);
    // A file of a version that froze the beam under its loads: the beam
    // stays editable all the same.
    DesbloquearGeometria();
    Sincronizar();
}

void frmCargas::Sincronizar() {
    documento_.proyecto().ventana = EstadoControles();
}

// ---- Point query ---------------------------------------------------------------

void frmCargas::cmdCalc_Click() {
    const ConsultaPunto r = ConsultarPunto(estado(), Texto(txtX), Adaptador());
    if (r.resultado == ConsultaPunto::Resultado::Rechazada) {
        Seleccionar(txtX);
        return;
    }
    if (r.resultado != ConsultaPunto::Resultado::Calculada) return;
    EscribirCelda(grid1, 1, 1, Q(r.txtMomentoIzq));
    EscribirCelda(grid1, 1, 2, Q(r.txtCortanteIzq));
    EscribirCelda(grid1, 2, 1, Q(r.txtMomentoDer));
    EscribirCelda(grid1, 2, 2, Q(r.txtCortanteDer));
}

// ---- Load sketch ---------------------------------------------------------------

}  // namespace korvex::ui
