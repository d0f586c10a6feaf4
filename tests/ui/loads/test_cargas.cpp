// The load window driven as a user, shown and active so that focus changes
// run its LostFocus and GotFocus rules: the fields typed and left (their
// checks, when "Añadir" is enabled), the load table (adding and its refusals,
// deleting, Ok with the flange check, the close box and reopening, the
// sketch) and editing a load in place. Each test goes on from the state its
// earlier steps left, as a user's session does.
#include "loads/EntornoCargas.h"

namespace korvex::ui {
namespace {


// The beam length, then the distances a and b on leaving their fields and
// at "Añadir".
TEST_F(Cargas, LuzDistanciasYRechazosDeAnadir) {
    Pasos({{c->txtL, "0.005", {Critico("Hijo e tu madre, ¿ que viga es esa ?")}, "0.01", c->txtL},
           {c->txtL, "-1", {kPositivas}, nullptr, c->txtL},
           {c->txtL, "abc", {kPositivas}, nullptr, c->txtL},
           {c->txtL, "", {}}});  // an empty field passes silently
    // Truncated to the centimetre (a Single), the typed text kept, k = L.
    for (auto [texto, luz, k] :
         {std::tuple{"2.3", 2.3f, "2.3"}, {"0", 0.0f, "0"}, {"5.678", 5.67f, "5.67"}}) {
        Pasos({{c->txtL, texto, {}, texto}});
        EXPECT_EQ(E().LuzViga, luz);
        EXPECT_EQ(c->txtK->text(), k);
    }
    ASSERT_TRUE(c->optDistribuida->isChecked());
    // b corrected from the stored Single 5.67 widened: L - a keeps its tail.
    Pasos({{c->txtA, "1", {}}, {c->txtB, "5", {kMayorLuz}, "4.670000076293945"}});

    Teclear(c->txtL, "6");
    EXPECT_TRUE(c->txtA->hasFocus());  // without cantilevers Tab skips j and k
    // A distributed load out of the span on 6 m: b = 2 then a = 5 corrects
    // a to 4; a = 5 then b = 2 corrects b to 1.
    Pasos({{c->txtA, "-1", {kPositivas}, nullptr, c->txtA},
           {c->txtB, "x", {kPositivas}, nullptr, c->txtB},
           {c->txtB, "2", {}},
           {c->txtA, "5", {kMayorLuz}, "4", c->txtA},
           {c->txtB, "", {}},
           {c->txtA, "5", {}},
           {c->txtB, "2", {kMayorLuz}, "1", c->txtB}});
    // A point load beyond the beam goes to its end; at the end it passes.
    c->optPuntual->click();
    Pasos({{c->txtA, "7", {kMayorLuz}, "6", c->txtA}, {c->txtA, "6", {}}});

    // "Añadir" checks again. a = 5 and b = 2 on 6 m: the span message, a
    // becomes 4, nothing added.
    EXPECT_EQ(Anadir(c->optDistribuida, c->optMuerta, "5", "2", "1", "1"), Msgs{kMayorLuz});
    EXPECT_EQ(c->txtA->text(), "4");
    // P1 "0" and P2 "0" refused; "0" and "0.0" pass (the texts are compared).
    EXPECT_EQ(
        Anadir(c->optDistribuida, c->optMuerta, "0", "2", "0", "0"),
        (Msgs{{"La Carga Distribuida no puede ser 0.", "Valor incorrecto", kEstiloExclamacion}}));
    EXPECT_TRUE(c->txtP1->hasFocus());
    Neutral();
    c->txtP2->setText("0.0");
    c->cmdAnadir->click();
    EXPECT_TRUE(Vistos().empty());
    EXPECT_EQ(E().NumCargas, 1);
    // A distributed load over b = 0 (its slope would divide by 0): refused.
    EXPECT_EQ(Anadir(c->optDistribuida, c->optViva, "1", "0", "1", "3").at(0).texto,
              "La base b de la Carga Distribuida debe ser mayor que 0");
    EXPECT_TRUE(c->txtB->hasFocus());
    // The table full: the next load is refused with a message, not lost.
    while (E().NumCargas < kMaxCargas) AgregarCarga(E(), Puntual(1, 1, kViva, 6));
    EXPECT_EQ(Anadir(c->optPuntual, c->optViva, "2", "", "5").at(0).estilo, kEstiloExclamacion);
    EXPECT_EQ(E().NumCargas, kMaxCargas);
}

TEST_F(Cargas, ApoyosJyKEIntensidades) {
    c->Check_Vuelo->click();
    // Before a length, entering j or k sends the user back to L.
    const Mensaje faltaL = Critico("Debe intruducir la Luz de la Viga primero", "Faltan datos");
    for (QLineEdit* apoyo : {c->txtJ, c->txtK}) {
        Mensajes::Limpiar();
        QTest::mouseClick(apoyo, Qt::LeftButton);
        ProcesarEventos();
        EXPECT_EQ(Vistos().at(0), faltaL);
        EXPECT_TRUE(c->txtL->hasFocus());
    }
    Teclear(c->txtL, "6");
    EXPECT_TRUE(c->txtJ->hasFocus());
    Pasos({{c->txtJ, "1.5", {}},
           {c->txtK, "8", {}, "6"},          // beyond the beam: the length, silently
           {c->txtK, "0", {kKMenorJ}, "6"},  // j >= k checked first, then k = L
           {c->txtK, "3", {}},
           {c->txtJ, "4", {kKMenorJ}, "0", c->txtJ}});  // from j: j back to 0
    // j = k from k: j selected, both values left.
    c->txtJ->setText("3");
    c->txtK->setText("6");
    Pasos({{c->txtK, "3", {kKMenorJ}, "3", c->txtJ}});
    EXPECT_EQ(c->txtJ->text(), "3");
    // A negative k takes L's text; a text in j is refused.
    c->txtJ->setText("1");
    Pasos({{c->txtK, "-2", {kPositivas}, "6"}, {c->txtJ, "uno", {kPositivas}, nullptr, c->txtJ}});

    // The intensities, on the 6 m beam.
    const Mensaje numericos = Critico("Sólo se aceptan valores numéricos", "Valor Incorrecto");
    const Mensaje positivos =
        Critico("Sólo se aceptan valores numéricos positivos!", "Valor Incorrecto");
    c->optPuntual->click();  // a point load or a moment may act either way
    Pasos({{c->txtP1, "-2", {}}, {c->txtP1, "dos", {numericos}, nullptr, c->txtP1}});
    c->optMomento->click();
    Pasos({{c->txtP1, "-3.5", {}}});
    c->optDistribuida->click();
    Pasos({{c->txtP1, "-1", {positivos}, nullptr, c->txtP1},
           {c->txtP1, "mucho", {positivos}, nullptr, c->txtP1},
           {c->txtP2, "-1", {positivos}, nullptr, c->txtP2},
           {c->txtP1, "0", {}}});
    // b and P2 exist only for a distributed load.
    for (QRadioButton* tipo : {c->optPuntual, c->optMomento, c->optDistribuida}) {
        tipo->click();
        EXPECT_EQ(c->txtB->isEnabled() + c->txtP2->isEnabled(), tipo == c->optDistribuida ? 2 : 0);
    }
}

// When "Añadir" becomes available: per load type and cantilevers, fields set
// in order (each text runs the field's change rule, as typing does), "si" or
// "no" the button's state at that point. A non-numeric text leaves the
// button as it was in some rules and disables it in others.
enum Tipo { P, D, M };  // point, distributed, moment

TEST_F(Cargas, CuandoSeHabilitaAnadir) {
    // Type, cantilevers, steps.
    const std::tuple<Tipo, bool, const char*> casos[] = {
        {P, false, "txtL=6 txtP1=2 no txtA=1 si txtA=1x si txtA=1 txtL=6x no txtL=6 txtP1=2x no"},
        {P, false, "txtL=6 txtA=1 txtP1=2 si txtA= no"},
        {P, false, "txtA=1 txtL=6 no txtL= txtP1=2 txtL=6 si"},
        {M, false, "txtL=6 txtA=1 txtP1=-3 si"},
        {D, false, "txtL=6 txtA=0 txtP1=1 no txtP1= txtB=2 txtP1=1 si"},
        {D, false, "txtL=6 txtB=2 no txtP1=1 si txtP2=x si txtP2= txtB=2x no"},
        {D, false, "txtL=6 txtB=2 txtP2=1 si txtP1=x si txtP1= txtP2=1x no"},
        {D, false, "txtB=2 txtP2=1 no txtB= txtL=6 no"},
        {D, false, "txtP2=3 txtB=2 si txtP2= txtP1=1 txtL=6 si"},
        {P, true, "txtL=6 txtA=1 txtP1=2 no txtP1= txtK=5 txtP1=2 si txtK= no txtK=5x no"},
        {M, true, "txtL=6 txtP1=2 txtA=1 no txtK=5 si"},
        {D, true, "txtL=6 txtB=2 txtK=5 no txtP1=1 si txtB= no txtA=0 si"},
        {D, true, "txtL=6 txtK=x txtP1=1 txtB=2 no"},
        {D, true, "txtK=5 txtP2=1 txtB=2 si"},
        {D, true, "txtL=6 txtB=2 txtP2=1 no"},
    };
    for (const auto& [tipo, vuelos, pasos] : casos) {
        SCOPED_TRACE(std::string(pasos) + (vuelos ? " con vuelos" : ""));
        if (c->Check_Vuelo->isChecked() != vuelos) c->Check_Vuelo->click();
        for (QLineEdit* f : {c->txtL, c->txtJ, c->txtK}) f->clear();
        // Choosing a type empties the load fields and disables the button.
        c->optMomento->click();
        c->optPuntual->click();
        std::array{c->optPuntual, c->optDistribuida, c->optMomento}[tipo]->click();
        ASSERT_FALSE(c->cmdAnadir->isEnabled());
        QString hechos;
        for (const QString& paso : QString(pasos).split(' ')) {
            if (paso == "si" || paso == "no") {
                EXPECT_EQ(c->cmdAnadir->isEnabled(), paso == "si") << hechos.toStdString();
            } else {
                Hijo<QLineEdit>(c, paso.section('=', 0, 0))->setText(paso.section('=', 1));
            }
            hechos += paso + ' ';
        }
    }
}

// The point query names the units of its columns; under a point load of 5 Tn
// (live, 1.7 x 5 = 8.50 Tn factored by the classic rules) the two moments are
// equal and the shear drops by the factored load.
TEST_F(Cargas, ConsultaDelPuntoConSusUnidades) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    c->txtX->setText("2");
    c->cmdCalc->click();
    ProcesarEventos();
    EXPECT_EQ(Celda(c->grid1, 0, 1) + " / " + Celda(c->grid1, 0, 2), "Mx (Tn.m) / Qx (Tn)");
    const auto numero = [this](int f, int k) {
        return Celda(c->grid1, f, k).remove(',').toDouble();
    };
    EXPECT_EQ(Celda(c->grid1, 1, 1), Celda(c->grid1, 2, 1));
    EXPECT_NEAR(numero(1, 2) - numero(2, 2), 8.5, 0.011);
}

TEST_F(Cargas, AnadirFijaLaVigaLlenaLaRejillaYEnterEdita) {
    Teclear(c->txtL, "6");
    Anadir(c->optPuntual, c->optViva, "2", "", "5");
    ASSERT_EQ(E().NumCargas, 1);
    EXPECT_EQ(E().Cargas[1], (Carga{2, 0, 4, 5, 0, 2, kPuntual, kViva}));
    EXPECT_EQ(E().DistK, 6.0f);  // without cantilevers k is the length
    ExpectVigaLibre(true);       // the beam stays editable under its loads
    EXPECT_FALSE(c->cmdAnadir->isEnabled());
    EXPECT_TRUE(c->txtA->hasFocus() && c->txtP1->text().isEmpty());
    Anadir(c->optDistribuida, c->optMuerta, "1.5", "2", "1", "3");
    Anadir(c->optMomento, c->Option1, "4", "", "-2.5");
    EXPECT_EQ(E().Cargas[2], (Carga{1.5, 2, 2.5, 1, 3, 3.5, kDistribuida, kMuerta}));
    ASSERT_EQ(c->grid->rowCount(), 4);
    EXPECT_EQ(Fila(1), (QStringList{"1", "Puntual", "Viva", "2", "0", "5", "0"}));
    EXPECT_EQ(Fila(3), (QStringList{"3", "Momento", "Otros", "4", "0", "-2.5", "0"}));
    // The tool tip of the distributed load's symbol; nothing away from the symbols.
    EXPECT_EQ(c->DescripcionEn(495 + 2872 * 2.5 / 6, 1200),
              "Carga 2: Distribuida, Muerta, a = 1.5 m, b = 2 m, P1 = 1, P2 = 3");
    EXPECT_TRUE(c->DescripcionEn(3300, 300).isEmpty());

    // Enter on a load row (not the header) starts an edit; a check of
    // "Añadir" refuses it, the row stays and the edit goes on corrected.
    const QStringList fila = Fila(2);
    for (auto [r, tecla] : {std::pair{0, Qt::Key_Return}, {2, Qt::Key_Enter}}) {
        c->grid->setCurrentCell(r, 3);
        QTest::keyClick(c->grid, tecla);
        EXPECT_EQ(c->FilaEnEdicion(), r);
    }
    EXPECT_EQ(Campos(), (QStringList{"1.5", "2", "1", "3"}));
    EXPECT_TRUE(c->txtA->hasFocus());
    Neutral();
    EXPECT_EQ(Anadir(c->optDistribuida, c->optMuerta, "5", "2", "1", "3"), Msgs{kMayorLuz});
    EXPECT_EQ(Fila(2), fila);
    EXPECT_EQ(c->txtA->text() + " " + c->cmdAnadir->text(), "4 Modificar");
    c->cmdAnadir->click();
    EXPECT_EQ(E().Cargas[2], (Carga{4, 2, 0, 1, 3, 6, kDistribuida, kMuerta}));
}

TEST_F(Cargas, BorrarLaSeleccionadaLaUltimaYLaUnicaYAceptarComprobandoElAla) {
    Teclear(c->txtL, "6");
    for (const char* a : {"1", "2", "3"}) Anadir(c->optPuntual, c->optViva, a, "", a);
    c->grid->setCurrentCell(2, 1);  // the second row selected: loads 1 and 3 remain
    c->cmdBorrar->click();
    ASSERT_EQ(E().NumCargas, 2);
    EXPECT_EQ(Fila(2), (QStringList{"2", "Puntual", "Viva", "3", "0", "3", "0"}));
    c->grid->setCurrentCell(0, 0);  // the header row marks no load
    c->cmdBorrar->click();
    EXPECT_EQ(E().NumCargas, 2);
    Anadir(c->optPuntual, c->optViva, "4", "", "4");  // selection untouched: the last goes
    c->cmdBorrar->click();
    EXPECT_EQ(E().Cargas[2].P1, 3.0f);

    // Down to the only one: the beam, the results and the main window's
    // figures are released.
    c->cmdBorrar->click();
    ResultadoCalculo calculado;
    calculado.MomentoPosMax = 9;
    calculado.GiroMax = 0.5f;
    g->documento().FijarResultado(calculado);
    g->lblMp->setText("9.00");
    c->cmdBorrar->click();
    const ResultadoCalculo& r = g->documento().resultado();
    EXPECT_EQ(std::tuple(E().NumCargas, E().LuzViga, r.MomentoPosMax, r.GiroMax),
              std::tuple(0, 0.0f, 0.0f, 0.5f));
    EXPECT_TRUE(c->txtL->text().isEmpty());
    ExpectVigaLibre(true);
    EXPECT_EQ(c->grid->rowCount(), 1);
    EXPECT_TRUE(g->lblMp->text().isEmpty());
    EXPECT_EQ(c->pctCarga->IzquierdaTwips(c->Apoyo2), 3240);

    // Ok with no load: no check (the limit of a 0 m beam would refuse any
    // flange), and the calculation stays unavailable.
    PonerSeccion(g->documento().proyecto(), kVigaT, "200", "10", "25", "40");
    g->cmdCalculos->setEnabled(true);
    c->cmdCargasOk->click();
    EXPECT_TRUE(Vistos().empty() && !g->cmdCalculos->isEnabled() && !c->isVisible());
    // 6 m: limit min(600 / 4, 16 x 10 + 25) = 150 cm, so 200 is refused and
    // the section window comes up with 150 selected.
    Mostrar();
    Teclear(c->txtL, "6");
    Anadir(c->optDistribuida, c->optMuerta, "0", "6", "2", "2");
    Neutral();
    c->cmdCargasOk->click();
    ProcesarEventos();
    EXPECT_EQ(Vistos().at(0).titulo, "Dimensión insuficiente");
    frmSeccion* s = g->Ventana<frmSeccion>();
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->txtB->selectedText(), "150");
    EXPECT_FALSE(g->cmdCalculos->isEnabled());
    // Within the limit: accepted, the calculation available.
    s->hide();
    PonerSeccion(g->documento().proyecto(), kVigaT, "150", "10", "25", "40");
    c->show();
    c->cmdCargasOk->click();
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
}

