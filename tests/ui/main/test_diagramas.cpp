// The plot of the two diagram boxes: hatch to scale with 937 twips for the
// largest value, signs (sagging moment below the axis, hogging above), zero
// diagrams on the axis, nothing for L = 0, the markers of the extremes, the
// rotation/deflection pair, the read-out under the mouse and the pixels that
// reach the screen. With KORVEX_CAPTURAS set to a folder the grabs are saved
// there as PNG.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "comun/Ayudas.h"
#include "text/Numeros.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {
namespace {

using pruebas::PonerViga;
using pruebas::Puntual;
using pruebas::Uniforme;

const QColor kSuperior(128, 128, 0);  // &H8080
const QColor kInferior(0, 128, 0);    // &H8000
constexpr double kY1 = diagrama::kLineaY;
constexpr double kX1 = diagrama::kLineaX1;
constexpr double kW = diagrama::kLineaX2 - diagrama::kLineaX1;

// The free ends of the hatch lines of one colour, each checked to be a
// vertical line starting on the axis.
std::vector<QPointF> Trazos(const Lienzo* l, const QColor& c) {
    std::vector<QPointF> t;
    for (const auto& p : l->Primitivas()) {
        if (p.tipo == Lienzo::Primitiva::Linea && p.color == c) {
            EXPECT_DOUBLE_EQ(p.puntos[0].y(), kY1);
            EXPECT_DOUBLE_EQ(p.puntos[0].x(), p.puntos[1].x());
            t.push_back(p.puntos[1]);
        }
    }
    return t;
}

double Mayor(const std::vector<QPointF>& v) {
    double m = 0;
    for (const QPointF& p : v) m = std::max(m, std::abs(p.y() - kY1));
    return m;
}

int Marcas(const Lienzo* l) {
    return static_cast<int>(
        std::count_if(l->Primitivas().begin(), l->Primitivas().end(),
                      [](const auto& p) { return p.tipo == Lienzo::Primitiva::Arco; }));
}

class Diagramas : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
    }
    // A rectangular 25 x 60 section, f'c 210, fy 2800, cover 4, calculated.
    void Calcular() {
        Proyecto& p = Registro::Instancia().proyecto();
        p.seccion.TipoViga = kVigaRect;
        p.seccion.txtB = "25";
        p.seccion.txtH = "60";
        Calculos_Geom(p.seccion, p.estado);
        g->cmdCalculos_Click();
        ASSERT_TRUE(g->optMomCor->isEnabled()) << "the calculation ran";
    }
    const EstadoProyecto& E() const { return Registro::Instancia().proyecto().estado; }
    frmGeneral* g = nullptr;
};

TEST_F(Diagramas, VanoSimpleConCargasHaciaAbajo) {
    PonerViga(6, {Puntual(2, 5, kMuerta, 6), Uniforme(0, 6, 1.5f, kViva, 6)});
    Calcular();
    // Moment: wholly below the axis, the largest 937 twips from it, one line
    // per centimetre across the baseline.
    const std::vector<QPointF> m = Trazos(g->pct2, kInferior);
    ASSERT_GE(m.size(), 600u);
    ASSERT_LE(m.size(), 602u);
    for (const QPointF& t : m) EXPECT_GE(t.y(), kY1 - 1e-9);
    EXPECT_NEAR(Mayor(m), 937, 0.01);
    EXPECT_DOUBLE_EQ(m.front().x(), kX1);
    EXPECT_NEAR(m.back().x(), kX1 + kW, 8.0);
    // Shear: above the axis near the left support, below near the right one.
    const std::vector<QPointF> q = Trazos(g->pct1, kSuperior);
    ASSERT_GE(q.size(), 600u);
    EXPECT_LT(q[5].y(), kY1);
    EXPECT_GT(q[595].y(), kY1);
    EXPECT_NEAR(Mayor(q), 937, 0.01);
    // No hogging moment: "0.00" and one marker.
    EXPECT_EQ(g->lblMn->text(), "0.00");
    EXPECT_EQ(Marcas(g->pct1), 2);
    EXPECT_EQ(Marcas(g->pct2), 1);

    // The read-out at mid-span (station 301, 3.00 m), the moment in its
    // displayed sign; nothing beyond the beam.
    EXPECT_EQ(g->Lectura(g->pct2, kX1 + kW / 2).toStdString(),
              "x = 3.00 m   M = " + texto::Formato(-E().DiagMomento[301], "###,##0.00") + " Tn.m");
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 - 300).isEmpty());
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 + kW + 300).isEmpty());
    // At the largest deflection the read-out holds the "Deflexión máxima" value.
    g->optGirDef->click();
    const int i = static_cast<int>(std::lround(E().Posiciones.FlechaMax * 100)) + 1;
    const QString l = g->Lectura(g->pct2, kX1 + E().DiagX[i] / 6 * kW);
    EXPECT_TRUE(l.endsWith(" m") && l.contains(g->lblMn->text())) << l.toStdString();
}

