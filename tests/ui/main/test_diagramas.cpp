// The plot of the two diagram boxes: hatch to scale (the largest value 937
// twips from the axis, sagging moments below it, hogging above), the
// rotation/deflection pair, zero diagrams and L = 0, the read-out under the
// mouse and the pixels that reach the screen. With KORVEX_CAPTURAS set to a
// folder the grabs are saved there as PNG.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <cmath>

#include "comun/Ayudas.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using namespace pruebas;

const QColor kSuperior(128, 128, 0);  // &H8080
const QColor kInferior(0, 128, 0);    // &H8000
constexpr double kY1 = diagrama::kLineaY;
constexpr double kX1 = diagrama::kLineaX1;
constexpr double kW = diagrama::kLineaX2 - diagrama::kLineaX1;

// The ordinates of the free ends of one colour's lines (hatch lines start on
// the axis) or of its polyline, relative to the axis, upwards positive.
std::vector<double> Alturas(const Lienzo* l, const QColor& c) {
    std::vector<double> h;
    for (const auto& p : l->Primitivas()) {
        if (p.color != c) continue;
        if (p.tipo == Lienzo::Primitiva::Linea) h.push_back(kY1 - p.puntos[1].y());
        if (p.tipo == Lienzo::Primitiva::Polilinea) {
            for (const QPointF& q : p.puntos) h.push_back(kY1 - q.y());
        }
    }
    return h;
}

double Mayor(const std::vector<double>& v) {
    double m = 0;
    for (double x : v) m = std::max(m, std::abs(x));
    return m;
}

class Diagramas : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
    }
    // A rectangular 25 x 60 section, f'c 210, fy 2800, cover 4, calculated.
    void Calcular(float L, std::initializer_list<Carga> cargas, float J = 0, float K = -1) {
        Proyecto& p = ProyectoActual();
        PonerSeccion(p, kVigaRect, "25", "60");
        PonerViga(p.estado, L, cargas, J, K);
        g->cmdCalculos_Click();
        ASSERT_TRUE(g->optMomCor->isEnabled()) << "the calculation ran";
    }
    frmGeneral* g = nullptr;
};

TEST_F(Diagramas, VanoSimpleYVoladizoAEscalaConSusSignos) {
    // A uniform load on 6 m: one hatch line per centimetre, the moment wholly
    // below the axis with its largest value 937 twips from it; the shear
    // above the axis at the left support and below at the right one.
    Calcular(6, {Uniforme(0, 6, 2, kMuerta, 6)});
    const std::vector<double> m = Alturas(g->pct2, kInferior);
    ASSERT_GE(m.size(), 600u);
    ASSERT_LE(m.size(), 602u);
    for (double h : m) EXPECT_LE(h, 1e-9);
    EXPECT_NEAR(Mayor(m), 937, 0.01);
    const std::vector<double> q = Alturas(g->pct1, kSuperior);
    EXPECT_GT(q[5], 0);
    EXPECT_LT(q[595], 0);
    EXPECT_NEAR(Mayor(q), 937, 0.01);
    EXPECT_EQ(g->lblMn->text(), "0.00");  // no hogging moment
    // The read-out at mid-span holds the largest moment, beyond the beam nothing.
    EXPECT_EQ(g->Lectura(g->pct2, kX1 + kW / 2), "x = 3.00 m   M = " + g->lblMp->text() + " Tn.m");
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 - 300).isEmpty());
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 + kW + 300).isEmpty());

    // A point load at the free end of a cantilever: hogging over the support above the axis.
    Calcular(6, {Puntual(6, 3, kOtros, 6)}, 0, 4);
    EXPECT_GT(Alturas(g->pct2, kInferior)[400], 0);
    EXPECT_TRUE(g->lblMn->text().startsWith("-"));
}

