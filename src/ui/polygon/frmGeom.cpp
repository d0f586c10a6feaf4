#include "ui/polygon/frmGeom.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/Numeros.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"

namespace korvex::ui {

namespace {

// Design size of the drawing box, twips; the box takes the widget's real
// size as soon as it is laid out.
constexpr double kAnchoCaja = 5400;
constexpr double kAltoCaja = 4200;
constexpr double kTwipsPorPulgada = 1440.0;
constexpr double kRadioCentroide = 45;  // twips, the red dot of the centroid

QLineEdit* NuevoCampo(const char* nombre, const char* ayuda, bool soloLectura, QWidget* padre) {
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    c->setToolTip(QString::fromUtf8(ayuda));
    c->setReadOnly(soloLectura);
    return c;
}

QLabel* NuevaEtiqueta(const char* nombre, const char* texto, QWidget* padre) {
    auto* l = new QLabel(QString::fromUtf8(texto), padre);
    l->setObjectName(nombre);
    return l;
}

QPushButton* NuevoBoton(const char* nombre, const char* texto, const char* ayuda, QWidget* padre) {
    auto* b = new QPushButton(QString::fromUtf8(texto), padre);
    b->setObjectName(nombre);
    if (ayuda != nullptr) b->setToolTip(QString::fromUtf8(ayuda));
    // Enter belongs to the coordinate fields, never to a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

frmGeom::frmGeom(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName("frmGeom");
    setWindowTitle(QString::fromUtf8("Datos Geométricos de la Sección"));

    TextX = NuevoCampo("TextX", "Coordenada en X", false, this);
    TextY = NuevoCampo("TextY", "Coordenada en Y", false, this);
    lstCord = new QListWidget(this);
    lstCord->setObjectName("lstCord");
    lstCord->setToolTip("Coordenadas");
    Picture1 = new Lienzo(kAnchoCaja, kAltoCaja, this);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip(QString::fromUtf8("Sección Correspondiente"));
    Picture1->setMinimumSize(Lienzo::Px(kAnchoCaja / 2, this), Lienzo::Px(kAltoCaja / 2, this));

    txtArea = NuevoCampo("txtArea", "Área de la Sección", true, this);
    txtXcg = NuevoCampo("txtXcg", "X Centro de Gravedad", true, this);
    txtYcg = NuevoCampo("txtYcg", "Y Centro de Gravedad", true, this);
    txtIx = NuevoCampo("txtIx", "Inercia en X con Respecto al Centro de Gravedad", true, this);
    lblArea = NuevaEtiqueta("lblArea", "Area", this);
    lblXcg = NuevaEtiqueta("lblXcg", "Xcg", this);
    lblYcg = NuevaEtiqueta("lblYcg", "Ycg", this);
    lblInercia = NuevaEtiqueta("lblInercia", "Ixcg", this);
    lblCg = NuevaEtiqueta("lblCg", "", this);
    // The terminal look of the centroid read-out: a fixed-pitch font.
    QFont terminal = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    terminal.setStyleHint(QFont::TypeWriter);
    lblCg->setFont(terminal);

    cmdBorrar = NuevoBoton("cmdBorrar", "Borrar", "Borra la última Coordenada", this);
    Lineas_btn = NuevoBoton("Lineas_btn", "&Dibujar", "Dibuja y Calcula la Sección", this);
    cmdReiniciar =
        NuevoBoton("cmdReiniciar", "&Reiniciar", "Reinicia la Introdución de Datos", this);
    cmdOk = NuevoBoton("cmdOk", "Ok", nullptr, this);
    cmdAbrir = NuevoBoton("cmdAbrir", "&Abrir…",
                          "Lee los vértices de un archivo de texto (x,y en cada línea)", this);

    // Left: entry of the vertices and their list; right: the drawing and
    // the results under it.
    auto* entrada = new QGridLayout;
    entrada->addWidget(NuevaEtiqueta("lblX", "X", this), 0, 0);
    entrada->addWidget(TextX, 0, 1);
    entrada->addWidget(NuevaEtiqueta("lblY", "Y", this), 1, 0);
    entrada->addWidget(TextY, 1, 1);
    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(entrada);
    izquierda->addWidget(lstCord, 1);
    for (QPushButton* b : {cmdBorrar, Lineas_btn, cmdReiniciar, cmdAbrir}) izquierda->addWidget(b);

    auto* resultados = new QGridLayout;
    resultados->addWidget(lblArea, 0, 0);
    resultados->addWidget(txtArea, 0, 1);
    resultados->addWidget(lblXcg, 0, 2);
    resultados->addWidget(txtXcg, 0, 3);
    resultados->addWidget(lblInercia, 1, 0);
    resultados->addWidget(txtIx, 1, 1);
    resultados->addWidget(lblYcg, 1, 2);
    resultados->addWidget(txtYcg, 1, 3);
    resultados->setColumnStretch(1, 2);
    resultados->setColumnStretch(3, 1);
    auto* pie = new QHBoxLayout;
    pie->addWidget(lblCg, 1);
    pie->addWidget(cmdOk);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(Picture1, 1);
    derecha->addLayout(resultados);
    derecha->addLayout(pie);

    auto* l = new QHBoxLayout(this);
    l->addLayout(izquierda, 0);
    l->addLayout(derecha, 1);
    lstCord->setMaximumWidth(Lienzo::Px(2400, this));

    connect(TextX, &QLineEdit::returnPressed, this, &frmGeom::TextX_KeyPress);
    connect(TextY, &QLineEdit::returnPressed, this, &frmGeom::TextY_KeyPress);
    connect(cmdBorrar, &QPushButton::clicked, this, &frmGeom::cmdBorrar_Click);
    connect(Lineas_btn, &QPushButton::clicked, this, &frmGeom::Lineas_btn_Click);
    connect(cmdReiniciar, &QPushButton::clicked, this, &frmGeom::cmdReiniciar_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmGeom::cmdOk_Click);
    connect(cmdAbrir, &QPushButton::clicked, this, &frmGeom::cmdAbrir_Click);
    CrearHistorial();
    for (QObject* o : {static_cast<QObject*>(TextX), static_cast<QObject*>(TextY),
                       static_cast<QObject*>(Picture1)}) {
        o->installEventFilter(this);
    }

    setTabOrder(TextX, TextY);
    TextX->setFocus(Qt::OtherFocusReason);
    resize(Lienzo::Px(12000, this), Lienzo::Px(7200, this));
    Form_Load();
}

bool frmGeom::eventFilter(QObject* objeto, QEvent* e) {
    if (TeclaDeHistorial(objeto, e)) {
        e->ignore();
        return true;
    }
    if (objeto == Picture1) {
        if (e->type() == QEvent::MouseButtonDblClick) {
            Picture1_DblClick();
            return true;
        }
        if (e->type() == QEvent::Resize) {
            MedirCaja();
            Dibujar();
        }
    } else if (e->type() == QEvent::MouseButtonRelease) {
        // After the press has placed the cursor, the click selects the text.
        if (objeto == TextX) TextX_Click();
        if (objeto == TextY) TextY_Click();
    }
    return QWidget::eventFilter(objeto, e);
}

// Picture1 in twips of its present size; Wc, Hc its centre.
void frmGeom::MedirCaja() {
    const QSize s = Picture1->size();
    if (s.width() > 0 && s.height() > 0 && Picture1->testAttribute(Qt::WA_WState_Created)) {
        Picture1->FijarTamanoLogico(s.width() * kTwipsPorPulgada / Picture1->logicalDpiX(),
                                    s.height() * kTwipsPorPulgada / Picture1->logicalDpiY());
    }
    Wc_ = Picture1->AnchoTwips() / 2;
    Hc_ = Picture1->AltoTwips() / 2;
}

void frmGeom::TextX_KeyPress() {
    if (!texto::EsNumerico(TextX->text().toStdString())) {
        TextX->selectAll();
        return;
    }
    TextY->setFocus(Qt::OtherFocusReason);
}

void frmGeom::TextY_KeyPress() {
    if (!texto::EsNumerico(TextX->text().toStdString())) {
        TextX->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!texto::EsNumerico(TextY->text().toStdString())) {
        TextY->selectAll();
        return;
    }
    const auto x = static_cast<float>(texto::NumeroCampo(TextX->text().toStdString()));
    const auto y = static_cast<float>(texto::NumeroCampo(TextY->text().toStdString()));
    const std::vector<Vertice> antes = figura_.Vertices();
    figura_.Agregar(x, y);
    Registrar(QString::fromUtf8("Agregar vértice"), antes);
    TextX->clear();
    TextY->clear();
    AgregarLinea({x, y});
    TextX->setFocus(Qt::OtherFocusReason);
}

void frmGeom::AgregarLinea(const Vertice& v) {
    lstCord->addItem(Q(Poligono::LineaLista(v.x, v.y)));
}

void frmGeom::TextX_Click() {
    TextX->selectAll();
}

void frmGeom::TextY_Click() {
    TextY->selectAll();
}

void frmGeom::cmdBorrar_Click() {
    if (lstCord->count() == 0) return;
    if (lstCord->count() == 1) {
        cmdReiniciar_Click();
        return;
    }
    const std::vector<Vertice> antes = figura_.Vertices();
    delete lstCord->takeItem(lstCord->count() - 1);
    figura_.Borrar();
    Registrar(QString::fromUtf8("Borrar vértice"), antes);
    TextX->setFocus(Qt::OtherFocusReason);
}

void frmGeom::cmdReiniciar_Click() {
    const std::vector<Vertice> antes = figura_.Vertices();
    Vaciar();
    Registrar(QString::fromUtf8("Reiniciar vértices"), antes);
}

void frmGeom::Vaciar() {
    dibujo_.clear();
    XcgDibujo_ = YcgDibujo_ = 0;
    Picture1->Limpiar();
    lstCord->clear();
    for (QLineEdit* c : {txtArea, txtXcg, txtYcg, txtIx, TextX, TextY}) c->clear();
    lblCg->clear();
    figura_.Reiniciar();
}

void frmGeom::Picture1_DblClick() {
    Lineas_btn_Click();
}

void frmGeom::Lineas_btn_Click() {
    if (figura_.NumVertices() <= 2) return;
    const bool calculado = Calculos_Geom();
    // The drawing is made even when no start worked: the outline with the
    // centroid left at the origin, as the zero results say.
    dibujo_ = figura_.Vertices();
    if (!calculado) XcgDibujo_ = YcgDibujo_ = 0;
    Dibujar();
    lblCg->setText(Q("(" + texto::Formato(XcgDibujo_, "Fixed") + "," +
                     texto::Formato(YcgDibujo_, "Fixed") + ")"));
}

bool frmGeom::Calculos_Geom() {
    const ResultadoPoligono r = figura_.Calcular();
    if (r.mensaje) Adaptador().MostrarMensaje(*r.mensaje);
    // Too few vertices: nothing is computed and the fields keep their texts.
    if (!r.calculado && r.txtArea.empty()) return false;
    txtArea->setText(Q(r.verArea));
    txtIx->setText(Q(r.verIx));
    txtXcg->setText(Q(r.verXcg));
    txtYcg->setText(Q(r.verYcg));
    XcgDibujo_ = r.Xcg;
    YcgDibujo_ = r.Ycg;
    return r.calculado;
}

// The figure centred in the box, same scale on both axes, y up; the
// outline in black, closed from the last vertex to the first, and the
// centroid in red.
void frmGeom::Dibujar() {
    if (dibujo_.empty()) return;
    Poligono figura;
    for (const Vertice& v : dibujo_) figura.Agregar(v.x, v.y);
    const CajaPoligono caja = figura.Caja();
    // Guarded for vertices on one line: the other axis's scale, never /0.
    const double s = figura.Escala(Picture1->AnchoTwips(), Picture1->AltoTwips());
    auto punto = [&](double x, double y) {
        return QPointF(Wc_ + s * (x - caja.Xc), Hc_ - s * (y - caja.Yc));
    };
    Picture1->Limpiar();
    for (size_t i = 0; i < dibujo_.size(); ++i) {
        const Vertice& a = dibujo_[i];
        const Vertice& b = dibujo_[(i + 1) % dibujo_.size()];
        Picture1->Linea(punto(a.x, a.y), punto(b.x, b.y), Qt::black);
    }
    // One pixel alone is lost on an outline through the centroid (the
    // L-shape's web edge): a small red dot marks it, the point its centre.
    const QColor rojo(0xFF, 0, 0);
    const QPointF cg = punto(XcgDibujo_, YcgDibujo_);
    Picture1->Circulo(cg, kRadioCentroide, rojo, rojo);
    Picture1->Punto(cg, rojo);
}

void frmGeom::Form_Load() {
    MedirCaja();
    if (figura_.NumVertices() < 1) return;
    lstCord->clear();
    for (const Vertice& v : figura_.Vertices()) AgregarLinea(v);
    Lineas_btn_Click();
}

void frmGeom::cmdOk_Click() {
    close();
}

}  // namespace korvex::ui
