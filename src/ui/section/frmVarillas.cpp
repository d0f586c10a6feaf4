#include "ui/section/frmVarillas.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/common/Rejilla.h"

namespace korvex::ui {

frmVarillas::frmVarillas(Documento& documento, QWidget* padre)
    : QWidget(padre, Qt::Window), documento_(documento) {
    setObjectName("frmVarillas");
    setWindowTitle("Posibles Varillas a Utilizar");

    grdVarillas = CrearRejilla("grdVarillas", 5, 5, 1, 1, this);
    const char* columnas[] = {"Diámetro", "M(+) Tracción", "M(-) Tracción", "M(+) Compresión",
                              "M(-) Compresión"};
    for (int c = 0; c < 5; ++c) EscribirCelda(grdVarillas, 0, c, QString::fromUtf8(columnas[c]));
    const char* filas[] = {"1\"", "3/4\"", "1/2\"", "3/8\""};
    for (int r = 1; r <= 4; ++r) EscribirCelda(grdVarillas, r, 0, filas[r - 1]);
    grdVarillas->setToolTip("Número de varillas de cada diámetro para cada área de acero");
    AjustarRejilla(grdVarillas);
    int ancho = 2 * grdVarillas->frameWidth();
    for (int c = 0; c < 5; ++c) ancho += grdVarillas->columnWidth(c);
    grdVarillas->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdVarillas->horizontalHeader()->setStretchLastSection(true);
    grdVarillas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdVarillas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdVarillas->setMinimumWidth(ancho);
    grdVarillas->setFixedHeight(5 * grdVarillas->rowHeight(0) + 2 * grdVarillas->frameWidth());

    lblNota = new QLabel(
        QString::fromUtf8("NOTA: Está a criterio del usuario la disposición de las barras de "
                          "acero y su viabilidad a la hora de construirse el elemento, de "
                          "acuerdo a los resultados de este programa."),
        this);
    lblNota->setObjectName("lblNota");
    lblNota->setWordWrap(true);

    auto* l = new QVBoxLayout(this);
    l->addWidget(grdVarillas);
    l->addWidget(lblNota);
}

void frmVarillas::TablaVarillas() {
    const ResultadoCalculo& e = documento_.resultado();
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 4; ++r) {
            EscribirCelda(grdVarillas, r, c, QString::number(e.Varillas[r - 1][c - 1]));
        }
    }
}

}  // namespace korvex::ui
