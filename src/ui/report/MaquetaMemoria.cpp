#include "ui/report/MaquetaMemoria.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <variant>

#include "ui/report/DibujoMemoria.h"

namespace korvex::ui::memoria {

Maqueta::Maqueta(QPaintDevice* dispositivo)
    : t_(dispositivo),
      pt_(t_.Punto()),
      x0_(kMargenLateral * pt_),
      ancho_((kAnchoPagina - 2 * kMargenLateral) * pt_) {}

void Maqueta::Agregar(const Bloque& b) {
    std::visit([this](const auto& v) { Agregar(v); }, b);
}

// Lines of one style as pieces; a text taller than a page is split into
// pieces that each fit one.
void Maqueta::Lineas(const std::vector<Linea>& lineas, Estilo e, double antes, bool unir) {
    const double alto = t_.AltoLinea(e);
    const std::size_t porPagina = std::max<std::size_t>(1, static_cast<std::size_t>(Alto() / alto));
    for (std::size_t i = 0; i < lineas.size(); i += porPagina) {
        std::vector<Linea> grupo(
            lineas.begin() + static_cast<std::ptrdiff_t>(i),
            lineas.begin() + static_cast<std::ptrdiff_t>(std::min(lineas.size(), i + porPagina)));
        Pieza p;
        p.alto = alto * static_cast<double>(grupo.size());
        p.antes = i == 0 ? antes : 0;
        p.unir = unir;
        p.pintar = [this, grupo, e, alto](QPainter& pintor, double y) {
            for (const Linea& l : grupo) {
                t_.Dibujar(pintor, l, e, x0_, y);
                y += alto;
            }
        };
        piezas_.push_back(std::move(p));
    }
}

void Maqueta::Agregar(const Encabezado& e) {
    const Estilo estilo = e.nivel == 0   ? Estilo::Titulo
                          : e.nivel == 1 ? Estilo::Parte
                                         : Estilo::Apartado;
    const double antes = (e.nivel == 0 ? 0 : e.nivel == 1 ? 16 : 10) * pt_;
    Lineas(t_.Partir(e.texto, estilo, ancho_), estilo, antes, true);
    if (e.nivel == 1) {
        // A rule under the heading of a part.
        Pieza regla;
        regla.alto = 4 * pt_;
        regla.unir = true;
        regla.pintar = [this](QPainter& pintor, double y) {
            pintor.setPen(QPen(Qt::black, 0.6 * pt_));
            pintor.drawLine(QPointF(x0_, y + pt_), QPointF(x0_ + ancho_, y + pt_));
        };
        piezas_.push_back(std::move(regla));
    }
}

void Maqueta::Agregar(const Parrafo& p) {
    const Estilo e = p.nota ? Estilo::Nota : Estilo::Cuerpo;
    Lineas(t_.Partir(p.texto, e, ancho_), e, 4 * pt_, false);
}

void Maqueta::Agregar(const FormulaMemoria& f) {
    // Concept; symbols; "= substitution = result" on one line when it fits,
    // else on two; the verdict at the right of the result. Continuation
    // lines are indented under their line.
    struct Renglon {
        Linea linea;
        Estilo estilo;
        double x;
        Linea resultado;  // the result after the substitution on the same line
        double xResultado = 0;
    };
    std::vector<Renglon> r;
    const double sangria = 14 * pt_, igual = 28 * pt_, colgada = 12 * pt_;
    auto agregar = [&](const std::string& texto, Estilo e, double x, double reserva) {
        if (texto.empty()) return;
        const auto lineas = t_.Partir(t_.Palabras(texto, e), e, ancho_ - x - reserva,
                                      ancho_ - x - colgada - reserva);
        for (std::size_t i = 0; i < lineas.size(); ++i) {
            r.push_back({lineas[i], e, i == 0 ? x : x + colgada, {}, 0});
        }
    };
    const std::string veredicto = f.veredicto == Veredicto::Cumple     ? "✓ Cumple"
                                  : f.veredicto == Veredicto::NoCumple ? "✗ No cumple"
                                                                       : "";
    const double anchoVeredicto =
        veredicto.empty() ? 0
                          : t_.Ancho(t_.Palabras(veredicto, Estilo::Resultado), Estilo::Resultado);
    const double reserva = veredicto.empty() ? 0 : anchoVeredicto + 8 * pt_;
    agregar(f.concepto, Estilo::Concepto, sangria / 2, 0);
    agregar(f.simbolos, Estilo::Formula, sangria, 0);
    bool junto = false;
    if (!f.sustitucion.empty()) {
        const Linea sus = t_.Palabras(f.sustitucion, Estilo::Formula);
        const Linea res = t_.Palabras(f.resultado, Estilo::Resultado);
        const double ws = t_.Ancho(sus, Estilo::Formula) + t_.AnchoBlanco(Estilo::Formula);
        if (igual + ws + t_.Ancho(res, Estilo::Resultado) + reserva <= ancho_) {
            r.push_back({sus, Estilo::Formula, igual, res, igual + ws});
            junto = true;
        } else {
            agregar(f.sustitucion, Estilo::Formula, igual, 0);
        }
    }
    const std::size_t resultado = junto ? r.size() - 1 : r.size();
    if (!junto) agregar(f.resultado, Estilo::Resultado, igual, reserva);

    Pieza p;
    p.antes = 5 * pt_;
    for (const Renglon& x : r) p.alto += t_.AltoLinea(x.estilo);
    p.alto += 2 * pt_;
    const bool cumple = f.veredicto == Veredicto::Cumple;
    p.pintar = [this, r, resultado, veredicto, anchoVeredicto, cumple, alto = p.alto](
                   QPainter& pintor, double y) {
        pintor.setPen(QPen(QColor(190, 190, 190), 1.2 * pt_));
        pintor.drawLine(QPointF(x0_ + pt_, y + pt_), QPointF(x0_ + pt_, y + alto - pt_));
        for (std::size_t i = 0; i < r.size(); ++i) {
            t_.Dibujar(pintor, r[i].linea, r[i].estilo, x0_ + r[i].x, y);
            if (!r[i].resultado.empty()) {
                t_.Dibujar(pintor, r[i].resultado, Estilo::Resultado, x0_ + r[i].xResultado, y);
            }
            if (i == resultado && !veredicto.empty()) {
                pintor.save();
                pintor.setFont(t_.Fuente(Estilo::Resultado));
                pintor.setPen(cumple ? QColor(0, 120, 0) : QColor(190, 0, 0));
                pintor.drawText(
                    QPointF(x0_ + ancho_ - anchoVeredicto, y + t_.Ascenso(Estilo::Resultado)),
                    QString::fromStdString(veredicto));
                pintor.restore();
            }
            y += t_.AltoLinea(r[i].estilo);
        }
    };
    piezas_.push_back(std::move(p));
}

void Maqueta::Agregar(const FiguraDiagrama& f) {
    Pieza p;
    p.antes = 8 * pt_;
    p.alto = AltoFigura(f, t_);
    p.pintar = [this, f, alto = p.alto](QPainter& pintor, double y) {
        DibujarFigura(pintor, f, t_, QRectF(x0_, y, ancho_, alto));
    };
    piezas_.push_back(std::move(p));
}

void Maqueta::Agregar(const FiguraSeccion& f) {
    Pieza p;
    p.antes = 8 * pt_;
    p.alto = AltoFigura(f, t_);
    p.pintar = [this, f, alto = p.alto](QPainter& pintor, double y) {
        DibujarFigura(pintor, f, t_, QRectF(x0_, y, ancho_, alto));
    };
    piezas_.push_back(std::move(p));
}

void Maqueta::Agregar(const FiguraDibujo& f) {
    Pieza p;
    p.antes = 8 * pt_;
    p.alto = AltoFigura(f, t_, ancho_);
    p.pintar = [this, f, alto = p.alto](QPainter& pintor, double y) {
        DibujarFigura(pintor, f, t_, QRectF(x0_, y, ancho_, alto));
    };
    piezas_.push_back(std::move(p));
}

// Column widths: each column as wide as its widest text when the table fits
// (stretched to the text width when it fills most of it); otherwise the
// columns that can break their texts give up width first.
std::vector<double> Maqueta::Columnas(const TablaMemoria& t) const {
    const std::size_t n = t.encabezado.size();
    const double margen = 8 * pt_;  // both sides of a cell
    std::vector<double> natural(n, margen), minimo(n, margen);
    auto medir = [&](const std::string& texto, Estilo e, std::size_t c) {
        const std::vector<Palabra> p = t_.Palabras(texto, e);
        natural[c] = std::max(natural[c], t_.Ancho(p, e) + margen);
        for (const Palabra& w : p) minimo[c] = std::max(minimo[c], w.ancho + margen);
    };
    for (std::size_t c = 0; c < n; ++c) medir(t.encabezado[c], Estilo::TablaEncabezado, c);
    for (const auto& fila : t.filas) {
        for (std::size_t c = 0; c < n && c < fila.size(); ++c) medir(fila[c], Estilo::Tabla, c);
    }
    double total = 0, holgura = 0;
    for (std::size_t c = 0; c < n; ++c) {
        total += natural[c];
        holgura += natural[c] - minimo[c];
    }
    std::vector<double> w = natural;
    if (total <= ancho_) {
        if (total > 0.6 * ancho_) {
            for (double& x : w) x *= ancho_ / total;
        }
        return w;
    }
    const double exceso = total - ancho_;
    if (holgura >= exceso) {
        for (std::size_t c = 0; c < n; ++c) w[c] -= (natural[c] - minimo[c]) * exceso / holgura;
    } else {
        double suma = 0;
        for (double m : minimo) suma += m;
        for (std::size_t c = 0; c < n; ++c) w[c] = minimo[c] * ancho_ / suma;
    }
    return w;
}

void Maqueta::Agregar(const TablaMemoria& t) {
    const int id = tablas_++;
    const std::vector<double> w = Columnas(t);
    const double margen = 4 * pt_, vertical = 2 * pt_;
    auto fila = [&](const std::vector<std::string>& celdas, Estilo e, bool encabezado,
                    bool ultima) {
        std::vector<std::vector<Linea>> lineas;
        std::size_t maximo = 1;
        for (std::size_t c = 0; c < w.size(); ++c) {
            const std::string texto = c < celdas.size() ? celdas[c] : std::string();
            lineas.push_back(t_.Partir(texto, e, w[c] - 2 * margen));
            maximo = std::max(maximo, lineas.back().size());
        }
        Pieza p;
        p.alto = static_cast<double>(maximo) * t_.AltoLinea(e) + 2 * vertical;
        p.antes = encabezado ? 6 * pt_ : 0;
        p.encabezado = encabezado;
        p.tabla = id;
        double total = 0;  // the table's width
        for (double x : w) total += x;
        p.pintar = [this, lineas, w, e, encabezado, ultima, margen, vertical, total,
                    numerica = t.numerica, alto = p.alto](QPainter& pintor, double y) {
            if (encabezado) pintor.fillRect(QRectF(x0_, y, total, alto), QColor(232, 232, 232));
            double x = x0_;
            for (std::size_t c = 0; c < w.size(); ++c) {
                double yl = y + vertical;
                const bool derecha = c < numerica.size() && numerica[c];
                for (const Linea& l : lineas[c]) {
                    const double dx = derecha ? w[c] - margen - t_.Ancho(l, e) : margen;
                    t_.Dibujar(pintor, l, e, x + dx, yl);
                    yl += t_.AltoLinea(e);
                }
                x += w[c];
            }
            const double fin = x0_ + total;
            if (encabezado) {
                pintor.setPen(QPen(Qt::black, 0.8 * pt_));
                pintor.drawLine(QPointF(x0_, y), QPointF(fin, y));
                pintor.setPen(QPen(Qt::black, 0.5 * pt_));
            } else {
                pintor.setPen(ultima ? QPen(Qt::black, 0.8 * pt_)
                                     : QPen(QColor(200, 200, 200), 0.3 * pt_));
            }
            pintor.drawLine(QPointF(x0_, y + alto), QPointF(fin, y + alto));
        };
        piezas_.push_back(std::move(p));
    };
    fila(t.encabezado, Estilo::TablaEncabezado, true, t.filas.empty());
    for (std::size_t i = 0; i < t.filas.size(); ++i) {
        fila(t.filas[i], Estilo::Tabla, false, i + 1 == t.filas.size());
    }
}

std::vector<Pagina> Maqueta::Paginar() const {
    std::vector<Pagina> paginas(1);
    const double arriba = kCuerpoArriba * pt_, abajo = kCuerpoAbajo * pt_;
    double y = arriba;
    std::vector<const Pieza*> encabezados(static_cast<std::size_t>(tablas_), nullptr);
    for (std::size_t i = 0; i < piezas_.size(); ++i) {
        const Pieza& p = piezas_[i];
        if (p.encabezado) encabezados[static_cast<std::size_t>(p.tabla)] = &p;
        // What has to fit with it: the pieces it is joined to (a heading and
        // what follows, a table header and its first row).
        double grupo = p.alto;
        for (std::size_t j = i;
             j + 1 < piezas_.size() && (piezas_[j].unir || piezas_[j].encabezado); ++j) {
            grupo += piezas_[j + 1].antes + piezas_[j + 1].alto;
        }
        if (grupo > Alto()) grupo = p.alto;
        if (y > arriba && y + p.antes + grupo > abajo) {
            paginas.emplace_back();
            y = arriba;
        }
        if (y == arriba && p.tabla >= 0 && !p.encabezado) {
            const Pieza* e = encabezados[static_cast<std::size_t>(p.tabla)];
            paginas.back().push_back({e, y});
            y += e->alto;
        }
        const double antes = y == arriba ? 0 : p.antes;
        paginas.back().push_back({&p, y + antes});
        y += antes + p.alto;
    }
    return paginas;
}

void Maqueta::Pintar(QPainter& pintor, const Pagina& pagina, int numero, int total,
                     const QString& archivo, const QString& fecha) const {
    const QFont f = t_.Fuente(Estilo::Cabecera);
    const QFontMetricsF m(f, pintor.device());
    const double base = kCabecera * pt_ + m.ascent();
    const double fin = x0_ + ancho_;
    pintor.setFont(f);
    pintor.setPen(t_.Color(Estilo::Cabecera));
    const QString programa = QStringLiteral("Korvex 2000 — Memoria de cálculo");
    pintor.drawText(QPointF(x0_, base), programa);
    const double anchoFecha = m.horizontalAdvance(fecha);
    pintor.drawText(QPointF(fin - anchoFecha, base), fecha);
    // The file name between them, shortened in its middle when too long.
    const double libre =
        ancho_ - 2 * std::max(m.horizontalAdvance(programa), anchoFecha) - 24 * pt_;
    const QString nombre = m.elidedText(archivo, Qt::ElideMiddle, std::max(0.0, libre));
    pintor.drawText(QPointF(x0_ + (ancho_ - m.horizontalAdvance(nombre)) / 2, base), nombre);
    pintor.setPen(QPen(QColor(120, 120, 120), 0.5 * pt_));
    const double regla = kCabecera * pt_ + m.height() + 3 * pt_;
    pintor.drawLine(QPointF(x0_, regla), QPointF(fin, regla));

    for (const Colocada& c : pagina) c.pieza->pintar(pintor, c.y);

    pintor.setFont(f);
    pintor.setPen(t_.Color(Estilo::Cabecera));
    const QString pie = QStringLiteral("Página %1 de %2").arg(numero).arg(total);
    pintor.drawText(QPointF(x0_ + (ancho_ - m.horizontalAdvance(pie)) / 2, kPie * pt_ + m.ascent()),
                    pie);
}

}  // namespace korvex::ui::memoria
