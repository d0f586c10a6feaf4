// The point query of the load window against statics of a simple span:
// the shear jump under a point load, the moment jump at an applied moment,
// the beam's ends and the refusals.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "Cargas.h"
#include "ui/common/Rejilla.h"

namespace korvex::ui {
namespace {

class Consulta : public pruebas::VentanaCargas {
  protected:
    // Moment left, shear left, moment right, shear right, as shown.
    QStringList Preguntar(const char* x) {
        c->txtX->setText(x);
        c->cmdCalc->click();
        return {Celda(c->grid1, 1, 1), Celda(c->grid1, 1, 2), Celda(c->grid1, 2, 1),
                Celda(c->grid1, 2, 2)};
    }
};

TEST_F(Consulta, CargaPuntualEnElCentroDeUnaVigaSimple) {
    // 10 Tn already factored at midspan of 6 m, no section (no self weight):
    // reactions 5 Tn, moment under the load 5 * 3 = 15 Tn.m.
    pruebas::PonerViga(6, {pruebas::Puntual(3, 10, kOtros, 6)});
    EXPECT_EQ(Preguntar("0"), (QStringList{".00", ".00", ".00", "5.00"}));
    EXPECT_EQ(Preguntar("1.5"), (QStringList{"7.50", "5.00", "7.50", "5.00"}));
    EXPECT_EQ(Preguntar("3"), (QStringList{"15.00", "5.00", "15.00", "-5.00"}));
    EXPECT_EQ(Preguntar("6"), (QStringList{".00", "-5.00", ".00", ".00"}));
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(ProyectoActual().estado.NumCargas, 1);  // the table is not touched
}

TEST_F(Consulta, MomentoAplicadoYCargaViva) {
    // 4 Tn.m at 2 m on 6 m: reactions -/+ 4 / 6; the moment jumps by 4 at
    // the point. A live 2 Tn at 4 m is factored 1.7 (3.4 Tn).
    Carga m{2, 0, 4, 4, 0, 2, kMomento, kOtros};
    pruebas::PonerViga(6, {m});
    const QStringList q = Preguntar("2");
    EXPECT_NEAR(q[2].toDouble() - q[0].toDouble(), 4.0, 0.011) << q.join(" ").toStdString();
    EXPECT_EQ(q[1], q[3]);  // no shear jump
    EXPECT_NEAR(std::abs(q[1].toDouble()), 4.0 / 6, 0.006);

    ProyectoActual().estado = EstadoProyecto{};
    pruebas::PonerViga(6, {pruebas::Puntual(4, 2, kViva, 6)});
    const QStringList v = Preguntar("4");
    EXPECT_NEAR(v[1].toDouble() - v[3].toDouble(), 3.4, 0.006);
    EXPECT_NEAR(v[0].toDouble(), 3.4 * 4 * 2 / 6, 0.006);
}

TEST_F(Consulta, AbscisasRechazadasYVacia) {
    pruebas::PonerViga(6, {pruebas::Puntual(3, 10, kOtros, 6)});
    Preguntar("3");
    const QStringList antes = Preguntar("3");

    struct Caso {
        const char* x;
        const char* texto;
    };
    for (const Caso& caso :
         {Caso{"6.01", "El punto analizado debe estar en el intervalo 0 <= X <= L"},
          Caso{"-1", "Las distancias siempre son Numeros Positivos"},
          Caso{"tres", "Las distancias siempre son Numeros Positivos"}}) {
        SCOPED_TRACE(caso.x);
        Neutral();
        EXPECT_EQ(Preguntar(caso.x), antes);
        EXPECT_EQ(Vistos(),
                  (std::vector<Mensaje>{{caso.texto, "Distancia Incorrecta", kEstiloCritico}}));
        EXPECT_TRUE(c->txtX->hasFocus());
        EXPECT_EQ(c->txtX->selectedText(), caso.x);
    }
    Neutral();
    EXPECT_EQ(Preguntar(""), antes);
    EXPECT_TRUE(Vistos().empty());
}

}  // namespace
}  // namespace korvex::ui
