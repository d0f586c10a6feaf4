// A beam with cantilevers entered through the real windows and message
// boxes (section, loads typed field by field, "Realizar Cálculos" and its
// stirrup question); the results on screen equal the headless command's
// JSON for the same project saved to a file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
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
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "text/Numeros.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
#include "ui/main/frmGeneral.h"
#include "ui/section/frmEstribos.h"
#include "ui/section/frmSeccion.h"
#include "ui/section/frmSecciones.h"

#ifdef KORVEX_CON_LOTE
#include "batch/Lote.h"
#endif

namespace korvex::ui {
namespace {

using pruebas::Hijo;

// Watches for the modal window on top and hands it to the answer of its
// class; message boxes are read and accepted.
class Respuestas : public QObject {
  public:
    std::map<std::string, std::function<void(QWidget*)>> por_clase;
    std::vector<std::string> cajas;  // "title: text" of each message box

    Respuestas() {
        // A window being answered may open another modal one (a message
        // box over the load window): that one is answered from within.
        connect(&reloj_, &QTimer::timeout, this, [this] {
            QWidget* m = QApplication::activeModalWidget();
            if (m == nullptr || !m->isVisible() || enCurso_.count(m) != 0) return;
            enCurso_.insert(m);
            QTimer::singleShot(0, this, [this, m] {
                if (m == QApplication::activeModalWidget()) Atender(m);
                enCurso_.erase(m);
            });
        });
        reloj_.start(5);
    }

