// The bar schedule window from a hand-made schedule: its grid row by row,
// the DXF export to the file chosen (and its refusal), and the main window's
// "Despiece" enabled only while current results carry a schedule.
#include <QTemporaryDir>

#include "comun/Ayudas.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/despiece/VistaDibujo.h"
#include "ui/despiece/frmDespiece.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

// A 6 m beam: two 3/4" bars end to end and one 1/2" cut bar at the bottom,
// two 3/8" stirrup holders with hooks at the top, and 3/8" stirrups over
// three zones.
ResultadoCalculo ConDespiece() {
    ResultadoCalculo r;
    r.calculado = true;
    BarraDespiece corrida{1, true, FuncionBarra::Corrida, 2, 1, 1, 0.04f, 5.96f, 0, 0, 5.92f};
    BarraDespiece corte{2, true, FuncionBarra::Corte, 1, 2, 1, 1.2f, 4.8f, 0, 25, 3.85f};
    BarraDespiece porta{3,  false, FuncionBarra::Portaestribos, 2, 3, 1, 0.04f, 5.96f, 15,
                        15, 6.22f};
    r.Despiece.barras = {corrida, corte, porta};
    r.Despiece.estribos = {{4, 31, 3, 17, 37, 7.5f, 1.23f}};
    r.ZonasEstribos = {{0, 1.5f, 10, 15}, {1.5f, 4.5f, 12, 25}, {4.5f, 6, 9, 15}};
    return r;
}

class Despiece : public Entorno {};

TEST_F(Despiece, LaPlanillaMuestraCadaMarcaYLuegoLosEstribos) {
    Documento doc;
    doc.FijarResultado(ConDespiece());
    doc.FijarCalculados(true);
    frmDespiece w(doc);
    const QStringList filas[] = {
        {"Marca", "Cara", QString::fromUtf8("Función"), "Cantidad", QString::fromUtf8("Diámetro"),
         "Forma", "Desde (m)", "Hasta (m)", "Longitud (m)"},
        {"1", "Inferior", "Corrida", "2", "3/4\"", "Recta", "0.04", "5.96", "5.92"},
        {"2", "Inferior", "Corte", "1", "1/2\"", QString::fromUtf8("Gancho 90° der. de 25 cm"),
         "1.20", "4.80", "3.85"},
        {"3", "Superior", "Portaestribos", "2", "3/8\"",
         QString::fromUtf8("Ganchos 90° de 15 y 15 cm"), "0.04", "5.96", "6.22"},
        {"4", "", "Estribo", "31", "3/8\"",
         QString::fromUtf8("Cerrado 17 x 37 cm, ganchos 135° de 7.5 cm"), "0.00", "6.00", "1.23"},
    };
    ASSERT_EQ(w.grdDespiece->rowCount(), 5);
    ASSERT_EQ(w.grdDespiece->columnCount(), 9);
    for (int f = 0; f < 5; ++f) {
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Celda(w.grdDespiece, f, c), filas[f][c]) << f << "," << c;
    }
    EXPECT_TRUE(w.cmdExportarDxf->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Despiece");

    // A design that failed has no schedule to show or export.
    ResultadoCalculo fallido = ConDespiece();
    fallido.disenoFallido = true;
    doc.FijarResultado(fallido);
    w.MostrarDespiece();
    EXPECT_EQ(w.grdDespiece->rowCount(), 1);
    EXPECT_FALSE(w.cmdExportarDxf->isEnabled());
}

