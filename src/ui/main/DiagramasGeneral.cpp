// frmGeneral: the two diagrams plotted to scale with their value labels,
// sign labels and titles, and the read-out of the diagram under the mouse.
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "design/Deflexion.h"
#include "project/Calculo.h"
#include "text/Numeros.h"
#include "ui/common/Diagramas.h"
#include "ui/common/Lienzo.h"
#include "ui/main/frmGeneral.h"

namespace korvex::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const QString kTituloCortante = "Diagrama de Cortante (Tn)";
const QString kTituloMomento = "Diagrama de Momento (Tn.m)";
const QString kTituloGiros = "Diagrama de Giros";
const QString kTituloDeflexiones = "Diagrama de Deflexiones (Mts)";

}  // namespace

void frmGeneral::Titulos() {
    if (optMomCor->isChecked()) {
        lbl1->setText(kTituloCortante);
        lbl2->setText(kTituloMomento);
    } else {
        lbl1->setText(kTituloGiros);
        lbl2->setText(kTituloDeflexiones);
    }
}

void frmGeneral::ColocarSignos() {
    // The shear box's labels stand where the shear is drawn: (+) above the
    // axis, (-) below. The moment is drawn in the analysis sign, sagging (+)
    // below the axis, so its labels change places; the deflection keeps the
    // shear box's places.
    const bool momento = optMomCor->isChecked();
    const double x = pct1->IzquierdaTwips(lblPos);
    const double arriba = pct1->ArribaTwips(lblPos), abajo = pct1->ArribaTwips(lblNeg);
    pct2->Colocar(lblPos2, x, momento ? abajo : arriba);
    pct2->Colocar(lblNeg2, x, momento ? arriba : abajo);
}

void frmGeneral::optMomCor_Click() {
    pct1->Limpiar();
    pct2->Limpiar();
    DibujarDiagramas();
    lbl1->setText(kTituloCortante);
    lbl2->setText(kTituloMomento);
}

void frmGeneral::optGirDef_Click() {
    pct1->Limpiar();
    pct2->Limpiar();
    DibujarDiagramas();
    lbl1->setText(kTituloGiros);
    lbl2->setText(kTituloDeflexiones);
}

void frmGeneral::DibujarDiagramas() {
    const Proyecto& p = documento_.proyecto();
    const EstadoProyecto& e = p.estado;
    const ResultadoCalculo& c = documento_.resultado();
    const float L = e.LuzViga;
    if (L == 0 || !std::isfinite(L)) return;

    const bool momentos = optMomCor->isChecked();
    DibujarCurvas(e, c, pct1, pct2, momentos);
    // The design strength of the bars over the demand it must cover.
    if (momentos) DibujarCapacidad(e, c, c.Despiece, pct2);

    const int uso = p.materiales.UsoDeflexion;
    if (momentos) {
        lblQp->setText(Q(texto::Formato(c.CortanteMax, "###,##0.00")));
        lblQn->setText(Q(texto::Formato(c.CortanteMin, "###,##0.00")));
        for (QLabel* l : {lblQmaxp, lblQmaxn, lblQp, lblQn}) l->setVisible(true);
        pct2->Colocar(lblMn, 480, pct2->ArribaTwips(lblMn));
        pct2->Colocar(lblMp, 480, pct2->ArribaTwips(lblMp));
        lblMn->setText(Q(texto::Formato(c.MomentoNegMax, "###,##0.00")));
        lblMmaxn->setText("Mmax:");
        lblMmaxp->setText("Mmax:");
        lblMp->setText(Q(texto::Formato(c.MomentoPosMax, "###,##0.00")));
        pct1->setToolTip("Dibujo a escala del Diagrama de Cortante");
        pct2->setToolTip("Dibujo a escala del Diagrama de Momento");
    } else {
        for (QLabel* l : {lblQmaxp, lblQp, lblQmaxn, lblQn}) l->setVisible(false);
        // The governing zone (largest ratio of deflection to limit), named
        // when the beam has cantilevers; each value stands after its title.
        const PasoZonaDeflexion* zona = ZonaNombrada(c);
        const QString nombre = zona ? QString(" (%1)").arg(NombreZona(zona->zona)) : QString();
        auto colocar = [this, &nombre](QLabel* titulo, QLabel* valor, double izquierda) {
            if (nombre.isEmpty()) {  // the beam's own titles: the values' own places
                pct2->Colocar(valor, izquierda, pct2->ArribaTwips(valor));
                return;
            }
            // The title's text ends at its size hint (the label itself runs to
            // the edge of the box).
            const double fin =
                pct2->ATwips(QPointF(titulo->x() + titulo->sizeHint().width(), 0)).x();
            pct2->Colocar(valor, std::max(izquierda, fin + 60), pct2->ArribaTwips(valor));
        };
        lblMmaxn->setText(QString::fromUtf8("Deflexión máxima%1:").arg(nombre));
        colocar(lblMmaxn, lblMn, 1300);
        // The deflection the check compared with the limit.
        lblMn->setText(Q(texto::Formato(FlechaLargoPlazo(ReglasDe(c), c, uso), "###,##0.000")));
        lblMmaxp->setText(QString::fromUtf8("Deflexión máxima admisible%1:").arg(nombre));
        colocar(lblMmaxp, lblMp, 2000);
        lblMp->setText(
            Q(texto::Formato(DeflexionAdmisibleGobernante(ReglasDe(c), c, L, uso), "###,##0.000")));
        pct1->setToolTip("Dibujo a escala del Diagrama de Giros");
        pct2->setToolTip("Dibujo a escala del Diagrama de Deflexiones");
    }
}

