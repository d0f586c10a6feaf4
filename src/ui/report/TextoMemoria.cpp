#include "ui/report/TextoMemoria.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace korvex::ui::memoria {

namespace {

constexpr double kPuntosPorPulgada = 72;
constexpr double kIndice = 0.7;          // size of a subscript or superscript
constexpr double kBajaSubindice = 0.22;  // of the base size, downwards
constexpr double kSubeSuperindice = 0.38;

struct Letra {
    double puntos;
    bool negrita = false;
    bool cursiva = false;
};

Letra LetraDe(Estilo e) {
    switch (e) {
        case Estilo::Cuerpo:
            return {10.5};
        case Estilo::Nota:
            return {9, false, true};
        case Estilo::Titulo:
            return {18, true};
        case Estilo::Parte:
            return {13.5, true};
        case Estilo::Apartado:
            return {11.5, true};
        case Estilo::Tabla:
            return {9.5};
        case Estilo::TablaEncabezado:
            return {9.5, true};
        case Estilo::Concepto:
            return {9.5, false, true};
        case Estilo::Formula:
            return {10.5};
        case Estilo::Resultado:
            return {10.5, true};
        case Estilo::Cabecera:
            return {8.5};
        case Estilo::Figura:
            return {8};
        case Estilo::FiguraTitulo:
            return {10, true};
    }
    return {10.5};
}

}  // namespace

Tipos::Tipos(QPaintDevice* dispositivo)
    : dispositivo_(dispositivo), punto_(dispositivo->logicalDpiY() / kPuntosPorPulgada) {}

QFont Tipos::Fuente(Estilo e, int nivel) const {
    const Letra l = LetraDe(e);
    QFont f("Times New Roman");
    f.setStyleHint(QFont::Serif);  // the closest installed serif when Times is missing
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPointSizeF(nivel == 0 ? l.puntos : l.puntos * kIndice);
    f.setBold(l.negrita);
    f.setItalic(l.cursiva);
    return f;
}

QColor Tipos::Color(Estilo e) const {
    switch (e) {
        case Estilo::Nota:
        case Estilo::Concepto:
            return QColor(60, 60, 60);
        case Estilo::Cabecera:
            return QColor(80, 80, 80);
        default:
            return Qt::black;
    }
}

double Tipos::AltoLinea(Estilo e) const {
    return QFontMetricsF(Fuente(e), dispositivo_).lineSpacing() * 1.08;
}

double Tipos::Ascenso(Estilo e) const {
    const QFontMetricsF m(Fuente(e), dispositivo_);
    return m.ascent() + (m.lineSpacing() * 1.08 - m.height()) / 2;
}

double Tipos::AnchoBlanco(Estilo e) const {
    return QFontMetricsF(Fuente(e), dispositivo_).horizontalAdvance(QLatin1Char(' '));
}

Palabra Tipos::Medir(std::vector<Trozo> trozos, Estilo e) const {
    Palabra p;
    for (Trozo& t : trozos) {
        t.ancho = QFontMetricsF(Fuente(e, t.nivel), dispositivo_).horizontalAdvance(t.texto);
        p.ancho += t.ancho;
    }
    p.trozos = std::move(trozos);
    return p;
}

std::vector<Palabra> Tipos::Palabras(const std::string& marcado, Estilo e) const {
    // Runs of one level, then words split at the blanks of any run.
    std::vector<Trozo> trozos;
    std::string actual;
    int nivel = 0, llaves = 0;
    auto cerrar = [&] {
        if (!actual.empty()) trozos.push_back({QString::fromStdString(actual), nivel, 0});
        actual.clear();
    };
    for (std::size_t i = 0; i < marcado.size(); ++i) {
        const char c = marcado[i];
        if (llaves == 0 && (c == '_' || c == '^') && i + 1 < marcado.size() &&
            marcado[i + 1] == '{') {
            cerrar();
            nivel = c == '_' ? -1 : 1;
            llaves = 1;
            ++i;
        } else if (llaves > 0 && c == '{') {
            ++llaves;
            actual.push_back(c);
        } else if (llaves > 0 && c == '}') {
            if (--llaves == 0) {
                cerrar();
                nivel = 0;
            } else {
                actual.push_back(c);
            }
        } else {
            actual.push_back(c);
        }
    }
    cerrar();

    std::vector<Palabra> palabras;
    std::vector<Trozo> palabra;
    auto terminar = [&] {
        if (!palabra.empty()) palabras.push_back(Medir(std::move(palabra), e));
        palabra.clear();
    };
    for (const Trozo& t : trozos) {
        const QStringList partes = t.texto.split(QLatin1Char(' '));
        for (int k = 0; k < partes.size(); ++k) {
            if (k > 0) terminar();
            if (!partes[k].isEmpty()) palabra.push_back({partes[k], t.nivel, 0});
        }
    }
    terminar();
    return palabras;
}

