#include "ui/despiece/frmDespiece.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "design/Armado.h"
#include "project/DatosProyecto.h"
#include "project/DibujoDespiece.h"
#include "project/Dxf.h"
#include "text/Numeros.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Rejilla.h"
#include "ui/common/RutaPropuesta.h"
#include "ui/despiece/VistaDibujo.h"

namespace korvex::ui {

namespace {

const char* const kColumnas[] = {"Marca", "Cara",      "Función",   "Cantidad",    "Diámetro",
                                 "Forma", "Desde (m)", "Hasta (m)", "Longitud (m)"};
constexpr int kNumColumnas = 9;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Metros(float v) {
    return Q(texto::Formato(v, "###,##0.00"));
}

QString Cm(float v) {
    return Q(texto::FormatoDecimales(v, 0, 1));
}

QString Diametro(int fila) {
    if (fila < 0 || fila >= static_cast<int>(kNombreVarilla.size())) return {};
    return QString::fromUtf8(kNombreVarilla[static_cast<std::size_t>(fila)]) + "\"";
}

QString Funcion(FuncionBarra f) {
    switch (f) {
        case FuncionBarra::Corrida:
            return "Corrida";
        case FuncionBarra::Corte:
            return "Corte";
        case FuncionBarra::Compresion:
            return QString::fromUtf8("Compresión");
        case FuncionBarra::Portaestribos:
            return "Portaestribos";
    }
    return {};
}

// A straight bar, or the 90 degree hooks at its ends with their legs.
QString Forma(const BarraDespiece& b) {
    const bool izq = b.ganchoDesde > 0, der = b.ganchoHasta > 0;
    if (izq && der) {
        return QString::fromUtf8("Ganchos 90° de %1 y %2 cm")
            .arg(Cm(b.ganchoDesde), Cm(b.ganchoHasta));
    }
    if (izq) return QString::fromUtf8("Gancho 90° izq. de %1 cm").arg(Cm(b.ganchoDesde));
    if (der) return QString::fromUtf8("Gancho 90° der. de %1 cm").arg(Cm(b.ganchoHasta));
    return "Recta";
}

}  // namespace

frmDespiece::frmDespiece(Documento& documento, QWidget* padre)
    : QWidget(padre, Qt::Window), documento_(documento) {
    setObjectName("frmDespiece");
    setWindowTitle("Despiece");

    picDespiece = new VistaDibujo(this);
    picDespiece->setObjectName("picDespiece");
    picDespiece->setToolTip(QString::fromUtf8(
        "Elevación de la viga con sus barras, cortes y zonas de estribos, y las secciones en "
        "los momentos máximos positivo y negativo, a escala"));

    grdDespiece = CrearRejilla("grdDespiece", 1, kNumColumnas, 1, 0, this);
    for (int c = 0; c < kNumColumnas; ++c) {
        EscribirCelda(grdDespiece, 0, c, QString::fromUtf8(kColumnas[c]));
    }
    grdDespiece->setToolTip(QString::fromUtf8(
        "Planilla de barras: cada marca con su cara, función, cantidad, diámetro, forma, "
        "abscisas de inicio y fin y longitud desarrollada de una barra; al final los estribos"));
    AjustarRejilla(grdDespiece);
    grdDespiece->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdDespiece->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);  // Forma

    lblAvisos = new QLabel(this);
    lblAvisos->setObjectName("lblAvisos");
    lblAvisos->setWordWrap(true);
    lblAvisos->setStyleSheet("QLabel { color: #a00000; }");
    lblAvisos->setVisible(false);

    lblEstado = new QLabel(this);
    lblEstado->setObjectName("lblEstado");
    lblEstado->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdExportarDxf = new QPushButton(QString::fromUtf8("Exportar DXF…"), this);
    cmdExportarDxf->setObjectName("cmdExportarDxf");
    cmdExportarDxf->setToolTip(QString::fromUtf8(
        "Guarda el dibujo del despiece como archivo DXF (en centímetros, una capa por tipo "
        "de línea) para abrirlo en cualquier programa de CAD"));
    cmdCerrar = new QPushButton("Cerrar", this);
    cmdCerrar->setObjectName("cmdCerrar");
    cmdCerrar->setToolTip("Cierra la ventana del despiece");

    auto* botones = new QHBoxLayout;
    botones->addWidget(lblEstado, 1);
    botones->addWidget(cmdExportarDxf);
    botones->addWidget(cmdCerrar);
    auto* l = new QVBoxLayout(this);
    l->addWidget(picDespiece, 3);
    l->addWidget(grdDespiece, 2);
    l->addWidget(lblAvisos);
    l->addLayout(botones);
    resize(960, 640);

