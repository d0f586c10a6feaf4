#include "project/Informe.h"

#include <algorithm>

#include "design/Deflexion.h"
#include "design/DisenarViga.h"
#include "design/Reglas.h"
#include "project/AvisosInforme.h"
#include "project/Calculo.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

using E = ElementoInforme;

// The numbers of the page as the main window shows them: shears and moments
// (Tn, Tn.m) and steel areas (cm2) with two decimals, deflections (m) with
// three; the data typed (lengths in m, loads) with two decimals, or three
// when the value has them (an abscissa of 1.125 m).
std::string Dos(float v) {
    return texto::Formato(v, "###,##0.00");
}
std::string Tres(float v) {
    return texto::Formato(v, "###,##0.000");
}
std::string Dato(float v) {
    return texto::FormatoDecimales(v, 2, 3);
}

class Pagina {
  public:
    void Texto(double x, double y, std::string t, E::Letra letra = E::Cuerpo) {
        E e;
        e.x = x;
        e.y = y;
        e.texto = std::move(t);
        e.letra = letra;
        v.push_back(std::move(e));
    }
    void Parrafo(double x, double y, double ancho, double alto, std::string t, E::Letra letra) {
        Caja(E::Parrafo, x, y, ancho, alto);
        v.back().texto = std::move(t);
        v.back().letra = letra;
    }
    void Linea(double x, double y, double x2, double y2) { Caja(E::Linea, x, y, x2, y2); }
    void Caja(E::Tipo tipo, double x, double y, double x2, double y2) {
        E e;
        e.tipo = tipo;
        e.x = x;
        e.y = y;
        e.x2 = x2;
        e.y2 = y2;
        v.push_back(std::move(e));
    }
    std::vector<E> v;
};

// Load i at ordinate y: number and type word, category, then a, b, c, P1, P2.
void FilaCarga(Pagina& pg, const EstadoProyecto& e, int i, double y) {
    const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
    pg.Texto(1000, y, "      " + std::to_string(i) + "            " + PalabraTipoCarga(c.Tipo));
    pg.Texto(4100, y, PalabraCategoria(c.Categoria));
    pg.Texto(5650, y,
             Dato(c.A) + std::string(11, ' ') + Dato(c.B) + std::string(11, ' ') + Dato(c.C) +
                 std::string(12, ' ') + Dato(c.P1) + std::string(13, ' ') + Dato(c.P2));
}

}  // namespace

int PuntosLetra(ElementoInforme::Letra letra, bool imprimiendo) {
    switch (letra) {
        case E::Titulo:
            return imprimiendo ? 25 : 13;
        case E::Cuerpo:
            return imprimiendo ? 13 : 6;
        case E::Cierre:
            return 9;
        case E::Nota:
            return imprimiendo ? 9 : 4;
    }
    return 9;
}

std::string NumeroImpreso(const std::string& numero) {
    return (numero.starts_with('-') ? "" : " ") + numero + " ";
}