TEST_F(Diagramas, GirosYDeflexionesYVueltaAMomentos) {
    Calcular(6, {Uniforme(0, 6, 2, kMuerta, 6)});
    g->optGirDef->click();
    EXPECT_EQ(g->lbl1->text(), "Diagrama de Giros");
    EXPECT_EQ(g->lbl2->text(), "Diagrama de Deflexiones (Mts)");
    for (QLabel* l : {g->lblQmaxp, g->lblQp, g->lblQmaxn, g->lblQn}) EXPECT_TRUE(l->isHidden());
    EXPECT_EQ(g->lblMmaxn->text(), QString::fromUtf8("Deflexión máxima:"));
    // The rotation antisymmetric, the deflection line from the left end of
    // the axis down to 937 and back near it at the right support.
    const std::vector<double> r = Alturas(g->pct1, kSuperior);
    EXPECT_NEAR(Mayor(r), 937, 0.01);
    EXPECT_NEAR(r.front(), -r.back(), 1.0);
    const std::vector<double> f = Alturas(g->pct2, kInferior);
    ASSERT_EQ(f.size(), r.size() + 1) << "one point per pass and the start of the axis";
    EXPECT_EQ(f.front(), 0);
    EXPECT_NEAR(Mayor(f), 937, 0.01);
    EXPECT_NEAR(f.back(), 0, 6.0);
    // At the largest deflection the read-out holds the "Deflexión máxima" value.
    const double x = ProyectoActual().estado.Posiciones.FlechaMax;
    EXPECT_TRUE(g->Lectura(g->pct2, kX1 + x / 6 * kW).endsWith(g->lblMn->text() + " m"));

    g->optMomCor->click();
    for (QLabel* l : {g->lblQmaxp, g->lblQp, g->lblQmaxn, g->lblQn}) EXPECT_FALSE(l->isHidden());
    EXPECT_EQ(g->lblMmaxn->text(), "Mmax:");
    EXPECT_EQ(g->lbl2->text(), "Diagrama de Momento (Tn.m)");
}

TEST_F(Diagramas, DiagramaNuloSobreElEjeYLuzCeroNoDibuja) {
    // A sampled state whose shear is zero everywhere: the divisor is 1 and
    // every hatch line has zero length.
    EstadoProyecto& e = ProyectoActual().estado;
    e.LuzViga = 1;
    e.NumEstaciones = 101;
    e.DiagCortante.assign(102, 0.0f);
    e.DiagMomento.assign(102, -1.0f);
    e.DiagX.assign(102, 0.0f);
    e.MomentoMaxAbs = e.MomentoPosMax = 1;
    g->DibujarDiagramas();
    const std::vector<double> q = Alturas(g->pct1, kSuperior);
    ASSERT_GE(q.size(), 100u);
    EXPECT_EQ(Mayor(q), 0);
    // L = 0: nothing drawn, no label changed.
    g->LimpiarDiagramas();
    g->lblQp->setText("antes");
    e.LuzViga = 0;
    g->DibujarDiagramas();
    EXPECT_TRUE(g->pct1->Primitivas().empty() && g->pct2->Primitivas().empty());
    EXPECT_EQ(g->lblQp->text(), "antes");
}

// Pixels of colour c in the box as it shows on the screen.
int Pixeles(QWidget* w, const QColor& c) {
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    }
    return n;
}

void Guardar(QWidget* w, const char* nombre) {
    const QString dir = qEnvironmentVariable("KORVEX_CAPTURAS");
    if (!dir.isEmpty()) w->grab().save(QDir(dir).filePath(nombre));
}

TEST_F(Diagramas, EnPantallaYQueCrecenConLaVentana) {
    g->resize(1000, 720);
    g->show();
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    ProcesarEventos();
    Guardar(g, "frmGeneral_momentos.png");
    EXPECT_GT(Pixeles(g->pct1, kSuperior), 1000) << "hatch of the shear diagram";
    EXPECT_GT(Pixeles(g->pct2, kInferior), 1000) << "hatch of the moment diagram";
    const QSize antes = g->pct1->size();
    g->resize(1400, 960);
    ProcesarEventos();
    EXPECT_GT(g->pct1->width(), antes.width());
    EXPECT_GT(g->pct1->height(), antes.height());
    g->optGirDef->click();
    ProcesarEventos();
    Guardar(g, "frmGeneral_giros.png");
    EXPECT_GT(Pixeles(g->pct2, kInferior), 50) << "deflection line";
}

}  // namespace
}  // namespace korvex::ui
