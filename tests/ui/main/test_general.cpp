// The main window: its start state, the checks of the material fields as a
// table of typed steps, fy recalculating only after a calculation, New and
// the reset back to the fresh window, and the table of beams entered through
// the real windows whose results on screen equal the headless command's.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include "comun/Ayudas.h"
#include "project/ArchivoKvx.h"
#include "text/Numeros.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Rejilla.h"
#include "ui/loads/frmCargas.h"
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

using namespace pruebas;

// Text, check mark, enabled and shown state of every label, field, button
// and action, the steel grid, the bar and the diagrams. The material fields
// are left out: the reset keeps them.
std::vector<std::string> Controles(const frmGeneral* g) {
    std::vector<std::string> e;
    for (const QWidget* w : g->findChildren<QWidget*>()) {
        const QString n = w->objectName();
        QString t;
        if (n == "txtFc" || n == "txtRec" || w->parentWidget()->objectName() == "cboFy") continue;
        if (auto* l = qobject_cast<const QLabel*>(w)) {
            t = l->text();
        } else if (auto* c = qobject_cast<const QLineEdit*>(w)) {
            t = c->text();
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            t = b->isChecked() ? "x" : "";
        } else {
            continue;
        }
        e.push_back(QString("%1 '%2' %3%4")
                        .arg(n, t)
                        .arg(w->isEnabled())
                        .arg(w->isVisible())
                        .toStdString());
    }
    for (const QAction* a : g->findChildren<QAction*>()) {
        e.push_back(a->objectName().toStdString() + (a->isEnabled() ? " on" : " off"));
    }
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) e.push_back(Celda(g->grdAcero, r, c).toStdString());
    }
    e.push_back(std::to_string(g->PBar->value()) + " " +
                std::to_string(g->pct1->Primitivas().size() + g->pct2->Primitivas().size()));
    return e;
}

class General : public Entorno {
  protected:
    void SetUp() override {
        Entorno::SetUp();
        g = Ventana<frmGeneral>();
        g->show();
        QApplication::setActiveWindow(g);
        ASSERT_TRUE(QTest::qWaitForWindowActive(g));
        inicio = Controles(g);
    }
    frmGeneral* g = nullptr;
    std::vector<std::string> inicio;  // every control as the fresh window shows it
};

TEST_F(General, ArranqueSoloConLoQueNoNecesitaSeccionNiCalculo) {
    const QList<QAction*> botones = Hijo<QToolBar>(g, "Barrah")->actions();
    ASSERT_EQ(botones.size(), 7);
    QStringList activos;
    for (QAction* a : botones) {
        EXPECT_EQ(Hijo<QToolButton>(g->Barrah, a->objectName())->defaultAction(), a);
        if (a->isEnabled()) activos << a->objectName();
    }
    EXPECT_EQ(activos, (QStringList{"Nuevo", "Abrir", "Secciones", "Ayuda"}));
    g->Barrah_ButtonClick("Otra");  // an unknown key does nothing
    EXPECT_EQ(Controles(g), inicio);
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Inicio);
    EXPECT_EQ(g->cboFy->currentText(), "2800");
    EXPECT_EQ(ProyectoActual().materiales.UsoDeflexion, 1);
}

