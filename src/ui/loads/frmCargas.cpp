#include "ui/loads/frmCargas.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>

#include "design/LimiteAla.h"
#include "design/Seccion.h"
#include "project/ConsultaPunto.h"
#include "text/Numeros.h"
#include "ui/common/Colores.h"
#include "ui/common/Eventos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmSeccion.h"

namespace korvex::ui {

namespace {

Proyecto& P() {
    return Registro::Instancia().proyecto();
}

EstadoProyecto& E() {
    return P().estado;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Texto(const QLineEdit* c) {
    return c->text().toStdString();
}

bool Lleno(const QLineEdit* c) {
    return !c->text().isEmpty();
}

bool EsNumero(const QLineEdit* c) {
    return texto::EsNumerico(Texto(c));
}

double Numero(const QLineEdit* c) {
    return texto::NumeroCampo(Texto(c));
}

// A Single written back into a field: its shortest plain decimal form.
QString Simple(float v) {
    return Q(texto::TextoSimple(v));
}

// A Double written back into a field (a length less a distance): the
// shortest plain decimal text that reads back as the same value. A length
// stored as a Single and widened keeps its Single tail (5.67 m less 1 m reads
// 4.670000076293945), exactly the value the field then holds.
QString Doble(double v) {
    if (!std::isfinite(v) || v == 0) return "0";
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
}

const char* kDistanciaIncorrecta = "Distancia Incorrecta";
const char* kPositivas = "Las distancias siempre son Numeros Positivos";
const char* kMayorLuz = "Esta Distancia no puede ser mayor que la Luz Total de la viga";
const char* kKMenorJ = "Distancia K no puede ser menor o igual que J";
const char* kValorIncorrecto = "Valor Incorrecto";

void Critico(const char* textoMsg, const char* titulo) {
    MostrarMensaje(textoMsg, titulo, kEstiloCritico);
}

// Colours of the sketch: &HFF red, &HC000 green, &HFF0000 blue (BGR codes).
const QColor kRojo(255, 0, 0);
const QColor kVerde(0, 192, 0);
const QColor kAzul(0, 0, 255);
const QColor kViga(0, 0, 0);
constexpr double kGrosor = 22;  // twips

// A support: a triangle standing on its point, as a small picture.
QPixmap PixmapApoyo(int ancho, int alto) {
    QPixmap px(ancho, alto);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 150, 150));
    const QPolygonF t(
        {QPointF(ancho / 2.0, 0), QPointF(ancho - 1.0, alto * 0.75), QPointF(0.5, alto * 0.75)});
    p.drawPolygon(t);
    p.drawLine(QPointF(0, alto - 1.0), QPointF(ancho, alto - 1.0));
    return px;
}

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

frmCargas::frmCargas(QWidget* padre) : QDialog(padre) {
    setObjectName("frmCargas");
    setWindowTitle("Cargas");
    setModal(true);
    CrearControles();
    Disponer();
    Conectar();
    Form_Load();
}

void frmCargas::CrearControles() {
    auto etiqueta = [this](QLabel*& l, const char* nombre, const char* caption) {
        l = new QLabel(QString::fromUtf8(caption), this);
        l->setObjectName(nombre);
    };
    auto campo = [this](QLineEdit*& c, const char* nombre, const char* ayuda) {
        c = new QLineEdit(this);
        c->setObjectName(nombre);
        c->setToolTip(QString::fromUtf8(ayuda));
        c->setMaximumWidth(90);
        FondoVentana(c);
    };
    auto boton = [this](QPushButton*& b, const char* nombre, const char* caption,
                        const char* ayuda) {
        b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(nombre);
        if (*ayuda) b->setToolTip(QString::fromUtf8(ayuda));
        // Enter in a field moves along the fields; it never presses a button.
        b->setAutoDefault(false);
        b->setDefault(false);
    };
    etiqueta(lblL, "lblL", "L:");
    etiqueta(lblj, "lblj", "j:");
    etiqueta(lblk, "lblk", "k:");
    etiqueta(lblA, "lblA", "a:");
    etiqueta(lblB, "lblB", "b:");
    etiqueta(lblP1, "lblP1", "P1:");
    etiqueta(lblP2, "lblP2", "P2:");
    etiqueta(lbluL, "lbluL", "m");
    etiqueta(lbluJ, "lbluJ", "m");
    etiqueta(lbluK, "lbluK", "m");
    etiqueta(lbluA, "lbluA", "m");
    etiqueta(lbluB, "lbluB", "m");
    etiqueta(lbluP1, "lbluP1", "Tn");
    etiqueta(lbluP2, "lbluP2", "Tn");
    campo(txtL, "txtL", "Longitud de la Viga");
    campo(txtJ, "txtJ", "Distancia del 1er Apoyo");
    campo(txtK, "txtK", "Distancia del 2do Apoyo");
    campo(txtA, "txtA", "Distancia al Apoyo Izquierdo");
    campo(txtB, "txtB", "Base de la Carga Distribuida");
    campo(txtP1, "txtP1", "Carga No. 1");
    campo(txtP2, "txtP2", "Carga No. 2");

    frCarga = new QGroupBox("Tipo de Carga a Introducir", this);
    frCarga->setObjectName("frCarga");
    optPuntual = new QRadioButton("Puntual", frCarga);
    optPuntual->setObjectName("optPuntual");
    optDistribuida = new QRadioButton("Distribuida", frCarga);
    optDistribuida->setObjectName("optDistribuida");
    optMomento = new QRadioButton("Momento", frCarga);
    optMomento->setObjectName("optMomento");
    frmTipo = new QGroupBox("Tipo", this);
    frmTipo->setObjectName("frmTipo");
    optMuerta = new QRadioButton("Muerta", frmTipo);
    optMuerta->setObjectName("optMuerta");
    optViva = new QRadioButton("Viva", frmTipo);
    optViva->setObjectName("optViva");
    Option1 = new QRadioButton("Otros", frmTipo);
    Option1->setObjectName("Option1");
    Option1->setToolTip("Cargas externas Factorizadas");
    optMuerta->setChecked(true);

    Check_Vuelo = new QCheckBox("Viga con Vuelos", this);
    Check_Vuelo->setObjectName("Check_Vuelo");

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

    lblNota = new QLabel(
        QString::fromUtf8("NOTA: En estos cálculos ya está incluído el peso propio de la viga"),
        this);
    lblNota->setObjectName("lblNota");
    lblNota->setWordWrap(true);

    boton(cmdAnadir, "cmdAnadir", "&Añadir", "Inserta Carga");
    boton(cmdBorrar, "cmdBorrar", "&Borrar", "Borra ultima carga o carga seleccionada");
    boton(cmdReiniciar, "cmdReiniciar", "&Reiniciar", "Reinicia la introdución de Cargas");
    boton(cmdCargasOk, "cmdCargasOk", "Ok", "");
    cmdAnadir->setEnabled(false);

    grid = CrearRejilla("grid", 1, 7, 1, 1, this);
    grid->setToolTip("Datos Sobre las Cargas");
    const char* cabeceras[] = {"  Carga No.  ", "    Carga    ", "   Tipo   ", "    a    ",
                               "    b    ",     "    P1    ",    "    P2    "};
    for (int c = 0; c < 7; ++c) EscribirCelda(grid, 0, c, cabeceras[c]);
    AjustarRejilla(grid);

    lblX = new QLabel("X:", this);
    lblX->setObjectName("lblX");
    txtX = new QLineEdit(this);
    txtX->setObjectName("txtX");
    txtX->setToolTip("Punto de la viga donde se quieren los valores de momento y cortante");
    txtX->setMaximumWidth(90);
    boton(cmdCalc, "cmdCalc", "Calcular", "Calcula Momento y Cortante en el punto especificado");
    grid1 = CrearRejilla("grid1", 3, 3, 1, 1, this);
    EscribirCelda(grid1, 0, 0, "Cortes");
    EscribirCelda(grid1, 0, 1, "Mx");
    EscribirCelda(grid1, 0, 2, "Qx");
    EscribirCelda(grid1, 1, 0, "Izquierda");
    EscribirCelda(grid1, 2, 0, "Derecha");
    AjustarRejilla(grid1);
    for (int c = 1; c <= 2; ++c) grid1->setColumnWidth(c, std::max(grid1->columnWidth(c), 90));

    pctCarga = new Lienzo(kAnchoSketch, kAltoSketch, this);
    pctCarga->setObjectName("pctCarga");
    pctCarga->setToolTip(QString::fromUtf8("Representación de las Cargas"));
    pctCarga->setMinimumSize(260, 140);
    pctCarga->setAutoFillBackground(true);
    FondoVentana(pctCarga);
    const QPixmap apoyo = PixmapApoyo(Lienzo::Px(kAnchoApoyo, this), Lienzo::Px(220, this));
    for (QLabel** a : {&Apoyo1, &Apoyo2}) {
        *a = new QLabel(pctCarga);
        (*a)->setPixmap(apoyo);
        (*a)->setFixedSize(apoyo.size());
    }
    Apoyo1->setObjectName("Apoyo1");
    Apoyo2->setObjectName("Apoyo2");
    pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
    pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
    LimpiarCroquis();
}

void frmCargas::Disponer() {
    auto* viga = new QGridLayout;
    viga->addWidget(Check_Vuelo, 0, 0, 1, 3);
    int fila = 1;
    for (auto [l, c, u] : {std::tuple{lblL, txtL, lbluL}, std::tuple{lblj, txtJ, lbluJ},
                           std::tuple{lblk, txtK, lbluK}}) {
        viga->addWidget(l, fila, 0);
        viga->addWidget(c, fila, 1);
        viga->addWidget(u, fila, 2);
        ++fila;
    }
    viga->setColumnStretch(3, 1);  // the fields stay next to their labels
    auto* tipos = new QVBoxLayout(frCarga);
    for (QRadioButton* o : {optPuntual, optDistribuida, optMomento}) tipos->addWidget(o);
    auto* categorias = new QVBoxLayout(frmTipo);
    for (QRadioButton* o : {optMuerta, optViva, Option1}) categorias->addWidget(o);

    auto* datos = new QGridLayout;
    fila = 0;
    for (auto [l, c, u] : {std::tuple{lblA, txtA, lbluA}, std::tuple{lblB, txtB, lbluB},
                           std::tuple{lblP1, txtP1, lbluP1}, std::tuple{lblP2, txtP2, lbluP2}}) {
        datos->addWidget(l, fila, 0);
        datos->addWidget(c, fila, 1);
        datos->addWidget(u, fila, 2);
        ++fila;
    }
    datos->setRowStretch(fila, 1);
    auto* figura = new QGridLayout;
    for (Lienzo* l :
         {Ilustracionp, Ilustraciond, Ilustracionm, Ilustracionpv, Ilustraciondv, Ilustracionmv}) {
        figura->addWidget(l, 0, 0);
    }

    auto* izquierda = new QVBoxLayout;
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(viga);
    arriba->addWidget(frCarga);
    arriba->addWidget(frmTipo);
    izquierda->addLayout(arriba);
    auto* medio = new QHBoxLayout;
    medio->addLayout(datos);
    medio->addLayout(figura, 1);
    izquierda->addLayout(medio);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {cmdAnadir, cmdBorrar, cmdReiniciar, cmdCargasOk}) botones->addWidget(b);
    izquierda->addLayout(botones);
    izquierda->addWidget(grid, 1);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(pctCarga, 2);
    auto* consulta = new QHBoxLayout;
    consulta->addWidget(lblX);
    consulta->addWidget(txtX);
    consulta->addWidget(cmdCalc);
    consulta->addStretch();
    derecha->addLayout(consulta);
    derecha->addWidget(grid1, 1);
    derecha->addWidget(lblNota);