  private:
    void Atender(QWidget* m) {
        if (auto* caja = qobject_cast<QMessageBox*>(m)) {
            cajas.push_back(caja->windowTitle().toStdString() + ": " + caja->text().toStdString());
            QTest::mouseClick(caja->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (const auto it = por_clase.find(m->metaObject()->className());
                   it != por_clase.end()) {
            it->second(m);
        }
    }
    QTimer reloj_;
    std::set<QWidget*> enCurso_;
};

void Tab(QLineEdit* campo, const char* texto) {
    campo->setFocus(Qt::TabFocusReason);
    campo->selectAll();
    QTest::keyClicks(campo, texto);
    QTest::keyClick(campo, Qt::Key_Tab);
    pruebas::ProcesarEventos();
}
void Clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

// One load typed as a user types it.
void TeclearCarga(frmCargas* c, QRadioButton* tipo, QRadioButton* categoria, const char* a,
                  const char* b, const char* p1, const char* p2 = "") {
    Clic(tipo);
    Clic(categoria);
    Tab(c->txtA, a);
    if (c->txtB->isEnabled()) Tab(c->txtB, b);
    Tab(c->txtP1, p1);
    if (c->txtP2->isEnabled()) Tab(c->txtP2, p2);
    ASSERT_TRUE(c->cmdAnadir->isEnabled()) << a << " " << p1;
    QTest::mouseClick(c->cmdAnadir, Qt::LeftButton);
    pruebas::ProcesarEventos();
}

class VentanasDeCargas : public pruebas::Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        pruebas::Mensajes::ModoPrueba(false);  // real boxes and dialogs
    }
    void TearDown() override {
        pruebas::Mensajes::ModoPrueba(true);
        Entorno::TearDown();
    }
};

QString F(const nlohmann::json& j, const char* clave, const char* patron) {
    return QString::fromStdString(texto::Formato(j.at(clave).get<double>(), patron));
}

TEST_F(VentanasDeCargas, VigaConVuelosTecleadaYCalculadaComoSinVentanas) {
#ifndef KORVEX_CON_LOTE
    GTEST_SKIP() << "sin la orden sin ventanas";
#else
    frmGeneral* g = Ventana<frmGeneral>();
    g->show();
    Respuestas r;
    r.por_clase["korvex::ui::frmSecciones"] = [](QWidget* w) {
        auto* ss = static_cast<frmSecciones*>(w);
        QTest::mouseClick(Hijo<QToolButton>(ss->Toolbar1, "Viga_Rect"), Qt::LeftButton);
    };
    r.por_clase["korvex::ui::frmSeccion"] = [](QWidget* w) {
        auto* s = static_cast<frmSeccion*>(w);
        QTest::keyClicks(s->txtB, "30");
        QTest::keyClicks(s->txtH, "60");
        QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
    };
    int estribos = 0;
    r.por_clase["korvex::ui::frmEstribos"] = [&estribos](QWidget* w) {
        ++estribos;
        QTest::mouseClick(static_cast<frmEstribos*>(w)->cmdEstribosOk, Qt::LeftButton);
    };
    bool cargasTecleadas = false;
    r.por_clase["korvex::ui::frmCargas"] = [&cargasTecleadas](QWidget* w) {
        if (cargasTecleadas) return;
        cargasTecleadas = true;
        auto* c = static_cast<frmCargas*>(w);
        // 7 m with supports at 1 m and 6 m: two 1 m cantilevers.
        Clic(c->Check_Vuelo);
        Tab(c->txtL, "7");
        Tab(c->txtJ, "1");
        Tab(c->txtK, "6");
        TeclearCarga(c, c->optDistribuida, c->optMuerta, "0", "7", "2", "2");
        TeclearCarga(c, c->optPuntual, c->optViva, "3.5", "", "6");
        TeclearCarga(c, c->optPuntual, c->optViva, "0", "", "1.5");
        TeclearCarga(c, c->optDistribuida, c->Option1, "1", "5", "0", "1.2");
        TeclearCarga(c, c->optMomento, c->optMuerta, "7", "", "-1");
        QTest::mouseClick(c->cmdCargasOk, Qt::LeftButton);
    };

    QTest::mouseClick(Hijo<QToolButton>(g->Barrah, "Secciones"), Qt::LeftButton);
    ASSERT_TRUE(g->Boton("Cargas")->isEnabled());
    QTest::mouseClick(Hijo<QToolButton>(g->Barrah, "Cargas"), Qt::LeftButton);
    ASSERT_TRUE(cargasTecleadas);
    const EstadoProyecto& e = ProyectoActual().estado;
    ASSERT_EQ(e.NumCargas, 5);
    EXPECT_EQ(std::tuple(e.LuzViga, e.DistJ, e.DistK), std::tuple(7.0f, 1.0f, 6.0f));
    ASSERT_TRUE(g->cmdCalculos->isEnabled());
    EXPECT_TRUE(r.cajas.empty()) << r.cajas.front();

    QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    EXPECT_EQ(estribos, 1);
    const QStringList pantalla = {
        g->lblQp->text(),         g->lblQn->text(),         g->lblMn->text(),      g->lblMp->text(),
        Celda(g->grdAcero, 1, 1), Celda(g->grdAcero, 1, 2), g->txtEstribos->text()};

    // The same project, saved as the save command saves it, calculated by
    // the headless command.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Proyecto p = ProyectoActual();
    p.ventana = Ventana<frmCargas>()->EstadoControles();
    const std::string archivo = QDir(dir.path()).filePath("vuelos.kvx").toStdString();
    ASSERT_FALSE(GuardarArchivoKvx(archivo, p).has_value());
    lote::OpcionesCalcular o;
    o.archivo = archivo;
    o.json = true;
    const lote::Salida s = lote::Calcular(o);
    ASSERT_EQ(s.estado, lote::kSalidaLeido) << s.error;
    const nlohmann::json j = nlohmann::json::parse(s.salida);
    ASSERT_TRUE(j.at("calculado").get<bool>());
    const QStringList sinVentanas = {
        F(j, "CortanteMax", "###,##0.00"),
        F(j, "CortanteMin", "###,##0.00"),
        F(j, "MomentoNegMax", "###,##0.00"),
        F(j, "MomentoPosMax", "###,##0.00"),
        F(j, "AsTraccionPos", "###,###.00"),
        F(j, "AsTraccionNeg", "###,###.00"),
        QString::fromStdString(j.at("txtEstribos").get<std::string>())};
    EXPECT_EQ(pantalla, sinVentanas);
    // Cantilevers give hogging moments over the supports and sagging between.
    EXPECT_LT(j.at("MomentoNegMax").get<double>(), 0);
    EXPECT_GT(j.at("MomentoPosMax").get<double>(), 0);
    std::vector<std::string> esperadas;
    for (const auto& m : j.at("mensajes")) {
        esperadas.push_back(m.at("titulo").get<std::string>() + ": " +
                            m.at("texto").get<std::string>());
    }
    EXPECT_EQ(r.cajas, esperadas);
    RecordProperty("resultados", pantalla.join(' ').toStdString());
#endif
}

}  // namespace
}  // namespace korvex::ui
