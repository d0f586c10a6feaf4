// The beam changed in the load window with its loads in place: the length
// and the supports accepted while every load stays on the beam, refused
// naming the first load that would fall off.
#include "loads/EntornoCargas.h"

namespace korvex::ui {
namespace {

// Its own suite: the bench is defined anew in each file that includes it.
class GeometriaCargas : public Cargas {};

// With loads in place the length and the supports stay editable: a beam that
// still carries every load is taken at once, the loads where they were; one
// that would leave a load (or a support) off is refused naming it, and the
// fields show the beam as it was.
TEST_F(GeometriaCargas, LaVigaCambiaBajoSusCargasSoloSiLasSostiene) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    Anadir(c->optDistribuida, c->optMuerta, "1", "3.5", "1", "1");  // from 1 to 4.5
    Anadir(c->optPuntual, c->optViva, "5.5", "", "3");
    ASSERT_EQ(E().NumCargas, 3);
    struct Cambio {
        QLineEdit* campo;
        const char* texto;
        const char* rechazo;  // "" when the beam is taken
        QString viga;         // L j k of the project afterwards
    };
    const Cambio pasos[] = {
        {c->txtL, "7.5", "", "7.5 0 7.5"},
        {c->txtL, "5", "La carga 3 quedaría fuera de la viga (x = 5.50 m > L = 5.00 m).",
         "7.5 0 7.5"},
        {c->txtL, "5.5", "", "5.5 0 5.5"},  // the point load right at the end
        {c->txtL, "4.4",
         "La carga 2 quedaría fuera de la viga (termina en x = 4.50 m > L = 4.40 m).", "5.5 0 5.5"},
        {c->txtL, "", "La viga tiene cargas: su longitud L debe ser mayor que 0 m.", "5.5 0 5.5"},
    };
    auto viga = [&] {
        auto n = [](float x) { return QString::number(static_cast<double>(x)); };
        return n(E().LuzViga) + " " + n(E().DistJ) + " " + n(E().DistK);
    };
    auto pasar = [&](const Cambio& p) {
        SCOPED_TRACE(p.campo->objectName().toStdString() + " = " + p.texto);
        Neutral();
        Teclear(p.campo, p.texto);
        EXPECT_EQ(Vistos(), std::string(p.rechazo).empty() ? Msgs{} : Msgs{Critico(p.rechazo)});
        EXPECT_EQ(viga(), p.viga);
        // A refusal shows the beam as it was, the field selected to retype.
        if (!Vistos().empty()) {
            EXPECT_EQ(p.campo->text(), p.viga.section(' ', 0, 0));
        }
    };
    for (const Cambio& p : pasos) pasar(p);

    // Cantilevers under the same loads: ticked, the supports start at the
    // ends; then moved inside, the length kept by the supports when it grows.
    c->Check_Vuelo->click();
    EXPECT_EQ(c->txtJ->text() + " " + c->txtK->text(), "0 5.5");
    for (const Cambio& p :
         {Cambio{c->txtJ, "1", "", "5.5 1 5.5"}, Cambio{c->txtK, "4.5", "", "5.5 1 4.5"},
          Cambio{c->txtL, "8", "", "8 1 4.5"}}) {
        pasar(p);
    }
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 360 + 2872 * 4.5 / 8, 1);
    c->Check_Vuelo->click();  // cleared: the supports back at the ends
    EXPECT_EQ(viga(), "8 0 8");
    // The loads kept their abscissas and lengths throughout.
    EXPECT_EQ(std::tuple(E().Cargas[1].A, E().Cargas[2].A, E().Cargas[2].Fin, E().Cargas[3].A),
              std::tuple(2.0f, 1.0f, 4.5f, 5.5f));
    EXPECT_FLOAT_EQ(E().Cargas[3].C, 2.5f);  // 8 - 5.5 to the new right end
}

}  // namespace
}  // namespace korvex::ui
