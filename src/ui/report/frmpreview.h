// frmpreview: the print preview "Vista Previa  a Impresión". The sheet
// `Hoja` shows the report page of the document's project, scaled to the
// window with its proportions kept, and the status bar tells the position
// of the mouse on the page in twips. The page fits the window at first;
// "Página completa", "Ancho de página", "Ampliar" (Ctrl++) and "Reducir"
// (Ctrl+-) zoom it, with scroll bars when it is larger than the window.
// "Imprime" (Ctrl+P) prints the page on the printer the user chooses;
// "Guardar PDF…" writes it to a PDF file, proposing the project's name.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <memory>

#include "project/Documento.h"

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;

namespace korvex::ui {

// The sheet: the page in twips, drawn with the preview's font sizes.
class HojaInforme : public QWidget {
    Q_OBJECT
  public:
    explicit HojaInforme(QWidget* padre = nullptr);
    // The page of `p` with the result `r` (none: that of no calculation).
    void FijarProyecto(const Proyecto& p, std::shared_ptr<const ResultadoCalculo> r);
    // The page rectangle inside the widget, device pixels.
    QRectF Pagina() const;
    // Widget position -> page twips.
    QPointF Twips(QPointF pixel) const;

  signals:
    void MovimientoTwips(double x, double y);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    Proyecto proyecto_;
    std::shared_ptr<const ResultadoCalculo> resultado_;
};

class frmpreview : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmpreview(Documento& documento, QWidget* padre = nullptr);

    HojaInforme* Hoja;
    QScrollArea* scrHoja;  // holds the sheet, with scroll bars when zoomed in
    QPushButton* Print_btn;
    QPushButton* cmdPdf;
    QToolButton *cmdPaginaCompleta, *cmdAnchoPagina, *cmdAmpliar, *cmdReducir;
    QLabel* lblZoom;  // "100 %"
    QStatusBar* StatusBar;
    QLabel *Panel1, *Panel2;

    // The printer choice; by default the system print dialog. Returns false
    // when the user cancels. Tests replace it.
    static std::function<bool(QPrinter&, QWidget*)> ElegirImpresora;
    // The PDF file choice; by default a save dialog. Empty when cancelled.
    static std::function<QString(QWidget*)> ElegirPdf;

    // Draws the page of the document's project on the sheet.
    void Form_Load();
    void Print_btn_Click();
    void cmdPdf_Click();
    // "Imprime" and "Guardar PDF…" are available exactly while the main
    // window may print (results calculated and current).
    void PermitirSalida(bool si);
    void Hoja_MouseMove(double x, double y);

    // The zoom: 1 shows the letter page at 96 pixels per inch; the two fits
    // follow the window's size until the user zooms in or out.
    enum class Ajuste { Pagina, Ancho, Libre };
    double Zoom() const { return zoom_; }
    void AjustarPagina();
    void AjustarAncho();
    void Ampliar();
    void Reducir();
    // The PDF the save dialog proposes: the project's folder and name.
    QString PdfPropuesto() const;

  protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    void FijarZoom(double zoom, Ajuste ajuste);
    Documento& documento_;
    double zoom_ = 1;
    Ajuste ajuste_ = Ajuste::Pagina;
};

}  // namespace korvex::ui