TEST_F(General, CamposDeMaterialesComoPasosTecleados) {
    g->txtRec->setEnabled(true);
    const Mensaje fc{"La resistencia del Hormigón es un numero Positivo mayor que 0",
                     "Resistencia Incorrecta", kEstiloCritico};
    const Mensaje rec{"El Recubrimiento solo admite valores  de 1 a 10 cms", "Distancia Incorrecta",
                      kEstiloCritico};
    const struct {
        QLineEdit* campo;
        const char* texto;
        bool rechazado;
    } pasos[] = {{g->txtFc, "0.5", false}, {g->txtFc, "texto", true}, {g->txtFc, "0", true},
                 {g->txtFc, "-5", true},   {g->txtFc, "210", false},  {g->txtRec, "1", false},
                 {g->txtRec, "10", false}, {g->txtRec, "10.5", true}, {g->txtRec, "0.5", true},
                 {g->txtRec, "abc", true}, {g->txtRec, "4", false}};
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.texto);
        Mensajes::Limpiar();
        Teclear(p.campo, p.texto);
        const std::vector<Mensaje> aviso{p.campo == g->txtFc ? fc : rec};
        EXPECT_EQ(Mensajes::Registrados(), p.rechazado ? aviso : std::vector<Mensaje>{});
        // A refused field gets the focus back with its whole text selected.
        EXPECT_EQ(p.campo->hasFocus(), p.rechazado);
        if (p.rechazado) {
            EXPECT_EQ(p.campo->selectedText(), p.texto);
        }
        const Materiales& m = ProyectoActual().materiales;
        EXPECT_EQ(p.campo == g->txtFc ? m.txtFc : m.txtRec, p.texto);
    }
    // A wrong cover hides the section chooser; the chooser's button follows
    // the cover: off when empty, unchanged by a text that is not a number.
    Ventana<frmSecciones>()->show();
    Teclear(g->txtRec, "11");
    EXPECT_FALSE(Ventana<frmSecciones>()->isVisible());
    for (const auto& [texto, activo] : {std::pair{"", false}, std::pair{"abc", false},
                                        std::pair{"5", true}, std::pair{"5x", true}}) {
        g->txtRec->setText(texto);
        EXPECT_EQ(g->Boton("Secciones")->isEnabled(), activo) << texto;
    }
}

TEST_F(General, FyRecalculaSoloDespuesDeUnCalculo) {
    Proyecto& p = ProyectoActual();
    PonerSeccion(p, kVigaRect, "25", "50");
    PonerViga(p.estado, 6, {Puntual(3, 10, kViva, 6)});
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);  // 2800 -> 4200, as picked from the list
    EXPECT_EQ(p.materiales.cboFy, "4200");
    EXPECT_EQ(p.estado.NumEstaciones, 0) << "no calculation before the first one";
    QTest::keyClick(g->cboFy, Qt::Key_Up);

    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_rectangular.kvx"))));
    const float con2800 = p.estado.AsTraccionPos;
    g->cboFy->setFocus();
    QTest::keyClick(g->cboFy, Qt::Key_Down);
    EXPECT_LT(p.estado.AsTraccionPos, con2800 * 0.8f) << "fy 4200 needs less steel";
    EXPECT_EQ(Celda(g->grdAcero, 1, 1).toStdString(),
              texto::Formato(p.estado.AsTraccionPos, "###,###.00"));
}

TEST_F(General, NuevoPreguntaYReiniciarDevuelveLaVentanaFresca) {
    ASSERT_TRUE(g->AbrirArchivo(QString::fromStdString(Ejemplo("viga_t_invertida.kvx"))));
    ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
    Mensajes::Limpiar();
    Mensajes::ProgramarRespuesta(kRespuestaCancelar);
    g->Boton("Nuevo")->trigger();
    EXPECT_EQ(Mensajes::Registrados(),
              (std::vector<Mensaje>{{"Esta seguro de que desea abrir un archivo nuevo ?!?",
                                     "Documento Nuevo", kEstiloPregunta}}));
    EXPECT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);

    g->optGirDef->click();
    g->txtFc->setText("250");
    Ventana<frmUsos>()->Option3->setChecked(true);
    Proyecto& p = ProyectoActual();
    const float bf = p.seccion.Bf;
    Mensajes::ProgramarRespuesta(kRespuestaOk);
    QTest::keyClick(g, Qt::Key_N, Qt::ControlModifier);  // mnuArchivoNuevo by its shortcut
    EXPECT_EQ(Controles(g), inicio);
    EXPECT_EQ(p.estado.NumCargas, 0);
    EXPECT_EQ(p.estado.AsTraccionPos + p.estado.MomentoPosMax + p.estado.LuzViga, 0.0f);
    EXPECT_EQ(p.seccion.TipoViga, "");
    // The section window's fields are emptied, its dimensions kept; the
    // material data and the deflection use stay.
    frmSeccion* s = Ventana<frmSeccion>();
    for (QLineEdit* c : {s->txtB, s->txtH, s->txtBw, s->txtHw}) EXPECT_EQ(c->text(), "");
    EXPECT_EQ(p.seccion.Bf, bf);
    EXPECT_EQ(g->txtFc->text(), "250");
    EXPECT_TRUE(Ventana<frmUsos>()->Option3->isChecked());
    EXPECT_EQ(Ventana<frmCargas>()->grid->rowCount(), 1);
}

// ---- The windows against the headless command ---------------------------

