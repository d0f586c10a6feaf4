#include "monkey/Mono.h"

#include <fcntl.h>
#include <unistd.h>

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>
#include <atomic>
#include <csignal>
#include <cstring>
#include <functional>
#include <thread>

#include "comun/Ayudas.h"
#include "project/Informe.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Registro.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/frmpreview.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace korvex::pruebas {

namespace {

constexpr double kLimiteAccion = 5.0;  // s for the event loop to come back
constexpr int kLimiteColgado = 60;     // s without coming back: the run is stopped

// What the watchdog thread and the crash handlers print (set per run, read
// from a signal handler: plain buffers, written before the run starts).
std::atomic<long long> gMarca{0};  // ms of the last return to the event loop
std::atomic<bool> gActivo{false};
char gCabecera[1024];
char gRuta[4096];
QtMessageHandler gPrevio = nullptr;

long long AhoraMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints the header and the end of the action log; only calls that are safe
// in a signal handler.
void VolcarRegistro() {
    if (!gActivo.exchange(false)) return;
    auto escribir = [](const char* s, std::size_t n) {
        while (n > 0) {
            const ssize_t k = ::write(2, s, n);
            if (k <= 0) return;
            s += k;
            n -= static_cast<std::size_t>(k);
        }
    };
    escribir(gCabecera, std::strlen(gCabecera));
    const int fd = ::open(gRuta, O_RDONLY);
    if (fd < 0) return;
    const off_t fin = ::lseek(fd, 0, SEEK_END);
    ::lseek(fd, fin > 262144 ? fin - 262144 : 0, SEEK_SET);
    char buf[4096];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
        escribir(buf, static_cast<std::size_t>(n));
    ::close(fd);
}

// The offscreen platform's notes on what it cannot do would fill the log.
void FiltrarAvisos(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith("This plugin does not support")) return;
    if (gPrevio != nullptr) gPrevio(tipo, contexto, texto);
}

void AlMorir(int senal) {
    VolcarRegistro();
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

}  // namespace

QString NombreDe(const QObject* o) {
    if (o == nullptr) return "-";
    return o->objectName().isEmpty() ? QString(o->metaObject()->className()) : o->objectName();
}

void Activar(QWidget* w) {
    QWidget* v = w->window();
    if (QApplication::activeWindow() != v) QApplication::setActiveWindow(v);
}

Mono::Mono(unsigned semilla, int acciones, const QString& carpeta, const QString& ejemplos)
    : semilla_(semilla),
      acciones_(acciones),
      carpeta_(carpeta),
      ejemplos_(ejemplos),
      azar_(semilla),
      rutaRegistro_(carpeta + ".log") {}

Mono::~Mono() {
    ui::frmpreview::ElegirImpresora = nullptr;
    if (registro_ != nullptr) std::fclose(registro_);
}

int Mono::Azar(int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(azar_);
}

QString Mono::TextoAzar() {
    static const QStringList raros = {"0",
                                      "-0",
                                      "-3",
                                      "-0.5",
                                      "1e40",
                                      "-1e40",
                                      "1e-40",
                                      "3.4e38",
                                      "inf",
                                      "-inf",
                                      "NaN",
                                      "abc",
                                      "",
                                      "5x",
                                      "1,5",
                                      "1.2.3",
                                      " 7 ",
                                      "1e5",
                                      "99999999",
                                      "0.0001",
                                      "ñandú",
                                      "Año áéíóú ÜÑ",
                                      "1" + QString(40, '0'),
                                      QString(300, '9'),
                                      "½",
                                      "2,800",
                                      "4200",
                                      "#TRUE#"};
    if (Azar(5) < 2) return raros[Azar(static_cast<int>(raros.size()))];
    // A number of the sizes a beam takes (0.1 to 100), with 0 to 2 decimals.
    const double v = std::pow(10.0, -1.0 + 3.0 * Azar(1000) / 1000.0);
    return QString::number(v, 'f', Azar(3));
}

void Mono::Registrar(const QString& accion) {
    if (registro_ == nullptr) return;
    std::fprintf(registro_, "#%d %s\n", hechas_, accion.toUtf8().constData());
    std::fflush(registro_);
}

void Mono::Fallar(const std::string& motivo) {
    if (!fallo_.empty()) return;
    Registrar("FALLO: " + QString::fromStdString(motivo));
    std::string registro;
    if (QFile f(rutaRegistro_); f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lineas = f.readAll().split('\n');
        const qsizetype desde = std::max<qsizetype>(0, lineas.size() - 3000);
        for (qsizetype i = desde; i < lineas.size(); ++i)
            registro += lineas[i].toStdString() + "\n";
    }
    fallo_ = "semilla " + std::to_string(semilla_) + ", acción " + std::to_string(hechas_) + ": " +
             motivo + "\nPara repetirla: KORVEX_MONO_SEMILLA=" + std::to_string(semilla_) +
             " KORVEX_MONO_ACCIONES=" + std::to_string(acciones_) +
             " test_ui_monkey\nRegistro de acciones (" + rutaRegistro_.toStdString() + "):\n" +
             registro;
}

