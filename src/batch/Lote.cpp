// korvex --calcular A.kvx B.kvx ...: the files calculated on a pool of
// threads, their parts written in the order of the arguments.
#include "batch/Lote.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace korvex::lote {

std::string CompactarJson(std::string_view t) {
    std::string r;
    r.reserve(t.size());
    bool enTexto = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (enTexto) {
            r += c;
            if (c == '\\' && i + 1 < t.size()) {
                r += t[++i];  // the escaped character, a quote included
            } else if (c == '"') {
                enTexto = false;
            }
        } else if (c == '"') {
            enTexto = true;
            r += c;
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            r += c;
        }
    }
    return r;
}

int CalcularLote(const OpcionesCalcular& o, const std::vector<std::string>& archivos,
                 const EscribirParte& escribir, unsigned hilos) {
    const std::size_t n = archivos.size();
    if (hilos == 0) hilos = std::max(1u, std::thread::hardware_concurrency());
    hilos = static_cast<unsigned>(std::min<std::size_t>(hilos, std::max<std::size_t>(n, 1)));

    // Each worker takes the next file; its part waits in its slot until the
    // parts before it are written.
    struct Casilla {
        std::optional<Salida> parte;
        std::exception_ptr fallo;
    };
    std::vector<Casilla> casillas(n);
    std::mutex m;
    std::condition_variable listo;
    std::atomic<std::size_t> siguiente{0};
    std::atomic<bool> parar{false};

    auto trabajar = [&] {
        for (std::size_t i = siguiente++; i < n && !parar; i = siguiente++) {
            Casilla c;
            try {
                OpcionesCalcular oi = o;
                oi.archivo = archivos[i];
                c.parte = CalcularParte(oi);
            } catch (...) {
                c.fallo = std::current_exception();
            }
            {
                const std::lock_guard<std::mutex> l(m);
                casillas[i] = std::move(c);
            }
            listo.notify_all();
        }
    };
    std::vector<std::thread> trabajadores;
    trabajadores.reserve(hilos);
    for (unsigned k = 0; k < hilos; ++k) trabajadores.emplace_back(trabajar);

    int estado = kSalidaLeido;
    std::exception_ptr fallo;
    for (std::size_t i = 0; i < n && !fallo; ++i) {
        Casilla c;
        {
            std::unique_lock<std::mutex> l(m);
            listo.wait(l, [&] { return casillas[i].parte || casillas[i].fallo; });
            c = std::move(casillas[i]);
            casillas[i] = {};
        }
        if (c.fallo) {
            fallo = c.fallo;
            parar = true;
            break;
        }
        Salida& s = *c.parte;
        if (!o.json && i > 0) {  // a blank line between two summaries
            std::string t;
            t.reserve(s.salida.size() + 1);
            t += '\n';
            t += s.salida;
            s.salida = std::move(t);
        }
        if (s.estado != kSalidaLeido) estado = kSalidaRechazado;
        escribir(s);
    }
    for (std::thread& t : trabajadores) t.join();
    if (fallo) std::rethrow_exception(fallo);
    return estado;
}

}  // namespace korvex::lote