TEST_F(Despiece, ExportaElDxfAlArchivoElegidoOAvisaPorQueNo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Documento doc;
    doc.FijarArchivo(dir.filePath("portico.kvx").toStdString());
    doc.FijarResultado(ConDespiece());
    doc.FijarCalculados(true);
    frmDespiece w(doc);
    w.show();
    Robot robot;
    QString propuesto, destino = dir.filePath("planos.dxf");
    robot.Responder("QFileDialog", [&](QWidget* v) {
        auto* d = static_cast<QFileDialog*>(v);
        propuesto = d->selectedFiles().value(0);
        if (QWidget* f = d->focusWidget()) f->clearFocus();
        d->selectFile(destino);
        QMetaObject::invokeMethod(d, "accept");
    });
    QTest::mouseClick(w.cmdExportarDxf, Qt::LeftButton);
    EXPECT_EQ(propuesto, dir.filePath("portico.dxf"));  // the project's name, .dxf
    QFile f(destino);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dxf = f.readAll();
    EXPECT_TRUE(dxf.contains("SECTION") && dxf.trimmed().endsWith("EOF"));
    EXPECT_EQ(w.lblEstado->text(), "DXF guardado en " + QDir::toNativeSeparators(destino));
    EXPECT_TRUE(Mensajes::Registrados().empty());

    // Nothing may be made in /proc: a critical message, no confirmation.
    destino = "/proc/planos.dxf";
    QTest::mouseClick(w.cmdExportarDxf, Qt::LeftButton);
    ASSERT_EQ(Mensajes::Registrados().size(), 1u);
    EXPECT_EQ(UltimoMensaje().titulo, "Exportar DXF");
    EXPECT_EQ(UltimoMensaje().estilo, kEstiloCritico);
    EXPECT_TRUE(w.lblEstado->text().isEmpty());
}

TEST_F(Despiece, ElBotonSoloConResultadosVigentesConDespiece) {
    frmGeneral* g = Activa<frmGeneral>();
    ASSERT_NE(g, nullptr);
    QPushButton* boton = Hijo<QPushButton>(g, "cmdDespiece");
    EXPECT_EQ(boton->text(), "Despiece");
    EXPECT_FALSE(boton->isEnabled());  // no calculation yet
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    // The example's calculation with the schedule taken away or made by hand.
    const ResultadoCalculo calculado = g->documento().resultado();
    auto mostrar = [g, &calculado](bool conDespiece) {
        ResultadoCalculo r = calculado;
        r.Despiece = {};
        if (conDespiece) {
            r.Despiece = ConDespiece().Despiece;
            const auto n = static_cast<std::size_t>(r.NumEstaciones) + 1;
            r.Despiece.capacidad = {{true, std::vector<float>(n, 12)},
                                    {false, std::vector<float>(n, 5)}};
        }
        g->documento().FijarResultado(std::move(r));
        g->documento().FijarCalculados(true);
        g->MarcarDesactualizado();
    };
    // The phi Mn curves and their labels drawn over the moment only with
    // a schedule.
    auto etiquetas = [g] {
        g->optMomCor_Click();
        int n = 0;
        for (const Lienzo::Primitiva& p : g->pct2->Primitivas()) {
            n += p.tipo == Lienzo::Primitiva::Texto && p.texto == QString::fromUtf8("φMn");
        }
        return n;
    };
    mostrar(false);
    EXPECT_FALSE(boton->isEnabled());
    EXPECT_EQ(etiquetas(), 0);
    const double centro = (diagrama::kLineaX1 + diagrama::kLineaX2) / 2;
    EXPECT_FALSE(g->Lectura(g->pct2, centro).contains(QString::fromUtf8("φMn")));

    mostrar(true);
    ASSERT_TRUE(boton->isEnabled());
    EXPECT_EQ(etiquetas(), 2);
    // The read-out of the moment adds the strength of each face there.
    EXPECT_TRUE(g->Lectura(g->pct2, centro)
                    .endsWith(QString::fromUtf8("   φMn (+) = 12.00 Tn.m   φMn (-) = -5.00 Tn.m")))
        << g->Lectura(g->pct2, centro).toStdString();
    QTest::mouseClick(boton, Qt::LeftButton);
    auto* v = Registro::Instancia().SiExiste<frmDespiece>();
    ASSERT_TRUE(v != nullptr && v->isVisible());
    EXPECT_EQ(v->grdDespiece->rowCount(), 5);
    EXPECT_TRUE(v->cmdExportarDxf->isEnabled());

    // The data change: out of date until the next calculation, here and in
    // the open window.
    Teclear(g->txtFc, "280");
    EXPECT_FALSE(boton->isEnabled());
    EXPECT_FALSE(v->cmdExportarDxf->isEnabled());
    EXPECT_FALSE(v->grdDespiece->isEnabled());
    EXPECT_FALSE(v->picDespiece->isEnabled());
}

}  // namespace
}  // namespace korvex::ui