    auto* todo = new QHBoxLayout(this);
    todo->addLayout(izquierda, 3);
    todo->addLayout(derecha, 2);

    setTabOrder(txtL, txtJ);
    setTabOrder(txtJ, txtK);
    setTabOrder(txtK, txtA);
    setTabOrder(txtA, txtB);
    setTabOrder(txtB, txtP1);
    setTabOrder(txtP1, txtP2);
    setTabOrder(txtP2, cmdAnadir);
    setTabOrder(cmdAnadir, cmdBorrar);
    setTabOrder(cmdBorrar, cmdReiniciar);
    setTabOrder(cmdReiniciar, cmdCargasOk);
    setTabOrder(cmdCargasOk, txtX);
    setTabOrder(txtX, cmdCalc);
    resize(1000, 560);
}

namespace {

// Click and got-focus events of a field, run after the field has handled
// the event itself.
class FiltroCampo : public QObject {
  public:
    FiltroCampo(QObject* padre, std::function<void()> clic, std::function<void()> entrada)
        : QObject(padre), clic_(std::move(clic)), entrada_(std::move(entrada)) {}

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease && clic_) {
            QTimer::singleShot(0, o, clic_);
        } else if (e->type() == QEvent::FocusIn && entrada_) {
            QTimer::singleShot(0, o, entrada_);
        }
        return false;
    }

  private:
    std::function<void()> clic_, entrada_;
};

}  // namespace

