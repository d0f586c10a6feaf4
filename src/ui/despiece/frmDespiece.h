// frmDespiece ("Despiece"): the bars of the current design as a builder
// reads them. picDespiece paints the drawing of the beam (elevation with the
// bars, their cut-offs and marks, the stirrup zones and two cross-sections)
// to fit the window; grdDespiece lists each bar mark (face, function, count,
// diameter, shape, ends and developed length) and then each stirrup mark
// with its developed length; "Exportar DXF…" writes the same drawing for a
// CAD program. Shown non-modally by the main window's "Despiece", which
// hands it the document and tells it when the results change or go out of
// date; while they are out of date the drawing and the schedule are greyed
// and the export waits for the next calculation.
#pragma once

#include <QWidget>

#include "project/Documento.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvex::ui {

class VistaDibujo;

class frmDespiece : public QWidget {
    Q_OBJECT

  public:
    explicit frmDespiece(Documento& documento, QWidget* padre = nullptr);

    VistaDibujo* picDespiece;
    QTableWidget* grdDespiece;
    QLabel* lblAvisos;  // what the schedule could not satisfy; hidden when nothing
    QLabel* lblEstado;  // the confirmation of the last export
    QPushButton* cmdExportarDxf;
    QPushButton* cmdCerrar;

    // The drawing, the schedule and its notices of the document's result.
    void MostrarDespiece();
    // Greys the drawing and the schedule and withholds the export while the
    // results are out of date (or there is no schedule).
    void MarcarDesactualizado();

    void cmdExportarDxf_Click();
    void cmdCerrar_Click();

  private:
    Documento& documento_;
    bool hayDespiece_ = false;
};

}  // namespace korvex::ui
