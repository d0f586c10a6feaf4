// A hand-made arrangement, stirrup zones and bar schedule laid on a
// calculated example, for the tests of the report's part "Armado y
// despiece": known bars, verdicts, lengths and phi Mn along the beam.
#pragma once

#include <vector>

#include "comun/Vigas.h"
#include "model/ReglasDiseno.h"
#include "model/Resultados.h"

namespace korvex::pruebas {

inline constexpr float kLibreLateral = 4.9525f;  // cm, 4 cm clear cover + 3/8" stirrup

// Bottom face of the rectangular example (b = 25 cm): 3Ø1" in one layer,
// Mu = 21.00 Tn·m against phi Mn = 23.50 Tn·m. Top face: 6Ø1" that cannot
// sit in one layer and fall short, phi Mn = 10.00 < Mu = 12.00 Tn·m.
inline std::vector<ArmadoCara> ArmadoAMano(const ReglasDiseno& reglas) {
    ArmadoCara abajo;
    abajo.inferior = true;
    abajo.estado = EstadoArmado::Aceptado;
    abajo.barras = {{3, 0, 1}};
    abajo.ancho = 25;
    abajo.libreLateral = kLibreLateral;
    abajo.separacionMinima = 2.54f;
    abajo.separacionLibre = 3.74f;
    abajo.separacion = 6.28f;
    abajo.dSupuesto = 46;
    abajo.dReal = 43.78f;
    abajo.dt = 43.78f;
    abajo.AsSupuesto = 14.1f;
    abajo.AsReal = 14.9f;
    abajo.AsProvisto = 15.2f;
    abajo.Mu = 2100000;
    abajo.phiMn = 2350000;
    abajo.phi = 0.9f;
    abajo.epsT = 0.0081f;
    abajo.fisuracion = reglas.Fisuracion(2800, kLibreLateral);
    abajo.fisuracionCumple = abajo.separacion <= abajo.fisuracion.sMax;
    abajo.cumple = true;

    ArmadoCara arriba = abajo;
    arriba.inferior = false;
    arriba.usuario = true;
    arriba.estado = EstadoArmado::NoCabe;
    arriba.aviso = "Las varillas de la cara superior no caben en dos capas.";
    arriba.barras = {{6, 0, 1}};
    arriba.separacionLibre = 0;
    arriba.Mu = 1200000;
    arriba.phiMn = 1000000;
    arriba.cumple = false;
    return {abajo, arriba};
}

// Two bottom marks (one runs, one is cut), the hangers with hooks, the
// stirrups; ld of the 3/4" bottom bars of the rules.
inline DespieceViga DespieceAMano(const ReglasDiseno& reglas, int estaciones) {
    DespieceViga d;
    BarraDespiece corrida{1, true, FuncionBarra::Corrida, 2, 0, 1, 0.04f, 5.96f, 0, 0, 5.92f};
    corrida.corteDesde = corrida.desde;
    corrida.corteHasta = corrida.hasta;
    BarraDespiece corte{2, true, FuncionBarra::Corte, 1, 0, 1, 1.2f, 4.8f, 0, 0, 3.6f};
    corte.corteDesde = 1.5f;
    corte.corteHasta = 4.5f;
    corte.reglaDesde = corte.reglaHasta = ReglaExtremo::Extension;
    BarraDespiece porta{3,  false, FuncionBarra::Portaestribos, 2, 3, 1, 0.04f, 5.96f, 15,
                        15, 6.22f};
    d.barras = {corrida, corte, porta};
    d.estribos = {{4, 37, 3, 17.1f, 42.1f, 7.5f, 1.33f}};
    d.capacidad = {{true, std::vector<float>(static_cast<std::size_t>(estaciones) + 1, 23.5f)},
                   {false, std::vector<float>(static_cast<std::size_t>(estaciones) + 1, 5.0f)}};
    DesarrolloCara ld;
    ld.inferior = true;
    ld.diametro = 1;
    ld.ld = reglas.LongitudDesarrollo(210, 2800, 1.905f, false);
    ld.extension = 43.78f;
    ld.extensionInflexion = 43.78f;
    d.desarrollo = {ld};
    return d;
}

inline ProyectoCalculado ConArmado(const char* ejemplo, const ReglasDiseno& reglas) {
    ProyectoCalculado p = Abierto(ejemplo);
    p.r.Armado = ArmadoAMano(reglas);
    p.r.ZonasEstribos = {{0, 1.2f, 9, 15}, {1.2f, 4.8f, 13, 28}, {4.8f, 6, 9, 15}};
    p.r.Despiece = DespieceAMano(reglas, p.r.NumEstaciones);
    return p;
}

}  // namespace korvex::pruebas
