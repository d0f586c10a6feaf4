// Grids laid out as in the window design: the fixed header row(s) and
// column(s) are ordinary cells (row 0, column 0), so cell (r, c) of the
// design is item(r, c) of the table. The fixed cells look like headers
// (button face, bold) and cannot be edited; the others are read-only text.
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace korvex::ui {

QTableWidget* CrearRejilla(const QString& nombre, int filas, int columnas, int filasFijas,
                           int columnasFijas, QWidget* padre = nullptr);

// Writes a cell; centrado = alignment code 4 (centre-centre), else left.
void EscribirCelda(QTableWidget* g, int fila, int columna, const QString& texto,
                   bool centrado = true);

// The text of a cell ("" for an empty or missing cell).
QString Celda(const QTableWidget* g, int fila, int columna);

// Row count, keeping the fixed rows (a grid "cut to its header row" has
// filasFijas rows).
void FijarFilas(QTableWidget* g, int filas);

// Column widths and row heights that show every text.
void AjustarRejilla(QTableWidget* g);

}  // namespace korvex::ui