void frmCargas::AlClic(QLineEdit* campo, bool darFoco) {
    if (darFoco) campo->setFocus(Qt::MouseFocusReason);
    campo->setSelection(0, static_cast<int>(campo->text().size()));
}

void frmCargas::AlEntrar(QLineEdit* campo) {
    if (!campo->hasFocus()) return;
    if (txtL->text().isEmpty()) {
        MostrarMensaje("Debe intruducir la Luz de la Viga primero", "Faltan datos", kEstiloCritico);
        txtL->setFocus(Qt::OtherFocusReason);
    }
}

void frmCargas::Siguiente(QLineEdit* campo) {
    if (campo->hasFocus()) focusNextChild();
}

void frmCargas::Conectar() {
    connect(optPuntual, &QRadioButton::toggled, this, [this](bool v) {
        if (v) optPuntual_Click();
    });
    connect(optDistribuida, &QRadioButton::toggled, this, [this](bool v) {
        if (v) optDistribuida_Click();
    });
    connect(optMomento, &QRadioButton::toggled, this, [this](bool v) {
        if (v) optMomento_Click();
    });
    connect(Check_Vuelo, &QCheckBox::toggled, this, [this] { Check_Vuelo_Click(); });

    connect(txtA, &QLineEdit::textChanged, this, [this] { txtA_Change(); });
    connect(txtB, &QLineEdit::textChanged, this, [this] { txtB_Change(); });
    connect(txtK, &QLineEdit::textChanged, this, [this] { txtK_Change(); });
    connect(txtL, &QLineEdit::textChanged, this, [this] { txtL_Change(); });
    connect(txtP1, &QLineEdit::textChanged, this, [this] { txtP1_Change(); });
    connect(txtP2, &QLineEdit::textChanged, this, [this] { txtP2_Change(); });

    AlPerderFoco(txtA, [this] { txtA_LostFocus(); });
    AlPerderFoco(txtB, [this] { txtB_LostFocus(); });
    AlPerderFoco(txtJ, [this] { txtJ_LostFocus(); });
    AlPerderFoco(txtK, [this] { txtK_LostFocus(); });
    AlPerderFoco(txtL, [this] { txtL_LostFocus(); });
    AlPerderFoco(txtP1, [this] { txtP1_LostFocus(); });
    AlPerderFoco(txtP2, [this] { txtP2_LostFocus(); });

    for (QLineEdit* c : {txtA, txtB, txtL, txtP1, txtP2}) {
        connect(c, &QLineEdit::returnPressed, this, [this, c] { Siguiente(c); });
    }
    for (QLineEdit* c : {txtA, txtB, txtP1, txtP2}) {
        c->installEventFilter(new FiltroCampo(c, [this, c] { AlClic(c, false); }, {}));
    }
    txtL->installEventFilter(new FiltroCampo(txtL, [this] { AlClic(txtL, true); }, {}));
    for (QLineEdit* c : {txtJ, txtK}) {
        c->installEventFilter(new FiltroCampo(
            c, [this, c] { AlClic(c, true); }, [this, c] { AlEntrar(c); }));
    }

    connect(cmdAnadir, &QPushButton::clicked, this, &frmCargas::cmdAnadir_Click);
    connect(cmdBorrar, &QPushButton::clicked, this, &frmCargas::cmdBorrar_Click);
    connect(cmdReiniciar, &QPushButton::clicked, this, &frmCargas::cmdReiniciar_Click);
    connect(cmdCargasOk, &QPushButton::clicked, this, &frmCargas::cmdCargasOk_Click);
    connect(cmdCalc, &QPushButton::clicked, this, &frmCargas::cmdCalc_Click);

    connect(pctCarga, &Lienzo::MovimientoTwips, this, [this](double x, double y) {
        const QString t = DescripcionEn(x, y);
        if (t.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(QCursor::pos(), t, pctCarga);
        }
    });
}

