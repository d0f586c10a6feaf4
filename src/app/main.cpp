// korvex: the windows, or with --calcular / --poligono the headless command,
// which never creates a GUI application and so needs no display.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "batch/DxfLote.h"
#include "batch/Lote.h"
#include "design/Reglas.h"

#ifdef KORVEX_CON_VENTANAS
#include <QApplication>

#include "ui/Arranque.h"
#include "ui/report/InformeLote.h"
#include "ui/report/MemoriaLote.h"
#endif

namespace {

using korvex::lote::kSalidaUso;

constexpr const char* kUso =
    "Uso:\n"
    "  korvex [ARCHIVO.kvx]\n"
    "      abre Korvex en sus ventanas (con el proyecto indicado)\n"
    "  korvex --calcular ARCHIVO.kvx [ARCHIVO.kvx]... [--json] [--uso 1|2|3|4]\n"
    "         [--estribo 3/8|1/2] [--punto X]... [--diagramas] [--alternancia]\n"
    "         [--norma clasica|aci318-19]\n"
    "      lee cada proyecto y realiza los cálculos sin abrir ventanas; varios\n"
    "      proyectos se calculan a la vez en todos los núcleos y se escriben en el\n"
    "      orden dado\n"
    "  korvex --poligono ARCHIVO [--json]\n"
    "      área, centro de gravedad e inercia de un polígono\n"
    "  korvex --informe SALIDA.pdf ARCHIVO.kvx [--uso 1|2|3|4] [--estribo 3/8|1/2]\n"
    "         [--alternancia] [--norma clasica|aci318-19]\n"
    "      calcula el proyecto y escribe su informe de una página en PDF, sin\n"
    "      abrir ventanas\n"
    "  korvex --memoria SALIDA.pdf ARCHIVO.kvx [--uso 1|2|3|4] [--estribo 3/8|1/2]\n"
    "         [--alternancia] [--norma clasica|aci318-19]\n"
    "      calcula el proyecto y escribe su memoria de cálculo en PDF (cada paso\n"
    "      del análisis y del diseño con su fórmula), sin abrir ventanas\n"
    "  korvex --dxf SALIDA.dxf ARCHIVO.kvx [--uso 1|2|3|4] [--estribo 3/8|1/2]\n"
    "         [--alternancia] [--norma clasica|aci318-19]\n"
    "      calcula el proyecto y escribe el dibujo de su despiece en DXF (elevación\n"
    "      con las barras y los estribos, y las secciones de los momentos máximos)\n"
    "  korvex --help | --version\n"
    "\n"
    "Opciones:\n"
    "  --calcular ARCHIVO  proyecto .kvx que se calcula; los demás archivos de la\n"
    "                      orden son más proyectos, calculados con las mismas\n"
    "                      opciones y escritos en el orden en que aparecen\n"
    "  --json              resultado como un objeto JSON (UTF-8); con varios\n"
    "                      proyectos, un objeto compacto por línea (JSON Lines) y,\n"
    "                      para un proyecto rechazado, {\"calculado\":false,\n"
    "                      \"leido\":false,\"mensajes\":[...]}; sin --json, cada\n"
    "                      resumen bajo la línea \"==> ARCHIVO <==\"\n"
    "  --uso N             uso de la viga para el control de deflexiones, de 1 a 4\n"
    "                      (1 azoteas, 2 entrepisos, 3 y 4 con elementos no\n"
    "                      estructurales); por omisión 1\n"
    "  --estribo D         respuesta a la pregunta del diámetro de los estribos:\n"
    "                      3/8 o 1/2; por omisión 3/8 (un proyecto que guarda su\n"
    "                      diámetro usa el suyo)\n"
    "  --punto X           momento y cortante en la abscisa X (m) tras el cálculo;\n"
    "                      puede repetirse\n"
    "  --diagramas         incluye en el JSON los diagramas muestreados y los de\n"
    "                      la envolvente de carga viva alternada\n"
    "  --alternancia       diseña para la peor disposición de la carga viva en el\n"
    "                      tramo y los vuelos (envolvente); también la activa el\n"
    "                      proyecto guardado con la opción\n"
    "  --norma N           reglas de diseño: clasica (1.4 CM + 1.7 CV, la de\n"
    "                      siempre) o aci318-19 (1.2 CM + 1.6 CV); por omisión\n"
    "                      la guardada en el proyecto (clasica si no tiene); la\n"
    "                      carga viva sostenida es siempre la del proyecto\n"
    "  --poligono ARCHIVO  archivo con un vértice por línea, \"x,y\" o \"x y\" (punto\n"
    "                      decimal); se ignoran las líneas vacías y las que empiezan\n"
    "                      por #\n"
    "  --informe SALIDA    archivo PDF del informe (tamaño carta)\n"
    "  --memoria SALIDA    archivo PDF de la memoria de cálculo (tamaño carta)\n"
    "  --dxf SALIDA        archivo DXF (AutoCAD 2000, en centímetros) del despiece;\n"
    "                      estado 1 y ningún archivo si el diseño falla o no tiene\n"
    "                      despiece\n"
    "  -h, --help          muestra esta ayuda\n"
    "  -v, --version       muestra la versión\n"
    "\n"
    "Estado de salida: 0 archivo leído (con varios, todos), 1 archivo rechazado\n"
    "(con varios, alguno; los demás se calculan igual), 2 orden incorrecta.\n";

void Escribir(std::FILE* f, const std::string& t) {
    std::fwrite(t.data(), 1, t.size(), f);
    std::fflush(f);
}

int ErrorDeOrden(const QString& razon) {
    Escribir(stderr, "korvex: " + razon.toStdString() + "\n\n" + kUso);
    return kSalidaUso;
}

// The parser's own errors are in English; they are told again in Spanish.
QString RazonEnEspanol(const QCommandLineParser& p) {
    if (!p.unknownOptionNames().isEmpty()) {
        QStringList n;
        for (const QString& o : p.unknownOptionNames()) n << (o.size() == 1 ? "-" : "--") + o;
        return "opción desconocida: " + n.join(", ");
    }
    const QString e = p.errorText();
    const QRegularExpressionMatch m = QRegularExpression("'([^']*)'").match(e);
    const QString opcion = m.hasMatch() ? m.captured(1) : QString();
    if (e.startsWith("Missing value")) return "falta el valor de la opción " + opcion;
    if (e.startsWith("Unexpected value")) return "la opción " + opcion + " no admite valor";
    return "orden incorrecta";
}

std::string Ruta(const QString& s) {
    return QFile::encodeName(s).toStdString();  // the bytes the file system expects
}

QString ValidarUso(const QString& u) {
    if (u != "1" && u != "2" && u != "3" && u != "4") {
        return "--uso admite 1, 2, 3 o 4, no \"" + u + "\"";
    }
    return {};
}

QString ValidarEstribo(const QString& d) {
    if (d != "3/8" && d != "1/2") return "--estribo admite 3/8 o 1/2, no \"" + d + "\"";
    return {};
}

// Empty (the file's rules) when the option is not given.
QString ValidarNorma(const QCommandLineParser& p, const QCommandLineOption& norma) {
    if (!p.isSet(norma)) return {};
    if (p.values(norma).size() > 1) return "indique una sola --norma";
    const QString n = p.value(norma);
    if (!korvex::ReglasConocidas(n.toStdString())) {
        return "--norma admite clasica o aci318-19, no \"" + n + "\"";
    }
    return {};
}

// The checks of a command that writes one document (`documento`, its option;
// `clase` names the kind of file) from one project: no option of another
// command, one project, one output file, valid --uso, --estribo and --norma.
// The reason of the first failure, empty when the command line is right.
QString ValidarDocumento(const QCommandLineParser& p, const QCommandLineOption& documento,
                         const QString& clase, const QCommandLineOption& uso,
                         const QCommandLineOption& estribo, const QCommandLineOption& norma,
                         std::initializer_list<const QCommandLineOption*> ajenas) {
    const QString orden = "--" + documento.names().first();
    for (const QCommandLineOption* o : ajenas) {
        if (p.isSet(*o)) return "--" + o->names().first() + " no se usa con " + orden;
    }
    const QStringList sueltos = p.positionalArguments();
    if (sueltos.isEmpty()) return orden + " requiere el proyecto ARCHIVO.kvx";
    if (sueltos.size() > 1) return "indique un solo proyecto";
    if (p.values(documento).size() > 1) return "indique un solo archivo " + clase;
    if (const QString e = ValidarUso(p.value(uso)); !e.isEmpty()) return e;
    if (const QString e = ValidarEstribo(p.value(estribo)); !e.isEmpty()) return e;
    return ValidarNorma(p, norma);
}

// korvex --informe SALIDA.pdf ARCHIVO.kvx: the report page as a PDF, drawn
// on the offscreen platform so that no display is needed; with --memoria
// (`informe` is then that option) the calculation report.
int Informe(const QCommandLineParser& p, const QCommandLineOption& informe,
            const QCommandLineOption& uso, const QCommandLineOption& estribo,
            const QCommandLineOption& alternancia, const QCommandLineOption& norma,
            std::initializer_list<const QCommandLineOption*> ajenas, int& argc, char** argv) {
    const QString orden = "--" + informe.names().first();
    if (const QString e = ValidarDocumento(p, informe, "PDF", uso, estribo, norma, ajenas);
        !e.isEmpty()) {
        return ErrorDeOrden(e);
    }
    const QStringList sueltos = p.positionalArguments();
#ifdef KORVEX_CON_VENTANAS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    korvex::ui::OpcionesInforme o;
    o.archivo = Ruta(sueltos.first());
    o.pdf = p.value(informe);
    o.uso = p.value(uso).toInt();
    o.estribo = p.value(estribo).toStdString();
    o.alternancia = p.isSet(alternancia);
    if (p.isSet(norma)) o.norma = p.value(norma).toStdString();
    const korvex::lote::Salida s =
        orden == "--memoria" ? korvex::ui::MemoriaLote(o) : korvex::ui::InformePdf(o);
    Escribir(stdout, s.salida);
    Escribir(stderr, s.error);
    return s.estado;
#else
    (void)argc;
    (void)argv;
    (void)alternancia;
    (void)norma;
    return ErrorDeOrden(
        "esta compilación no tiene ventanas (falta Qt Widgets); no puede dibujar "
        "el informe");
#endif
}

// korvex --dxf SALIDA.dxf ARCHIVO.kvx: the drawing of the bars as a DXF file;
// no window is drawn, so no application object is needed.
int DibujoDxf(const QCommandLineParser& p, const QCommandLineOption& dxf,
              const QCommandLineOption& uso, const QCommandLineOption& estribo,
              const QCommandLineOption& alternancia, const QCommandLineOption& norma,
              std::initializer_list<const QCommandLineOption*> ajenas) {
    if (const QString e = ValidarDocumento(p, dxf, "DXF", uso, estribo, norma, ajenas);
        !e.isEmpty()) {
        return ErrorDeOrden(e);
    }
    korvex::lote::OpcionesDxf o;
    o.archivo = Ruta(p.positionalArguments().first());
    o.dxf = Ruta(p.value(dxf));
    o.uso = p.value(uso).toInt();
    o.estribo = p.value(estribo).toStdString();
    o.alternancia = p.isSet(alternancia);
    if (p.isSet(norma)) o.norma = p.value(norma).toStdString();
    const korvex::lote::Salida s = korvex::lote::Dxf(o);
    Escribir(stdout, s.salida);
    Escribir(stderr, s.error);
    return s.estado;
}

// The projects of --calcular in the order of the arguments: the files named
// before the option, its value, the files after it. The files before it are
// found by parsing the arguments that precede it (the first "--calcular"
// that is not the value of another option).
QStringList ArchivosCalcular(const QStringList& argumentos, const QList<QCommandLineOption>& todas,
                             const QString& valor, const QStringList& sueltos) {
    qsizetype antes = 0;
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == "--") break;
        if (a != "--calcular" && !a.startsWith("--calcular=")) continue;
        QCommandLineParser q;
        q.addOptions(todas);
        if (!q.parse(argumentos.mid(0, i)) || q.isSet("calcular")) continue;
        antes = q.positionalArguments().size();
        break;
    }
    QStringList r = sueltos.mid(0, antes);
    r << valor << sueltos.mid(antes);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser p;
    const QCommandLineOption ayuda({"h", "help"}, "muestra esta ayuda");
    const QCommandLineOption version({"v", "version"}, "muestra la versión");
    const QCommandLineOption calcular("calcular", "proyecto que se calcula", "ARCHIVO");
    const QCommandLineOption poligono("poligono", "polígono que se calcula", "ARCHIVO");
    const QCommandLineOption json("json", "resultado en JSON");
    const QCommandLineOption uso("uso", "uso de la viga", "N", "1");
    const QCommandLineOption estribo("estribo", "diámetro de los estribos", "D", "3/8");
    const QCommandLineOption punto("punto", "abscisa de consulta", "X");
    const QCommandLineOption diagramas("diagramas", "diagramas en el JSON");
    const QCommandLineOption informe("informe", "informe en PDF", "SALIDA");
    const QCommandLineOption alternancia("alternancia", "carga viva alternada");
    const QCommandLineOption memoria("memoria", "memoria de cálculo en PDF", "SALIDA");
    const QCommandLineOption norma("norma", "reglas de diseño", "N");
    const QCommandLineOption dxf("dxf", "dibujo del despiece en DXF", "SALIDA");
    const QList<QCommandLineOption> todas = {ayuda,       version, calcular, poligono,  json,
                                             uso,         estribo, punto,    diagramas, informe,
                                             alternancia, memoria, norma,    dxf};
    p.addOptions(todas);
    p.addPositionalArgument("archivo", "proyecto que se abre en las ventanas", "[ARCHIVO.kvx]");

    if (!p.parse(argumentos)) return ErrorDeOrden(RazonEnEspanol(p));
    if (p.isSet(ayuda)) {
        Escribir(stdout, kUso);
        return 0;
    }
    if (p.isSet(version)) {
#ifdef KORVEX_CON_VENTANAS
        Escribir(stdout, std::string("korvex ") + KORVEX_VERSION + "\n");
#else
        Escribir(stdout, std::string("korvex ") + KORVEX_VERSION + " (sin ventanas)\n");
#endif
        return 0;
    }

    const QStringList sueltos = p.positionalArguments();
    if (p.isSet(calcular) && p.isSet(poligono)) {
        return ErrorDeOrden("--calcular y --poligono no pueden usarse juntas");
    }
    if (p.isSet(dxf)) {
        if (p.isSet(calcular) || p.isSet(poligono) || p.isSet(informe) || p.isSet(memoria)) {
            return ErrorDeOrden(
                "--dxf no se usa con --calcular, --poligono, --informe ni --memoria");
        }
        return DibujoDxf(p, dxf, uso, estribo, alternancia, norma, {&json, &punto, &diagramas});
    }
    if (p.isSet(memoria)) {
        if (p.isSet(calcular) || p.isSet(poligono) || p.isSet(informe)) {
            return ErrorDeOrden("--memoria no se usa con --calcular, --poligono ni --informe");
        }
        return Informe(p, memoria, uso, estribo, alternancia, norma, {&json, &punto, &diagramas},
                       argc, argv);
    }
    if (p.isSet(informe)) {
        if (p.isSet(calcular) || p.isSet(poligono)) {
            return ErrorDeOrden("--informe no se usa con --calcular ni con --poligono");
        }
        return Informe(p, informe, uso, estribo, alternancia, norma, {&json, &punto, &diagramas},
                       argc, argv);
    }
    if (p.isSet(poligono)) {
        if (!sueltos.isEmpty()) return ErrorDeOrden("argumento de más: " + sueltos.first());
        if (p.values(poligono).size() > 1) return ErrorDeOrden("indique un solo archivo");
    }
    if (p.values(calcular).size() > 1) {
        return ErrorDeOrden(
            "--calcular se indica una sola vez: los demás proyectos se escriben sin la "
            "opción");
    }

    korvex::lote::Salida s;
    if (p.isSet(calcular)) {
        korvex::lote::OpcionesCalcular o;
        o.archivo = Ruta(p.value(calcular));
        o.json = p.isSet(json);
        if (const QString e = ValidarUso(p.value(uso)); !e.isEmpty()) return ErrorDeOrden(e);
        o.uso = p.value(uso).toInt();
        if (const QString e = ValidarEstribo(p.value(estribo)); !e.isEmpty())
            return ErrorDeOrden(e);
        o.estribo = p.value(estribo).toStdString();
        for (const QString& x : p.values(punto)) o.puntos.push_back(x.toStdString());
        o.diagramas = p.isSet(diagramas);
        o.alternancia = p.isSet(alternancia);
        if (const QString e = ValidarNorma(p, norma); !e.isEmpty()) return ErrorDeOrden(e);
        if (p.isSet(norma)) o.norma = p.value(norma).toStdString();
        if (o.diagramas && !o.json) return ErrorDeOrden("--diagramas requiere --json");
        const QStringList archivos =
            ArchivosCalcular(argumentos, todas, p.value(calcular), sueltos);
        if (archivos.size() == 1) {
            s = korvex::lote::Calcular(o);
        } else {
            std::vector<std::string> rutas;
            for (const QString& a : archivos) rutas.push_back(Ruta(a));
            return korvex::lote::CalcularLote(o, rutas, [](const korvex::lote::Salida& parte) {
                Escribir(stdout, parte.salida);
                Escribir(stderr, parte.error);
            });
        }
    } else if (p.isSet(poligono)) {
        for (const QCommandLineOption* o :
             {&uso, &estribo, &punto, &diagramas, &alternancia, &norma}) {
            if (p.isSet(*o)) {
                return ErrorDeOrden("--" + o->names().first() + " no se usa con --poligono");
            }
        }
        s = korvex::lote::Poligono({Ruta(p.value(poligono)), p.isSet(json)});
    } else {
        for (const QCommandLineOption* o :
             {&json, &uso, &estribo, &punto, &diagramas, &alternancia, &norma}) {
            if (p.isSet(*o)) {
                return ErrorDeOrden("--" + o->names().first() + " requiere --calcular");
            }
        }
        if (sueltos.size() > 1) return ErrorDeOrden("indique un solo proyecto");
#ifdef KORVEX_CON_VENTANAS
        return korvex::ui::Arrancar(
            argc, argv, sueltos.isEmpty() ? std::string() : sueltos.first().toStdString());
#else
        return ErrorDeOrden(
            "esta compilación no tiene ventanas (falta Qt Widgets); use --calcular o --poligono");
#endif
    }
    Escribir(stdout, s.salida);
    Escribir(stderr, s.error);
    return s.estado;
}