// The run's folder: the example projects and a polygon to open, a file that
// is no project, a folder named like a project and a read-only folder.
void Mono::Preparar() {
    QDir d(carpeta_);
    for (const QFileInfo& f : QDir(ejemplos_).entryInfoList(QDir::Files)) {
        QFile::copy(f.absoluteFilePath(), d.filePath(f.fileName()));
    }
    if (QFile malo(d.filePath("malo.kvx")); malo.open(QIODevice::WriteOnly)) {
        malo.write("\"Viga_Rect\",esto no es un proyecto\r\n");
    }
    d.mkdir("carpeta.kvx");
    d.mkdir("solo_lectura");
    QFile::setPermissions(d.filePath("solo_lectura"), QFile::ReadOwner | QFile::ExeOwner);
    // Settings (last folder, file dialog state) stay inside the run.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, d.filePath("ajustes"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, d.filePath("ajustes"));
    // The printer is a PDF file of the folder, or the user cancels.
    ui::frmpreview::ElegirImpresora = [this](QPrinter& impresora, QWidget*) {
        if (Azar(4) == 0) {
            Registrar("  impresora: cancelar");
            return false;
        }
        const QString pdf = QDir(carpeta_).filePath(QString("impreso-%1.pdf").arg(impresos_++ % 3));
        Registrar("  impresora: " + QFileInfo(pdf).fileName());
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        return true;
    };
}

void Mono::IniciarPrograma() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    ui::FijarAdaptador(nullptr);  // real message boxes, answered by the monkey
    tecleado_.clear();
    auto* g = ui::Ventana<ui::frmGeneral>();
    g->show();
    QApplication::setActiveWindow(g);
}

std::string Mono::Correr() {
    Preparar();
    registro_ = std::fopen(rutaRegistro_.toLocal8Bit().constData(), "w");
    std::snprintf(gCabecera, sizeof gCabecera,
                  "\n*** Mono: semilla %u; para repetirla: KORVEX_MONO_SEMILLA=%u "
                  "KORVEX_MONO_ACCIONES=%d test_ui_monkey\n*** Registro de acciones (%s):\n",
                  semilla_, semilla_, acciones_, rutaRegistro_.toLocal8Bit().constData());
    std::snprintf(gRuta, sizeof gRuta, "%s", rutaRegistro_.toLocal8Bit().constData());
    gMarca = AhoraMs();
    gActivo = true;
    gPrevio = qInstallMessageHandler(FiltrarAvisos);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(VolcarRegistro);
    for (int s : {SIGABRT}) std::signal(s, AlMorir);
#else
    for (int s : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(s, AlMorir);
#endif
    std::atomic<bool> fin{false};
    std::thread vigilante([&fin] {
        while (!fin) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (gActivo && AhoraMs() - gMarca > kLimiteColgado * 1000LL) {
                std::fprintf(stderr, "\n*** Mono: el bucle de eventos no volvió en %d s\n",
                             kLimiteColgado);
                VolcarRegistro();
                std::_Exit(1);
            }
        }
    });

    IniciarPrograma();
    marca_ = Reloj::now();
    Programar();
    while (true) {
        QApplication::exec();
        if (terminado_) break;
        // The main window was closed: the program ended. Start it again.
        ++reinicios_;
        Registrar("  (programa terminado; se abre de nuevo)");
        IniciarPrograma();
        Programar();
    }
    fin = true;
    vigilante.join();
    gActivo = false;
    qInstallMessageHandler(gPrevio);
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    return fallo_;
}

void Mono::Tick() {
    if (terminado_) return;
    // Zero timers queue in order: this one runs after every event the last
    // action queued, so the gap is the time the program kept the loop.
    const double hueco = std::chrono::duration<double>(Reloj::now() - marca_).count();
    if (hueco > kLimiteAccion) {
        Fallar("el bucle de eventos tardó " + std::to_string(hueco) + " s en volver");
    }
    pendiente_ = false;
    Programar();  // the next action runs inside any window this one opens
    marca_ = Reloj::now();
    gMarca = AhoraMs();

    QWidget* modal = QApplication::activeModalWidget();
    if (!fallo_.empty() || hechas_ >= acciones_) {
        // The end: every modal window answered or closed, then out.
        if (modal == nullptr) {
            terminado_ = true;
            QCoreApplication::exit(0);
        } else if (++cierre_ > 200) {
            Fallar("la ventana " + NombreDe(modal).toStdString() + " no se deja cerrar");
            terminado_ = true;
            QCoreApplication::exit(0);
        } else if (auto* f = qobject_cast<QFileDialog*>(modal)) {
            f->reject();
        } else {
            Cerrar(modal);
        }
        return;
    }
    ++hechas_;
    if (auto* f = qobject_cast<QFileDialog*>(modal)) {
        Responder(f);
    } else {
        std::vector<QWidget*> alcance;
        if (modal != nullptr) {
            alcance.push_back(modal);
        } else {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && !w->inherits("QMenu") && !w->inherits("QTipLabel")) {
                    alcance.push_back(w);
                }
            }
            // The set of top-level windows has no order: sort it by name.
            std::sort(alcance.begin(), alcance.end(), [](QWidget* a, QWidget* b) {
                return NombreDe(a) + a->windowTitle() < NombreDe(b) + b->windowTitle();
            });
        }
        Actuar(alcance);
    }
    Comprobar();
    if (auto* g = ui::Registro::Instancia().SiExiste<ui::frmGeneral>();
        g != nullptr && g->Estado() == ui::frmGeneral::EstadoVentana::Calculado) {
        ++conResultados_;
    }
    marca_ = Reloj::now();
    gMarca = AhoraMs();
}

// One tick queued at a time: a tick still queued when the program ended is
// the one that goes on after it starts again.
void Mono::Programar() {
    if (pendiente_) return;
    pendiente_ = true;
    QTimer::singleShot(0, this, [this] { Tick(); });
}

void Mono::Cerrar(QWidget* w) {
    Registrar("cerrar " + NombreDe(w));
    Activar(w);
    w->close();
}

}  // namespace korvex::pruebas