// ---- Layout per load type ----------------------------------------------------

void frmCargas::DisponerTipo(int tipo) {
    const bool dist = tipo == 2;
    lblB->setEnabled(dist);
    txtB->setEnabled(dist);
    dist ? FondoVentana(txtB) : FondoBoton(txtB);
    lblP1->setText(tipo == 3 ? "M" : "P1");
    const char* unidad = tipo == 1 ? "Tn" : tipo == 2 ? "Tn/m" : "Tn.m";
    lbluP1->setText(unidad);
    lbluP2->setText(unidad);
    lblP2->setEnabled(dist);
    txtP2->setEnabled(dist);
    dist ? FondoVentana(txtP2) : FondoBoton(txtP2);
    cmdAnadir->setEnabled(false);
    Lienzo* sin[] = {Ilustracionp, Ilustraciond, Ilustracionm};
    Lienzo* con[] = {Ilustracionpv, Ilustraciondv, Ilustracionmv};
    Lienzo** juego = Check_Vuelo->isChecked() ? con : sin;
    for (int i = 0; i < 3; ++i) juego[i]->setVisible(i == tipo - 1);
    txtA->clear();
    txtB->clear();
    txtP1->clear();
    txtP2->clear();
}

void frmCargas::optPuntual_Click() {
    DisponerTipo(1);
}
void frmCargas::optDistribuida_Click() {
    DisponerTipo(2);
}
void frmCargas::optMomento_Click() {
    DisponerTipo(3);
}

// ---- Availability of cmdAnadir -----------------------------------------------

void frmCargas::txtA_Change() {
    if (!(txtA->text().isEmpty() || EsNumero(txtA))) return;
    if (!Check_Vuelo->isChecked()) {
        if (!optDistribuida->isChecked()) {
            cmdAnadir->setEnabled(Lleno(txtL) && Lleno(txtA) && Lleno(txtP1));
        }
    } else {
        cmdAnadir->setEnabled(Lleno(txtL) && Lleno(txtP1) && Lleno(txtA) && Lleno(txtK));
    }
}

void frmCargas::txtB_Change() {
    if (!(EsNumero(txtB) && Lleno(txtB))) {
        cmdAnadir->setEnabled(false);
        return;
    }
    if (!Check_Vuelo->isChecked()) {
        cmdAnadir->setEnabled(Lleno(txtP1) || Lleno(txtP2));
    } else if (Lleno(txtK) && EsNumero(txtK)) {
        cmdAnadir->setEnabled(Lleno(txtP1) || Lleno(txtP2));
    }
}

void frmCargas::txtK_Change() {
    if (!(txtK->text().isEmpty() || EsNumero(txtK))) {
        cmdAnadir->setEnabled(false);
        return;
    }
    if (!optDistribuida->isChecked()) {
        cmdAnadir->setEnabled(Lleno(txtL) && Lleno(txtA) && Lleno(txtK) && Lleno(txtP1));
    } else if (Lleno(txtL) && Lleno(txtB) && Lleno(txtK)) {
        cmdAnadir->setEnabled(Lleno(txtP1) || Lleno(txtP2));
    } else {
        cmdAnadir->setEnabled(false);
    }
}

void frmCargas::txtL_Change() {
    if (!EsNumero(txtL)) {
        cmdAnadir->setEnabled(false);
        return;
    }
    if (!optDistribuida->isChecked()) {
        cmdAnadir->setEnabled(Lleno(txtA) && Lleno(txtP1));
    } else if (Lleno(txtB)) {
        cmdAnadir->setEnabled(Lleno(txtP1) || Lleno(txtP2));
    }
}

