#include "project/MemoriaTexto.h"

#include <cmath>
#include <utility>

#include "text/Numeros.h"

namespace korvex::memoria {

std::string F2(double v) {
    return texto::Formato(v, "###,##0.00");
}

std::string F2(float v) {
    return texto::Formato(v, "###,##0.00");
}

std::string F3(double v) {
    return texto::Formato(v, "###,##0.000");
}

std::string F3(float v) {
    return texto::Formato(v, "###,##0.000");
}

std::string Entero(double v) {
    std::string t = texto::Formato(std::round(v), "###,##0.00");
    return t.substr(0, t.size() - 3);  // the ".00" of a whole number
}

std::string Entero(float v) {
    return Entero(texto::NumeroCampo(texto::TextoSimple(v)));
}

std::string General(double v) {
    return texto::FormatoGeneral(v);
}

std::string General(float v) {
    return texto::FormatoGeneral(v);
}

std::string Cifras(double v, int cifras) {
    if (!std::isfinite(v) || v == 0) return "0";
    // Halves away from zero: a value read from a decimal text may lie a
    // hair below its half in binary.
    const double a = std::fabs(v) * (1 + 1e-12);
    int exp10 = static_cast<int>(std::floor(std::log10(a)));
    const double signo = v < 0 ? -1 : 1;
    if (a < 1e-3) {
        // Mantissa and power of ten, the mantissa rounded to `cifras` digits.
        const double escala = std::pow(10.0, cifras - 1);
        double m = std::round(a / std::pow(10.0, exp10) * escala) / escala;
        if (m >= 10) {
            m /= 10;
            ++exp10;
        }
        return General(signo * m) + "×10^{" + std::to_string(exp10) + "}";
    }
    const int decimales = cifras - 1 - exp10;
    if (decimales <= 0) return Entero(v);
    const double escala = std::pow(10.0, decimales);
    return General(signo * std::round(a * escala) / escala);
}

std::string Cifras(float v, int cifras) {
    return Cifras(texto::NumeroCampo(texto::TextoSimple(v)), cifras);
}

std::string Fc(const Proyecto& p) {
    return General(texto::NumeroCampo(p.materiales.txtFc));
}

std::string Dato(float v) {
    return texto::TextoSimple(v);
}

void Redactor::Titulo(const std::string& texto) {
    bloques_.push_back(Encabezado{0, texto});
}

void Redactor::Parte(const std::string& texto) {
    ++parte_;
    apartado_ = 0;
    bloques_.push_back(Encabezado{1, std::to_string(parte_) + ". " + texto});
}

void Redactor::Apartado(const std::string& texto) {
    ++apartado_;
    bloques_.push_back(
        Encabezado{2, std::to_string(parte_) + "." + std::to_string(apartado_) + " " + texto});
}

void Redactor::Texto(const std::string& texto) {
    bloques_.push_back(Parrafo{texto, false});
}

void Redactor::Nota(const std::string& texto) {
    bloques_.push_back(Parrafo{texto, true});
}

void Redactor::Tabla(TablaMemoria t) {
    bloques_.push_back(std::move(t));
}

void Redactor::Paso(const std::string& concepto, const std::string& simbolos,
                    const std::string& sustitucion, const std::string& resultado) {
    FormulaMemoria f;
    f.concepto = concepto;
    f.simbolos = simbolos;
    if (!sustitucion.empty()) f.sustitucion = "= " + sustitucion;
    f.resultado = "= " + resultado;
    bloques_.push_back(std::move(f));
}

void Redactor::Comprobacion(const std::string& concepto, const std::string& simbolos,
                            const std::string& comparacion, bool cumple) {
    FormulaMemoria f;
    f.concepto = concepto;
    f.simbolos = simbolos;
    f.resultado = comparacion;
    f.veredicto = cumple ? Veredicto::Cumple : Veredicto::NoCumple;
    bloques_.push_back(std::move(f));
}

void Redactor::Figura(Bloque figura) {
    bloques_.push_back(std::move(figura));
}

Valores Unir(Valores a, const Valores& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string FormulaRegla(const ReglasDiseno& reglas, Regla regla, const Valores& simbolos) {
    return Sustituir(reglas.Texto(regla).formula, simbolos);
}

std::string SustitucionRegla(const ReglasDiseno& reglas, Regla regla, const Valores& valores) {
    return Sustituir(reglas.Texto(regla).sustitucion, valores);
}

std::string ConClausula(const std::string& concepto, const TextoRegla& t) {
    if (t.clausula.empty()) return concepto;
    const std::string cita = " (" + t.clausula + ")";
    if (concepto.ends_with(cita)) return concepto;  // the caller cited it already
    return concepto + cita;
}

std::string ConClausula(const std::string& concepto, const ReglasDiseno& reglas, Regla regla) {
    return ConClausula(concepto, reglas.Texto(regla));
}

std::string Gobierna(const ReglasDiseno& reglas, int indice) {
    if (indice < 0 || reglas.CombinacionesResistencia().size() < 2) return {};
    return " (gobierna U = " + reglas.NombreCombinacion(static_cast<std::size_t>(indice)) + ")";
}

void PasoRegla(Redactor& r, const ReglasDiseno& reglas, Regla regla, const std::string& concepto,
               const Valores& valores, const std::string& resultado, const Valores& simbolos) {
    const TextoRegla t = reglas.Texto(regla);
    r.Paso(ConClausula(concepto, t), Sustituir(t.formula, simbolos),
           Sustituir(t.sustitucion, valores), resultado);
}

Valores FactoresFlexion(const ReglasDiseno& reglas, float epsLim, double fy) {
    return {{"phi", General(reglas.PhiFlexion(epsLim, fy))},
            {"bloque", General(reglas.IntensidadBloque())},
            {"mitadBloque", General(reglas.IntensidadBloque() / 2)},
            {"ecu", General(reglas.DeformacionUltimaConcreto())},
            {"tanteoAlma", General(reglas.FactorTanteoAlma())},
            {"tanteoAla", General(reglas.FactorTanteoAla())}};
}

}  // namespace korvex::memoria
