// frmCargas: its controls, their wiring and the layout of each load type.
#include "ui/loads/frmCargas.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "ui/common/Colores.h"
#include "ui/common/Deshacer.h"
#include "ui/common/Eventos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Rejilla.h"

namespace korvex::ui {

frmCargas::frmCargas(Documento& documento, QWidget* padre) : QDialog(padre), documento_(documento) {
    setObjectName("frmCargas");
    setWindowTitle("Cargas");
    setModal(true);
    CrearControles();
    Disponer();
    Conectar();
    Form_Load();
    InstalarAtajosEdicion(this);  // undo and redo of the project's changes
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
    EscribirCelda(grid1, 0, 1, "Mx (Tn.m)");
    EscribirCelda(grid1, 0, 2, "Qx (Tn)");
    EscribirCelda(grid1, 1, 0, "Izquierda");
    EscribirCelda(grid1, 2, 0, "Derecha");
    AjustarRejilla(grid1);
    for (int c = 1; c <= 2; ++c) grid1->setColumnWidth(c, std::max(grid1->columnWidth(c), 90));

    CrearCroquis();
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
    connect(Check_Vuelo, &QCheckBox::clicked, this, &frmCargas::Check_Vuelo_Cambio);

    for (QLineEdit* c : {txtA, txtB, txtK, txtL, txtP1, txtP2}) {
        connect(c, &QLineEdit::textChanged, this, [this, c] { Campo_Change(c); });
    }
    for (QLineEdit* c : {txtA, txtB, txtJ, txtK, txtL, txtP1, txtP2}) {
        AlPerderFoco(c, [this, c] { Campo_LostFocus(c); });
    }

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
    // A load of the table back into the fields: a double click on its row or
    // Enter on the selected row (eventFilter).
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this](int fila, int) { EditarCarga(fila); });
    grid->installEventFilter(this);

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
    TerminarEdicion();  // another type leaves the edited row as it was
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

}  // namespace korvex::ui