void frmCargas::txtP1_Change() {
    if (!EsNumero(txtP1)) {
        if (!EsNumero(txtP2)) cmdAnadir->setEnabled(false);
        return;
    }
    const bool dist = optDistribuida->isChecked();
    const bool base = dist ? Lleno(txtB) : Lleno(txtA);
    if (!Check_Vuelo->isChecked()) {
        cmdAnadir->setEnabled(base && Lleno(txtL));
    } else {
        cmdAnadir->setEnabled(base && Lleno(txtL) && Lleno(txtK));
    }
}

void frmCargas::txtP2_Change() {
    if (!EsNumero(txtP2)) {
        if (!EsNumero(txtP1)) cmdAnadir->setEnabled(false);
        return;
    }
    if (!Check_Vuelo->isChecked()) {
        cmdAnadir->setEnabled(Lleno(txtB) && Lleno(txtL));
    } else {
        cmdAnadir->setEnabled(Lleno(txtB) && Lleno(txtL) && Lleno(txtK));
    }
}

// ---- Checks on leaving a field -------------------------------------------------

void frmCargas::FijarLuz() {
    // Truncated to whole centimetres; the 1e-12 keeps 2.3 from becoming 2.29.
    E().LuzViga = static_cast<float>(std::trunc((Numero(txtL) + 1e-12) * 100.0) / 100.0);
}

void frmCargas::txtL_LostFocus() {
    if (txtL->text().isEmpty()) return;
    const double L = Numero(txtL);
    if (!EsNumero(txtL) || L < 0) {
        Critico(kPositivas, kDistanciaIncorrecta);
        Seleccionar(txtL);
    } else if (L > 0 && L < 0.01) {
        Critico("Hijo e tu madre, ¿ que viga es esa ?", kDistanciaIncorrecta);
        txtL->setText("0.01");
        Seleccionar(txtL);
    } else {
        FijarLuz();
        txtK->setText(Simple(E().LuzViga));
    }
}

void frmCargas::txtJ_LostFocus() {
    FijarLuz();
    if (txtJ->text().isEmpty()) return;
    if (!EsNumero(txtJ) || Numero(txtJ) < 0) {
        Critico(kPositivas, kDistanciaIncorrecta);
        Seleccionar(txtJ);
    } else if (Numero(txtK) <= Numero(txtJ)) {
        Critico(kKMenorJ, kDistanciaIncorrecta);
        txtJ->setText("0");
        Seleccionar(txtJ);
    }
}

void frmCargas::txtK_LostFocus() {
    FijarLuz();
    if (txtK->text().isEmpty()) return;
    if (!EsNumero(txtK) || Numero(txtK) < 0) {
        Critico(kPositivas, kDistanciaIncorrecta);
        Seleccionar(txtK);
        txtK->setText(txtL->text());
        return;
    }
    const float L = E().LuzViga;
    if (Numero(txtK) > L) {
        txtK->setText(Simple(L));
        Seleccionar(txtK);
    }
    if (Numero(txtJ) >= Numero(txtK)) {
        Critico(kKMenorJ, kDistanciaIncorrecta);
        Seleccionar(txtJ);
    }
    if (Numero(txtK) == 0) txtK->setText(Simple(L));
}

void frmCargas::txtA_LostFocus() {
    if (txtA->text().isEmpty()) return;
    const double a = Numero(txtA);
    if (!EsNumero(txtA) || a < 0) {
        Critico(kPositivas, kDistanciaIncorrecta);
        Seleccionar(txtA);
        return;
    }
    const double L = Numero(txtL), b = Numero(txtB);
    if (a > L || a + b > L) {
        Critico(kMayorLuz, kDistanciaIncorrecta);
        txtA->setText(Doble(L - b));
        Seleccionar(txtA);
    }
}

void frmCargas::txtB_LostFocus() {
    if (txtB->text().isEmpty()) return;
    const double b = Numero(txtB);
    if (!EsNumero(txtB) || b < 0) {
        Critico(kPositivas, kDistanciaIncorrecta);
        Seleccionar(txtB);
        return;
    }
    const double L = Numero(txtL), a = Numero(txtA);
    if (b > L || a + b > L) {
        Critico(kMayorLuz, kDistanciaIncorrecta);
        txtB->setText(Doble(static_cast<double>(E().LuzViga) - a));
        Seleccionar(txtB);
    }
}

void frmCargas::txtP1_LostFocus() {
    if (txtP1->text().isEmpty()) return;
    if (!optDistribuida->isChecked()) {
        // Point loads and moments may be negative (upwards, anticlockwise).
        if (!EsNumero(txtP1)) {
            Critico("Sólo se aceptan valores numéricos", kValorIncorrecto);
            Seleccionar(txtP1);
        }
    } else if (!EsNumero(txtP1) || Numero(txtP1) < 0) {
        Critico("Sólo se aceptan valores numéricos positivos!", kValorIncorrecto);
        Seleccionar(txtP1);
    }
}

void frmCargas::txtP2_LostFocus() {
    if (txtP2->text().isEmpty()) return;
    if (!EsNumero(txtP2) || Numero(txtP2) < 0) {
        Critico("Sólo se aceptan valores numéricos positivos!", kValorIncorrecto);
        Seleccionar(txtP2);
    }
}

// ---- Load table --------------------------------------------------------------