struct Carga1 {
    const char *tipo, *categoria, *a, *b, *p1, *p2;  // option names and texts
};

struct Viga {
    const char* nombre;
    const char* seccion;  // key of the chooser's button
    std::vector<const char*> medidas;
    int uso;
    const char* estribo;
    const char *L, *J, *K;  // J empty: no cantilevers
    std::vector<Carga1> cargas;
};

std::string F(const nlohmann::json& j, const char* clave, const char* patron) {
    return texto::Formato(j.at(clave).get<double>(), patron);
}

// The user's way: uses, section, the loads typed into the load window, then
// "Realizar Cálculos" with its stirrup question and boxes.
TEST(VentanasContraSinVentanas, TablaDeVigas) {
#ifndef KORVEX_CON_LOTE
    GTEST_SKIP() << "sin la orden sin ventanas";
#else
    const Viga vigas[] = {
        // T on 6 m, use 2, 1/2" stirrups: 8 Tn live 1 m from a support, 46 cm
        // deep, calls for the deep-member warning.
        {"T",
         kVigaT,
         {"60", "10", "25", "40"},
         2,
         "1/2",
         "6",
         "",
         "",
         {{"optPuntual", "optViva", "1", "", "8", ""},
          {"optDistribuida", "optMuerta", "0", "6", "2", "2"}}},
        // Rectangle with two 1 m cantilevers, every load type and category.
        {"vuelos",
         kVigaRect,
         {"30", "60"},
         1,
         "3/8",
         "7",
         "1",
         "6",
         {{"optDistribuida", "optMuerta", "0", "7", "2", "2"},
          {"optPuntual", "optViva", "3.5", "", "6", ""},
          {"optPuntual", "optViva", "0", "", "1.5", ""},
          {"optDistribuida", "Option1", "1", "5", "0", "1.2"},
          {"optMomento", "optMuerta", "7", "", "-1", ""}}},
        // Use 3: the positive section needs compression steel, so lambda is
        // not the 2 of the negative section's A's = 0.
        {"uso 3",
         kVigaRect,
         {"25", "50"},
         3,
         "3/8",
         "6",
         "",
         "",
         {{"optDistribuida", "Option1", "0", "6", "7", "7"}}},
    };
    for (const Viga& v : vigas) {
        SCOPED_TRACE(v.nombre);
        Registro::Instancia().Vaciar();
        ProcesarEventos();
        Mensajes::ModoPrueba(false);  // the real boxes and dialogs
        frmGeneral* g = Ventana<frmGeneral>();
        g->show();
        Robot r;
        int estribos = 0;
        r.Responder("korvex::ui::frmUsos", [&v](QWidget* w) {
            auto* u = static_cast<frmUsos*>(w);
            u->ElegirUso(v.uso);
            QTest::mouseClick(u->cmdFrmUsosOk, Qt::LeftButton);
        });
        r.Responder("korvex::ui::frmSecciones", [&v](QWidget* w) {
            auto* ss = static_cast<frmSecciones*>(w);
            QTest::mouseClick(Hijo<QToolButton>(ss->Toolbar1, v.seccion), Qt::LeftButton);
        });
        r.Responder("korvex::ui::frmSeccion", [&v](QWidget* w) {
            auto* s = static_cast<frmSeccion*>(w);
            QLineEdit* campos[] = {s->txtB, s->txtH, s->txtBw, s->txtHw};
            for (std::size_t i = 0; i < v.medidas.size(); ++i) {
                QTest::keyClicks(campos[i], v.medidas[i]);
            }
            QTest::mouseClick(s->cmdSeccionOk, Qt::LeftButton);
        });
        r.Responder("korvex::ui::frmEstribos", [&](QWidget* w) {
            auto* e = static_cast<frmEstribos*>(w);
            ++estribos;
            QTest::mouseClick(std::string(v.estribo) == "1/2" ? e->opt12 : e->opt38,
                              Qt::LeftButton);
            QTest::mouseClick(e->cmdEstribosOk, Qt::LeftButton);
        });
        r.Responder("korvex::ui::frmCargas", [&v](QWidget* w) {
            auto* c = static_cast<frmCargas*>(w);
            if (*v.J != 0) QTest::mouseClick(c->Check_Vuelo, Qt::LeftButton, {}, QPoint(8, 8));
            Teclear(c->txtL, v.L);
            if (*v.J != 0) {
                Teclear(c->txtJ, v.J);
                Teclear(c->txtK, v.K);
            }
            for (const Carga1& k : v.cargas) {
                for (const char* opcion : {k.tipo, k.categoria}) {
                    QTest::mouseClick(Hijo<QRadioButton>(c, opcion), Qt::LeftButton, {},
                                      QPoint(8, 8));
                }
                Teclear(c->txtA, k.a);
                if (c->txtB->isEnabled()) Teclear(c->txtB, k.b);
                Teclear(c->txtP1, k.p1);
                if (c->txtP2->isEnabled()) Teclear(c->txtP2, k.p2);
                ASSERT_TRUE(c->cmdAnadir->isEnabled()) << k.a << " " << k.p1;
                QTest::mouseClick(c->cmdAnadir, Qt::LeftButton);
            }
            QTest::mouseClick(c->cmdCargasOk, Qt::LeftButton);
        });

        QTest::mouseClick(g->cmdUsos, Qt::LeftButton);
        QTest::mouseClick(Hijo<QToolButton>(g->Barrah, "Secciones"), Qt::LeftButton);
        QTest::mouseClick(Hijo<QToolButton>(g->Barrah, "Cargas"), Qt::LeftButton);
        ASSERT_EQ(ProyectoActual().estado.NumCargas, static_cast<int>(v.cargas.size()));
        ASSERT_TRUE(r.cajas.empty()) << r.cajas.front();
        QTest::mouseClick(g->cmdCalculos, Qt::LeftButton);
        ASSERT_EQ(g->Estado(), frmGeneral::EstadoVentana::Calculado);
        EXPECT_EQ(estribos, 1);
        const QStringList momentos = {
            g->lblQp->text(),         g->lblQn->text(),         g->lblMn->text(),
            g->lblMp->text(),         Celda(g->grdAcero, 1, 1), Celda(g->grdAcero, 1, 2),
            Celda(g->grdAcero, 2, 1), Celda(g->grdAcero, 2, 2), g->txtEstribos->text()};
        QTest::mouseClick(g->optGirDef, Qt::LeftButton);
        const QStringList flechas = {g->lblMn->text(), g->lblMp->text()};

        // The same project saved as "Guardar" saves it, through the command.
        QTemporaryDir dir;
        Proyecto p = ProyectoActual();
        p.ventana = Ventana<frmCargas>()->EstadoControles();
        const std::string archivo = QDir(dir.path()).filePath("viga.kvx").toStdString();
        ASSERT_FALSE(GuardarArchivoKvx(archivo, p).has_value());
        const lote::Salida s = lote::Calcular({archivo, true, v.uso, v.estribo, {}, false});
        ASSERT_EQ(s.estado, lote::kSalidaLeido) << s.error;
        const nlohmann::json j = nlohmann::json::parse(s.salida);
        QStringList sinVentanas;
        for (const char* k : {"CortanteMax", "CortanteMin", "MomentoNegMax", "MomentoPosMax"}) {
            sinVentanas << QString::fromStdString(F(j, k, "###,##0.00"));
        }
        for (const char* k :
             {"AsTraccionPos", "AsTraccionNeg", "AsCompresionPos", "AsCompresionNeg"}) {
            sinVentanas << QString::fromStdString(F(j, k, "###,###.00"));
        }
        sinVentanas << QString::fromStdString(j.at("txtEstribos").get<std::string>());
        EXPECT_EQ(momentos, sinVentanas);
        EXPECT_EQ(flechas,
                  (QStringList{QString::fromStdString(F(j, "FlechaLargoPlazo", "###,##0.000")),
                               QString::fromStdString(F(j, "DeflexionAdmisible", "###,##0.000"))}));
        EXPECT_FLOAT_EQ(g->DeflexionAdmisible, j.at("DeflexionAdmisible").get<float>());
        std::vector<std::string> esperadas;
        for (const auto& m : j.at("mensajes")) {
            esperadas.push_back(m.at("titulo").get<std::string>() + ": " +
                                m.at("texto").get<std::string>());
        }
        EXPECT_EQ(r.cajas, esperadas);
        Mensajes::ModoPrueba(true);
    }
    Registro::Instancia().Vaciar();
    ProcesarEventos();
#endif
}

}  // namespace
}  // namespace korvex::ui
