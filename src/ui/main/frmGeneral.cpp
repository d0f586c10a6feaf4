// frmGeneral: its controls, menus and toolbar and the start state of its
// controls.
#include "ui/main/frmGeneral.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <type_traits>

#include "ui/common/Avisos.h"
#include "ui/common/Deshacer.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Eventos.h"
#include "ui/common/Iconos.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/polygon/AbrirGeom.h"
#include "ui/report/Imprimir.h"
#include "ui/report/frmpreview.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"
#include "ui/section/frmVarillas.h"
#include "ui/startup/Ayuda.h"

namespace korvex::ui {

namespace {

// Shows a window modally: a dialog waits in its own loop, another window
// blocks the others until it closes.
template <class T>
void MostrarModal(T* w) {
    if constexpr (std::is_base_of_v<QDialog, T>) {
        w->exec();
    } else {
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
        w->raise();
    }
}

QLabel* Etiqueta(const char* nombre, const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

QLineEdit* Campo(const char* nombre, const QString& texto, const QString& ayuda, QWidget* padre) {
    auto* c = new QLineEdit(texto, padre);
    c->setObjectName(nombre);
    c->setToolTip(ayuda);
    return c;
}

QPushButton* Orden(const char* nombre, const QString& texto, const QString& ayuda, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setToolTip(ayuda);
    return b;
}

}  // namespace

frmGeneral::frmGeneral(QWidget* padre) : QMainWindow(padre) {
    setObjectName("frmGeneral");
    setWindowIcon(Icono("Secciones"));
    CrearControles();
    CrearMenus();
    CrearBarra();
    Disponer();
    CrearDespiece();
    Conectar();
    CrearAtajos();
    ControlesIniciales();
    // The cover is entered once a section exists (the section's OK enables it).
    txtRec->setEnabled(false);

    // Form_Load: fy 2800 and the first deflection-use category.
    cboFy->setCurrentText("2800");
    Ventana<frmUsos>()->ElegirUso(1);
    // The stirrup question of the calculations run from this window.
    FijarPreguntaEstribo(PreguntarEstribo);

    // A project without a file, its data as they start; a .kvx file dropped
    // on the window opens it; the title and the results' mark follow the
    // user's input.
    setAcceptDrops(true);
    SeguirCambios();
    FijarArchivo({});
    historial_->Vaciar();
    ActualizarRecientes();
}

// ---- Construction ---------------------------------------------------------

void frmGeneral::CrearControles() {
    auto* centro = new QWidget(this);
    centro->setObjectName("centro");
    setCentralWidget(centro);

    lblesp = Etiqueta("lblesp", QString::fromUtf8("Especificaciones Técnicas:"), centro);
    lblFc = Etiqueta("lblFc", "f'c:", centro);
    lblUnd = Etiqueta("lblUnd", "Kgr/Cm^2", centro);
    lblFy = Etiqueta("lblFy", "fy:", centro);
    lblUnd2 = Etiqueta("lblUnd2", "Kgr/Cm^2", centro);
    lblRec = Etiqueta("lblRec", "Recubrimiento:", centro);
    lblRecu = Etiqueta("lblRecu", "Cm", centro);
    txtFc =
        Campo("txtFc", "210",
              QString::fromUtf8("Resistencia especificada a la compresión del concreto"), centro);
    cboFy = new QComboBox(centro);
    cboFy->setObjectName("cboFy");
    cboFy->setEditable(true);
    cboFy->addItems({"2800", "4200"});
    cboFy->setToolTip("Resistencia especificada a la fluencia del acero.");
    txtRec = Campo("txtRec", "4", "Recubrimiento", centro);
    cmdUsos = Orden("cmdUsos", "Control de Deflexiones", "Deflexiones Consideradas", centro);
    chkAlternancia = new QCheckBox(QString::fromUtf8("Alternar carga viva (envolvente)"), centro);
    chkAlternancia->setObjectName("chkAlternancia");
    chkAlternancia->setToolTip(QString::fromUtf8(
        "Diseña para la peor disposición de la carga viva en el tramo y en los vuelos: "
        "cortante, momentos, acero, estribos y deflexión de la envolvente. Marcada en un "
        "proyecto nuevo; un proyecto abierto toma el valor de su archivo"));

    lblDatos = Etiqueta("lblDatos", "Datos Generales", centro);
    QFont negrita = lblDatos->font();
    negrita.setBold(true);
    lblDatos->setFont(negrita);
    lblesp->setFont(negrita);
    Label1 = Etiqueta("Label1", QString::fromUtf8("Datos de la Sección:"), centro);
    Label1->setFont(negrita);
    lblTipo = Etiqueta("lblTipo", "Tipo de Viga:", centro);
    lblB = Etiqueta("lblB", "b:", centro);
    lblH = Etiqueta("lblH", "h:", centro);
    lblbw = Etiqueta("lblbw", "bw:", centro);
    lblhw = Etiqueta("lblhw", "hw:", centro);

    frmRespuestas = new QGroupBox("Resultados :", centro);
    frmRespuestas->setObjectName("frmRespuestas");
    lblEstribos = Etiqueta("lblEstribos", "Estribos:", frmRespuestas);
    txtEstribos = Campo("txtEstribos", "", QString::fromUtf8("Espaciamiento máximo de estribos"),
                        frmRespuestas);
    txtEstribos->setReadOnly(true);
    lblcms = Etiqueta("lblcms", "cm", frmRespuestas);
    grdAcero = CrearRejilla("grdAcero", 3, 3, 1, 1, frmRespuestas);
    grdAcero->setToolTip("Acero de Refuerzo");
    EscribirCelda(grdAcero, 0, 0, QString::fromUtf8("Acero (cm ²)"));
    EscribirCelda(grdAcero, 0, 1, QString::fromUtf8("Sección M(+)"));
    EscribirCelda(grdAcero, 0, 2, QString::fromUtf8("Sección M(-)"));
    EscribirCelda(grdAcero, 1, 0, QString::fromUtf8("Tracción"));
    EscribirCelda(grdAcero, 2, 0, QString::fromUtf8("Compresión"));
    AjustarRejilla(grdAcero);
    grdAcero->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdAcero->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdAcero->setFixedHeight(3 * grdAcero->rowHeight(0) + 2 * grdAcero->frameWidth());
    grdAcero->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAcero->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cmdVarillas = Orden("cmdVarillas", "Posibles Varillas a Utilizar", "", frmRespuestas);
    lblAlternancia = Etiqueta("lblAlternancia", "", frmRespuestas);
    lblAlternancia->setWordWrap(true);
    // Red, and grey like the other results while they are out of date.
    lblAlternancia->setStyleSheet("QLabel { color: #a00000; } QLabel:disabled { color: #9a9a9a; }");
    lblAlternancia->setToolTip(
        QString::fromUtf8("Una disposición de la carga viva da un valor mayor que el de diseño"));
    lblDesactualizado =
        Etiqueta("lblDesactualizado",
                 QString::fromUtf8("Resultados desactualizados: los datos cambiaron "
                                   "después del último cálculo. Presione "
                                   "«Realizar Cálculos»."),
                 frmRespuestas);
    lblDesactualizado->setWordWrap(true);
    lblDesactualizado->setStyleSheet("color: #b35900; font-weight: bold");
    lblDesactualizado->setVisible(false);

    frDiagrama = new QGroupBox("Diagramas:", centro);
    frDiagrama->setObjectName("frDiagrama");
    frDiagrama->setToolTip(QString::fromUtf8("Selección de Diagramas"));
    optMomCor = new QRadioButton("Momento y Cortante", frDiagrama);
    optMomCor->setObjectName("optMomCor");
    optGirDef = new QRadioButton("Giros y Deformaciones", frDiagrama);
    optGirDef->setObjectName("optGirDef");

    lbl1 = Etiqueta("lbl1", kEscala, centro);
    lbl2 = Etiqueta("lbl2", kEscala, centro);
    CrearNorma();
    lbl1->setFont(negrita);
    lbl2->setFont(negrita);
    auto caja = [&](const char* nombre) {
        auto* l = new Lienzo(diagrama::kAnchoCaja, diagrama::kAltoCaja, centro);
        l->setObjectName(nombre);
        l->setToolTip("Dibujo a Escala de Diagramas");
        // Its labels, disabled while the results are out of date, stay
        // legible on the grey veil.
        QPalette paleta = l->palette();
        paleta.setColor(QPalette::Disabled, QPalette::WindowText, QColor(100, 100, 100));
        l->setPalette(paleta);
        return l;
    };
    pct1 = caja("pct1");
    pct2 = caja("pct2");

    // Labels inside the boxes, twips of the box. Titles at the left, values
    // from 480 (the baseline start), the (+) side above the axis, (-) below;
    // the moment box's signs follow the diagram chosen (ColocarSignos).
    auto dentro = [](Lienzo* l, const char* nombre, const QString& texto, double x, double y) {
        QLabel* e = Etiqueta(nombre, texto, l);
        l->Colocar(e, x, y);
        return e;
    };
    const double arriba = 40, abajo = 2260;
    const double eje = diagrama::kLineaY;
    lblPos = dentro(pct1, "lblPos", "(+)", 4760, eje - 340);
    lblNeg = dentro(pct1, "lblNeg", "(-)", 4760, eje + 120);
    lblQmaxp = dentro(pct1, "lblQmaxp", "Qmax:", 40, arriba);
    lblQp = dentro(pct1, "lblQp", "", 480, arriba);
    lblQmaxn = dentro(pct1, "lblQmaxn", "Qmax:", 40, abajo);
    lblQn = dentro(pct1, "lblQn", "", 480, abajo);
    lblPos2 = dentro(pct2, "lblPos2", "(+)", 4760, eje - 340);
    lblNeg2 = dentro(pct2, "lblNeg2", "(-)", 4760, eje + 120);
    lblMmaxn = dentro(pct2, "lblMmaxn", "Mmax:", 40, arriba);
    lblMn = dentro(pct2, "lblMn", "", 480, arriba);
    lblMmaxp = dentro(pct2, "lblMmaxp", "Mmax:", 40, abajo);
    lblMp = dentro(pct2, "lblMp", "", 480, abajo);

    PBar = new QProgressBar(centro);
    PBar->setObjectName("PBar");
    PBar->setRange(0, 100);
    PBar->setValue(0);
    cmdReiniciar2 = Orden("cmdReiniciar2", "Reiniciar", "Reinicia la entrada de datos", centro);
    cmdCalculos = Orden("cmdCalculos", QString::fromUtf8("Realizar Cálculos"),
                        QString::fromUtf8("Realiza los Cálculos"), centro);

    statusBar()->setObjectName("Estado");
}

void frmGeneral::CrearMenus() {
    auto accion = [this](QMenu* m, const char* nombre, const QString& texto) {
        QAction* a = m->addAction(texto);
        a->setObjectName(nombre);
        return a;
    };
    mnuArchivo = menuBar()->addMenu("&Archivo");
    mnuArchivo->setObjectName("mnuArchivo");
    mnuArchivoAbrir = accion(mnuArchivo, "mnuArchivoAbrir", "A&brir");
    mnuArchivoNuevo = accion(mnuArchivo, "mnuArchivoNuevo", "N&uevo");
    mnuArchivoSalvarcomo = accion(mnuArchivo, "mnuArchivoSalvarcomo", "Guardar");
    mnuArchivoImprimir = accion(mnuArchivo, "mnuArchivoImprimir", "Imprimir");
    mnuArchivoMemoria =
        accion(mnuArchivo, "mnuArchivoMemoria", QString::fromUtf8("Memoria de cálculo…"));
    mnuArchivoMemoria->setToolTip(
        QString::fromUtf8("Escribe en un PDF todos los pasos del análisis y del diseño"));
    mnuArchivoMemoria->setStatusTip(mnuArchivoMemoria->toolTip());
    mnuArchivoRaya = mnuArchivo->addSeparator();
    mnuArchivoRaya->setObjectName("mnuArchivoRaya");
    for (int n = 1; n <= kRecientes; ++n) {
        QAction* a = accion(mnuArchivo, "", "");
        a->setObjectName(QString("mnuArchivoReciente%1").arg(n));
        mnuArchivoReciente[static_cast<std::size_t>(n - 1)] = a;
    }
    mnuArchivoRaya2 = mnuArchivo->addSeparator();
    mnuArchivoRaya2->setObjectName("mnuArchivoRaya2");
    mnuArchivoSalir = accion(mnuArchivo, "mnuArchivoSalir", "Sali&r");

    CrearEdicion();

    mnuUtilidades = menuBar()->addMenu("Ut&ilidades");
    mnuUtilidades->setObjectName("mnuUtilidades");
    mnuUtilidadesArea = accion(mnuUtilidades, "mnuUtilidadesArea", "Area y Cg");

    mnuAyuda = menuBar()->addMenu("A&yuda");
    mnuAyuda->setObjectName("mnuAyuda");
    mnuAyudaIndice = accion(mnuAyuda, "mnuAyudaIndice", "Instrucciones");
    mnuAyudaGuia = accion(mnuAyuda, "mnuAyudaGuia", QString::fromUtf8("Guía Rápida"));
    mnuAyudaRaya = mnuAyuda->addSeparator();
    mnuAyudaRaya->setObjectName("mnuAyudaRaya");
    mnuAyudaAbout = accion(mnuAyuda, "mnuAyudaAbout", QString::fromUtf8("Información"));
}

void frmGeneral::CrearBarra() {
    Barrah = addToolBar("Barrah");
    Barrah->setObjectName("Barrah");
    Barrah->setMovable(false);
    Barrah->setIconSize(QSize(32, 32));
    const std::pair<const char*, const char*> botones[] = {{"Nuevo", "Nuevo Archivo"},
                                                           {"Abrir", "Abrir Archivo"},
                                                           {"Salvar", "Guardar Archivo"},
                                                           {"Imprimir", "Imprimir Resultados"},
                                                           {"Cargas", "Insertar Cargas"},
                                                           {"Secciones", "Definir Sección"},
                                                           {"Ayuda", "Ayuda"}};
    for (const auto& [clave, ayuda] : botones) {
        const QString k = clave;
        QAction* a = Barrah->addAction(Icono(k), k);
        a->setObjectName(k);
        a->setToolTip(QString::fromUtf8(ayuda));
        Barrah->widgetForAction(a)->setObjectName(k);
        connect(a, &QAction::triggered, this, [this, k] { Barrah_ButtonClick(k); });
    }
}

void frmGeneral::Disponer() {
    QWidget* centro = centralWidget();

    // Left column: data, section, results, diagram choice.
    auto* datos = new QGridLayout;
    datos->addWidget(lblDatos, 0, 0, 1, 3);
    datos->addWidget(lblesp, 1, 0, 1, 3);
    datos->addWidget(lblFc, 2, 0);
    datos->addWidget(txtFc, 2, 1);
    datos->addWidget(lblUnd, 2, 2);
    datos->addWidget(lblFy, 3, 0);
    datos->addWidget(cboFy, 3, 1);
    datos->addWidget(lblUnd2, 3, 2);
    datos->addWidget(lblRec, 4, 0);
    datos->addWidget(txtRec, 4, 1);
    datos->addWidget(lblRecu, 4, 2);
    CrearRecubrimientoLibre(datos, 5);
    datos->addWidget(cmdUsos, 6, 0, 1, 3);
    datos->addWidget(chkAlternancia, 7, 0, 1, 3);
    datos->addWidget(lblNormaDiseno, 8, 0);
    datos->addWidget(cboNorma, 8, 1, 1, 2);
    datos->addWidget(lblVivaSostenida, 9, 0);
    datos->addWidget(txtVivaSostenida, 9, 1, 1, 2);
    datos->addWidget(lblDiamEstribo, 10, 0);
    datos->addWidget(cboEstribo, 10, 1, 1, 2);
    datos->addWidget(Label1, 11, 0, 1, 3);
    datos->addWidget(lblTipo, 12, 0, 1, 3);
    datos->addWidget(lblB, 13, 0, 1, 2);
    datos->addWidget(lblbw, 13, 2);
    datos->addWidget(lblH, 14, 0, 1, 2);
    datos->addWidget(lblhw, 14, 2);
    datos->setColumnStretch(1, 1);

    auto* res = new QGridLayout(frmRespuestas);
    res->addWidget(lblEstribos, 0, 0);
    res->addWidget(txtEstribos, 0, 1);
    res->addWidget(lblcms, 0, 2);
    res->addWidget(grdAcero, 1, 0, 1, 3);
    res->addWidget(cmdVarillas, 2, 0, 1, 3);
    res->addWidget(lblAlternancia, 3, 0, 1, 3);
    res->addWidget(lblDesactualizado, 4, 0, 1, 3);
    res->addWidget(lblNorma, 5, 0, 1, 3);
    res->setColumnStretch(1, 1);

    auto* dia = new QVBoxLayout(frDiagrama);
    dia->addWidget(optMomCor);
    dia->addWidget(optGirDef);

    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(datos);
    izquierda->addWidget(frmRespuestas);
    izquierda->addWidget(frDiagrama);
    izquierda->addStretch(1);

    // Right column: the two diagrams, which take the growth of the window.
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(lbl1);
    derecha->addWidget(pct1, 1);
    derecha->addWidget(lbl2);
    derecha->addWidget(pct2, 1);

    auto* arriba = new QHBoxLayout;
    auto* panel = new QWidget(centro);
    panel->setObjectName("panelDatos");
    panel->setLayout(izquierda);
    panel->setFixedWidth(360);
    arriba->addWidget(panel);
    arriba->addLayout(derecha, 1);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(PBar, 1);
    abajo->addWidget(cmdReiniciar2);
    abajo->addWidget(cmdCalculos);

    auto* todo = new QVBoxLayout(centro);
    todo->addLayout(arriba, 1);
    todo->addLayout(abajo);
    resize(960, 700);
}

void frmGeneral::Conectar() {
    AlPerderFoco(txtFc, [this] { txtFc_LostFocus(); });
    AlPerderFoco(txtRec, [this] { txtRec_LostFocus(); });
    Materiales& m = documento_.proyecto().materiales;
    connect(txtFc, &QLineEdit::textChanged, this,
            [&m](const QString& t) { m.txtFc = t.toStdString(); });
    connect(txtRec, &QLineEdit::textChanged, this, [this, &m](const QString& t) {
        m.txtRec = t.toStdString();
        txtRec_Change();
    });
    connect(cboFy, &QComboBox::currentTextChanged, this,
            [&m](const QString& t) { m.cboFy = t.toStdString(); });
    connect(cboFy, &QComboBox::activated, this, [this](int) { cboFy_Click(); });
    connect(chkAlternancia, &QCheckBox::toggled, this, &frmGeneral::chkAlternancia_Click);
    connect(cmdCalculos, &QPushButton::clicked, this, &frmGeneral::cmdCalculos_Click);
    connect(optMomCor, &QRadioButton::clicked, this, &frmGeneral::optMomCor_Click);
    connect(optMomCor, &QRadioButton::toggled, this, &frmGeneral::ColocarSignos);
    connect(optGirDef, &QRadioButton::clicked, this, &frmGeneral::optGirDef_Click);
    connect(cmdUsos, &QPushButton::clicked, this, &frmGeneral::cmdUsos_Click);
    connect(cmdVarillas, &QPushButton::clicked, this, &frmGeneral::cmdVarillas_Click);
    connect(cmdReiniciar2, &QPushButton::clicked, this, &frmGeneral::cmdReiniciar2_Click);

    connect(mnuArchivoAbrir, &QAction::triggered, this, &frmGeneral::mnuArchivoAbrir_Click);
    connect(mnuArchivoNuevo, &QAction::triggered, this, &frmGeneral::mnuArchivoNuevo_Click);
    connect(mnuArchivoSalvarcomo, &QAction::triggered, this,
            &frmGeneral::mnuArchivoSalvarcomo_Click);
    connect(mnuArchivoImprimir, &QAction::triggered, this, [this] { MostrarInforme(documento_); });
    // The report is available exactly when printing is, and so is the output
    // of an open preview.
    connect(mnuArchivoImprimir, &QAction::enabledChanged, mnuArchivoMemoria, &QAction::setEnabled);
    connect(mnuArchivoImprimir, &QAction::enabledChanged, this, [](bool si) {
        if (frmpreview* v = Registro::Instancia().SiExiste<frmpreview>()) v->PermitirSalida(si);
    });
    connect(mnuArchivoMemoria, &QAction::triggered, this, &frmGeneral::mnuArchivoMemoria_Click);
    for (int n = 1; n <= kRecientes; ++n) {
        connect(mnuArchivoReciente[static_cast<std::size_t>(n - 1)], &QAction::triggered, this,
                [this, n] { mnuArchivoReciente_Click(n); });
    }
    connect(mnuArchivo, &QMenu::aboutToShow, this, &frmGeneral::ActualizarRecientes);
    connect(mnuArchivoSalir, &QAction::triggered, this, &QWidget::close);
    connect(mnuUtilidadesArea, &QAction::triggered, this, [] { MostrarPoligono(); });
    connect(mnuAyudaIndice, &QAction::triggered, this, [] { MostrarAyuda(1); });
    connect(mnuAyudaGuia, &QAction::triggered, this, [] { MostrarAyuda(2); });
    connect(mnuAyudaAbout, &QAction::triggered, this, [] { MostrarAyuda(3); });

    for (Lienzo* caja : {pct1, pct2}) {
        connect(caja, &Lienzo::MovimientoTwips, this,
                [this, caja](double x, double y) { MostrarLectura(caja, x, y); });
        connect(caja, &Lienzo::Salida, this, [this] { statusBar()->clearMessage(); });
    }

    Avisos& avisos = Avisos::Instancia();
    connect(&avisos, &Avisos::SeccionAceptada, this, &frmGeneral::SeccionAceptada);
    connect(&avisos, &Avisos::SeccionDescartada, this, &frmGeneral::SeccionDescartada);
    connect(&avisos, &Avisos::CargasAceptadas, this, &frmGeneral::CargasAceptadas);
    connect(&avisos, &Avisos::CargasVaciadas, this, &frmGeneral::CargasVaciadas);
}

// ---- Toolbar --------------------------------------------------------------

QAction* frmGeneral::Boton(const QString& clave) const {
    if (clave.isEmpty()) return nullptr;
    for (QAction* a : Barrah->actions()) {
        if (a->objectName() == clave) return a;
    }
    return nullptr;
}

void frmGeneral::Barrah_ButtonClick(const QString& clave) {
    if (clave == "Nuevo") {
        mnuArchivoNuevo_Click();
    } else if (clave == "Abrir") {
        mnuArchivoAbrir->trigger();
    } else if (clave == "Salvar") {
        mnuArchivoSalvarcomo->trigger();
    } else if (clave == "Imprimir") {
        MostrarInforme(documento_);
    } else if (clave == "Cargas") {
        MostrarModal(Ventana<frmCargas>());
    } else if (clave == "Secciones") {
        Ventana<frmSecciones>()->exec();
    } else if (clave == "Ayuda") {
        MostrarAyuda(1);
    }
}

// ---- Other commands -------------------------------------------------------

void frmGeneral::cmdUsos_Click() {
    Ventana<frmUsos>()->exec();
}

void frmGeneral::cmdVarillas_Click() {
    frmVarillas* v = Ventana<frmVarillas>();
    v->show();
    v->raise();
    v->TablaVarillas();
}

}  // namespace korvex::ui