void frmGeneral::LimpiarDiagramas() {
    pct1->Limpiar();
    pct2->Limpiar();
    for (QLabel* l : {lblQn, lblQp, lblMn, lblMp}) l->clear();
}

QString frmGeneral::Lectura(const Lienzo* caja, double xTwips) const {
    const Proyecto& p = documento_.proyecto();
    const EstadoProyecto& e = p.estado;
    const ResultadoCalculo& c = documento_.resultado();
    if (!optMomCor->isEnabled() || c.NumEstaciones < 1 || e.LuzViga <= 0) return {};
    if (caja != pct1 && caja != pct2) return {};
    const double W = diagrama::kLineaX2 - diagrama::kLineaX1;
    const double x = (xTwips - diagrama::kLineaX1) / W * e.LuzViga;  // m along the beam
    if (x < -0.005 || x > e.LuzViga + 0.005) return {};
    const int i = Estacion(c, x);
    const QString abscisa = "x = " + Q(texto::Formato(Muestra(c.DiagX, i), "###,##0.00")) + " m   ";
    const bool superior = caja == pct1;
    if (optMomCor->isChecked()) {
        auto dos = [](float v) { return Q(texto::Formato(v, "###,##0.00")); };
        // With the live-load arrangements on, the envelope at x: its largest
        // and smallest values in the displayed sign.
        const EnvolventeViva& env = c.Envolvente;
        const bool envolvente = e.AlternanciaViva && env.calculada;
        auto rango = [&](float mayor, float menor, const char* unidad) {
            return envolvente ? QString::fromUtf8("   envolvente: %1 a %2 %3")
                                    .arg(dos(menor), dos(mayor), unidad)
                              : QString();
        };
        if (superior) {
            return abscisa + "V = " + dos(Muestra(c.DiagCortante, i)) + " Tn" +
                   rango(Muestra(env.CortanteMax, i), Muestra(env.CortanteMin, i), "Tn");
        }
        // Displayed sign: sagging positive (the moment arrays carry the
        // analysis sign, so the envelope's smallest is the displayed largest).
        // With a bar schedule, the strength of the bars there: the bottom
        // bars' for M(+), the top bars' for M(-), in the displayed sign.
        QString capacidad;
        for (const CapacidadCara& cara : c.Despiece.capacidad) {
            const float phi = Muestra(cara.phiMn, i);
            if (!std::isfinite(phi)) continue;
            capacidad += QString::fromUtf8("   φMn %1 = %2 Tn.m")
                             .arg(cara.inferior ? "(+)" : "(-)", dos(cara.inferior ? phi : -phi));
        }
        return abscisa + "M = " + dos(-Muestra(c.DiagMomento, i)) + " Tn.m" +
               rango(-Muestra(env.MomentoMin, i), -Muestra(env.MomentoMax, i), "Tn.m") + capacidad;
    }
    if (superior) {
        return abscisa + QString::fromUtf8("θ = ") +
               Q(texto::FormatoGeneral(Muestra(c.DiagGiro, i))) + " rad";
    }
    // The deflection line in m: deflection x inertia times the factor of the
    // governing zone's deflection (lambda / Ie, the same in every zone).
    const PasoZonaDeflexion* zona = ZonaGobernante(c);
    const float flecha = FlechaLargoPlazo(ReglasDe(c), c, p.materiales.UsoDeflexion);
    const float referencia = zona ? zona->FlechaMax : c.FlechaMax;
    const double escala = referencia != 0 ? flecha / referencia : 0.0;
    return abscisa + QString::fromUtf8("δ = ") +
           Q(texto::Formato(Muestra(c.DiagFlecha, i) * escala, "###,##0.000")) + " m";
}

void frmGeneral::MostrarLectura(Lienzo* caja, double xTwips, double) {
    const QString t = Lectura(caja, xTwips);
    if (t.isEmpty()) {
        statusBar()->clearMessage();
        return;
    }
    statusBar()->showMessage(t);
    QToolTip::showText(QCursor::pos(), t, caja);
}

}  // namespace korvex::ui
