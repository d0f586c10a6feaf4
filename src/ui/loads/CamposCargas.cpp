// frmCargas: the rules of its fields. Each change of a field decides whether
// "Añadir" is available; leaving a field checks its number and its range,
// with the message, the selection and the corrected value of each field.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/Eventos.h"
#include "ui/loads/Campos.h"
#include "ui/loads/frmCargas.h"

namespace korvex::ui {

using namespace cargas;

// ---- Availability of cmdAnadir -----------------------------------------------

void frmCargas::Campo_Change(QLineEdit* campo) {
    if (const std::optional<bool> disponible = ReglaAnadir(campo)) {
        cmdAnadir->setEnabled(*disponible);
    }
}

std::optional<bool> frmCargas::ReglaAnadir(const QLineEdit* campo) const {
    const bool vuelos = Check_Vuelo->isChecked();
    const bool dist = optDistribuida->isChecked();
    const bool L = Lleno(txtL), K = Lleno(txtK), A = Lleno(txtA), B = Lleno(txtB);
    const bool P1 = Lleno(txtP1), P2 = Lleno(txtP2);
    if (campo == txtA) {
        if (!(!A || EsNumero(txtA))) return std::nullopt;
        if (vuelos) return L && P1 && A && K;
        if (!dist) return L && A && P1;
        return std::nullopt;
    }
    if (campo == txtB) {
        if (!(EsNumero(txtB) && B)) return false;
        if (!vuelos || (K && EsNumero(txtK))) return P1 || P2;
        return std::nullopt;
    }
    if (campo == txtK) {
        if (!(!K || EsNumero(txtK))) return false;
        if (!dist) return L && A && K && P1;
        return L && B && K && (P1 || P2);
    }
    if (campo == txtL) {
        if (!EsNumero(txtL)) return false;
        if (!dist) return A && P1;
        if (B) return P1 || P2;
        return std::nullopt;
    }
    // P1 and P2: a text that is not a number disables the button only when
    // the other intensity is not a number either.
    const QLineEdit* otro = campo == txtP1 ? txtP2 : txtP1;
    if (!EsNumero(campo)) {
        if (!EsNumero(otro)) return false;
        return std::nullopt;
    }
    const bool base = campo == txtP1 && !dist ? A : B;  // P2 exists only for a distributed load
    return base && L && (!vuelos || K);
}

// ---- Checks on leaving a field -------------------------------------------------

void frmCargas::FijarLuz() {
    // With loads in place the length changes only as AplicarGeometria allows.
    if (estado().NumCargas < 1) estado().LuzViga = LuzDeCampo();
}

void frmCargas::Campo_LostFocus(QLineEdit* campo) {
    const bool geometria = campo == txtL || campo == txtJ || campo == txtK;
    if (campo == txtJ || campo == txtK) FijarLuz();
    if (campo->text().isEmpty()) {
        if (geometria) AplicarGeometria(campo);
        return;
    }
    // Distances are never negative; a point load or a moment may act either
    // way, a distributed load only downwards.
    const bool distancia = campo != txtP1 && campo != txtP2;
    const bool conSigno = campo == txtP1 && !optDistribuida->isChecked();
    if (!EsNumero(campo) || (!conSigno && Numero(campo) < 0)) {
        if (distancia) {
            Critico(kPositivas, kDistanciaIncorrecta);
        } else {
            Critico(conSigno ? "Sólo se aceptan valores numéricos"
                             : "Sólo se aceptan valores numéricos positivos!",
                    kValorIncorrecto);
        }
        Seleccionar(campo);
        if (campo == txtK) txtK->setText(txtL->text());
        if (geometria && estado().NumCargas >= 1) MostrarGeometria();
        return;
    }
    if (RangoCampo(campo) && geometria) {
        AplicarGeometria(campo);
    } else if (geometria && estado().NumCargas >= 1) {
        MostrarGeometria();  // a corrected field proposes no beam of its own
    }
}

bool frmCargas::RangoCampo(QLineEdit* campo) {
    const float luz = estado().LuzViga;  // m, as truncated
    const double L = Numero(txtL), a = Numero(txtA), b = Numero(txtB);
    if (campo == txtL) {
        if (L > 0 && L < 0.01) {
            Critico("Hijo e tu madre, ¿ que viga es esa ?", kDistanciaIncorrecta);
            txtL->setText("0.01");
            Seleccionar(txtL);
            return false;
        }
        FijarLuz();
        // With loads in place the cantilevers keep their supports.
        if (estado().NumCargas < 1 || !Check_Vuelo->isChecked()) {
            txtK->setText(Simple(LuzDeCampo()));
        }
    } else if (campo == txtJ) {
        if (Numero(txtK) <= Numero(txtJ)) {
            Critico(kKMenorJ, kDistanciaIncorrecta);
            txtJ->setText("0");
            Seleccionar(txtJ);
            return false;
        }
    } else if (campo == txtK) {
        // Beyond the beam: its length, silently; then j >= k; then k = 0.
        bool aceptado = true;
        if (Numero(txtK) > luz) {
            txtK->setText(Simple(luz));
            Seleccionar(txtK);
        }
        if (Numero(txtJ) >= Numero(txtK)) {
            Critico(kKMenorJ, kDistanciaIncorrecta);
            Seleccionar(txtJ);
            aceptado = false;
        }
        if (Numero(txtK) == 0) txtK->setText(Simple(luz));
        return aceptado;
    } else if (campo == txtA || campo == txtB) {
        // A load beyond the beam: the field left takes what remains of it.
        const bool esA = campo == txtA;
        if ((esA ? a : b) > L || a + b > L) {
            Critico(kMayorLuz, kDistanciaIncorrecta);
            campo->setText(esA ? Doble(L - b) : Doble(static_cast<double>(luz) - a));
            Seleccionar(campo);
            return false;
        }
    }
    return true;
}

}  // namespace korvex::ui