// The edited load stored as a new one typed with those fields would be (the
// calculation of the stored loads is the core's).
TEST_F(Cargas, EdicionEnSuFilaReaperturaTrasElCuadroDeCierreYLoQueDejaLaFila) {
    // An 8 m beam on supports at 1.5 and 6.5 m: a uniform dead load, a point
    // load typed wrong (30 Tn live at 4 m) and a moment.
    PonerSeccion(g->documento().proyecto(), kVigaRect, "25", "60");
    c->Check_Vuelo->click();
    Pasos({{c->txtL, "8", {}}, {c->txtJ, "1.5", {}}, {c->txtK, "6.5", {}}});
    Anadir(c->optDistribuida, c->optMuerta, "0", "8", "2", "2");
    Anadir(c->optPuntual, c->optViva, "4", "", "30");
    Anadir(c->optMomento, c->Option1, "7", "", "-2");
    DobleClic(2);
    EXPECT_TRUE(c->optPuntual->isChecked() && c->optViva->isChecked());
    EXPECT_EQ(Campos(), (QStringList{"4", "", "30", ""}));
    EXPECT_EQ(Boton(), "Modificar / Reemplaza la carga seleccionada");
    // Corrected to 3 Tn dead at 3.5 m: the row replaced in its place.
    const QStringList primera = Fila(1), tercera = Fila(3);
    EXPECT_TRUE(Anadir(c->optPuntual, c->optMuerta, "3.5", "", "3").empty());
    EXPECT_EQ(Fila(2), (QStringList{"2", "Puntual", "Muerta", "3.5", "0", "3", "0"}));
    EXPECT_EQ(Fila(1) + Fila(3), primera + tercera);
    EXPECT_EQ(E().Cargas[2], (Carga{3.5, 0, 4.5, 3, 0, 3.5, kPuntual, kMuerta}));
    EXPECT_EQ(Boton(), "&Añadir / Inserta Carga");
    EXPECT_TRUE(Campos().join("").isEmpty());

    // The close box accepts as "Ok" does and unloads; reopened, the window is
    // restored (the supports to scale on the 2872-twip beam starting at 360).
    const QStringList fila2 = Fila(2);
    g->cmdCalculos->setEnabled(false);
    c->close();
    ProcesarEventos();
    EXPECT_TRUE(g->cmdCalculos->isEnabled());
    EXPECT_EQ(Registro::Instancia().SiExiste<frmCargas>(), nullptr);
    Mostrar();
    EXPECT_EQ(Fila(2), fila2);
    EXPECT_EQ(c->txtL->text() + " " + c->txtJ->text() + " " + c->txtK->text(), "8 1.5 6.5");
    ExpectVigaLibre(true);
    EXPECT_TRUE(c->Check_Vuelo->isChecked() && c->txtJ->isVisible());
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo1), 360 + 2872 * 1.5 / 8, 1);
    EXPECT_NEAR(c->pctCarga->IzquierdaTwips(c->Apoyo2), 360 + 2872 * 6.5 / 8, 1);

    // Esc (in a field or the table), another load type or Ok drop the edit.
    const Carga antes = E().Cargas[2];
    using Caso = std::tuple<const char*, std::function<void()>, bool>;  // the window visible after
    const Caso casos[] = {
        {"Esc en un campo", [&] { QTest::keyClick(c->txtP1, Qt::Key_Escape); }, true},
        {"Esc en la tabla", [&] { QTest::keyClick(c->grid, Qt::Key_Escape); }, true},
        {"otro tipo", [&] { c->optMomento->click(); }, true},
        {"Ok", [&] { c->cmdCargasOk->click(); }, false},
    };
    for (const auto& [nombre, accion, visible] : casos) {
        SCOPED_TRACE(nombre);
        DobleClic(2);
        ASSERT_EQ(c->FilaEnEdicion(), 2);
        c->txtP1->setText("9");
        accion();
        ProcesarEventos();
        EXPECT_EQ(E().Cargas[2], antes);
        EXPECT_EQ(Boton(), "&Añadir / Inserta Carga");
        EXPECT_TRUE(Campos().join("").isEmpty() && !c->cmdAnadir->isEnabled());
        EXPECT_EQ(c->isVisible(), visible);
        if (!c->isVisible()) Mostrar();
    }
}

}  // namespace
}  // namespace korvex::ui
