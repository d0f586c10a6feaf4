// Saving under faults: a read-only folder, a target that is a folder, a
// missing folder, a full disk, a failed flush, a failure and a crash between
// writing and renaming. Each save says which file and why, keeps the
// previous file byte for byte and leaves no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "project/ArchivoKvx.h"
#include "project/Disco.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using disco::Etapa;

std::string Leer(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Every path under `dir`, hidden files included.
std::set<std::string> Contenido(const fs::path& dir) {
    std::set<std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        r.insert(e.path().lexically_relative(dir).string());
    }
    return r;
}

struct Carpeta {
    std::string plantilla = (fs::temp_directory_path() / "korvex_disco_XXXXXX").string();
    fs::path ruta = ::mkdtemp(plantilla.data());
    Carpeta() { fs::permissions(ruta, fs::perms::owner_all | fs::perms::others_exec); }
    ~Carpeta() {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(ruta, ec)) {
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(ruta, ec);
    }
};

struct SinFalla {
    ~SinFalla() { disco::FijarFalla(nullptr); }
};

// Saves in a child process; as root the child runs as "nobody", for whom
// permissions hold. Returns the message of the save, "" when it succeeded.
std::string GuardarComoOtro(const std::string& ruta, const Proyecto& p) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "sin tubería";
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        const std::optional<Mensaje> m = GuardarArchivoKvx(ruta, p);
        const std::string t = m ? m->texto : "";
        if (::write(tubo[1], t.data(), t.size()) < 0) ::_exit(3);
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string t;
    char buf[512];
    for (ssize_t n; (n = ::read(tubo[0], buf, sizeof buf)) > 0;)
        t.append(buf, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
    return t;
}

TEST(Disco, UnGuardadoFallidoDiceArchivoYCausaYNoPierdeNada) {
    Proyecto p;
    p.estado.LuzViga = 6;
    const std::string viejo = "contenido anterior\r\n";
    struct Caso {
        const char* nombre;
        const char* archivo;  // the target, inside the test's folder
        Etapa etapa;
        int error;  // 0: no injected failure
        const char* causa;
    } casos[] = {
        {"carpeta de solo lectura", "solo_lectura/viga.kvx", Etapa::Crear, 0, "no tiene permiso"},
        {"la ruta es una carpeta", "carpeta.kvx", Etapa::Crear, 0, "es una carpeta"},
        {"carpeta que no existe", "no_existe/viga.kvx", Etapa::Crear, 0, "no existe"},
        {"un archivo como carpeta", "viga.kvx/otro.kvx", Etapa::Crear, 0, "no es una carpeta"},
        {"disco lleno", "viga.kvx", Etapa::Escribir, ENOSPC, "el disco está lleno"},
        {"fallo al llevarlo al disco", "viga.kvx", Etapa::Sincronizar, EIO, "entrada y salida"},
        {"fallo entre escribir y renombrar", "viga.kvx", Etapa::Renombrar, EROFS, "solo lectura"},
    };
    // With an unnamed temporary file, and with a hidden temporary name (file
    // systems without unnamed files).
    for (const bool conNombre : {false, true}) {
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.nombre) + (conNombre ? ", temporal con nombre" : ""));
            Carpeta dir;
            fs::create_directory(dir.ruta / "carpeta.kvx");
            fs::create_directory(dir.ruta / "solo_lectura");
            std::ofstream(dir.ruta / "viga.kvx", std::ios::binary) << viejo;
            std::ofstream(dir.ruta / "solo_lectura" / "viga.kvx", std::ios::binary) << viejo;
            fs::permissions(dir.ruta / "solo_lectura",
                            fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
            const std::set<std::string> antes = Contenido(dir.ruta);
            const std::string ruta = (dir.ruta / c.archivo).string();
            SinFalla sinFalla;
            int llamadas = 0;
            disco::FijarFalla([&](Etapa e) {
                if (e == Etapa::SinNombre) return conNombre ? EOPNOTSUPP : 0;
                if (e != c.etapa || c.error == 0) return 0;
                ++llamadas;
                return c.error;
            });
            const std::string texto = c.error == 0 ? GuardarComoOtro(ruta, p) : [&] {
                const std::optional<Mensaje> m = GuardarArchivoKvx(ruta, p);
                EXPECT_TRUE(m && m->titulo == kTituloGuardar && m->estilo == kEstiloCritico);
                return m ? m->texto : std::string();
            }();
            EXPECT_NE(texto.find("\"" + ruta + "\""), std::string::npos) << texto;
            EXPECT_NE(texto.find(c.causa), std::string::npos) << texto;
            EXPECT_EQ(c.error != 0, llamadas == 1);
            EXPECT_EQ(Leer(dir.ruta / "viga.kvx"), viejo);
            EXPECT_EQ(Leer(dir.ruta / "solo_lectura" / "viga.kvx"), viejo);
            EXPECT_EQ(Contenido(dir.ruta), antes);
        }
    }
    // Both ways write the file when nothing fails.
    for (const bool conNombre : {false, true}) {
        Carpeta dir;
        SinFalla sinFalla;
        disco::FijarFalla(
            [&](Etapa e) { return e == Etapa::SinNombre && conNombre ? EOPNOTSUPP : 0; });
        ASSERT_FALSE(GuardarArchivoKvx((dir.ruta / "viga.kvx").string(), p));
        std::string bytes;
        ASSERT_FALSE(EscribirKvx(p, bytes));
        EXPECT_EQ(Leer(dir.ruta / "viga.kvx"), bytes);
        EXPECT_EQ(Contenido(dir.ruta), std::set<std::string>{"viga.kvx"});
    }
}

