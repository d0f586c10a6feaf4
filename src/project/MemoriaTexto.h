// Pieces shared by the parts of the calculation report: the number formats
// chosen per quantity (all written through the program's format routines)
// and the writer that appends numbered headings, paragraphs, tables and
// formula steps to the list of blocks.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ReglasDiseno.h"
#include "project/AvisosInforme.h"
#include "project/Memoria.h"

namespace korvex::memoria {

// Every format has a Double and a Single version: a Single is rounded from
// its shortest decimal form, the digits the screen shows (halves away from
// zero), a Double from its first 15 significant digits.

// Two and three decimals with thousands separators ("1,234.50", "0.006").
std::string F2(double v);
std::string F2(float v);
std::string F3(double v);
std::string F3(float v);

// A whole number with thousands separators: forces in Kgr, moments in Kgr.cm,
// inertias in cm4 ("1,234,568").
std::string Entero(double v);
std::string Entero(float v);

// `cifras` significant digits, trailing zeros dropped ("0.08710" -> "0.0871");
// values of 10^cifras and more as whole numbers; magnitudes below 0.001 as
// "1.234×10^{-5}".
std::string Cifras(double v, int cifras = 4);
std::string Cifras(float v, int cifras = 4);

// A value as it was entered or stored (the shortest text of the Single):
// lengths and loads of the project.
std::string Dato(float v);

// f'c as the material field reads it, in the general format.
std::string Fc(const Proyecto& p);

// The plain general format of the program (up to 7 significant digits).
std::string General(double v);
std::string General(float v);

// Units with their markup.
inline constexpr const char* kCm2 = "cm^{2}";
inline constexpr const char* kCm4 = "cm^{4}";
inline constexpr const char* kM4 = "m^{4}";
inline constexpr const char* kM5 = "m^{5}";
inline constexpr const char* kKgCm2 = "Kgr/cm^{2}";
inline constexpr const char* kKgCm = "Kgr·cm";
inline constexpr const char* kTnM = "Tn·m";

// Appends blocks to a report, numbering the headings of levels 1 and 2
// ("3. Diseño a flexión", "3.2 Momento positivo M(+)").
class Redactor {
  public:
    explicit Redactor(std::vector<Bloque>& bloques) : bloques_(bloques) {}

    void Titulo(const std::string& texto);    // the document title (level 0)
    void Parte(const std::string& texto);     // level 1, numbered
    void Apartado(const std::string& texto);  // level 2, numbered within the part
    void Texto(const std::string& texto);
    void Nota(const std::string& texto);
    void Tabla(TablaMemoria t);
    void Paso(const std::string& concepto, const std::string& simbolos,
              const std::string& sustitucion, const std::string& resultado);
    void Comprobacion(const std::string& concepto, const std::string& simbolos,
                      const std::string& comparacion, bool cumple);
    void Figura(Bloque figura);

  private:
    std::vector<Bloque>& bloques_;
    int parte_ = 0, apartado_ = 0;
};

// The values of the slots of a rule's texts, by name (ReglasDiseno.h).
using Valores = std::vector<std::pair<std::string_view, std::string>>;

// `a` followed by `b`: where both name a slot, `a`'s value is the one used.
Valores Unir(Valores a, const Valores& b);

// The formula of `regla` with its symbols filled from `simbolos`, and its
// substitution with its values filled from `valores`.
std::string FormulaRegla(const ReglasDiseno& reglas, Regla regla, const Valores& simbolos = {});
std::string SustitucionRegla(const ReglasDiseno& reglas, Regla regla, const Valores& valores);

// `concepto` followed by the clause of the code the rule `t` comes from,
// " (ACI 318-19, 22.5.5.1)"; `concepto` alone for rules that cite none or
// when it ends with that citation already.
std::string ConClausula(const std::string& concepto, const TextoRegla& t);
std::string ConClausula(const std::string& concepto, const ReglasDiseno& reglas, Regla regla);

// The governing strength combination `indice` of the rules as the report
// names it, " (gobierna U = 1.2 D + 1.6 L)"; empty when the rules have a
// single combination or the analysis recorded none.
std::string Gobierna(const ReglasDiseno& reglas, int indice);

// The step of a rule, its concept with the rule's clause: its formula and
// its substitution.
void PasoRegla(Redactor& r, const ReglasDiseno& reglas, Regla regla, const std::string& concepto,
               const Valores& valores, const std::string& resultado, const Valores& simbolos = {});

// The factors of flexure as the substitutions print them: {phi} at the
// strain limit `epsLim` of the design, {bloque}, {mitadBloque}, {ecu},
// {tanteoAlma} and {tanteoAla}.
Valores FactoresFlexion(const ReglasDiseno& reglas, float epsLim, double fy);

// The parts of the report, in their order. Each reads the project's input
// from `p` and the results and the record of the calculation from `c`, and
// appends its blocks.
// The texts of each rule (formulas, factors, criteria) are those of `reglas`,
// the rules the calculation used.
void Datos(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas, Redactor& r);
void Analisis(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r);
// The rules of the design and how they compare with the code.
void Criterios(const Proyecto& p, const ReglasDiseno& reglas, Redactor& r);
// Each returns false when the design stopped at a failure of its part (an
// insufficient section, a shear failure): the design chapter ends there.
bool DisenoFlexion(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                   Redactor& r);
bool DisenoCortante(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                    Redactor& r);
void Varillas(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r);
// A row of the bar table by its name ("3/4\"") and its diameter, cm; a dash
// and 0 for no row of it.
std::string NombreBarra(int fila);
double DiametroBarra(int fila);

// True when the design gave an arrangement of bars: the part "Armado y
// despiece" follows "Varillas" (a design that stopped has none).
bool ConArmado(const ResultadoCalculo& c);
// The bars of each face and their checks (MemoriaArmado.cpp), the
// development and cut-off lengths, the stirrup zones, the bar schedule, the
// capacity diagram and the drawing (MemoriaDespiece.cpp).
void ArmadoYDespiece(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                     Redactor& r);
void CarasArmado(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                 Redactor& r);
void Despiece(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r);
// The figure of the factored moment (its envelope with the live-load
// arrangements) with phi Mn of the bars of each face over it.
FiguraDiagrama FiguraCapacidad(const Proyecto& p, const ResultadoCalculo& c);
void Deflexiones(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                 Redactor& r);
// Every message of the calculation in order, the arrangement notice first
// (it is found right after the sampling, before the design).
void Avisos(const Proyecto& p, const ResultadoCalculo& c, Redactor& r);

// The four diagrams (shear, moment, rotation, deflection) as figures.
std::vector<FiguraDiagrama> Diagramas(const Proyecto& p, const ResultadoCalculo& c);

}  // namespace korvex::memoria
