// frmCargas: the load sketch pctCarga (the beam line, the supports placed to
// scale, one symbol per load in its colour) with the tool tip of each symbol,
// and the illustrations of the three load types.
#include <QPainter>
#include <QWidget>

#include "ui/common/Colores.h"
#include "ui/common/Lienzo.h"
#include "ui/loads/Campos.h"
#include "ui/loads/frmCargas.h"

namespace korvex::ui {

using cargas::Simple;

namespace {

// Colours of the sketch: &HFF red, &HC000 green, &HFF0000 blue (BGR codes).
const QColor kRojo(255, 0, 0);
const QColor kVerde(0, 192, 0);
const QColor kAzul(0, 0, 255);
const QColor kViga(0, 0, 0);
constexpr double kGrosor = 22;  // twips

// A support: a triangle standing on its point over a ground line, painted
// at the screen's own resolution whenever it is shown.
class ApoyoCroquis : public QWidget {
  public:
    ApoyoCroquis(QSize tamano, QWidget* padre) : QWidget(padre) { setFixedSize(tamano); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(150, 150, 150));
        const double ancho = width(), alto = height();
        p.drawPolygon(QPolygonF({QPointF(ancho / 2.0, 0.5), QPointF(ancho - 1.0, alto * 0.75),
                                 QPointF(1.0, alto * 0.75)}));
        p.drawLine(QPointF(0, alto - 1.0), QPointF(ancho, alto - 1.0));
    }
};

// The picture of one load type (1 point, 2 distributed, 3 moment) on a beam
// with or without cantilevers, twips of a 1700 x 900 box.
void DibujarIlustracion(Lienzo* l, int tipo, bool vuelos) {
    const double y = 520, x0 = 150, x1 = 1550;
    l->Linea({x0, y}, {x1, y}, kViga, 30);
    const double s0 = vuelos ? 450 : x0, s1 = vuelos ? 1250 : x1;
    for (double s : {s0, s1}) {
        l->Poligono({{s, y}, {s + 90, y + 160}, {s - 90, y + 160}}, kViga, QColor(150, 150, 150));
    }
    QFont f("Sans", 8);
    if (tipo == 1) {
        l->Linea({850, y - 330}, {850, y}, kRojo, 25);
        l->Linea({800, y - 90}, {850, y}, kRojo, 25);
        l->Linea({900, y - 90}, {850, y}, kRojo, 25);
        l->Texto({880, 80}, "P1", f, kRojo);
    } else if (tipo == 2) {
        l->Polilinea({{600, y}, {600, y - 200}, {1100, y - 330}, {1100, y}}, kAzul, 25);
        l->Texto({430, 130}, "P1", f, kAzul);
        l->Texto({1130, 30}, "P2", f, kAzul);
    } else {
        l->Arco({850, y}, 130, 270, 180, kVerde);
        l->Texto({1000, 180}, "M", f, kVerde);
    }
    l->Texto({250, 720}, "a", f, kViga);
}

}  // namespace

void frmCargas::CrearCroquis() {
    auto ilustracion = [this](Lienzo*& l, const char* nombre, int tipo, bool vuelos) {
        l = new Lienzo(1700, 900, this);
        l->setObjectName(nombre);
        l->MantenerProporcion(true);
        l->setMinimumSize(150, 80);
        DibujarIlustracion(l, tipo, vuelos);
        l->hide();
    };
    ilustracion(Ilustracionp, "Ilustracionp", 1, false);
    ilustracion(Ilustraciond, "Ilustraciond", 2, false);
    ilustracion(Ilustracionm, "Ilustracionm", 3, false);
    ilustracion(Ilustracionpv, "Ilustracionpv", 1, true);
    ilustracion(Ilustraciondv, "Ilustraciondv", 2, true);
    ilustracion(Ilustracionmv, "Ilustracionmv", 3, true);

    pctCarga = new Lienzo(kAnchoSketch, kAltoSketch, this);
    pctCarga->setObjectName("pctCarga");
    pctCarga->setToolTip(QString::fromUtf8("Representación de las Cargas"));
    pctCarga->setMinimumSize(260, 140);
    pctCarga->setAutoFillBackground(true);
    FondoVentana(pctCarga);
    const QSize apoyo(Lienzo::Px(kAnchoApoyo, this), Lienzo::Px(220, this));
    Apoyo1 = new ApoyoCroquis(apoyo, pctCarga);
    Apoyo2 = new ApoyoCroquis(apoyo, pctCarga);
    Apoyo1->setObjectName("Apoyo1");
    Apoyo2->setObjectName("Apoyo2");
    pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
    pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
    LimpiarCroquis();
}

void frmCargas::LimpiarCroquis() {
    pctCarga->Limpiar();
    simbolos_.clear();
    pctCarga->Linea({kLineaX1, kLineaY1}, {kLineaX2, kLineaY1}, kViga, 30);  // Line1
}