void frmCargas::cmdAnadir_Click() {
    EstadoProyecto& e = E();
    const double L = Numero(txtL), a = Numero(txtA), b = Numero(txtB);
    if (a > L || a + b > L) {
        MostrarMensaje(kMayorLuz, kDistanciaIncorrecta, kEstiloCritico);
        txtA->setText(Doble(L - b));
        Seleccionar(txtA);
        return;
    }
    if (txtP1->text() == "0" && txtP2->text() == "0") {
        MostrarMensaje("La Carga Distribuida no puede ser 0.", "Valor incorrecto",
                       kEstiloExclamacion);
        Seleccionar(txtP1);
        return;
    }
    // A distributed load over no length adds nothing, and a varying one
    // would divide its slope (P2 - P1) / b by zero in the analysis.
    if (optDistribuida->isChecked() && b <= 0) {
        MostrarMensaje("La base b de la Carga Distribuida debe ser mayor que 0", "Valor incorrecto",
                       kEstiloExclamacion);
        Seleccionar(txtB);
        return;
    }
    if (e.NumCargas >= kMaxCargas) {
        std::string texto;
        AgregarCarga(e, Carga{}, &texto);
        MostrarMensaje(texto, "Demasiadas cargas", kEstiloExclamacion);
        return;
    }

    FijarLuz();
    txtL->setEnabled(false);
    lblL->setEnabled(false);
    FondoBoton(txtL);

    Carga c;
    c.A = static_cast<float>(a);
    c.B = static_cast<float>(b);
    c.C = static_cast<float>(static_cast<double>(e.LuzViga) - a - b);
    c.P1 = static_cast<float>(Numero(txtP1));
    c.P2 = static_cast<float>(Numero(txtP2));
    c.Fin = c.A + c.B;
    e.DistJ = static_cast<float>(Numero(txtJ));
    c.Categoria = optViva->isChecked() ? kViva : optMuerta->isChecked() ? kMuerta : kOtros;
    e.DistK = Check_Vuelo->isChecked() ? static_cast<float>(Numero(txtK)) : e.LuzViga;
    c.Tipo = optPuntual->isChecked()       ? kPuntual
             : optDistribuida->isChecked() ? kDistribuida
                                           : kMomento;
    AgregarCarga(e, c);

    txtA->clear();
    txtB->clear();
    txtP1->clear();
    txtP2->clear();
    txtA->setFocus(Qt::OtherFocusReason);
    for (QLineEdit* s : {txtJ, txtK}) {
        s->setEnabled(false);
        FondoBoton(s);
    }
    lblj->setEnabled(false);
    lblk->setEnabled(false);
    cmdAnadir->setEnabled(false);
    Check_Vuelo->setEnabled(false);

    Llenar_Tabla();
    DibujarCargas();
}

void frmCargas::Llenar_Tabla() {
    const EstadoProyecto& e = E();
    FijarFilas(grid, 1);
    for (int r = 1; r <= e.NumCargas; ++r) {
        const Carga& c = e.Cargas[r];
        FijarFilas(grid, r + 1);
        grid->setCurrentCell(r, 0);
        EscribirCelda(grid, r, 0, Simple(static_cast<float>(r)));
        EscribirCelda(grid, r, 1, PalabraTipoCarga(c.Tipo));
        EscribirCelda(grid, r, 2, PalabraCategoria(c.Categoria));
        EscribirCelda(grid, r, 3, Simple(c.A));
        EscribirCelda(grid, r, 4, Simple(c.B));
        EscribirCelda(grid, r, 5, Simple(c.P1));
        EscribirCelda(grid, r, 6, Simple(c.P2));
    }
}

void frmCargas::LimpiarConsulta() {
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) EscribirCelda(grid1, r, c, "");
    }
}

void frmCargas::cmdBorrar_Click() {
    EstadoProyecto& e = E();
    if (e.NumCargas < 1) {
        LimpiarCroquis();
        return;
    }
    if (e.NumCargas == 1) {
        e.LuzViga = 0;
        txtL->clear();
        e.NumCargas = 0;
        e.Cargas.assign(1, Carga{});
        lblL->setEnabled(true);
        txtL->setEnabled(true);
        Check_Vuelo->setChecked(false);
        Check_Vuelo->setEnabled(true);
        FondoVentana(txtL);
        txtL->setFocus(Qt::OtherFocusReason);
        pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
        pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
        for (QLineEdit* s : {txtJ, txtK}) {
            s->setEnabled(true);
            FondoVentana(s);
        }
        Ventana<frmGeneral>()->LimpiarDiagramas();
        e.CortanteMaxAbs = e.CortanteMax = e.CortanteMin = 0;
        e.MomentoNegMax = e.MomentoPosMax = e.MomentoMaxAbs = 0;
        txtJ->setText("0");
        txtK->setText("0");
        FijarFilas(grid, 1);
        LimpiarConsulta();
        lblj->setEnabled(true);
        lblk->setEnabled(true);
        LimpiarCroquis();
        return;
    }
    const int r = grid->currentRow();
    if (r >= 0 && r <= e.NumCargas) e.Cargas[r].Tipo = 0;  // row 0 holds no load
    CompactarCargas(e);
    Llenar_Tabla();
    txtA->setFocus(Qt::OtherFocusReason);
    LimpiarCroquis();
    DibujarCargas();
}