std::vector<Palabra> Tipos::Cortar(const Palabra& p, Estilo e, double ancho) const {
    std::vector<Palabra> piezas;
    std::vector<Trozo> actual;
    double usado = 0;
    for (const Trozo& t : p.trozos) {
        const QFontMetricsF m(Fuente(e, t.nivel), dispositivo_);
        QString parte;
        for (const QChar c : t.texto) {
            const double w = m.horizontalAdvance(parte + c);
            if (usado + w > ancho && (usado > 0 || !parte.isEmpty())) {
                if (!parte.isEmpty()) actual.push_back({parte, t.nivel, 0});
                piezas.push_back(Medir(std::move(actual), e));
                actual.clear();
                parte.clear();
                usado = 0;
            }
            parte += c;
        }
        if (!parte.isEmpty()) {
            actual.push_back({parte, t.nivel, 0});
            usado += m.horizontalAdvance(parte);
        }
    }
    if (!actual.empty()) piezas.push_back(Medir(std::move(actual), e));
    return piezas;
}

std::vector<Linea> Tipos::Partir(const std::vector<Palabra>& palabras, Estilo e, double primera,
                                 double ancho) const {
    std::vector<Linea> lineas(1);
    const double blanco = AnchoBlanco(e);
    double usado = 0;
    auto disponible = [&] { return lineas.size() == 1 ? primera : ancho; };
    for (const Palabra& p : palabras) {
        const double necesario = lineas.back().empty() ? p.ancho : usado + blanco + p.ancho;
        if (necesario <= disponible()) {
            lineas.back().push_back(p);
            usado = necesario;
            continue;
        }
        if (!lineas.back().empty()) {
            lineas.emplace_back();
            usado = 0;
        }
        if (p.ancho <= disponible()) {
            lineas.back().push_back(p);
            usado = p.ancho;
            continue;
        }
        const std::vector<Palabra> piezas = Cortar(p, e, disponible());
        for (std::size_t k = 0; k < piezas.size(); ++k) {
            if (k > 0) lineas.emplace_back();
            lineas.back().push_back(piezas[k]);
            usado = piezas[k].ancho;
        }
    }
    return lineas;
}

std::vector<Linea> Tipos::Partir(const std::string& marcado, Estilo e, double ancho) const {
    return Partir(Palabras(marcado, e), e, ancho, ancho);
}

double Tipos::Ancho(const Linea& l, Estilo e) const {
    double w = 0;
    for (const Palabra& p : l) w += p.ancho;
    if (l.size() > 1) w += AnchoBlanco(e) * static_cast<double>(l.size() - 1);
    return w;
}

void Tipos::Dibujar(QPainter& pintor, const Linea& l, Estilo e, double x, double y) const {
    const double base = y + Ascenso(e);
    const double tamano = LetraDe(e).puntos * punto_;
    const double blanco = AnchoBlanco(e);
    pintor.setPen(Color(e));
    double cx = x;
    for (const Palabra& p : l) {
        for (const Trozo& t : p.trozos) {
            pintor.setFont(Fuente(e, t.nivel));
            const double dy = t.nivel < 0   ? kBajaSubindice * tamano
                              : t.nivel > 0 ? -kSubeSuperindice * tamano
                                            : 0;
            pintor.drawText(QPointF(cx, base + dy), t.texto);
            cx += t.ancho;
        }
        cx += blanco;
    }
}

double Tipos::Dibujar(QPainter& pintor, const std::string& marcado, Estilo e, double x,
                      double y) const {
    Linea l = Palabras(marcado, e);
    Dibujar(pintor, l, e, x, y);
    return Ancho(l, e);
}

}  // namespace korvex::ui::memoria
