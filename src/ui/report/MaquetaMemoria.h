// Layout of the calculation report on letter pages: each block becomes one
// or more pieces of known height (a table: its header and each row), and
// the pieces are placed page after page so that none is split, a heading
// stays with what follows it, and a table continued on a new page repeats
// its header. Coordinates are device units of the paint device, from the
// top-left corner of the page.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "project/Memoria.h"
#include "ui/report/TextoMemoria.h"

class QPainter;
class QPaintDevice;

namespace korvex::ui::memoria {

// Page of 8.5 x 11 in, in points, and its margins.
inline constexpr double kAnchoPagina = 612, kAltoPagina = 792;
inline constexpr double kMargenLateral = 64;
inline constexpr double kCuerpoArriba = 72, kCuerpoAbajo = kAltoPagina - 64;
inline constexpr double kCabecera = 38;           // top of the header line
inline constexpr double kPie = kAltoPagina - 46;  // top of the footer line

// One unit of pagination: a block, or the header or one row of a table.
struct Pieza {
    double alto = 0;
    double antes = 0;  // space above it, dropped at the top of a page
    std::function<void(QPainter&, double y)> pintar;
    bool unir = false;        // stays on the page of the next piece (headings)
    bool encabezado = false;  // header of a table, repeated on each of its pages
    int tabla = -1;           // the table a header or row belongs to
};

struct Colocada {
    const Pieza* pieza;
    double y;
};
using Pagina = std::vector<Colocada>;

class Maqueta {
  public:
    explicit Maqueta(QPaintDevice* dispositivo);

    void Agregar(const Bloque& b);
    std::vector<Pagina> Paginar() const;
    // The page's pieces with the header (program, `archivo`, `fecha`) and
    // the footer "Página numero de total".
    void Pintar(QPainter& pintor, const Pagina& pagina, int numero, int total,
                const QString& archivo, const QString& fecha) const;

  private:
    void Agregar(const Encabezado& e);
    void Agregar(const Parrafo& p);
    void Agregar(const TablaMemoria& t);
    void Agregar(const FormulaMemoria& f);
    void Agregar(const FiguraDiagrama& f);
    void Agregar(const FiguraSeccion& f);
    void Agregar(const FiguraDibujo& f);
    void Lineas(const std::vector<Linea>& lineas, Estilo e, double antes, bool unir);
    std::vector<double> Columnas(const TablaMemoria& t) const;

    double Alto() const { return (kCuerpoAbajo - kCuerpoArriba) * pt_; }

    Tipos t_;
    double pt_, x0_, ancho_;
    std::vector<Pieza> piezas_;
    int tablas_ = 0;
};

}  // namespace korvex::ui::memoria