    connect(cmdExportarDxf, &QPushButton::clicked, this, &frmDespiece::cmdExportarDxf_Click);
    connect(cmdCerrar, &QPushButton::clicked, this, &frmDespiece::cmdCerrar_Click);
    MostrarDespiece();
}

void frmDespiece::MostrarDespiece() {
    const ResultadoCalculo& r = documento_.resultado();
    const DespieceViga& d = r.Despiece;
    hayDespiece_ = !d.barras.empty() && !r.disenoFallido;
    picDespiece->FijarDibujo(hayDespiece_ ? DibujoDespiece(DatosVigaDe(documento_.proyecto()), r, r)
                                          : Dibujo{});

    const int barras = hayDespiece_ ? static_cast<int>(d.barras.size()) : 0;
    const int estribos = hayDespiece_ ? static_cast<int>(d.estribos.size()) : 0;
    FijarFilas(grdDespiece, 1 + barras + estribos);
    int fila = 1;
    for (int i = 0; i < barras; ++i, ++fila) {
        const BarraDespiece& b = d.barras[static_cast<std::size_t>(i)];
        const QString celdas[kNumColumnas] = {
            QString::number(b.marca), b.inferior ? "Inferior" : "Superior",
            Funcion(b.funcion),       QString::number(b.cantidad),
            Diametro(b.diametro),     Forma(b),
            Metros(b.desde),          Metros(b.hasta),
            Metros(b.longitud)};
        for (int c = 0; c < kNumColumnas; ++c) EscribirCelda(grdDespiece, fila, c, celdas[c]);
    }
    // The stirrups run over the stirrup zones, from the first to the last.
    const auto& zonas = r.ZonasEstribos;
    for (int i = 0; i < estribos; ++i, ++fila) {
        const EstriboDespiece& e = d.estribos[static_cast<std::size_t>(i)];
        const QString forma = QString::fromUtf8("Cerrado %1 x %2 cm, ganchos 135° de %3 cm")
                                  .arg(Cm(e.ancho), Cm(e.alto), Cm(e.gancho));
        const QString celdas[kNumColumnas] = {
            QString::number(e.marca),
            QString(),
            "Estribo",
            QString::number(e.cantidad),
            Diametro(e.diametro),
            forma,
            zonas.empty() ? QString() : Metros(zonas.front().desde),
            zonas.empty() ? QString() : Metros(zonas.back().hasta),
            Metros(e.longitud)};
        for (int c = 0; c < kNumColumnas; ++c) EscribirCelda(grdDespiece, fila, c, celdas[c]);
    }
    AjustarRejilla(grdDespiece);

    QStringList avisos;
    if (hayDespiece_) {
        for (const std::string& a : d.avisos) avisos << Q(a);
    }
    lblAvisos->setText(avisos.join("\n"));
    lblAvisos->setVisible(!avisos.isEmpty());
    MarcarDesactualizado();
}

void frmDespiece::MarcarDesactualizado() {
    const bool vigente = hayDespiece_ && documento_.HayCalculados() && !documento_.Desactualizado();
    for (QWidget* w : std::initializer_list<QWidget*>{picDespiece, grdDespiece, lblAvisos}) {
        w->setEnabled(vigente);
    }
    cmdExportarDxf->setEnabled(vigente);
}

void frmDespiece::cmdExportarDxf_Click() {
    const QFileInfo propuesto(
        RutaPropuesta(QString::fromStdString(documento_.archivo()), CarpetaUsada(), "dxf"));
    QFileDialog dlg(this, "Exportar DXF", propuesto.absolutePath(), "DXF (*.dxf)");
    dlg.setObjectName("dlgDxf");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix("dxf");
    dlg.selectFile(propuesto.fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
    const QString ruta = dlg.selectedFiles().constFirst();

    const std::string error = EscribirDxf(ruta.toStdString(), picDespiece->dibujo());
    if (!error.empty()) {
        MostrarMensaje(error, "Exportar DXF", kEstiloCritico);
        lblEstado->clear();
        return;
    }
    RecordarCarpeta(ruta);
    lblEstado->setText("DXF guardado en " + QDir::toNativeSeparators(ruta));
}

void frmDespiece::cmdCerrar_Click() {
    close();
}

}  // namespace korvex::ui
