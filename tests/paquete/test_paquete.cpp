// The Debian package built by cpack from this build tree, unpacked with
// `dpkg-deb -x` into a temporary folder and never installed: its files and
// their permissions, the launcher and the file type, the control data and its
// dependencies, and the unpacked korvex running the example project.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Ejecucion {
    int estado = -1;
    std::string salida;  // stdout; stderr is appended when `conErrores`
};

std::string Comillas(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

Ejecucion Correr(const std::string& orden, bool conErrores = true) {
    Ejecucion e;
    const std::string redireccion = conErrores ? " 2>&1" : " 2>/dev/null";
    FILE* f = ::popen(("(" + orden + ")" + redireccion + " </dev/null").c_str(), "r");
    if (f == nullptr) return e;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) e.salida.append(buf, n);
    const int r = ::pclose(f);
    e.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    return e;
}

std::string Leer(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> l;
    std::istringstream s(texto);
    for (std::string x; std::getline(s, x);) l.push_back(x);
    return l;
}

std::string Recortar(std::string s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

// Package names of a Depends-style field: "a (>= 1), b | c" -> {a, b, c}.
std::set<std::string> Paquetes(const std::string& campo) {
    std::set<std::string> r;
    std::string actual;
    for (char c : campo + ",") {
        if (c == ',' || c == '|') {
            actual = Recortar(actual.substr(0, actual.find('(')));
            if (!actual.empty()) r.insert(actual.substr(0, actual.find(':')));
            actual.clear();
        } else {
            actual += c;
        }
    }
    return r;
}

// Keys of the [Desktop Entry] group of a launcher.
std::map<std::string, std::string> Lanzador(const std::string& texto) {
    std::map<std::string, std::string> r;
    std::string grupo;
    for (const std::string& bruta : Lineas(texto)) {
        const std::string l = Recortar(bruta);
        if (l.empty() || l[0] == '#') continue;
        if (l[0] == '[') {
            grupo = l;
        } else if (grupo == "[Desktop Entry]" && l.find('=') != std::string::npos) {
            r[l.substr(0, l.find('='))] = l.substr(l.find('=') + 1);
        }
    }
    return r;
}

class Paquete : public ::testing::Test {
  protected:
    // Builds the package once for all the checks: cpack on the build tree,
    // its output in a temporary folder, then unpacked there.
    static void SetUpTestSuite() {
        std::string plantilla = (fs::temp_directory_path() / "korvex_paquete_XXXXXX").string();
        if (::mkdtemp(plantilla.data()) == nullptr) return;
        dir_ = plantilla;
        arquitectura_ = Recortar(Correr("dpkg --print-architecture").salida);
        deb_ = dir_ / ("korvex_" KORVEX_VERSION "_" + arquitectura_ + ".deb");
        cpack_ = Correr(Comillas(KORVEX_CPACK) + " -G DEB --config " +
                        Comillas(KORVEX_CPACK_CONFIG) + " -B " + Comillas(dir_.string()));
        raiz_ = dir_ / "raiz";
        if (!fs::exists(deb_)) return;
        const std::string deb = Comillas(deb_.string());
        Correr("dpkg-deb -x " + deb + " " + Comillas(raiz_.string()));
        control_ = Correr("dpkg-deb -f " + deb).salida;
        lista_ = Correr("dpkg-deb -c " + deb).salida;
    }
    static void TearDownTestSuite() {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    void SetUp() override {
        ASSERT_FALSE(dir_.empty()) << "no se pudo crear la carpeta temporal";
        ASSERT_EQ(cpack_.estado, 0) << cpack_.salida;
        ASSERT_TRUE(fs::exists(deb_)) << "falta " << deb_ << "\n" << cpack_.salida;
    }

    // One control field, continuation lines included.
    static std::string Campo(const std::string& nombre) {
        std::string r;
        bool dentro = false;
        for (const std::string& l : Lineas(control_)) {
            if (!l.empty() && (l[0] == ' ' || l[0] == '\t')) {
                if (dentro) r += "\n" + l;
            } else {
                dentro = l.rfind(nombre + ":", 0) == 0;
                if (dentro) r = Recortar(l.substr(nombre.size() + 1));
            }
        }
        return r;
    }

    static Ejecucion Korvex(const fs::path& exe, const std::string& args) {
        return Correr("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH " +
                          Comillas(exe.string()) + " " + args,
                      false);
    }

    static inline fs::path dir_, deb_, raiz_;
    static inline std::string arquitectura_, control_, lista_;
    static inline Ejecucion cpack_;
};

fs::path Fuente(const char* nombre) {
    return fs::path(KORVEX_ESCRITORIO) / nombre;
}

std::string Ejemplo(const char* nombre) {
    return Comillas((fs::path(KORVEX_EJEMPLOS) / nombre).string());
}

// The package of this version and machine with exactly these files, owned by
// root, with the modes Debian expects; the desktop files are the ones of the
// source tree, byte for byte.
TEST_F(Paquete, InstalaEjecutableLanzadorIconoYTipo) {
    EXPECT_EQ(Campo("Package"), "korvex");
    EXPECT_EQ(Campo("Version"), KORVEX_VERSION);
    EXPECT_EQ(Campo("Architecture"), arquitectura_);
    struct Archivo {
        std::string ruta, modo;
        const char* fuente;
    };
    const std::vector<Archivo> esperados = {
        {"./usr/bin/korvex", "-rwxr-xr-x", nullptr},
        {"./usr/share/applications/korvex.desktop", "-rw-r--r--", "korvex.desktop"},
        {"./usr/share/icons/hicolor/scalable/apps/korvex.svg", "-rw-r--r--", "korvex.svg"},
        {"./usr/share/mime/packages/korvex.xml", "-rw-r--r--", "korvex-mime.xml"},
    };
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
    for (const Archivo& a : esperados) {
        SCOPED_TRACE(a.ruta);
        EXPECT_EQ(archivos[a.ruta], a.modo);
        ASSERT_TRUE(fs::is_regular_file(raiz_ / a.ruta));
        if (a.fuente != nullptr) {
            EXPECT_EQ(Leer(raiz_ / a.ruta), Leer(Fuente(a.fuente)));
        }
    }
}

// The launcher runs the packaged executable with the double-clicked file,
// names an icon the package installs and the type of the project files.
TEST_F(Paquete, LanzadorAbreLosProyectosKvx) {
    const auto e = Lanzador(Leer(raiz_ / "usr/share/applications/korvex.desktop"));
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.count("Type") ? e.at("Type") : "", "Application");
    EXPECT_FALSE(e.count("Name") ? e.at("Name").empty() : true);
    const std::string exec = e.count("Exec") ? e.at("Exec") : "";
    const std::string programa = exec.substr(0, exec.find(' '));
    EXPECT_TRUE(programa == "korvex" || programa == "/usr/bin/korvex") << exec;
    EXPECT_TRUE(exec.find(" %f") != std::string::npos || exec.find(" %F") != std::string::npos)
        << "sin el archivo en Exec: " << exec;
    const std::string icono = e.count("Icon") ? e.at("Icon") : "";
    EXPECT_TRUE(
        fs::is_regular_file(raiz_ / "usr/share/icons/hicolor/scalable/apps" / (icono + ".svg")))
        << icono;
    const std::string tipos = e.count("MimeType") ? e.at("MimeType") : "";
    EXPECT_NE((";" + tipos).find(";application/x-korvex;"), std::string::npos) << tipos;
}

// The shared-mime-info file gives *.kvx the type application/x-korvex.
TEST_F(Paquete, TipoMimeDeLosKvx) {
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
    const std::set<std::string> depende = Paquetes(Campo("Depends"));
    for (const char* p : {"libqt6widgets6", "libqt6printsupport6", "libqt6svg6", "libqt6gui6",
                          "libqt6core6", "libstdc++6", "libc6"}) {
        EXPECT_EQ(depende.count(p), 1u) << p << " falta en Depends: " << Campo("Depends");
    }
    EXPECT_EQ(Paquetes(Campo("Recommends")).count("fonts-liberation"), 1u) << control_;

    const fs::path exe = raiz_ / "usr/bin/korvex";
    const Ejecucion dinamica = Correr("readelf -d " + Comillas(exe.string()));
    ASSERT_EQ(dinamica.estado, 0) << dinamica.salida;
    std::vector<std::string> bibliotecas;
    std::string patrones;
    for (const std::string& l : Lineas(dinamica.salida)) {
        // A run path would tie the program to the folders of this machine.
        EXPECT_EQ(l.find("RPATH"), std::string::npos) << l;
        EXPECT_EQ(l.find("RUNPATH"), std::string::npos) << l;
        if (l.find("(NEEDED)") == std::string::npos) continue;
        bibliotecas.push_back(l.substr(l.find('[') + 1, l.find(']') - l.find('[') - 1));
        patrones += " " + Comillas("*/" + bibliotecas.back());
    }
    // Owners of each library on this machine, one dpkg query for all:
    // "libqt6widgets6:amd64: /usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6"
    const std::vector<std::string> duenos = Lineas(Correr("dpkg -S" + patrones, false).salida);
    for (const std::string& so : bibliotecas) {
        std::set<std::string> de;
        for (const std::string& d : duenos) {
            if (d.size() > so.size() &&
                d.compare(d.size() - so.size() - 1, so.size() + 1, "/" + so) == 0) {
                const std::set<std::string> p = Paquetes(d.substr(0, d.find(": ")));
                de.insert(p.begin(), p.end());
            }
        }
        bool declarada = false;
        for (const std::string& p : de) declarada = declarada || depende.count(p) == 1;
        EXPECT_TRUE(declarada) << so << " (de " << testing::PrintToString(de)
                               << ") no está cubierta por Depends: " << Campo("Depends");
    }
    EXPECT_GE(bibliotecas.size(), 5u);
}

// The unpacked program, with the windows built in, reads and calculates the
// example exactly as the korvex of the build tree, and writes its report.
TEST_F(Paquete, ElProgramaDesempaquetadoCalculaElEjemplo) {
    const fs::path exe = raiz_ / "usr/bin/korvex";
    const Ejecucion version = Korvex(exe, "--version");
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, "korvex " KORVEX_VERSION "\n");

    const std::string args = "--calcular " + Ejemplo("viga_rectangular.kvx") + " --json";
    const Ejecucion calculo = Korvex(exe, args);
    ASSERT_EQ(calculo.estado, 0) << calculo.salida;
    const json j = json::parse(calculo.salida, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << calculo.salida;
    EXPECT_EQ(j.value("calculado", false), true);
    EXPECT_GT(j.value("MomentoMaxAbs", 0.0), 0.0);
    EXPECT_EQ(j, json::parse(Korvex(KORVEX_EXE, args).salida, nullptr, false));

    const fs::path pdf = dir_ / "informe.pdf";
    const Ejecucion informe =
        Korvex(exe, "--informe " + Comillas(pdf.string()) + " " + Ejemplo("viga_rectangular.kvx"));
    EXPECT_EQ(informe.estado, 0) << informe.salida;
    EXPECT_EQ(Leer(pdf).rfind("%PDF-", 0), 0u);
}

}  // namespace
