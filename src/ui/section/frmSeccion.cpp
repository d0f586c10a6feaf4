#include "ui/section/frmSeccion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "design/LimiteAla.h"
#include "design/Seccion.h"
#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/common/Avisos.h"
#include "ui/common/Deshacer.h"
#include "ui/common/Eventos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"

namespace korvex::ui {

namespace {

std::string Texto(const QLineEdit* c) {
    return c->text().toStdString();
}

bool EsNumero(const QLineEdit* c) {
    return texto::EsNumerico(Texto(c));
}

double Numero(const QLineEdit* c) {
    return texto::NumeroCampo(Texto(c));
}

// ---- Drawings of the three shapes, twips of their boxes -------------------

const QColor kHormigon(205, 205, 195);
const QColor kBorde(60, 60, 60);
const QColor kCota(30, 70, 160);

// A dimension line from a to b with end ticks and its name at `rotulo`.
void Cota(Lienzo* l, QPointF a, QPointF b, const QString& nombre, QPointF rotulo) {
    l->Linea(a, b, kCota);
    const bool horizontal = std::abs(a.y() - b.y()) < 1;
    const QPointF t = horizontal ? QPointF(0, 70) : QPointF(70, 0);
    for (QPointF e : {a, b}) l->Linea(e - t, e + t, kCota);
    QFont f("Sans", 11);
    f.setItalic(true);
    l->Texto(rotulo, nombre, f, kCota);
}

void Rect(Lienzo* l, double x0, double y0, double x1, double y1) {
    l->Poligono({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, kBorde, kHormigon);
}

void DibujarRectangulo(Lienzo* l) {
    Rect(l, 800, 300, 1900, 2300);
    Cota(l, {800, 2450}, {1900, 2450}, "b", {1290, 2480});
    Cota(l, {2080, 300}, {2080, 2300}, "h", {2180, 1150});
}

// T (flange on top) or inverted T (flange at the bottom).
void DibujarTe(Lienzo* l, bool invertida) {
    const double alaArriba = invertida ? 3000 : 500, alaAbajo = alaArriba + 500;
    const double almaArriba = invertida ? 500 : 1000, almaAbajo = almaArriba + 2500;
    QVector<QPointF> contorno = {
        {300, alaArriba}, {2100, alaArriba}, {2100, alaAbajo}, {300, alaAbajo}};
    l->Poligono(contorno, kBorde, kHormigon);
    Rect(l, 900, almaArriba, 1500, almaAbajo);
    const double yBf = invertida ? 3650 : 350, yBw = invertida ? 350 : 3650;
    Cota(l, {300, yBf}, {2100, yBf}, "bf", {1110, invertida ? 3690.0 : 20.0});
    Cota(l, {2250, alaArriba}, {2250, alaAbajo}, "hf", {2330, alaArriba + 130});
    Cota(l, {900, yBw}, {1500, yBw}, "bw", {1090, invertida ? 20.0 : 3690.0});
    Cota(l, {700, almaArriba}, {700, almaAbajo}, "hw", {330, (almaArriba + almaAbajo) / 2 - 130});
}

Lienzo* Dibujo(const char* nombre, double alto, QWidget* padre) {
    auto* l = new Lienzo(2700, alto, padre);
    l->setObjectName(nombre);
    l->MantenerProporcion(true);
    return l;
}

}  // namespace

frmSeccion::frmSeccion(Documento& documento, QWidget* padre)
    : QDialog(padre), documento_(documento) {
    setObjectName("frmSeccion");
    setWindowTitle(QString::fromUtf8("Datos de la Sección"));
    setModal(true);

    auto etiqueta = [this](const char* nombre, const char* texto) {
        auto* l = new QLabel(QString::fromUtf8(texto), this);
        l->setObjectName(nombre);
        return l;
    };
    auto campo = [this](const char* nombre) {
        auto* c = new QLineEdit(this);
        c->setObjectName(nombre);
        c->setToolTip("cm");
        return c;
    };
    lblBase = etiqueta("lblBase", "b:");
    lblH = etiqueta("lblH", "h:");
    lblbw = etiqueta("lblbw", "bw:");
    lblhw = etiqueta("lblhw", "hw:");
    lblUnd = etiqueta("lblUnd", "Las distancias son en centímetros");
    lblUnd->setWordWrap(true);
    txtB = campo("txtB");
    txtH = campo("txtH");
    txtBw = campo("txtBw");
    txtHw = campo("txtHw");
    cmdSeccionOk = new QPushButton("Ok", this);
    cmdSeccionOk->setObjectName("cmdSeccionOk");
    // Enter in a field moves along the fields and presses Ok only from the
    // last field of the shape (Campo_KeyPress): no default button.
    cmdSeccionOk->setAutoDefault(false);
    cmdSeccionOk->setDefault(false);
    cmdSeccionOk->setEnabled(false);

    pctViga_Rect = Dibujo("pctViga_Rect", 2700, this);
    pctViga_T = Dibujo("pctViga_T", 4000, this);
    pctViga_Ti = Dibujo("pctViga_Ti", 4000, this);
    DibujarRectangulo(pctViga_Rect);
    DibujarTe(pctViga_T, false);
    DibujarTe(pctViga_Ti, true);
    pctViga_Rect->setToolTip(QString::fromUtf8("Sección rectangular"));
    pctViga_T->setToolTip(QString::fromUtf8("Sección T"));
    pctViga_Ti->setToolTip(QString::fromUtf8("Sección T invertida"));

    setTabOrder(txtB, txtH);
    setTabOrder(txtH, txtBw);
    setTabOrder(txtBw, txtHw);
    setTabOrder(txtHw, cmdSeccionOk);

    const Seccion& s = seccion();
    txtB->setText(QString::fromStdString(s.txtB));
    txtH->setText(QString::fromStdString(s.txtH));
    txtBw->setText(QString::fromStdString(s.txtBw));
    txtHw->setText(QString::fromStdString(s.txtHw));

    struct Enlace {
        QLineEdit* campo;
        std::string Seccion::*texto;
    };
    for (const Enlace& e : {Enlace{txtB, &Seccion::txtB}, Enlace{txtH, &Seccion::txtH},
                            Enlace{txtBw, &Seccion::txtBw}, Enlace{txtHw, &Seccion::txtHw}}) {
        QLineEdit* c = e.campo;
        auto miembro = e.texto;
        connect(c, &QLineEdit::textChanged, this, [this, miembro](const QString& t) {
            seccion().*miembro = t.toStdString();
            Campo_Change();
        });
        connect(c, &QLineEdit::returnPressed, this, [this, c] { Campo_KeyPress(c); });
        AlPerderFoco(c, [this, c] { Campo_LostFocus(c); });
    }
    connect(cmdSeccionOk, &QPushButton::clicked, this, &frmSeccion::cmdSeccionOk_Click);

    AjustarAlTipo();
    Campo_Change();
    InstalarAtajosEdicion(this);  // undo and redo of the project's changes
}

bool frmSeccion::EsRectangular() const {
    const std::string& t = seccion().TipoViga;
    return t != kVigaT && t != kVigaTi;
}

void frmSeccion::Disponer(bool conAlma) {
    const std::string& tipo = seccion().TipoViga;
    pctViga_Rect->setVisible(!conAlma);
    pctViga_T->setVisible(conAlma && tipo == kVigaT);
    pctViga_Ti->setVisible(conAlma && tipo == kVigaTi);

    auto px = [this](double t) { return Lienzo::Px(t, this); };
    auto fila = [&](QLabel* l, QLineEdit* c, double y) {
        l->setGeometry(px(3000), px(y + 30), px(420), px(300));
        c->setGeometry(px(3450), px(y), px(1500), px(330));
    };
    fila(lblBase, txtB, 300);
    fila(lblH, txtH, 780);
    if (conAlma) {
        fila(lblbw, txtBw, 1260);
        fila(lblhw, txtHw, 1740);
        lblUnd->setGeometry(px(3000), px(2300), px(2000), px(520));
        cmdSeccionOk->setGeometry(px(3450), px(3300), px(1500), px(420));
        pctViga_T->setGeometry(px(120), px(120), px(2700), px(4000));
        pctViga_Ti->setGeometry(px(120), px(120), px(2700), px(4000));
    } else {
        // Below the visible height: reached by the Enter chain, out of view.
        fila(lblbw, txtBw, 3300);
        fila(lblhw, txtHw, 3780);
        cmdSeccionOk->setGeometry(px(3450), px(1400), px(1500), px(420));
        lblUnd->setGeometry(px(3000), px(2050), px(2000), px(520));
        pctViga_Rect->setGeometry(px(120), px(120), px(2700), px(2700));
    }
    setFixedSize(px(kAncho), px(conAlma ? kAltoT : kAltoRect));
}

void frmSeccion::AjustarAlTipo() {
    const Seccion& s = seccion();
    const bool conAlma = s.TipoViga == kVigaT || s.TipoViga == kVigaTi;
    if (conAlma) {
        lblBase->setText("bf:");
        lblH->setText("hf:");
    } else {
        lblBase->setText("b:");
        lblH->setText("h:");
    }
    Disponer(conAlma);
}

void frmSeccion::Preparar() {
    AjustarAlTipo();
    Seccion& s = seccion();
    s.Hf = s.Bf = s.Hw = s.Bw = 0;
    for (QLineEdit* c : {txtB, txtH, txtBw, txtHw}) c->clear();
    txtB->setFocus();
}

void frmSeccion::Calculos_Geom() {
    korvex::Calculos_Geom(seccion(), documento_.proyecto().estado);
}

void frmSeccion::CargarSeccion() {
    AjustarAlTipo();
    const Seccion s = seccion();  // each text written back updates the project
    txtB->setText(QString::fromStdString(s.txtB));
    txtBw->setText(QString::fromStdString(s.txtBw));
    txtH->setText(QString::fromStdString(s.txtH));
    txtHw->setText(QString::fromStdString(s.txtHw));
}

void frmSeccion::VaciarCampos() {
    for (QLineEdit* c : {txtB, txtH, txtHw, txtBw}) c->clear();
}

void frmSeccion::CorregirAncho(float bfMax) {
    show();
    raise();
    txtB->setText(QString::fromStdString(texto::TextoSimple(bfMax)));
    Seleccionar(txtB);
}

int frmSeccion::Validar_Seccion() {
    QList<QLineEdit*> campos = {txtB, txtH};
    if (!EsRectangular()) campos << txtBw << txtHw;
    bool todosVacios = true;
    for (QLineEdit* c : campos) todosVacios = todosVacios && c->text().isEmpty();
    if (todosVacios) return 0;
    for (QLineEdit* c : campos) {
        if (!EsNumero(c) || Numero(c) < 0) {
            MostrarMensaje("Las distancias son Siempre Numeros Positivos", "Distancia Erronea",
                           kEstiloCritico);
            return 1;
        }
    }
    return 0;
}

void frmSeccion::cmdSeccionOk_Click() {
    if (Validar_Seccion() == 1) return;
    Calculos_Geom();
    const Proyecto& p = documento_.proyecto();
    if (p.estado.NumCargas >= 1) {
        const float b = static_cast<float>(texto::NumeroCampo(p.seccion.txtB));
        if (std::optional<Mensaje> m =
                VerificarBfMax(ReglasDe(p), p.seccion, b, p.estado.LuzViga)) {
            Adaptador().MostrarMensaje(*m);
            Seleccionar(txtB);
            return;
        }
    }
    accept();
    emit Avisos::Instancia().SeccionAceptada();
}

void frmSeccion::Campo_Change() {
    const bool lleno = !txtB->text().isEmpty() && !txtH->text().isEmpty();
    const bool almaLlena = !txtBw->text().isEmpty() && !txtHw->text().isEmpty();
    cmdSeccionOk->setEnabled(EsRectangular() ? lleno : lleno && almaLlena);
}

void frmSeccion::Campo_KeyPress(QLineEdit* campo) {
    if (!EsNumero(campo)) {
        campo->selectAll();
        return;
    }
    // A rectangle has no web: from h the chain goes straight to Ok.
    const bool ultimo = campo == txtHw || (campo == txtH && EsRectangular());
    QWidget* siguiente = ultimo           ? static_cast<QWidget*>(cmdSeccionOk)
                         : campo == txtB  ? static_cast<QWidget*>(txtH)
                                          : static_cast<QWidget*>(campo == txtH ? txtBw : txtHw);
    // From the last field Enter presses Ok, after the field's own check of a
    // positive number (the check on leaving would come after it closed).
    if (ultimo && Numero(campo) <= 0) {
        Campo_LostFocus(campo);
        return;
    }
    siguiente->setFocus(Qt::TabFocusReason);
    if (ultimo && cmdSeccionOk->isEnabled()) cmdSeccionOk->click();
}

void frmSeccion::Campo_LostFocus(QLineEdit* campo) {
    if (campo->text().isEmpty()) return;
    if (!EsNumero(campo) || Numero(campo) <= 0) {
        MostrarMensaje("Las distancias siempre son Numeros Positivos", "Distancia Incorrecta",
                       kEstiloCritico);
        Seleccionar(campo);
        return;
    }
    Campo_Change();
}

void frmSeccion::reject() {
    MostrarMensaje(
        "Nota: Los datos de la Sección no fueron almacenados. Favor re-introducirlos y presionar "
        "OK",
        "Datos no Introducidos", kEstiloExclamacion);
    VaciarCampos();
    QDialog::reject();
    emit Avisos::Instancia().SeccionDescartada();
}

}  // namespace korvex::ui