std::vector<ElementoInforme> PaginaInforme(const Proyecto& p, const ResultadoCalculo& r,
                                           bool imprimiendo) {
    const EstadoProyecto& e = p.estado;
    const Seccion& s = p.seccion;
    Pagina pg;

    pg.Texto(4100, 1000, "Korvex 2000", E::Titulo);
    pg.Texto(1500, 2100, "Diagrama de Cortante (Tn)");
    pg.Texto(6250, 2100, "Diagrama de Momento (Tn.m)");
    if (imprimiendo) {
        pg.Caja(E::Logo, 3000, 960, 840, 840);
    } else {
        pg.Caja(E::Logo, 2500, 730, 480, 480);  // the logo's own size, 32 px
    }
    pg.Linea(1000, 2000, 10500, 2000);
    pg.Caja(E::Cortante, 1000, 2450, 4876, 2700);
    pg.Caja(E::Momento, 6000, 2450, 4876, 2700);
    // Zero axes of the two pictures.
    pg.Linea(1440, 3846.356, 5280, 3846.356);
    pg.Linea(6453.333, 3846.356, 10346.6, 3846.356);

    pg.Texto(1440, 5000, "Qmax (+):");
    pg.Texto(3200, 5000, NumeroImpreso(Dos(r.CortanteMax)));
    pg.Texto(6453.333, 5000, "Mmax (-):");
    pg.Texto(8185, 5000, NumeroImpreso(Dos(r.MomentoNegMax)));
    pg.Texto(1440, 5550, "Qmax (-):");
    pg.Texto(3200, 5550, NumeroImpreso(Dos(r.CortanteMin)));
    pg.Texto(6453.33, 5550, "Mmax (+):");
    pg.Texto(8185, 5550, NumeroImpreso(Dos(r.MomentoPosMax)));

    pg.Texto(1000, 6400, "ESPECIFICACIONES TECNICAS:");
    pg.Texto(1000, 6900, "F'c(Kgr/cm2):");
    pg.Texto(3530, 6900, p.materiales.txtFc);
    pg.Texto(1000, 7300, "Fy(Kgr/cm2):");
    pg.Texto(3530, 7300, p.materiales.cboFy);
    pg.Texto(1000, 7700, "Recubrimiento(cm):");
    pg.Texto(3530, 7700, p.materiales.txtRec);
    pg.Texto(1000, 8100, "Tipo de Viga:");
    pg.Texto(3530, 8100, NombreTipoViga(s.TipoViga));
    // Rules other than the classic ones are named on the free line under the
    // data, above the loads' title; a classic page is the page it always was.
    if (r.norma != kReglasClasicas) {
        pg.Texto(1000, 8500, "Norma: " + std::string(NombreCortoReglas(r.norma)));
    }

    const bool rect = s.TipoViga == kVigaRect;
    pg.Texto(6000, 6400, "DATOS DE LA SECCION (cm):");
    pg.Texto(6000, 6900, rect ? "b:" : "bf:");
    pg.Texto(6600, 6900, s.txtB);
    pg.Texto(6000, 7300, rect ? "h:" : "hf:");
    pg.Texto(6600, 7300, s.txtH);
    if (s.TipoViga == kVigaT || s.TipoViga == kVigaTi) {
        pg.Texto(7400, 6900, "bw:");
        pg.Texto(8000, 6900, s.txtBw);
        pg.Texto(7400, 7300, "hw:");
        pg.Texto(8000, 7300, s.txtHw);
    }
    pg.Texto(6000, 7700, "Longitud(m):");
    pg.Texto(7700, 7700, NumeroImpreso(Dato(e.LuzViga)));
    if (p.ventana.Check_Vuelo == 1) {
        pg.Texto(6000, 8100, "j:   " + Dato(e.DistJ) + "      k:   " + Dato(e.DistK));
    }

    pg.Texto(5218, 8850, "CARGAS");
    pg.Texto(1000, 9400,
             "Carga No.     Carga                Tipo                a           b             c "
             "          P1            P2            ");
    const int filas =
        std::min<int>(3, std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1));
    for (int i = 1; i <= filas; ++i) FilaCarga(pg, e, i, 9700 + 300.0 * (i - 1));

    pg.Texto(5210, 11000, "RESULTADOS:");
    pg.Texto(1000, 11350, "Espaciamiento máximo de estribos(cms):      " + r.txtEstribos);
    pg.Texto(1000, 11700,
             "   Acero (Cm2)              Sección M(+)               Sección M(-)      ");
    pg.Texto(1000, 12000, "   Tracción                     " + Dos(r.AsTraccionPos));
    pg.Texto(5900, 12000, NumeroImpreso(Dos(r.AsTraccionNeg)));
    pg.Texto(1000, 12300, "   Compresión                 " + Dos(r.AsCompresionPos));
    pg.Texto(5900, 12300, NumeroImpreso(Dos(r.AsCompresionNeg)));
    // The deflection the check compared with the admissible one.
    const int uso = p.materiales.UsoDeflexion;
    pg.Texto(1000, 12700,
             "Deflexión máxima (mts):    " + Tres(FlechaLargoPlazo(ReglasDe(r), r, uso)));
    pg.Texto(1000, 13000,
             "Deflexión máxima admisible (mts):       " +
                 Tres(DeflexionAdmisibleGobernante(ReglasDe(r), r, e.LuzViga, uso)));
    // On a beam with cantilevers both are those of the governing zone, named
    // beside them.
    if (const PasoZonaDeflexion* zona = ZonaNombrada(r)) {
        pg.Texto(5900, 12700, std::string("Zona que gobierna: ") + NombreZona(zona->zona));
    }
    // Whether the design is that of the worst live-load arrangement, on the
    // free line under the deflections (no other item moves).
    pg.Texto(1000, 13300,
             std::string("Carga viva alternada: ") + (e.AlternanciaViva ? "sí" : "no"));
    // An arrangement that governs and was left out: the notice, in the free
    // space between that line and the closing rule.
    if (std::string aviso = AvisoAlternanciaInforme(p, r); !aviso.empty()) {
        pg.Parrafo(1000, 13620, 9500, 640, std::move(aviso), E::Nota);
    }

    pg.Linea(1000, 14300, 10500, 14300);
    pg.Texto(1000, 14400, "Korvex 2000 - Programa de Diseño de Vigas Simples", E::Cierre);
    pg.Texto(1000, 14650,
             "Análisis y diseño de vigas de concreto armado por el método de resistencia (ACI)",
             E::Cierre);
    return pg.v;
}

}  // namespace korvex
