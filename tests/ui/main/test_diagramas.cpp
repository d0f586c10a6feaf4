// The plot of the two diagram boxes: hatch to scale with 937 twips for the
// largest value, signs (sagging moment below the axis, hogging above), zero
// diagrams on the axis, nothing for L = 0, the markers of the extremes, the
// rotation/deflection pair and the read-out under the mouse.
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "comun/Ayudas.h"
#include "text/Numeros.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmUsos.h"

namespace korvex::ui {
namespace {

using pruebas::PonerViga;
using pruebas::Puntual;
using pruebas::Uniforme;

const QColor kSuperior(128, 128, 0);  // &H8080
const QColor kInferior(0, 128, 0);    // &H8000
constexpr double kY1 = frmGeneral::kLineaY;
constexpr double kX1 = frmGeneral::kLineaX1;
constexpr double kW = frmGeneral::kLineaX2 - frmGeneral::kLineaX1;

// The hatch lines of one colour: x and the ordinate of the free end.
struct Trazo {
    double x, y;
};
std::vector<Trazo> Trazos(const Lienzo* l, const QColor& c) {
    std::vector<Trazo> t;
    for (const auto& p : l->Primitivas()) {
        if (p.tipo == Lienzo::Primitiva::Linea && p.color == c) {
            EXPECT_DOUBLE_EQ(p.puntos[0].y(), kY1) << "each hatch line starts on the axis";
            EXPECT_DOUBLE_EQ(p.puntos[0].x(), p.puntos[1].x()) << "hatch lines are vertical";
            t.push_back({p.puntos[1].x(), p.puntos[1].y()});
        }
    }
    return t;
}

template <class T, class Y>
double Mayor(const std::vector<T>& v, Y y) {
    double m = 0;
    for (const T& t : v) m = std::max(m, std::abs(y(t) - kY1));
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

    // Moment: entirely below the axis (sagging), the largest 937 twips from
    // it, one line per centimetre across the baseline.
    const std::vector<Trazo> m = Trazos(g->pct2, kInferior);
    ASSERT_GE(m.size(), 600u);
    ASSERT_LE(m.size(), 602u);
    for (const Trazo& t : m) EXPECT_GE(t.y, kY1 - 1e-9);
    EXPECT_NEAR(Mayor(m, [](const Trazo& t) { return t.y; }), 937, 0.01);
    EXPECT_DOUBLE_EQ(m.front().x, kX1);
    EXPECT_NEAR(m.back().x, kX1 + kW, 8.0);
    EXPECT_NEAR(m[1].x - m[0].x, kW * 0.01 / 6, 1e-4);

    // Shear: above the axis near the left support, below near the right one.
    const std::vector<Trazo> q = Trazos(g->pct1, kSuperior);
    ASSERT_GE(q.size(), 600u);
    EXPECT_LT(q[5].y, kY1);
    EXPECT_GT(q[595].y, kY1);
    EXPECT_NEAR(Mayor(q, [](const Trazo& t) { return t.y; }), 937, 0.01);

    // "###,##0.00" keeps a leading zero; no hogging moment, so one marker.
    EXPECT_EQ(g->lblQn->text().toStdString(), texto::Formato(E().CortanteMin, "###,##0.00"));
    EXPECT_EQ(g->lblMn->text(), "0.00");
    EXPECT_EQ(Marcas(g->pct1), 2);
    EXPECT_EQ(Marcas(g->pct2), 1);
}

TEST_F(Diagramas, GirosYDeflexionesYVueltaAMomentos) {
    PonerViga(6, {Uniforme(0, 6, 2, kMuerta, 6)});
    Ventana<frmUsos>()->Option2->setChecked(true);  // L/360
    Calcular();
    g->optGirDef->click();

    EXPECT_EQ(g->lbl1->text(), "Diagrama de Giros");
    for (QLabel* l : {g->lblQmaxp, g->lblQp, g->lblQmaxn, g->lblQn}) EXPECT_TRUE(l->isHidden());
    EXPECT_EQ(g->lblMmaxn->text(), QString::fromUtf8("Deflexión máxima:"));
    EXPECT_EQ(g->lblMp->text(), "0.017");  // 6 / 360 = 0.01667
    EXPECT_FLOAT_EQ(g->DeflexionAdmisible, 0.017f);
    EXPECT_EQ(g->lblMn->text().toStdString(), texto::Formato(E().FlechaEfectiva, "###,##0.000"));

    // Rotation hatch: antisymmetric, the largest 937 from the axis.
    const std::vector<Trazo> r = Trazos(g->pct1, kSuperior);
    ASSERT_GE(r.size(), 600u);
    EXPECT_NEAR(Mayor(r, [](const Trazo& t) { return t.y; }), 937, 0.01);
    EXPECT_NEAR(r.front().y - kY1, -(r.back().y - kY1), 1.0);

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
    EXPECT_NEAR(Mayor(f, [](const QPointF& p) { return p.y(); }), 937, 0.01);
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
    const std::vector<Trazo> m = Trazos(g->pct2, kInferior);
    ASSERT_GE(m.size(), 600u);
    EXPECT_LT(m[400].y, kY1) << "hogging over the support is drawn above the axis";
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
    const std::vector<Trazo> q = Trazos(g->pct1, kSuperior);
    ASSERT_GE(q.size(), 100u);
    for (const Trazo& t : q) EXPECT_DOUBLE_EQ(t.y, kY1);
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

TEST_F(Diagramas, LecturaBajoElRaton) {
    PonerViga(6, {Puntual(2, 5, kMuerta, 6), Uniforme(0, 6, 1.5f, kViva, 6)});
    Calcular();
    // Mid-span: station 301 at 3.00 m; the moment in its displayed sign.
    EXPECT_EQ(g->Lectura(g->pct2, kX1 + kW / 2).toStdString(),
              "x = 3.00 m   M = " + texto::Formato(-E().DiagMomento[301], "###,##0.00") + " Tn.m");
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 - 300).isEmpty()) << "left of the beam";
    EXPECT_TRUE(g->Lectura(g->pct1, kX1 + kW + 300).isEmpty()) << "right of the beam";

    // At the largest deflection the read-out equals the "Deflexión máxima" label.
    g->optGirDef->click();
    const int i = static_cast<int>(std::lround(E().Posiciones.FlechaMax * 100)) + 1;
    const QString l = g->Lectura(g->pct2, kX1 + E().DiagX[i] / 6 * kW);
    EXPECT_TRUE(l.endsWith(" m")) << l.toStdString();
    EXPECT_TRUE(l.contains(g->lblMn->text())) << l.toStdString();
}

}  // namespace
}  // namespace korvex::ui