void frmCargas::DibujarCargas() {
    const EstadoProyecto& e = estado();
    const float X1 = static_cast<float>(kLineaX1), Y1 = static_cast<float>(kLineaY1);
    const float Lb = static_cast<float>(kLineaX2) - X1;
    const float L = e.LuzViga;
    // A beam of length 0 has no scale: only the beam line stays.
    if (!(L > 0)) return;
    pctCarga->Colocar(Apoyo1, 360.0f + Lb * e.DistJ / L, Y1);
    pctCarga->Colocar(Apoyo2, 360.0f + Lb * e.DistK / L, Y1);
    simbolos_.clear();
    for (int i = 1; i <= e.NumCargas && i < static_cast<int>(e.Cargas.size()); ++i) {
        const Carga& c = e.Cargas[i];
        const float xa = X1 + Lb * c.A / L;
        const float xb = xa + Lb * c.B / L;
        const float y = Y1;
        const double m = 60;  // twips around a symbol that still show its tool tip
        if (c.Tipo == kPuntual) {
            const float fin = c.P1 > 0 ? y - 320 : y + 320;
            pctCarga->Linea({xa, y}, {xa, fin}, kRojo, kGrosor);
            simbolos_.push_back(
                {xa - m, std::min<double>(y, fin) - m, xa + m, std::max<double>(y, fin) + m, i});
        } else if (c.Tipo == kMomento) {
            if (c.P1 > 0) {
                pctCarga->Arco({xa - 50.0, y}, 100, 270, 180, kVerde);
                simbolos_.push_back({xa - 50 - m, y - 100 - m, xa + 50 + m, y + 100 + m, i});
            } else {
                pctCarga->Arco({xa, y}, 100, 90, 180, kVerde);
                simbolos_.push_back({xa - 100 - m, y - 100 - m, xa + m, y + 100 + m, i});
            }
        } else if (c.Tipo == kDistribuida) {
            const float P1 = c.P1, P2 = c.P2;
            if (P1 == 0) {
                pctCarga->Linea({xb, y}, {xb, y - 360}, kAzul, kGrosor);
                pctCarga->Linea({xa, y}, {xb, y - 360}, kAzul, kGrosor);
            } else if (P2 == 0) {
                pctCarga->Linea({xa, y}, {xa, y - 360}, kAzul, kGrosor);
                pctCarga->Linea({xa, y - 360}, {xb, y}, kAzul, kGrosor);
            } else if (P1 < P2) {
                pctCarga->Linea({xa, y}, {xa, y - 240}, kAzul, kGrosor);
                pctCarga->Linea({xb, y}, {xb, y - 360}, kAzul, kGrosor);
                pctCarga->Linea({xa, y - 240}, {xb, y - 360}, kAzul, kGrosor);
            } else if (P1 > P2) {
                pctCarga->Linea({xa, y}, {xa, y - 360}, kAzul, kGrosor);
                pctCarga->Linea({xb, y}, {xb, y - 240}, kAzul, kGrosor);
                pctCarga->Linea({xa, y - 360}, {xb, y - 240}, kAzul, kGrosor);
            } else {
                pctCarga->Linea({xa, y}, {xa, y - 240}, kAzul, kGrosor);
                pctCarga->Linea({xb, y}, {xb, y - 240}, kAzul, kGrosor);
                pctCarga->Linea({xa, y - 240}, {xb, y - 240}, kAzul, kGrosor);
            }
            simbolos_.push_back({xa - m, y - 360 - m, xb + m, y + m, i});
        }
    }
}

QString frmCargas::Descripcion(int i) const {
    const EstadoProyecto& e = estado();
    if (i < 1 || i > e.NumCargas || i >= static_cast<int>(e.Cargas.size())) return {};
    const Carga& c = e.Cargas[i];
    const QString palabra = PalabraTipoCarga(c.Tipo);
    if (palabra.isEmpty()) return {};
    QString t = "Carga " + Simple(static_cast<float>(i)) + ": " + palabra + ", " +
                PalabraCategoria(c.Categoria) + ", a = " + Simple(c.A) + " m, ";
    if (c.Tipo == kDistribuida) {
        t += "b = " + Simple(c.B) + " m, P1 = " + Simple(c.P1) + ", P2 = " + Simple(c.P2);
    } else {
        t += (c.Tipo == kMomento ? "M = " : "P1 = ") + Simple(c.P1);
    }
    return t;
}

QString frmCargas::DescripcionEn(double x, double y) const {
    // The last drawn symbol lies on top.
    for (auto it = simbolos_.rbegin(); it != simbolos_.rend(); ++it) {
        if (x >= it->x0 && x <= it->x1 && y >= it->y0 && y <= it->y1) return Descripcion(it->carga);
    }
    return {};
}

}  // namespace korvex::ui