TEST_F(Diagramas, GirosYDeflexionesYVueltaAMomentos) {
    PonerViga(6, {Uniforme(0, 6, 2, kMuerta, 6)});
    Calcular();
    g->optGirDef->click();
    EXPECT_EQ(g->lbl1->text(), "Diagrama de Giros");
    for (QLabel* l : {g->lblQmaxp, g->lblQp, g->lblQmaxn, g->lblQn}) EXPECT_TRUE(l->isHidden());
    EXPECT_EQ(g->lblMmaxn->text(), QString::fromUtf8("Deflexión máxima:"));
    EXPECT_EQ(g->lblMn->text().toStdString(), texto::Formato(E().FlechaEfectiva, "###,##0.000"));
    // Rotation hatch: antisymmetric, the largest 937 from the axis.
    const std::vector<QPointF> r = Trazos(g->pct1, kSuperior);
    ASSERT_GE(r.size(), 600u);
    EXPECT_NEAR(Mayor(r), 937, 0.01);
    EXPECT_NEAR(r.front().y() - kY1, -(r.back().y() - kY1), 1.0);
    // Deflection: a polyline from the left end of the axis, the largest
    // ordinate 937, back near the axis at the right support.
    std::vector<QPointF> f;
    for (const auto& p : g->pct2->Primitivas()) {
        if (p.tipo == Lienzo::Primitiva::Polilinea && p.color == kInferior) {
            f.assign(p.puntos.begin(), p.puntos.end());
        }
    }
    ASSERT_EQ(f.size(), r.size() + 1) << "one point per pass and the start of the axis";
    EXPECT_EQ(f.front(), QPointF(kX1, kY1));
    EXPECT_NEAR(Mayor(f), 937, 0.01);
    EXPECT_NEAR(f.back().y(), kY1, 6.0);

    g->optMomCor->click();
    for (QLabel* l : {g->lblQmaxp, g->lblQp, g->lblQmaxn, g->lblQn}) EXPECT_FALSE(l->isHidden());
    EXPECT_EQ(g->lblMmaxn->text(), "Mmax:");
    EXPECT_EQ(g->lbl1->text(), "Diagrama de Cortante (Tn)");
}

TEST_F(Diagramas, VoladizoConMomentoNegativoArriba) {
    // Supports at 0 and 4 m, a point load at the free end of a 6 m beam.
    PonerViga(6, {Puntual(6, 3, kOtros, 6)}, 0, 4);
    Calcular();
    const std::vector<QPointF> m = Trazos(g->pct2, kInferior);
    ASSERT_GE(m.size(), 600u);
    EXPECT_LT(m[400].y(), kY1) << "hogging over the support is drawn above the axis";
    EXPECT_EQ(g->lblMn->text().toStdString(), texto::Formato(E().MomentoNegMax, "###,##0.00"));
    EXPECT_TRUE(g->lblMn->text().startsWith("-"));
}

TEST_F(Diagramas, DiagramaNuloSobreElEjeYLuzCeroNoDibuja) {
    // A sampled state whose shear is zero everywhere: the divisor is 1 and
    // every hatch line has zero length.
    EstadoProyecto& e = Registro::Instancia().proyecto().estado;
    e.LuzViga = 1;
    e.NumEstaciones = 101;
    e.DiagCortante.assign(102, 0.0f);
    e.DiagMomento.assign(102, 0.0f);
    e.DiagX.assign(102, 0.0f);
    for (int i = 1; i <= 101; ++i) e.DiagMomento[i] = -std::sin(3.14159f * (i - 1) / 100.0f);
    e.MomentoMaxAbs = 1;
    e.MomentoPosMax = 1;
    g->DibujarDiagramas();
    const std::vector<QPointF> q = Trazos(g->pct1, kSuperior);
    ASSERT_GE(q.size(), 100u);
    for (const QPointF& t : q) EXPECT_DOUBLE_EQ(t.y(), kY1);
    EXPECT_EQ(g->lblQp->text(), "0.00");
    // L = 0: nothing drawn, no label changed.
    g->LimpiarDiagramas();
    g->lblQp->setText("antes");
    e.LuzViga = 0;
    g->DibujarDiagramas();
    EXPECT_TRUE(g->pct1->Primitivas().empty());
    EXPECT_TRUE(g->pct2->Primitivas().empty());
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
    ASSERT_TRUE(g->AbrirArchivo(pruebas::Ejemplo("viga_rectangular.kvx")));
    pruebas::ProcesarEventos();
    Guardar(g, "frmGeneral_momentos.png");
    EXPECT_GT(Pixeles(g->pct1, kSuperior), 1000) << "hatch of the shear diagram";
    EXPECT_GT(Pixeles(g->pct2, kInferior), 1000) << "hatch of the moment diagram";
    const QSize antes = g->pct1->size();
    g->resize(1400, 960);
    pruebas::ProcesarEventos();
    EXPECT_GT(g->pct1->width(), antes.width());
    EXPECT_GT(g->pct1->height(), antes.height());
    g->optGirDef->click();
    pruebas::ProcesarEventos();
    Guardar(g, "frmGeneral_giros.png");
    EXPECT_GT(Pixeles(g->pct1, kSuperior), 1000);
    EXPECT_GT(Pixeles(g->pct2, kInferior), 50) << "deflection line";
}

}  // namespace
}  // namespace korvex::ui
