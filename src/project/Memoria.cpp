// The report as a list of blocks: the title and the part "Datos" (materials,
// section, beam and supports, loads); the other parts are in the files named
// after them.
#include "project/Memoria.h"

#include <algorithm>

#include "project/BarrasSeccion.h"
#include "project/Calculo.h"
#include "project/MemoriaTexto.h"
#include "text/Numeros.h"

namespace korvex {

namespace memoria {

namespace {

constexpr double kTnM2AKgCm2 = 0.1;       // Tn/m2 -> Kgr/cm2
constexpr double kM4ACm4 = 100000000;     // m4 -> cm4
constexpr const char* kEs = "2,040,000";  // Kgr/cm2, the steel modulus of the design

// The words of the load table, a dash for a code that has none.
std::string Palabra(const char* w) {
    return *w ? w : "—";
}

const char* UnidadCarga(float tipo) {
    if (tipo == kPuntual) return "Tn";
    if (tipo == kDistribuida) return "Tn/m";
    if (tipo == kMomento) return kTnM;
    return "";
}

void Materiales(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const double fc = texto::NumeroCampo(p.materiales.txtFc);
    const double fy = texto::NumeroCampo(p.materiales.cboFy);
    const double Ec = e.ModuloElasticidad * kTnM2AKgCm2;  // Kgr/cm2

    r.Apartado("Materiales");
    TablaMemoria t;
    t.encabezado = {"Magnitud", "Símbolo", "Valor", "Unidad"};
    t.numerica = {false, false, true, false};
    t.filas = {{"Resistencia del hormigón", "f'_{c}", General(fc), kKgCm2},
               {"Fluencia del acero", "f_{y}", General(fy), kKgCm2},
               {"Módulo del acero", "E_{s}", kEs, kKgCm2},
               {"Módulo del hormigón", "E_{c}", Entero(Ec), kKgCm2}};
    const float n = c.Pasos.n;  // recorded at the start of the design
    if (n > 0) t.filas.push_back({"Relación modular", "n", Cifras(n), "—"});
    t.filas.push_back({"Recubrimiento", "r", Dato(c.Recubrimiento), "cm"});
    r.Tabla(std::move(t));

    const TextoRegla ec = reglas.Texto(Regla::ModuloConcreto);
    const std::string ecValor = Sustituir(ec.sustitucion, {{"fc", General(fc)}});
    r.Paso(ConClausula("Módulo de elasticidad del hormigón", ec), "E_{c} = " + ec.formula, ecValor,
           Entero(Ec) + " " + kKgCm2 + " (" + Entero(e.ModuloElasticidad) +
               " Tn/m^{2} en el análisis)");
    if (n > 0) {
        r.Paso("Relación modular", "n = E_{s} / E_{c} = E_{s} / (" + ec.formula + ")",
               std::string(kEs) + " / (" + ecValor + ")", Cifras(n));
    }
}

void Seccion(const Proyecto& p, const ResultadoCalculo& c, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const korvex::Seccion& s = p.seccion;
    const bool rect = s.TipoViga == kVigaRect;
    const bool invertida = s.TipoViga == kVigaTi;
    const std::string A = F2(e.AreaSeccion);
    const std::string Ig = Entero(e.InerciaSeccion * kM4ACm4) + " " + kCm4 + " = " +
                           Cifras(e.InerciaSeccion, 5) + " " + kM4;
    const std::string yc = General(s.Ycg);

    r.Apartado("Sección transversal");
    FiguraSeccion f;
    f.TipoViga = s.TipoViga;
    f.Ycg = s.Ycg;
    f.recubrimiento = c.Recubrimiento;
    f.d = c.PeralteEfectivo;
    PonerVarillas(c, f);  // the bars the design proposed for each face
    TablaMemoria t;
    t.encabezado = {"Dimensión", "Valor (cm)"};
    t.numerica = {false, true};
    if (rect) {
        const float b = static_cast<float>(texto::NumeroCampo(s.txtB));
        f.b = b;
        f.h = s.H;
        f.titulo = "Sección rectangular (cm)";
        r.Texto("Sección rectangular de ancho b y altura h.");
        t.filas = {{"Ancho b", Dato(b)}, {"Altura h", Dato(s.H)}};
        r.Tabla(std::move(t));
        r.Figura(f);
        r.Paso("Área bruta", "A = b h", Dato(b) + " × " + Dato(s.H), A + " " + kCm2);
        r.Paso("Altura del centro de gravedad sobre la fibra inferior", "y_{cg} = h / 2",
               Dato(s.H) + " / 2", F2(s.Ycg) + " cm");
        r.Paso("Inercia bruta respecto al eje horizontal por el centro de gravedad",
               "I_{g} = b h^{3} / 12", Dato(b) + " × " + Dato(s.H) + "^{3} / 12", Ig);
        r.Paso("Peralte efectivo", "d = h − r", Dato(s.H) + " − " + Dato(c.Recubrimiento),
               Dato(c.PeralteEfectivo) + " cm");
        return;
    }
    const std::string bf = Dato(s.Bf), hf = Dato(s.Hf), bw = Dato(s.Bw), hw = Dato(s.Hw);
    f.bf = s.Bf;
    f.hf = s.Hf;
    f.bw = s.Bw;
    f.hw = s.Hw;
    f.titulo = invertida ? "Sección T invertida (cm)" : "Sección T (cm)";
    r.Texto(invertida ? "Sección T invertida: ala de ancho b_{f} y espesor h_{f} abajo, alma "
                        "de ancho b_{w} y altura h_{w} encima."
                      : "Sección T: ala de ancho b_{f} y espesor h_{f} arriba, alma de ancho "
                        "b_{w} y altura h_{w} debajo.");
    t.filas = {{"Ancho del ala b_{f}", bf},
               {"Espesor del ala h_{f}", hf},
               {"Ancho del alma b_{w}", bw},
               {"Altura del alma h_{w}", hw}};
    r.Tabla(std::move(t));
    r.Figura(f);
    r.Paso("Área bruta", "A = b_{f} h_{f} + b_{w} h_{w}", bf + " × " + hf + " + " + bw + " × " + hw,
           A + " " + kCm2);
    if (invertida) {
        r.Paso("Altura del centro de gravedad sobre la fibra inferior",
               "y_{cg} = [b_{w} h_{w} (h_{f} + h_{w}/2) + b_{f} h_{f} h_{f}/2] / A",
               "[" + bw + " × " + hw + " × (" + hf + " + " + hw + "/2) + " + bf + " × " + hf +
                   " × " + hf + "/2] / " + A,
               F2(s.Ycg) + " cm");
        r.Paso("Inercia bruta respecto al eje horizontal por el centro de gravedad",
               "I_{g} = b_{f} h_{f}^{3}/12 + b_{f} h_{f} (y_{cg} − h_{f}/2)^{2} + b_{w} "
               "h_{w}^{3}/12 + b_{w} h_{w} (h_{f} + h_{w}/2 − y_{cg})^{2}",
               bf + " × " + hf + "^{3}/12 + " + bf + " × " + hf + " × (" + yc + " − " + hf +
                   "/2)^{2} + " + bw + " × " + hw + "^{3}/12 + " + bw + " × " + hw + " × (" + hf +
                   " + " + hw + "/2 − " + yc + ")^{2}",
               Ig);
    } else {
        r.Paso("Altura del centro de gravedad sobre la fibra inferior",
               "y_{cg} = [b_{f} h_{f} (h_{w} + h_{f}/2) + b_{w} h_{w} h_{w}/2] / A",
               "[" + bf + " × " + hf + " × (" + hw + " + " + hf + "/2) + " + bw + " × " + hw +
                   " × " + hw + "/2] / " + A,
               F2(s.Ycg) + " cm");
        r.Paso("Inercia bruta respecto al eje horizontal por el centro de gravedad",
               "I_{g} = b_{f} h_{f}^{3}/12 + b_{f} h_{f} (h_{w} + h_{f}/2 − y_{cg})^{2} + b_{w} "
               "h_{w}^{3}/12 + b_{w} h_{w} (y_{cg} − h_{w}/2)^{2}",
               bf + " × " + hf + "^{3}/12 + " + bf + " × " + hf + " × (" + hw + " + " + hf +
                   "/2 − " + yc + ")^{2} + " + bw + " × " + hw + "^{3}/12 + " + bw + " × " + hw +
                   " × (" + yc + " − " + hw + "/2)^{2}",
               Ig);
    }
    r.Paso("Peralte efectivo", "d = h_{f} + h_{w} − r",
           hf + " + " + hw + " − " + Dato(c.Recubrimiento), Dato(c.PeralteEfectivo) + " cm");
}

void VigaYApoyos(const Proyecto& p, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    r.Apartado("Viga y apoyos");
    r.Texto("Viga isostática de longitud L = " + Dato(e.LuzViga) +
            " m sobre dos apoyos simples: J en x = " + Dato(e.DistJ) +
            " m y K en x = " + Dato(e.DistK) + " m (abscisas desde el extremo izquierdo).");
    if (e.DistJ > 0 || e.DistK < e.LuzViga) {
        std::string t;
        if (e.DistJ > 0) t += "Vuelo izquierdo de x = 0 a x = " + Dato(e.DistJ) + " m. ";
        if (e.DistK < e.LuzViga) {
            t += "Vuelo derecho de x = " + Dato(e.DistK) + " m a x = " + Dato(e.LuzViga) + " m.";
        }
        r.Texto(t);
    } else {
        r.Texto("Sin vuelos: los apoyos están en los extremos de la viga.");
    }
}

void Cargas(const Proyecto& p, const ReglasDiseno& reglas, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    r.Apartado("Cargas");
    r.Texto("Tabla completa de cargas (" + std::to_string(e.NumCargas) +
            (e.NumCargas == 1 ? " carga). " : " cargas). ") +
            "a: abscisa del punto de aplicación o del inicio de la carga distribuida; b: "
            "longitud cargada; P_{1} y P_{2}: intensidades en a y en a + b. Factor: el de la "
            "combinación factorizada (" + reglas.Texto(Regla::FactorServicio).texto + ").");
    TablaMemoria t;
    t.encabezado = {"N°",    "Tipo",  "Categoría", "a (m)", "b (m)",
                    "P_{1}", "P_{2}", "Unidad",    "Factor"};
    t.numerica = {true, false, false, true, true, true, true, false, true};
    const int n = std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const Carga& c = e.Cargas[static_cast<std::size_t>(i)];
        const bool distribuida = c.Tipo == kDistribuida;
        t.filas.push_back({std::to_string(i), Palabra(PalabraTipoCarga(c.Tipo)),
                           Palabra(PalabraCategoria(c.Categoria)), Dato(c.A),
                           distribuida ? Dato(c.B) : "—", Dato(c.P1),
                           distribuida ? Dato(c.P2) : "—", UnidadCarga(c.Tipo),
                           reglas.TextoFactor(c.Categoria)});
    }
    r.Tabla(std::move(t));
    r.Nota(
        "Signos: fuerzas y cargas distribuidas positivas hacia abajo; momentos aplicados "
        "positivos en el sentido horario.");
}

}  // namespace

void Datos(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas, Redactor& r) {
    r.Parte("Datos");
    Materiales(p, c, reglas, r);
    Seccion(p, c, r);
    VigaYApoyos(p, r);
    Cargas(p, reglas, r);
}

}  // namespace memoria