// The program killed after the file was written and flushed, before it took
// the target's name: the old file stays and no trace of the new one.
TEST(Disco, ProgramaTerminadoAntesDeRenombrarNoDejaNada) {
    Carpeta dir;
    const fs::path f = dir.ruta / "viga.kvx";
    std::ofstream(f, std::ios::binary) << "contenido anterior\r\n";
    Proyecto p;
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        disco::FijarFalla([](Etapa e) {
            if (e == Etapa::Renombrar) ::kill(::getpid(), SIGKILL);
            return 0;
        });
        GuardarArchivoKvx(f.string(), p);
        ::_exit(0);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL) << estado;
    EXPECT_EQ(Leer(f), "contenido anterior\r\n");
    EXPECT_EQ(Contenido(dir.ruta), std::set<std::string>{"viga.kvx"});
}

// What a save replaces: a file keeps its permissions, a link stays a link to
// the new file, a device is written in place (/dev/full: a disk that is
// always full), and a new file appears only when whole.
TEST(Disco, PermisosEnlacesYDispositivos) {
    Carpeta dir;
    const fs::path f = dir.ruta / "viga.kvx", enlace = dir.ruta / "enlace.kvx";
    std::ofstream(f) << "x";
    fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("viga.kvx", enlace);
    ASSERT_EQ(disco::EscribirArchivo(enlace.string(), "nuevo"), "");
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(Leer(f), "nuevo");
    EXPECT_EQ(fs::status(f).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Contenido(dir.ruta), (std::set<std::string>{"viga.kvx", "enlace.kvx"}));

    EXPECT_EQ(disco::EscribirArchivo("/dev/full", "abc"), "el disco está lleno");
    EXPECT_EQ(disco::EscribirArchivo("/dev/null", "abc"), "");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    SinFalla sinFalla;
    disco::FijarFalla([](Etapa e) { return e == Etapa::Escribir ? ENOSPC : 0; });
    EXPECT_EQ(disco::EscribirArchivo((dir.ruta / "nuevo.kvx").string(), "abc"),
              "el disco está lleno");
    EXPECT_FALSE(fs::exists(dir.ruta / "nuevo.kvx"));
}

}  // namespace
}  // namespace korvex
