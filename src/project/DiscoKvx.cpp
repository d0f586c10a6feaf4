// Project files on disk: the whole file read into memory before the reader
// sees it, and the save written to a temporary file renamed over the target,
// with the reasons of the system's failures in Spanish.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "project/ArchivoKvx.h"
#include "project/CamposKvx.h"

namespace korvex {

using kvx::RechazoGuardar;

namespace {

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
        default:
            return "error del sistema " + std::to_string(err);
    }
}

// Writes `bytes` to a temporary file next to `ruta` and renames it over
// `ruta`. Returns the reason of a failure, empty on success.
std::string EscribirAtomico(const std::string& ruta, const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path destino(ruta);
    struct stat st {};
    mode_t modo;
    if (::stat(ruta.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return RazonSistema(EISDIR);
        modo = st.st_mode & 07777;  // keep the permissions of the file it replaces
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    }
    fs::path carpeta = destino.parent_path();
    if (carpeta.empty()) carpeta = ".";
    std::string temporal = (carpeta / ("." + destino.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporal.data());
    if (fd < 0) return RazonSistema(errno);

    auto abandonar = [&](int err) {
        ::close(fd);
        ::unlink(temporal.c_str());
        return RazonSistema(err);
    };
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + escritos, bytes.size() - escritos);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandonar(errno);
        }
        escritos += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, modo) != 0) return abandonar(errno);
    if (::fsync(fd) != 0) return abandonar(errno);
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

}  // namespace

std::optional<Mensaje> LeerArchivoKvx(const std::string& ruta, Proyecto& p) {
    auto noAbre = [&](const std::string& razon) {
        return Mensaje{"No se pudo abrir el archivo \"" + ruta + "\": " + razon + ".", kTituloAbrir,
                       kEstiloCritico};
    };
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return noAbre(RazonSistema(errno));
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return noAbre(RazonSistema(EISDIR));
    }
    std::string bytes;
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return noAbre(RazonSistema(err));
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
        if (bytes.size() > kTamanoMaximoKvx) {
            ::close(fd);
            return noAbre("el archivo es demasiado grande para ser un proyecto (más de 64 MB)");
        }
    }
    ::close(fd);
    std::optional<Mensaje> m = LeerKvx(bytes, p);
    if (m) m->texto = "\"" + ruta + "\": " + m->texto;
    return m;
}

std::optional<Mensaje> GuardarArchivoKvx(const std::string& ruta, const Proyecto& p) {
    std::string bytes;
    if (std::optional<Mensaje> m = EscribirKvx(p, bytes)) return m;
    const std::string razon = EscribirAtomico(ruta, bytes);
    if (!razon.empty()) {
        return RechazoGuardar("No se pudo guardar el proyecto en \"" + ruta + "\": " + razon +
                              ". El archivo anterior no se ha modificado.");
    }
    return std::nullopt;
}

}  // namespace korvex