void frmCargas::cmdReiniciar_Click() {
    EstadoProyecto& e = E();
    ReiniciarCargas(e);
    txtL->setEnabled(true);
    Check_Vuelo->setChecked(false);
    Check_Vuelo->setEnabled(true);
    lblL->setEnabled(true);
    for (QLineEdit* c : {txtL, txtA, txtB, txtP1, txtP2, txtJ, txtK}) c->clear();
    LimpiarConsulta();
    for (QLineEdit* s : {txtJ, txtK}) {
        s->setEnabled(true);
        s->clear();
        FondoVentana(s);
    }
    lblj->setEnabled(true);
    lblk->setEnabled(true);
    txtX->clear();
    txtL->setFocus(Qt::OtherFocusReason);
    optDistribuida->setChecked(true);
    txtL->setEnabled(true);
    FondoVentana(txtL);
    lblL->setEnabled(true);
    pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
    pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
    FijarFilas(grid, 1);
    frmGeneral* g = Ventana<frmGeneral>();
    g->LimpiarDiagramas();
    g->optMomCor->setEnabled(false);
    g->optGirDef->setEnabled(false);
    LimpiarCroquis();
}

void frmCargas::ReiniciarDesdeGeneral() {
    txtL->setEnabled(true);
    Check_Vuelo->setChecked(false);
    Check_Vuelo->setEnabled(true);
    lblL->setEnabled(true);
    for (QLineEdit* c : {txtL, txtA, txtB, txtP1, txtP2, txtJ, txtK, txtX}) c->clear();
    LimpiarConsulta();
    FijarFilas(grid, 1);
    for (QLineEdit* c : {txtJ, txtK, txtL}) {
        c->setEnabled(true);
        FondoVentana(c);
    }
    lblj->setEnabled(true);
    lblk->setEnabled(true);
    optDistribuida->setChecked(true);
    pctCarga->Colocar(Apoyo1, kApoyoIzq, kLineaY1);
    pctCarga->Colocar(Apoyo2, kApoyoDer, kLineaY1);
    LimpiarCroquis();
    Sincronizar();
}

void frmCargas::Check_Vuelo_Click() {
    const bool vuelos = Check_Vuelo->isChecked();
    Lienzo* sin = optDistribuida->isChecked() ? Ilustraciond
                  : optMomento->isChecked()   ? Ilustracionm
                                              : Ilustracionp;
    Lienzo* con = optDistribuida->isChecked() ? Ilustraciondv
                  : optMomento->isChecked()   ? Ilustracionmv
                                              : Ilustracionpv;
    sin->setVisible(!vuelos);
    con->setVisible(vuelos);
    for (QWidget* w : std::initializer_list<QWidget*>{lblj, txtJ, lblk, txtK, lbluJ, lbluK}) {
        w->setVisible(vuelos);
    }
}

void frmCargas::Cerrar_Cargas() {
    hide();
    if (E().NumCargas >= 1) Ventana<frmGeneral>()->cmdCalculos->setEnabled(true);
    Sincronizar();
}

void frmCargas::cmdCargasOk_Click() {
    Proyecto& p = P();
    p.estado.VueloGuardado = Check_Vuelo->isChecked() ? 1 : 0;
    Cerrar_Cargas();
    // Without loads the beam length is still 0 and so would be the limit: the
    // flange is checked once there is a beam.
    if (p.estado.NumCargas >= 1) {
        BfMax = korvex::BfMax(p.seccion, p.estado.LuzViga);
        if (p.seccion.TipoViga != kVigaRect && p.seccion.Bf > BfMax) {
            Adaptador().MostrarMensaje(MensajeBfMax(BfMax));
            frmSeccion* s = Ventana<frmSeccion>();
            s->show();
            s->raise();
            s->txtB->setText(Simple(BfMax));
            Seleccionar(s->txtB);
            Ventana<frmGeneral>()->cmdCalculos->setEnabled(false);
        }
    }
    if (p.estado.NumCargas < 1) Ventana<frmGeneral>()->cmdCalculos->setEnabled(false);
}

void frmCargas::reject() {
    E().VueloGuardado = Check_Vuelo->isChecked() ? 1 : 0;
    Cerrar_Cargas();
    QDialog::reject();
    Registro::Instancia().Descargar<frmCargas>();
}

// ---- Restoring the window ------------------------------------------------------

bool frmCargas::RestaurarTabla(bool fondoBoton) {
    if (optDistribuida->isChecked()) {
        optDistribuida_Click();
    } else {
        optDistribuida->setChecked(true);
    }
    EstadoProyecto& e = E();
    e.ModuloElasticidad = 1.0f;
    // The symbols of a project opened before this one must not remain.
    LimpiarCroquis();
    if (e.NumCargas < 1) {
        FijarFilas(grid, 1);
        return false;
    }
    DibujarCargas();
    Llenar_Tabla();
    txtL->setText(Simple(e.LuzViga));
    txtL->setEnabled(false);
    lblL->setEnabled(false);
    if (fondoBoton) FondoBoton(txtL);
    return true;
}

