// One calculation driven through the real windows as a user would (use,
// section, stirrup dialog and message boxes answered), its results checked
// against the headless command's JSON for the same project.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "text/Numeros.h"
#include "ui/common/Rejilla.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"
#include "ui/section/frmUsos.h"

#ifdef KORVEX_CON_LOTE
#include "batch/Lote.h"
#endif

namespace korvex::ui {
namespace {

using pruebas::Hijo;

// Answers the modal windows as they appear. Each answer runs on its own
// zero timer, so that a click which opens the next modal window (and waits
// in it) does not stop the watching.
class Usuario : public QObject {
  public:
    Usuario() {
        reloj_.setInterval(5);
        connect(&reloj_, &QTimer::timeout, this, &Usuario::Mirar);
        reloj_.start();
    }
    std::vector<Mensaje> vistos;  // message boxes read, in order
    int estribos = 0;

  private:
    void Mirar() {
        QWidget* m = QApplication::activeModalWidget();
        if (pendiente_ || m == nullptr || !m->isVisible()) return;
        pendiente_ = true;
        QTimer::singleShot(0, this, [this, m] {
            pendiente_ = false;
            if (m == QApplication::activeModalWidget()) Responder(m);
        });
    }
    void Responder(QWidget* m) {
        if (auto* caja = qobject_cast<QMessageBox*>(m)) {
            vistos.push_back({caja->text().toStdString(), caja->windowTitle().toStdString(), 0});
            QTest::mouseClick(caja->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (auto* u = qobject_cast<frmUsos*>(m)) {
            QTest::mouseClick(u->Option2, Qt::LeftButton, {}, QPoint(60, 8));
            QTest::mouseClick(u->cmdFrmUsosOk, Qt::LeftButton);
        } else if (auto* ss = qobject_cast<frmSecciones*>(m)) {
            QTest::mouseClick(Hijo<QToolButton>(ss->Toolbar1, "Viga_T"), Qt::LeftButton);
        } else if (auto* s = qobject_cast<frmSeccion*>(m)) {
            QTest::keyClicks(s->txtB, "60");
            QTest::keyClicks(s->txtH, "10");
            QTest::keyClicks(s->txtBw, "25");
            QTest::keyClicks(s->txtHw, "40");
            QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
        } else if (auto* e = qobject_cast<frmEstribos*>(m)) {
            ++estribos;
            QTest::mouseClick(e->opt12, Qt::LeftButton);
            QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
        }
    }
    QTimer reloj_;
    bool pendiente_ = false;
};

class CalculoEnVentanas : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        Mensajes::ModoPrueba(false);  // the real boxes and dialogs
    }
    void TearDown() override {
        Mensajes::ModoPrueba(true);
        Entorno::TearDown();
    }
};

std::string F(const nlohmann::json& j, const char* clave, const char* patron) {
    return texto::Formato(j.at(clave).get<double>(), patron);
}

TEST_F(CalculoEnVentanas, ComoUnUsuarioYIgualQueLaOrdenSinVentanas) {
#ifndef KORVEX_CON_LOTE
    GTEST_SKIP() << "sin la orden sin ventanas";
#else
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    Usuario usuario;

    QTest::mouseClick(g->cmdUsos, Qt::LeftButton);
    ASSERT_TRUE(Ventana<frmUsos>()->Option2->isChecked());
    QTest::mouseClick(Hijo<QToolButton>(g->Barrah, "Secciones"), Qt::LeftButton);
    ASSERT_EQ(g->lblTipo->text(), "Tipo de Viga:   T");
    ASSERT_TRUE(g->Boton("Cargas")->isEnabled());

    // A 6 m simple span: 8 Tn live at 1 m and 2 Tn/m dead over the beam. The
    // point load lies 1 m / 46 cm = 2.2 effective depths from the support,
    // which calls for the deep-member warning.
    pruebas::PonerViga(6,
                       {pruebas::Puntual(1, 8, kViva, 6), pruebas::Uniforme(0, 6, 2, kMuerta, 6)});
    g->cmdCalculos->setEnabled(true);  // as the load window's Ok leaves it
    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_EQ(usuario.estribos, 1);

    const QString acero[2][2] = {{Celda(g->grdAcero, 1, 1), Celda(g->grdAcero, 1, 2)},
                                 {Celda(g->grdAcero, 2, 1), Celda(g->grdAcero, 2, 2)}};
    const QString estribos = g->txtEstribos->text();
    const QString qp = g->lblQp->text(), qn = g->lblQn->text();
    const QString mn = g->lblMn->text(), mp = g->lblMp->text();
    QTest::mouseClick(g->optGirDef, Qt::LeftButton);
    const QString flecha = g->lblMn->text(), admisible = g->lblMp->text();
    const float deflexionAdmisible = g->DeflexionAdmisible;

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string archivo = QDir(dir.path()).filePath("viga.kvx").toStdString();
    ASSERT_FALSE(GuardarArchivoKvx(archivo, Registro::Instancia().proyecto()).has_value());
    lote::OpcionesCalcular o;
    o.archivo = archivo;
    o.json = true;
    o.uso = 2;
    o.estribo = "1/2";
    const lote::Salida s = lote::Calcular(o);
    ASSERT_EQ(s.estado, lote::kSalidaLeido) << s.error;
    const nlohmann::json j = nlohmann::json::parse(s.salida);
    ASSERT_TRUE(j.at("calculado").get<bool>());

    EXPECT_EQ(acero[0][0].toStdString(), F(j, "AsTraccionPos", "###,###.00"));
    EXPECT_EQ(acero[0][1].toStdString(), F(j, "AsTraccionNeg", "###,###.00"));
    EXPECT_EQ(acero[1][0].toStdString(), F(j, "AsCompresionPos", "###,###.00"));
    EXPECT_EQ(acero[1][1].toStdString(), F(j, "AsCompresionNeg", "###,###.00"));
    EXPECT_NE(acero[0][0], ".00") << "the span needs tension steel";
    EXPECT_EQ(estribos.toStdString(), j.at("txtEstribos").get<std::string>());
    EXPECT_TRUE(estribos.startsWith("1/2@"));
    EXPECT_EQ(qp.toStdString(), F(j, "CortanteMax", "###,##0.00"));
    EXPECT_EQ(qn.toStdString(), F(j, "CortanteMin", "###,##0.00"));
    EXPECT_EQ(mn.toStdString(), F(j, "MomentoNegMax", "###,##0.00"));
    EXPECT_EQ(mp.toStdString(), F(j, "MomentoPosMax", "###,##0.00"));
    EXPECT_EQ(flecha.toStdString(), F(j, "FlechaEfectiva", "###,##0.000"));
    EXPECT_EQ(admisible.toStdString(), F(j, "DeflexionAdmisible", "###,##0.000"));
    EXPECT_EQ(admisible, "0.017");
    EXPECT_FLOAT_EQ(deflexionAdmisible, j.at("DeflexionAdmisible").get<float>());

    std::vector<std::string> vistos, esperados;
    for (const Mensaje& m : usuario.vistos) vistos.push_back(m.titulo + ": " + m.texto);
    for (const auto& m : j.at("mensajes")) {
        esperados.push_back(m.at("titulo").get<std::string>() + ": " +
                            m.at("texto").get<std::string>());
    }
    EXPECT_EQ(vistos, esperados);
    ASSERT_FALSE(vistos.empty());
    EXPECT_EQ(vistos.front(),
              "Advertencia: Elemento de gran peralte. Requiere de cálculos adicionales a los "
              "realizados por Korvex 2000");
#endif
}

}  // namespace
}  // namespace korvex::ui
