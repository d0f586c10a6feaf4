#include "project/Disco.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace korvex::disco {

namespace {

std::function<int(Etapa)>& Falla() {
    static std::function<int(Etapa)> f;
    return f;
}

// The error number the test hook gives for a step, 0 to let it run.
int Inyectada(Etapa e) {
    return Falla() ? Falla()(e) : 0;
}

// Writes every byte to `fd`; 0 or the error number.
int EscribirTodo(int fd, std::string_view bytes) {
    constexpr std::size_t kBloque = 1 << 20;
    std::size_t hechos = 0;
    while (hechos < bytes.size()) {
        if (const int e = Inyectada(Etapa::Escribir)) return e;
        const ssize_t n =
            ::write(fd, bytes.data() + hechos, std::min(kBloque, bytes.size() - hechos));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        hechos += static_cast<std::size_t>(n);
    }
    return 0;
}

// A device, pipe or socket: written in place.
std::string EscribirDirecto(const std::string& ruta, std::string_view bytes) {
    if (const int e = Inyectada(Etapa::Crear)) return RazonSistema(e);
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return RazonSistema(errno);
    const int e = EscribirTodo(fd, bytes);
    if (::close(fd) != 0 && e == 0) return RazonSistema(errno);
    return e == 0 ? std::string() : RazonSistema(e);
}

// Links the unnamed file `fd` into `carpeta` under a hidden name of its own
// next to `base`; 0 (and the name) or the error number.
int Nombrar(int fd, const std::filesystem::path& carpeta, const std::string& base,
            std::string& nombre) {
    static std::atomic<unsigned> contador{0};
    const std::string origen = "/proc/self/fd/" + std::to_string(fd);
    for (int intento = 0; intento < 100; ++intento) {
        const std::string n = (carpeta / ("." + base + "." + std::to_string(::getpid()) + "." +
                                          std::to_string(contador++)))
                                  .string();
        if (::linkat(AT_FDCWD, origen.c_str(), AT_FDCWD, n.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            nombre = n;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

}  // namespace

std::string RazonSistema(int err) {
    switch (err) {
        case ENOENT:
            return "el archivo o la carpeta no existe";
        case EACCES:
        case EPERM:
            return "no tiene permiso de acceso";
        case EISDIR:
            return "es una carpeta, no un archivo";
        case ENOTDIR:
            return "una parte de la ruta no es una carpeta";
        case ENOSPC:
            return "el disco está lleno";
        case EROFS:
            return "el disco es de solo lectura";
        case EDQUOT:
            return "se ha agotado la cuota de disco";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
        case EFBIG:
            return "el archivo es demasiado grande";
        case EIO:
            return "error de entrada y salida del disco";
        case EXDEV:
            return "el archivo está en otro disco";
        default:
            return "error del sistema " + std::to_string(err);
    }
}

void FijarFalla(std::function<int(Etapa)> falla) {
    Falla() = std::move(falla);
}

std::string EscribirArchivo(const std::string& rutaDada, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::string ruta = rutaDada;
    struct stat st {};
    // A symbolic link stays a link: the file it names is the one replaced.
    if (::lstat(ruta.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(ruta.c_str(), nullptr)) {
            ruta = real;
            std::free(real);
        }
    }
    mode_t modo;
    if (::stat(ruta.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return RazonSistema(EISDIR);
        if (!S_ISREG(st.st_mode)) return EscribirDirecto(ruta, bytes);
        modo = st.st_mode & 07777;  // the permissions of the file it replaces
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    }
    const fs::path destino(ruta);
    fs::path carpeta = destino.parent_path();
    if (carpeta.empty()) carpeta = ".";
    const std::string base = destino.filename().string();

    if (const int e = Inyectada(Etapa::Crear)) return RazonSistema(e);
    // An unnamed file where the system can name it later (through /proc);
    // else a hidden temporary name.
    std::string temporal;
    int fd = -1;
    if (::access("/proc/self/fd", F_OK) == 0 && Inyectada(Etapa::SinNombre) == 0) {
        fd = ::open(carpeta.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
        // Refusals other than "this file system has no unnamed files".
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return RazonSistema(errno);
        }
    }
    if (fd < 0) {
        temporal = (carpeta / ("." + base + ".XXXXXX")).string();
        fd = ::mkstemp(temporal.data());
        if (fd < 0) return RazonSistema(errno);
    }

    auto abandonar = [&](int err) {
        ::close(fd);
        if (!temporal.empty()) ::unlink(temporal.c_str());
        return RazonSistema(err);
    };
    if (const int e = EscribirTodo(fd, bytes)) return abandonar(e);
    if (::fchmod(fd, modo) != 0) return abandonar(errno);
    if (const int e = Inyectada(Etapa::Sincronizar)) return abandonar(e);
    if (::fsync(fd) != 0) return abandonar(errno);
    if (const int e = Inyectada(Etapa::Renombrar)) return abandonar(e);
    if (temporal.empty()) {
        if (const int e = Nombrar(fd, carpeta, base, temporal)) return abandonar(e);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        return RazonSistema(err);
    }
    if (::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        return RazonSistema(err);
    }
    // Make the rename itself durable; a failure here no longer loses data.
    const int dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace korvex::disco