void frmCargas::Form_Load() {
    const bool conCargas = RestaurarTabla(true);
    Check_Vuelo_Click();
    if (!conCargas) return;
    const EstadoProyecto& e = E();
    Check_Vuelo->setChecked(e.VueloGuardado != 0);
    Check_Vuelo_Click();
    if (Check_Vuelo->isChecked()) {
        txtJ->setText(Simple(e.DistJ));
        txtK->setText(Simple(e.DistK));
        for (QLineEdit* s : {txtJ, txtK}) {
            s->setEnabled(false);
            FondoBoton(s);
        }
        lblj->setEnabled(false);
        lblk->setEnabled(false);
        Check_Vuelo->setEnabled(false);
    }
}

void frmCargas::frmcargasload() {
    RestaurarTabla(false);
    Sincronizar();
}

EstadoVentanaCargas frmCargas::EstadoControles() const {
    EstadoVentanaCargas s;
    s.Check_Vuelo = Check_Vuelo->isChecked() ? 1 : 0;
    s.Check_Vuelo_Enabled = Check_Vuelo->isEnabled();
    s.optDistribuida = optDistribuida->isChecked();
    s.optMomento = optMomento->isChecked();
    s.optPuntual = optPuntual->isChecked();
    s.optMuerta = optMuerta->isChecked();
    s.optViva = optViva->isChecked();
    s.txtB_Enabled = txtB->isEnabled();
    s.txtB_BackColor = CodigoFondo(txtB);
    s.txtL_Enabled = txtL->isEnabled();
    s.txtL_BackColor = CodigoFondo(txtL);
    s.txtP2_Enabled = txtP2->isEnabled();
    s.txtP2_BackColor = CodigoFondo(txtP2);
    s.lblB_Enabled = lblB->isEnabled();
    s.lblL_Enabled = lblL->isEnabled();
    s.lblP2_Enabled = lblP2->isEnabled();
    s.txtJ_Enabled = txtJ->isEnabled();
    s.txtJ_BackColor = CodigoFondo(txtJ);
    s.txtK_Enabled = txtK->isEnabled();
    s.txtK_BackColor = CodigoFondo(txtK);
    s.lblj_Enabled = lblj->isEnabled();
    s.lblk_Enabled = lblk->isEnabled();
    s.txtJ = Texto(txtJ);
    s.txtK = Texto(txtK);
    return s;
}

void frmCargas::AplicarEstadoControles(const EstadoVentanaCargas& estado) {
    const EstadoVentanaCargas s = estado;  // the handlers below may rewrite the project's copy
    Check_Vuelo->setChecked(s.Check_Vuelo != 0);
    if (s.optDistribuida) optDistribuida->setChecked(true);
    if (s.optMomento) optMomento->setChecked(true);
    if (s.optPuntual) optPuntual->setChecked(true);
    if (s.optMuerta) optMuerta->setChecked(true);
    if (s.optViva) optViva->setChecked(true);
    if (!s.optMuerta && !s.optViva) Option1->setChecked(true);
    txtB->setEnabled(s.txtB_Enabled);
    AplicarCodigoFondo(txtB, s.txtB_BackColor);
    txtL->setEnabled(s.txtL_Enabled);
    AplicarCodigoFondo(txtL, s.txtL_BackColor);
    txtP2->setEnabled(s.txtP2_Enabled);
    AplicarCodigoFondo(txtP2, s.txtP2_BackColor);
    lblB->setEnabled(s.lblB_Enabled);
    lblL->setEnabled(s.lblL_Enabled);
    lblP2->setEnabled(s.lblP2_Enabled);
    txtJ->setEnabled(s.txtJ_Enabled);
    AplicarCodigoFondo(txtJ, s.txtJ_BackColor);
    txtK->setEnabled(s.txtK_Enabled);
    AplicarCodigoFondo(txtK, s.txtK_BackColor);
    lblj->setEnabled(s.lblj_Enabled);
    lblk->setEnabled(s.lblk_Enabled);
    txtJ->setText(Q(s.txtJ));
    txtK->setText(Q(s.txtK));
    Check_Vuelo->setEnabled(s.Check_Vuelo_Enabled);
    Sincronizar();
}

void frmCargas::Sincronizar() {
    P().ventana = EstadoControles();
}

// ---- Point query ---------------------------------------------------------------

void frmCargas::cmdCalc_Click() {
    const ConsultaPunto r = ConsultarPunto(E(), Texto(txtX), Adaptador());
    if (r.resultado == ConsultaPunto::Resultado::Rechazada) {
        Seleccionar(txtX);
        return;
    }
    if (r.resultado != ConsultaPunto::Resultado::Calculada) return;
    EscribirCelda(grid1, 1, 1, Q(r.txtMomentoIzq));
    EscribirCelda(grid1, 1, 2, Q(r.txtCortanteIzq));
    EscribirCelda(grid1, 2, 1, Q(r.txtMomentoDer));
    EscribirCelda(grid1, 2, 2, Q(r.txtCortanteDer));
}

// ---- Load sketch ---------------------------------------------------------------

void frmCargas::LimpiarCroquis() {
    pctCarga->Limpiar();
    simbolos_.clear();
    pctCarga->Linea({kLineaX1, kLineaY1}, {kLineaX2, kLineaY1}, kViga, 30);  // Line1
}

void frmCargas::DibujarCargas() {
    const EstadoProyecto& e = E();
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

QString frmCargas::Descripcion(int i) {
    const EstadoProyecto& e = E();
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
