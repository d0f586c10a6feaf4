// A picture box whose drawing is expressed in twips.
//
// The box has a fixed logical size in twips (the design size, e.g. 5320 x
// 2400) that is stretched to the widget's real size, so the drawing grows
// with the window and follows the screen's DPI; sizeHint() is the design
// size at the screen's resolution (1440 twips per inch). Ordinates grow
// downwards, as on the screen.
//
// What is drawn is kept as a list of primitives in twips, the persistent
// image of the box: paintEvent replays it, Pintar() replays it on any
// device and rectangle (the report pastes the diagrams this way), Limpiar()
// empties it and Primitivas() lets a test read it back. Being replayed on
// the device itself, the drawing has the device's resolution: on a screen
// with a device pixel ratio of 2 it is painted with twice the pixels, never
// scaled up from a smaller picture.
//
// Fonts: a text's point size refers to the design size (1 pt = 20 twips)
// and scales with the box like the lines. Child widgets (value labels) are
// placed in twips with Colocar() and stay at that place when the box is
// resized; they let the mouse through to the box. The mouse position is
// reported in twips (MovimientoTwips) for tool tips and read-outs.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <vector>

class QPainter;

namespace korvex::ui {

class Lienzo : public QWidget {
    Q_OBJECT

  public:
    struct Primitiva {
        enum Tipo { Linea, Polilinea, Poligono, Arco, Punto, Texto };
        Tipo tipo = Linea;
        // Twips. Linea: two ends; Polilinea/Poligono: vertices; Arco: the
        // centre; Punto: the point; Texto: the top-left corner of the text.
        QVector<QPointF> puntos;
        QColor color = Qt::black;
        QColor relleno;        // Poligono and Arco: fill colour; invalid = none
        double grosor = 0;     // twips; 0 = a thin line (one pixel at standard resolution)
        double radio = 0;      // Arco, twips
        double inicio = 0;     // Arco, degrees counter-clockwise from the +x axis
        double barrido = 360;  // Arco, degrees
        QString texto;
        QFont fuente;
    };

    Lienzo(double anchoTwips, double altoTwips, QWidget* padre = nullptr);

    double AnchoTwips() const { return ancho_; }
    double AltoTwips() const { return alto_; }
    void FijarTamanoLogico(double anchoTwips, double altoTwips);

    // true: the drawing keeps its proportions inside the widget (centred),
    // for pictures of shapes; false (default): it fills the widget.
    void MantenerProporcion(bool si);

    void Linea(QPointF a, QPointF b, const QColor& color, double grosor = 0);
    void Polilinea(const QVector<QPointF>& puntos, const QColor& color, double grosor = 0);
    void Poligono(const QVector<QPointF>& puntos, const QColor& borde, const QColor& relleno);
    // Arc (or circle, barrido 360) of centre c and radius r, twips.
    void Arco(QPointF centro, double radio, double inicioGrados, double barridoGrados,
              const QColor& color, const QColor& relleno = QColor());
    void Circulo(QPointF centro, double radio, const QColor& color,
                 const QColor& relleno = QColor());
    void Punto(QPointF p, const QColor& color);
    void Texto(QPointF esquina, const QString& texto, const QFont& fuente,
               const QColor& color = Qt::black);

    void Limpiar();
    const std::vector<Primitiva>& Primitivas() const { return primitivas_; }

    // A grey veil over the box on the screen (a drawing out of date); the
    // primitives and Pintar() are not touched.
    void Atenuar(bool si);

    // Replays the image into `destino` (device coordinates of `p`).
    void Pintar(QPainter& p, const QRectF& destino) const;

    // Conversions between widget pixels and twips of the drawing.
    QPointF ATwips(QPointF pixel) const;
    QPointF APixeles(QPointF twips) const;

    // A child widget placed at (x, y) twips of the drawing.
    void Colocar(QWidget* hijo, double xTwips, double yTwips);
    double IzquierdaTwips(const QWidget* hijo) const;
    double ArribaTwips(const QWidget* hijo) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Twips to pixels of the screen of `w` (the primary screen without w).
    static int Px(double twips, const QWidget* w = nullptr);

  signals:
    void MovimientoTwips(double x, double y);
    void Salida();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    QRectF Destino(const QRectF& caja) const;
    void ColocarHijos();
    void Agregar(Primitiva p);

    double ancho_, alto_;
    bool proporcional_ = false;
    bool atenuado_ = false;
    std::vector<Primitiva> primitivas_;
    QHash<const QWidget*, QPointF> hijos_;
};

}  // namespace korvex::ui