bool MemoriaPosible(const ResultadoCalculo& c) {
    return c.NumEstaciones > 0 && c.DiagX.size() > static_cast<std::size_t>(c.NumEstaciones) &&
           c.DiagCortante.size() > static_cast<std::size_t>(c.NumEstaciones) &&
           c.DiagMomento.size() > static_cast<std::size_t>(c.NumEstaciones) &&
           c.DiagGiro.size() > static_cast<std::size_t>(c.NumEstaciones) &&
           c.DiagFlecha.size() > static_cast<std::size_t>(c.NumEstaciones);
}

std::vector<Bloque> ConstruirMemoria(const Proyecto& p, const ResultadoCalculo& c,
                                     const OpcionesMemoria& o) {
    return ConstruirMemoria(p, c, o, ReglasDe(c));
}

std::vector<Bloque> ConstruirMemoria(const Proyecto& p, const ResultadoCalculo& c,
                                     const OpcionesMemoria& o, const ReglasDiseno& reglas) {
    std::vector<Bloque> bloques;
    if (!MemoriaPosible(c)) return bloques;
    memoria::Redactor r(bloques);
    r.Titulo("Memoria de cálculo");
    std::string portada = "Viga de hormigón armado";
    if (!o.archivo.empty()) portada += ", proyecto " + o.archivo;
    if (!o.fecha.empty()) portada += ", " + o.fecha;
    r.Texto(portada +
            ". Cálculo y diseño por el método de resistencia con Korvex 2000; "
            "cada valor es el que el programa calculó, escrito con su fórmula.");
    memoria::Datos(p, c, reglas, r);
    memoria::Analisis(p, c, reglas, r);
    memoria::Criterios(p, reglas, r);
    // A failure ends the design chapter at its check; the messages follow.
    if (memoria::DisenoFlexion(p, c, reglas, r) && memoria::DisenoCortante(p, c, reglas, r)) {
        memoria::Varillas(p, c, reglas, r);
        if (memoria::ConArmado(c)) memoria::ArmadoYDespiece(p, c, reglas, r);
        memoria::Deflexiones(p, c, reglas, r);
    }
    memoria::Avisos(p, c, r);
    return bloques;
}

