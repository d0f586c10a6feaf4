// Project files on disk. Saves under faults (permissions, paths, full disk,
// failed flush or rename, a crash) name the file and the cause, keep the
// previous file byte for byte and leave no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <tuple>

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

// Every path under `dir`, hidden files included, with the bytes of each file.
using Archivos = std::map<std::string, std::string>;
Archivos Contenido(const fs::path& dir) {
    Archivos r;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        r[e.path().lexically_relative(dir).string()] = e.is_regular_file() ? Leer(e.path()) : "";
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

// A failure injected into the writer while this lives.
struct Falla {
    explicit Falla(std::function<int(Etapa)> f) { disco::FijarFalla(std::move(f)); }
    ~Falla() { disco::FijarFalla(nullptr); }
};

// A save read back. A project that cannot be written leaves the file; a file
// that cannot be opened or read is refused naming it, the project unchanged.
TEST(Disco, GuardadoLeidoYAperturaFallida) {
    Carpeta dir;
    Proyecto p, q;
    p.estado.LuzViga = 6;
    const fs::path f = dir.ruta / "viga.kvx";
    ASSERT_FALSE(GuardarArchivoKvx(f.string(), p));
    const std::string guardado = Leer(f);
    ASSERT_FALSE(LeerArchivoKvx(f.string(), q));
    EXPECT_EQ(q, p);
    p.estado.LuzViga = INFINITY;  // no file holds this project
    EXPECT_TRUE(GuardarArchivoKvx(f.string(), p));
    EXPECT_EQ(Leer(f), guardado);

    fs::create_directory(dir.ruta / "carpeta.kvx");
    std::ofstream(dir.ruta / "malo.kvx") << "6";
    for (const auto& [nombre, dice] : {std::pair{"no_existe.kvx", "No se pudo abrir"},
                                       {"carpeta.kvx", "carpeta"},
                                       {"malo.kvx", "línea 1"}}) {
        SCOPED_TRACE(nombre);
        Proyecto r = p;
        const auto m = LeerArchivoKvx((dir.ruta / nombre).string(), r);
        ASSERT_TRUE(m);
        EXPECT_NE(m->texto.find(dice), std::string::npos) << m->texto;
        EXPECT_NE(m->texto.find(nombre), std::string::npos) << m->texto;
        EXPECT_EQ(r, p);
    }
}

// As root, a save runs as "nobody" while this lives, so that permissions hold.
struct ComoOtro {
    const bool cambia;
    explicit ComoOtro(bool pedido) : cambia(pedido && ::geteuid() == 0) {
        EXPECT_TRUE(!cambia || (::setegid(65534) == 0 && ::seteuid(65534) == 0));
    }
    ~ComoOtro() { EXPECT_TRUE(!cambia || (::seteuid(0) == 0 && ::setegid(0) == 0)); }
};

TEST(Disco, UnGuardadoFallidoDiceArchivoYCausaYNoPierdeNada) {
    Proyecto p;
    p.estado.LuzViga = 6;
    const std::string viejo = "contenido anterior\r\n";
    // Name, the target inside the test's folder, the stage that fails and its
    // error (0: no injected failure), the cause told.
    const std::tuple<const char*, const char*, Etapa, int, const char*> casos[] = {
        {"carpeta de solo lectura", "solo_lectura/viga.kvx", Etapa::Crear, 0, "no tiene permiso"},
        {"la ruta es una carpeta", "carpeta.kvx", Etapa::Crear, 0, "es una carpeta"},
        {"carpeta que no existe", "no_existe/viga.kvx", Etapa::Crear, 0, "no existe"},
        {"un archivo como carpeta", "viga.kvx/otro.kvx", Etapa::Crear, 0, "no es una carpeta"},
        {"disco lleno", "viga.kvx", Etapa::Escribir, ENOSPC, "el disco está lleno"},
        {"fallo al llevarlo al disco", "viga.kvx", Etapa::Sincronizar, EIO, "entrada y salida"},
        {"fallo entre escribir y renombrar", "viga.kvx", Etapa::Renombrar, EROFS, "solo lectura"},
    };
    // With an unnamed temporary file, and with a hidden named one (file systems
    // without unnamed files).
    for (const bool conNombre : {false, true}) {
        for (const auto& [nombre, archivo, etapa, error, causa] : casos) {
            SCOPED_TRACE(std::string(nombre) + (conNombre ? ", temporal con nombre" : ""));
            Carpeta dir;
            fs::create_directory(dir.ruta / "carpeta.kvx");
            fs::create_directory(dir.ruta / "solo_lectura");
            for (const char* f : {"viga.kvx", "solo_lectura/viga.kvx"}) {
                std::ofstream(dir.ruta / f, std::ios::binary) << viejo;
            }
            using P = fs::perms;
            fs::permissions(dir.ruta / "solo_lectura",
                            P::owner_read | P::owner_exec | P::others_read | P::others_exec);
            const Archivos antes = Contenido(dir.ruta);
            const std::string ruta = (dir.ruta / archivo).string();
            int llamadas = 0;
            const Falla falla([&, etapa = etapa, error = error](Etapa e) {
                if (e == Etapa::SinNombre) return conNombre ? EOPNOTSUPP : 0;
                if (e != etapa || error == 0) return 0;
                ++llamadas;
                return error;
            });
            const std::optional<Mensaje> m = [&, error = error] {
                const ComoOtro otro(error == 0);
                return GuardarArchivoKvx(ruta, p);
            }();
            ASSERT_TRUE(m);
            EXPECT_TRUE(m->titulo == kTituloGuardar && m->estilo == kEstiloCritico);
            EXPECT_NE(m->texto.find("\"" + ruta + "\""), std::string::npos) << m->texto;
            EXPECT_NE(m->texto.find(causa), std::string::npos) << m->texto;
            EXPECT_EQ(error != 0, llamadas == 1);
            EXPECT_EQ(Contenido(dir.ruta), antes);  // both old files as they were
        }
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
    EXPECT_EQ(Contenido(dir.ruta), (Archivos{{"viga.kvx", "contenido anterior\r\n"}}));
}

// What a save replaces, either way: a file keeps its permissions, a link stays a
// link to the new file, a device is written in place (/dev/full: always full),
// and a new file appears only when whole.
TEST(Disco, PermisosEnlacesYDispositivos) {
    const fs::perms modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    for (const bool conNombre : {false, true}) {
        SCOPED_TRACE(conNombre ? "temporal con nombre" : "temporal sin nombre");
        Carpeta dir;
        const Falla falla(
            [&](Etapa e) { return e == Etapa::SinNombre && conNombre ? EOPNOTSUPP : 0; });
        const fs::path f = dir.ruta / "viga.kvx", enlace = dir.ruta / "enlace.kvx";
        std::ofstream(f) << "x";
        fs::permissions(f, modo);
        fs::create_symlink("viga.kvx", enlace);
        ASSERT_EQ(disco::EscribirArchivo(enlace.string(), "nuevo"), "");
        EXPECT_TRUE(fs::is_symlink(enlace));
        EXPECT_EQ(fs::status(f).permissions() & fs::perms::all, modo);
        EXPECT_EQ(Contenido(dir.ruta), (Archivos{{"viga.kvx", "nuevo"}, {"enlace.kvx", "nuevo"}}));
    }

    EXPECT_EQ(disco::EscribirArchivo("/dev/full", "abc"), "el disco está lleno");
    EXPECT_EQ(disco::EscribirArchivo("/dev/null", "abc"), "");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    Carpeta dir;
    const Falla falla([](Etapa e) { return e == Etapa::Escribir ? ENOSPC : 0; });
    EXPECT_EQ(disco::EscribirArchivo((dir.ruta / "nuevo.kvx").string(), "abc"),
              "el disco está lleno");
    EXPECT_FALSE(fs::exists(dir.ruta / "nuevo.kvx"));
}

}  // namespace
}  // namespace korvex
