// The main window's file, report, help and utility commands.
//
// frmGeneral calls ConectarArchivo(this) once, at the end of its
// construction: it connects the open and save commands (the actions
// mnuArchivoAbrir and mnuArchivoSalvarcomo; the toolbar buttons "Abrir" and
// "Salvar" trigger those same actions). The other commands call:
//   MostrarInforme(frmGeneral*)   "Imprimir" (toolbar and mnuArchivoImprimir)
//   MostrarAyuda(1 | 2 | 3)       frmHelp, frmHelp2, frmAbout
//   MostrarPoligono()             "Area y Cg" (frmGeom)
//   AbrirProyecto(frmGeneral*, archivo)
//       reads a .kvx file into the project and brings the windows up to
//       date (frmGeneral::ProyectoAbierto()), as "Abrir" does after its
//       dialog; used at start-up for the file named on the command line.
//       Returns false (after telling the user) when the file cannot be read.
#pragma once

#include <QString>

namespace korvex::ui {

class frmGeneral;

void ConectarArchivo(frmGeneral* general);
void MostrarInforme(frmGeneral* general);
void MostrarAyuda(int cual);
void MostrarPoligono();
bool AbrirProyecto(frmGeneral* general, const QString& archivo);

}  // namespace korvex::ui