namespace {

bool operator==(const PuntoCm& a, const PuntoCm& b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

bool FiguraDibujo::operator==(const FiguraDibujo& o) const {
    const Dibujo &a = dibujo, &b = o.dibujo;
    auto iguales = [](const auto& u, const auto& v, auto igual) {
        return std::equal(u.begin(), u.end(), v.begin(), v.end(), igual);
    };
    return titulo == o.titulo &&
           iguales(a.capas, b.capas,
                   [](const CapaDibujo& x, const CapaDibujo& y) {
                       return x.nombre == y.nombre && x.color == y.color;
                   }) &&
           iguales(a.lineas, b.lineas,
                   [](const LineaDibujo& x, const LineaDibujo& y) {
                       return x.capa == y.capa && x.a == y.a && x.b == y.b;
                   }) &&
           iguales(a.polilineas, b.polilineas,
                   [](const PolilineaDibujo& x, const PolilineaDibujo& y) {
                       return x.capa == y.capa && x.cerrada == y.cerrada &&
                              std::equal(x.puntos.begin(), x.puntos.end(), y.puntos.begin(),
                                         y.puntos.end(),
                                         [](const PuntoCm& p, const PuntoCm& q) { return p == q; });
                   }) &&
           iguales(a.circulos, b.circulos,
                   [](const CirculoDibujo& x, const CirculoDibujo& y) {
                       return x.capa == y.capa && x.centro == y.centro && x.radio == y.radio;
                   }) &&
           iguales(a.textos, b.textos, [](const TextoDibujo& x, const TextoDibujo& y) {
               return x.capa == y.capa && x.punto == y.punto && x.altura == y.altura &&
                      x.texto == y.texto && x.alineacion == y.alineacion;
           });
}

std::string TextoPlano(const std::string& marcado) {
    std::string t;
    int profundidad = 0;
    for (std::size_t i = 0; i < marcado.size(); ++i) {
        const char c = marcado[i];
        if ((c == '_' || c == '^') && i + 1 < marcado.size() && marcado[i + 1] == '{') {
            ++profundidad;
            ++i;
        } else if (c == '}' && profundidad > 0) {
            --profundidad;
        } else {
            t.push_back(c);
        }
    }
    return t;
}

}  // namespace korvex
