// The random-action test ("monkey") of the real program.
//
// Mono drives the windows as a user could at each moment, chosen at random
// from a seed: it clicks an enabled button, option, check box or toolbar
// button, triggers an enabled menu entry, types a random text into an
// enabled field followed by Tab or Enter, picks a combo entry, clicks a grid
// cell, moves the mouse over a drawing, presses Escape or Enter, closes a
// window (the main window ends the program, which is started again) and
// opens an example project. While a modal window is up, only that window
// can be acted on: message boxes and the program's dialogs are answered at
// random the same way; a file dialog gets a name inside the run's folder
// (an example copy, a file saved before, a bad file, a folder, a new name)
// or is cancelled; the printer choice prints to a PDF file of that folder.
//
// The actions run from a zero timer: an action that opens a modal window
// returns only when the window closes, and the next actions run inside
// that window's event loop, as a user's would. After each action:
//  - the event loop came back within 5 s (else the run fails; after 60 s
//    without coming back the process prints the log and exits);
//  - no label, field, grid or list cell, status text, drawing text, report
//    page text, window title or file of the folder reads "nan" or "inf"
//    (a field still holding the text just typed into it is the user's);
//  - no temporary file of a save is left in the folder.
// A failure, and a crash or a sanitizer's report, prints the seed, the
// command that replays it and the action log.
#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

class QFileDialog;
class QLineEdit;
class QWidget;

namespace korvex::pruebas {

// objectName, else the class name.
QString NombreDe(const QObject* o);
// Makes the window of `w` the active one, as a user's click into it does.
void Activar(QWidget* w);

class Mono : public QObject {
  public:
    // `carpeta`: an empty folder of the run; `ejemplos`: the example projects.
    Mono(unsigned semilla, int acciones, const QString& carpeta, const QString& ejemplos);
    ~Mono() override;

    // Runs the actions; returns the failure (empty when there was none).
    std::string Correr();

    int Hechas() const { return hechas_; }
    int Reinicios() const { return reinicios_; }
    // Actions that ended with results on the main window.
    int ConResultados() const { return conResultados_; }

  private:
    using Reloj = std::chrono::steady_clock;

    void Preparar();
    void IniciarPrograma();
    void Programar();
    void Tick();
    void Actuar(const std::vector<QWidget*>& alcance);
    void Cerrar(QWidget* w);
    void Responder(QFileDialog* dlg);
    void Teclear(QLineEdit* campo);
    void Comprobar();
    void ComprobarTexto(const QString& donde, const QString& texto);
    void ComprobarArchivos();
    void Registrar(const QString& accion);
    void Fallar(const std::string& motivo);

    int Azar(int n);  // 0 .. n-1
    QString TextoAzar();

    const unsigned semilla_;
    const int acciones_;
    const QString carpeta_, ejemplos_;
    std::mt19937 azar_;
    std::FILE* registro_ = nullptr;
    QString rutaRegistro_;

    int hechas_ = 0, reinicios_ = 0, conResultados_ = 0, cierre_ = 0;
    bool terminado_ = false, pendiente_ = false, preferirEjemplo_ = false;
    std::string fallo_;
    Reloj::time_point marca_;
    QHash<QLineEdit*, QString> tecleado_;  // the last text typed into each field
    std::map<QString, QDateTime> vistos_;  // files of the folder already checked
    std::vector<QString> guardados_;       // projects saved by the run
    int impresos_ = 0;
};

}  // namespace korvex::pruebas
