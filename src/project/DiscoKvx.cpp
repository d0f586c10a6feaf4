// Project files on disk: the whole file read into memory before the reader
// sees it, and the save written whole or not at all (disco::EscribirArchivo),
// with the reasons of the system's failures in Spanish.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "project/ArchivoKvx.h"
#include "project/CamposKvx.h"
#include "project/Disco.h"

namespace korvex {

using disco::RazonSistema;
using kvx::RechazoGuardar;

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
    struct stat st {};
    const bool habia = ::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const std::string razon = disco::EscribirArchivo(ruta, bytes);
    if (!razon.empty()) {
        return RechazoGuardar("No se pudo guardar el proyecto en \"" + ruta + "\": " + razon + "." +
                              (habia ? " El archivo anterior no se ha modificado." : ""));
    }
    return std::nullopt;
}

}  // namespace korvex
