#include "ui/common/Rejilla.h"

#include <QHeaderView>
#include <QTableWidget>

namespace korvex::ui {

namespace {

constexpr const char* kFilasFijas = "korvexFilasFijas";
constexpr const char* kColumnasFijas = "korvexColumnasFijas";

bool EsFija(const QTableWidget* g, int fila, int columna) {
    return fila < g->property(kFilasFijas).toInt() || columna < g->property(kColumnasFijas).toInt();
}

QTableWidgetItem* Item(QTableWidget* g, int fila, int columna) {
    QTableWidgetItem* it = g->item(fila, columna);
    if (it == nullptr) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (EsFija(g, fila, columna)) {
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(g->palette().button());
            QFont f = g->font();
            f.setBold(true);
            it->setFont(f);
        }
        g->setItem(fila, columna, it);
    }
    return it;
}

}  // namespace

QTableWidget* CrearRejilla(const QString& nombre, int filas, int columnas, int filasFijas,
                           int columnasFijas, QWidget* padre) {
    auto* g = new QTableWidget(filas, columnas, padre);
    g->setObjectName(nombre);
    g->setProperty(kFilasFijas, filasFijas);
    g->setProperty(kColumnasFijas, columnasFijas);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < filas; ++r) {
        for (int c = 0; c < columnas; ++c) Item(g, r, c);
    }
    return g;
}

void EscribirCelda(QTableWidget* g, int fila, int columna, const QString& texto, bool centrado) {
    if (g == nullptr || fila < 0 || columna < 0 || fila >= g->rowCount() ||
        columna >= g->columnCount()) {
        return;
    }
    QTableWidgetItem* it = Item(g, fila, columna);
    it->setText(texto);
    it->setTextAlignment(centrado ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
}

QString Celda(const QTableWidget* g, int fila, int columna) {
    if (g == nullptr) return {};
    const QTableWidgetItem* it = g->item(fila, columna);
    return it == nullptr ? QString() : it->text();
}

void FijarFilas(QTableWidget* g, int filas) {
    if (g == nullptr) return;
    const int antes = g->rowCount();
    g->setRowCount(filas);
    for (int r = antes; r < filas; ++r) {
        for (int c = 0; c < g->columnCount(); ++c) Item(g, r, c);
    }
}

void AjustarRejilla(QTableWidget* g) {
    if (g == nullptr) return;
    g->resizeColumnsToContents();
    g->resizeRowsToContents();
}

}  // namespace korvex::ui
