// Text of the calculation report on a paged device: the type styles, the
// inline markup of the report's texts ("_{...}" subscript, "^{...}"
// superscript) measured and broken into lines at their blanks, and drawn.
// Lengths are device units of the paint device the styles were made for.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

class QPainter;
class QPaintDevice;

namespace korvex::ui::memoria {

enum class Estilo {
    Cuerpo,
    Nota,
    Titulo,    // the document title
    Parte,     // "3. Diseño a flexión"
    Apartado,  // "3.2 Momento positivo M(+)"
    Tabla,
    TablaEncabezado,
    Concepto,  // what a formula step computes
    Formula,
    Resultado,  // the result line of a formula step
    Cabecera,   // header and footer of the pages
    Figura,     // labels inside the figures
    FiguraTitulo,
};

// One piece of text in one font level: 0 normal, -1 subscript, +1 superscript.
struct Trozo {
    QString texto;
    int nivel = 0;
    double ancho = 0;
};

// Text between two blanks: the unit of line breaking.
struct Palabra {
    std::vector<Trozo> trozos;
    double ancho = 0;
};

using Linea = std::vector<Palabra>;

class Tipos {
  public:
    // The styles for `dispositivo`, whose resolution turns points into
    // device units.
    explicit Tipos(QPaintDevice* dispositivo);

    double Punto() const { return punto_; }  // device units per point
    QFont Fuente(Estilo e, int nivel = 0) const;
    QColor Color(Estilo e) const;
    double AltoLinea(Estilo e) const;  // baseline to baseline
    double Ascenso(Estilo e) const;    // top of the line to its baseline
    double AnchoBlanco(Estilo e) const;

    // The words of a marked-up text, measured.
    std::vector<Palabra> Palabras(const std::string& marcado, Estilo e) const;
    // Breaks words into lines of at most `ancho` (the first line `primera`);
    // a word longer than a line is cut between its characters.
    std::vector<Linea> Partir(const std::vector<Palabra>& palabras, Estilo e, double primera,
                              double ancho) const;
    std::vector<Linea> Partir(const std::string& marcado, Estilo e, double ancho) const;
    double Ancho(const Linea& l, Estilo e) const;

    // Draws a line with its top-left corner at (x, y).
    void Dibujar(QPainter& pintor, const Linea& l, Estilo e, double x, double y) const;
    // Draws a one-line marked-up text at (x, y), top-left; returns its width.
    double Dibujar(QPainter& pintor, const std::string& marcado, Estilo e, double x,
                   double y) const;

  private:
    Palabra Medir(std::vector<Trozo> trozos, Estilo e) const;
    std::vector<Palabra> Cortar(const Palabra& p, Estilo e, double ancho) const;

    QPaintDevice* dispositivo_;
    double punto_;
};

}  // namespace korvex::ui::memoria
