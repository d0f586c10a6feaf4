// The Debian package built by cpack from this build tree, unpacked with
// `dpkg-deb -x` into a temporary folder and never installed: its files and
// their permissions, the launcher and the file type, the control data and its
// dependencies, and the unpacked korvex running the example project.
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "comun/Proceso.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string Leer(const fs::path& p) {
    std::stringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> l;
    std::istringstream s(texto);
    for (std::string x; std::getline(s, x);) l.push_back(x);
    return l;
}

std::string Recortar(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

// Package names of a Depends-style field: "a (>= 1), b | c:any" -> {a, b, c}.
std::set<std::string> Paquetes(const std::string& campo) {
    std::set<std::string> r;
    const std::regex nombre(R"((?:^|[,|])\s*([^\s,|(:]+))");
    for (std::sregex_iterator i(campo.begin(), campo.end(), nombre), fin; i != fin; ++i) {
        r.insert((*i)[1]);
    }
    return r;
}

// The unpacked korvex without a display nor the build tree's libraries.
Ejecucion Korvex(const fs::path& exe, std::vector<std::string> args) {
    args.insert(args.begin(), {"-u", "LD_LIBRARY_PATH", exe.string()});
    return Ejecutar("env", args);
}

class Paquete : public ::testing::Test {
  protected:
    // Builds the package once for all the checks: cpack on the build tree,
    // its output in a temporary folder, then unpacked there.
    static void SetUpTestSuite() {
        std::string plantilla = (fs::temp_directory_path() / "korvex_paquete_XXXXXX").string();
        if (::mkdtemp(plantilla.data()) == nullptr) return;
        dir_ = plantilla;
        arquitectura_ = Recortar(Ejecutar("dpkg", {"--print-architecture"}).salida);
        deb_ = dir_ / ("korvex_" KORVEX_VERSION "_" + arquitectura_ + ".deb");
        cpack_ = Ejecutar(KORVEX_CPACK,
                          {"-G", "DEB", "--config", KORVEX_CPACK_CONFIG, "-B", dir_.string()});
        raiz_ = dir_ / "raiz";
        Ejecutar("dpkg-deb", {"-x", deb_.string(), raiz_.string()});
        lista_ = Ejecutar("dpkg-deb", {"-c", deb_.string()}).salida;
    }
    static void TearDownTestSuite() {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    void SetUp() override {
        ASSERT_FALSE(dir_.empty()) << "no se pudo crear la carpeta temporal";
        ASSERT_EQ(cpack_.estado, 0) << cpack_.salida << cpack_.error;
        ASSERT_TRUE(fs::exists(deb_)) << "falta " << deb_ << "\n" << cpack_.salida << cpack_.error;
    }

    // One control field, continuation lines included.
    static std::string Campo(const std::string& nombre) {
        return Recortar(Ejecutar("dpkg-deb", {"-f", deb_.string(), nombre}).salida);
    }

    static inline fs::path dir_, deb_, raiz_;
    static inline std::string arquitectura_, lista_;
    static inline Ejecucion cpack_;
};

// The package (its name korvex_VERSION_ARCH.deb made of its control fields)
// with exactly these files, owned by root, with the modes Debian expects; the
// desktop files, the copyright file and the examples are the ones of the
// source tree, byte for byte.
TEST_F(Paquete, InstalaEjecutableLanzadorIconoTipoManualYEjemplos) {
    const std::string escritorio = KORVEX_ESCRITORIO "/", ejemplos = KORVEX_EJEMPLOS "/";
    // Path, mode and the source file it is a copy of.
    std::vector<std::tuple<std::string, std::string, std::string>> esperados = {
        {"./usr/bin/korvex", "-rwxr-xr-x", ""},
        {"./usr/share/applications/korvex.desktop", "-rw-r--r--", escritorio + "korvex.desktop"},
        {"./usr/share/icons/hicolor/scalable/apps/korvex.svg", "-rw-r--r--",
         escritorio + "korvex.svg"},
        {"./usr/share/mime/packages/korvex.xml", "-rw-r--r--", escritorio + "korvex-mime.xml"},
        {"./usr/share/man/man1/korvex.1.gz", "-rw-r--r--", ""},
        {"./usr/share/doc/korvex/changelog.gz", "-rw-r--r--", ""},
        {"./usr/share/doc/korvex/copyright", "-rw-r--r--", KORVEX_EMPAQUETADO "/copyright"},
    };
    for (const auto& e : fs::directory_iterator(KORVEX_EJEMPLOS)) {
        const std::string nombre = e.path().filename().string();
        if (nombre.ends_with(".kvx") || nombre.ends_with(".txt"))
            esperados.emplace_back("./usr/share/doc/korvex/ejemplos/" + nombre, "-rw-r--r--",
                                   ejemplos + nombre);
    }
    std::map<std::string, std::string> archivos;
    for (const std::string& l : Lineas(lista_)) {
        std::istringstream s(l);
        std::string modo, dueno, tam, fecha, hora, ruta;
        s >> modo >> dueno >> tam >> fecha >> hora >> ruta;
        EXPECT_EQ(dueno, "root/root") << l;
        if (modo[0] == 'd') {
            EXPECT_EQ(modo, "drwxr-xr-x") << l;
        } else {
            archivos[ruta] = modo;
        }
    }
    EXPECT_EQ(archivos.size(), esperados.size()) << lista_;
    EXPECT_GE(esperados.size(), 10u);  // the three example projects and the L section
    for (const auto& [ruta, modo, fuente] : esperados) {
        SCOPED_TRACE(ruta);
        EXPECT_EQ(archivos[ruta], modo);
        ASSERT_TRUE(fs::is_regular_file(raiz_ / ruta));
        if (!fuente.empty()) {
            EXPECT_EQ(Leer(raiz_ / ruta), Leer(fuente));
        }
    }
}

// The manual page and the changelog are gzip -9n (no name, no time stamp)
// and say what they must: the page names the program, its version, the
// headless orders and where the examples are; the changelog's first entry is
// this version in Debian's format. The copyright file is machine-readable.
// The description names what the program does now.
TEST_F(Paquete, ManualChangelogCopyrightYDescripcion) {
    for (const char* gz : {"usr/share/man/man1/korvex.1.gz", "usr/share/doc/korvex/changelog.gz"}) {
        SCOPED_TRACE(gz);
        const std::string bytes = Leer(raiz_ / gz);
        ASSERT_GE(bytes.size(), 10u);
        EXPECT_EQ(bytes.substr(0, 2), "\x1f\x8b");
        EXPECT_EQ(bytes[3] & 0x08, 0);                        // FNAME: no file name
        EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0'));  // MTIME: none
    }
    const std::string manual =
        Ejecutar("gzip", {"-dc", (raiz_ / "usr/share/man/man1/korvex.1.gz").string()}).salida;
    for (const char* t : {".TH KORVEX 1", "korvex " KORVEX_VERSION, "calcular", "informe",
                          "memoria", "poligono", "/usr/share/doc/korvex/ejemplos"}) {
        EXPECT_NE(manual.find(t), std::string::npos) << t;
    }
    const std::string cambios =
        Ejecutar("gzip", {"-dc", (raiz_ / "usr/share/doc/korvex/changelog.gz").string()}).salida;
    EXPECT_TRUE(std::regex_search(
        cambios, std::regex("^korvex \\(" KORVEX_VERSION "\\) [a-z]+; urgency=[a-z]+\n")))
        << cambios;
    EXPECT_TRUE(std::regex_search(cambios, std::regex("\n -- .+ <.+@.+>  [A-Z][a-z]{2}, ")));
    EXPECT_EQ(Lineas(Leer(raiz_ / "usr/share/doc/korvex/copyright")).at(0),
              "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/");
    const std::string descripcion = Campo("Description");
    for (const char* t :
         {"alternar la carga viva", "ACI 318-19", "clásicas", "memoria de cálculo", "informe"}) {
        EXPECT_NE(descripcion.find(t), std::string::npos) << t << "\n" << descripcion;
    }
}

// lintian, when this machine has it, finds no error and no warning.
TEST_F(Paquete, LintianSinErroresNiAvisos) {
    if (Ejecutar("sh", {"-c", "command -v lintian"}).estado != 0)
        GTEST_SKIP() << "lintian no está instalado: apt-get install lintian para esta prueba";
    const Ejecucion l = Ejecutar("lintian", {"--no-tag-display-limit", deb_.string()});
    for (const std::string& linea : Lineas(l.salida + l.error)) {
        EXPECT_FALSE(linea.starts_with("E:") || linea.starts_with("W:")) << linea;
    }
}

// The launcher runs the packaged executable with the double-clicked file and
// names the installed icon; the shared-mime-info file gives *.kvx the type
// that the launcher opens.
TEST_F(Paquete, LanzadorYTipoMimeDeLosKvx) {
    const std::string lanzador = Leer(raiz_ / "usr/share/applications/korvex.desktop");
    for (const char* clave : {R"(^\[Desktop Entry\]$)", "^Type=Application$", "^Name=.+$",
                              "^Exec=(/usr/bin/)?korvex .*%[fF]", "^Icon=korvex$",
                              "^MimeType=(.*;)?application/x-korvex;"}) {
        EXPECT_TRUE(std::regex_search(lanzador, std::regex(clave, std::regex::multiline)))
            << clave << "\n"
            << lanzador;
    }
    QXmlStreamReader mime(
        QString::fromStdString(Leer(raiz_ / "usr/share/mime/packages/korvex.xml")));
    std::map<std::string, std::set<std::string>> globs;
    std::string tipo;
    while (!mime.atEnd()) {
        if (mime.readNext() != QXmlStreamReader::StartElement) continue;
        if (mime.name() == QLatin1String("mime-type")) {
            tipo = mime.attributes().value("type").toString().toStdString();
        } else if (mime.name() == QLatin1String("glob")) {
            globs[tipo].insert(mime.attributes().value("pattern").toString().toStdString());
        }
    }
    EXPECT_FALSE(mime.hasError()) << mime.errorString().toStdString();
    EXPECT_EQ(globs["application/x-korvex"].count("*.kvx"), 1u);
}

// Every library korvex links comes from a package that Depends names, and
// the Qt modules of the windows, the printing and the drawings are there.
TEST_F(Paquete, DeclaraLasDependenciasDeLasBibliotecas) {
    const std::string campo = Campo("Depends");
    const std::set<std::string> depende = Paquetes(campo);
    for (const char* p : {"libqt6widgets6", "libqt6printsupport6", "libqt6svg6", "libqt6gui6",
                          "libqt6core6", "libstdc++6", "libc6"}) {
        EXPECT_EQ(depende.count(p), 1u) << p << " falta en Depends: " << campo;
    }
    EXPECT_EQ(Paquetes(Campo("Recommends")).count("fonts-liberation"), 1u);

    const Ejecucion dinamica = Ejecutar("readelf", {"-d", (raiz_ / "usr/bin/korvex").string()});
    ASSERT_EQ(dinamica.estado, 0) << dinamica.error;
    // A run path would tie the program to the folders of this machine.
    for (const char* ruta : {"RPATH", "RUNPATH"}) {
        EXPECT_EQ(dinamica.salida.find(ruta), std::string::npos) << dinamica.salida;
    }
    std::vector<std::string> bibliotecas, consulta = {"-S"};
    const std::regex necesita(R"(\(NEEDED\).*\[(.+)\])");
    for (std::sregex_iterator i(dinamica.salida.begin(), dinamica.salida.end(), necesita), fin;
         i != fin; ++i) {
        bibliotecas.push_back((*i)[1]);
        consulta.push_back("*/" + bibliotecas.back());
    }
    // Owners of each library on this machine, one dpkg query for all:
    // "libqt6widgets6:amd64: /usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6"
    const std::vector<std::string> duenos = Lineas(Ejecutar("dpkg", consulta).salida);
    for (const std::string& so : bibliotecas) {
        std::set<std::string> de;
        for (const std::string& d : duenos) {
            if (d.ends_with("/" + so)) de.merge(Paquetes(d.substr(0, d.find(": "))));
        }
        bool declarada = false;
        for (const std::string& p : de) declarada = declarada || depende.count(p) == 1;
        EXPECT_TRUE(declarada) << so << " (de " << testing::PrintToString(de)
                               << ") no está cubierta por Depends: " << campo;
    }
    EXPECT_GE(bibliotecas.size(), 5u);
}

// The unpacked program, with the windows built in, reads and calculates the
// example exactly as the korvex of the build tree, and writes its report.
TEST_F(Paquete, ElProgramaDesempaquetadoCalculaElEjemplo) {
    const fs::path exe = raiz_ / "usr/bin/korvex";
    const Ejecucion version = Korvex(exe, {"--version"});
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, "korvex " KORVEX_VERSION "\n");

    const std::string ejemplo = KORVEX_EJEMPLOS "/viga_rectangular.kvx";
    const Ejecucion calculo = Korvex(exe, {"--calcular", ejemplo, "--json"});
    ASSERT_EQ(calculo.estado, 0) << calculo.error;
    EXPECT_EQ(json::parse(calculo.salida),
              json::parse(Korvex(KORVEX_EXE, {"--calcular", ejemplo, "--json"}).salida));

    const fs::path pdf = dir_ / "informe.pdf";
    const Ejecucion informe = Korvex(exe, {"--informe", pdf.string(), ejemplo});
    EXPECT_EQ(informe.estado, 0) << informe.error;
    EXPECT_EQ(Leer(pdf).rfind("%PDF-", 0), 0u);
}

}  // namespace
}  // namespace korvex::pruebas
