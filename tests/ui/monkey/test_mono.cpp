// The random-action test ("monkey"), one test per seed: what a user can do in
// the windows at hand (the modal one alone while it is up), file dialogs
// answered in the run's folder, the printer a PDF there. After each action the
// event loop is back within 5 s, nothing shown or written reads "nan" or
// "inf", no temporary file is left; a failure, a sanitizer's report or a hang
// prints the seed, its replay and the action log. KORVEX_MONO_ACCIONES: the
// actions of the run (20 000) shared by the seeds; KORVEX_MONO_SEMILLA: one seed.
#include <unistd.h>

#include <QPrinter>
#include <csignal>
#include <cstdio>
#include <random>
#include <utility>

#include "comun/Ayudas.h"
#include "project/Informe.h"
#include "ui/common/Lienzo.h"
#include "ui/common/Mensajes.h"
#include "ui/main/frmGeneral.h"
#include "ui/report/frmpreview.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace korvex::pruebas {
namespace {

using Reloj = std::chrono::steady_clock;
constexpr double kLimiteAccion = 5.0;    // s for the event loop to come back
constexpr unsigned kLimiteColgado = 60;  // s without coming back: the process ends

// "nan", "inf", "infinity" (any case) as a word of their own.
const QRegularExpression kNoFinito(R"((?<!\p{L})(nan|inf|infinity)(?!\p{L}))",
                                   QRegularExpression::CaseInsensitiveOption);

QString NombreDe(const QObject* o) {
    return o->objectName().isEmpty() ? QString(o->metaObject()->className()) : o->objectName();
}

QString Describir(const QWidget* w) {
    const QString d = NombreDe(w->window()) + "/" + NombreDe(w);
    const QString t = w->property("text").toString();
    return t.isEmpty() ? d : d + " \"" + t.left(30) + "\"";
}

// The kinds of action, with their weights.
enum Tipo { kBoton, kCampo, kMenu, kLista, kCelda, kCerrar, kTecla, kEjemplo, kTipos };
constexpr int kPeso[kTipos] = {30, 30, 8, 4, 5, 4, 3, 4};

class Mono : public QObject {
  public:
    // The empty `carpeta` gets the examples, a file that is no project, a
    // folder named like one, a read-only folder.
    Mono(unsigned semilla, int acciones, const QString& carpeta)
        : semilla_(semilla), acciones_(acciones), carpeta_(carpeta), azar_(semilla) {
        QDir d(carpeta_);
        for (const QFileInfo& f : QDir(KORVEX_EJEMPLOS).entryInfoList(QDir::Files)) {
            QFile::copy(f.absoluteFilePath(), d.filePath(f.fileName()));
        }
        QFile malo(d.filePath("malo.kvx"));
        if (malo.open(QIODevice::WriteOnly)) malo.write("\"Viga_Rect\",esto no es un proyecto\r\n");
        d.mkdir("carpeta.kvx");
        d.mkdir("solo_lectura");
        QFile::setPermissions(d.filePath("solo_lectura"), QFile::ReadOwner | QFile::ExeOwner);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, d.filePath("ajustes"));
        ui::frmpreview::ElegirImpresora = [this](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(
                QDir(carpeta_).filePath(QString("impreso-%1.pdf").arg(++impresos_ % 3)));
            return Azar(4) != 0;  // or the user cancels
        };
    }
    ~Mono() override {
        ui::frmpreview::ElegirImpresora = nullptr;
        Mensajes::ModoPrueba(true);
        QFile::setPermissions(QDir(carpeta_).filePath("solo_lectura"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    int hechas = 0, reinicios = 0, calculadas = 0, desactualizadas = 0;

    // Runs the actions; returns the failure, empty when there was none.
    std::string Correr() {
        activo_ = this;
        std::printf("Mono: semilla %u; para repetirla: %s\n", semilla_, Repetir().c_str());
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(Volcar);  // a sanitizer's report, a crash, an abort
#endif
        std::signal(SIGALRM, [](int) {  // the event loop did not come back in kLimiteColgado s
            std::fputs("*** Mono: el programa no responde\n", stderr);
            Volcar();
            std::_Exit(1);
        });
        Iniciar();
        // Closing the main window ends the program: it is started again.
        while (QApplication::exec(), !terminado_) {
            ++reinicios;
            Registrar("  (programa terminado; se abre de nuevo)");
            Iniciar();
        }
        ::alarm(0);
        activo_ = nullptr;
        ui::Registro::Instancia().Vaciar();
        ProcesarEventos();
        return fallo_;
    }

  private:
    static inline Mono* activo_ = nullptr;  // the run whose log a crash or a hang prints

    static void Volcar() {
        if (Mono* m = std::exchange(activo_, nullptr))
            std::fprintf(stderr, "%s\n", m->Registro().c_str());
    }
    int Azar(int n) {
        return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(azar_);
    }
    template <class V>
    auto Elegir(const V& v) {
        return v[static_cast<std::size_t>(Azar(static_cast<int>(v.size())))];
    }

    void Registrar(const QString& accion) {
        registro_.push_back("#" + std::to_string(hechas) + " " + accion.toStdString());
        if (registro_.size() > 3000) registro_.pop_front();
    }
    std::string Repetir() const {
        return "KORVEX_MONO_SEMILLA=" + std::to_string(semilla_) +
               " KORVEX_MONO_ACCIONES=" + std::to_string(acciones_) + " test_ui_monkey";
    }
    std::string Registro() const {
        std::string r = "*** Mono: para repetirla: " + Repetir() + "\n*** Últimas acciones:\n";
        for (const std::string& l : registro_) r += l + "\n";
        return r;
    }
    void Fallar(const QString& motivo) {
        if (!fallo_.empty()) return;
        Registrar("FALLO: " + motivo);
        fallo_ = Registro() + "semilla " + std::to_string(semilla_) + ", acción " +
                 std::to_string(hechas) + ": " + motivo.toStdString();
    }

    void Iniciar() {
        ui::Registro::Instancia().Vaciar();
        ProcesarEventos();
        ui::FijarAdaptador(nullptr);  // real message boxes, answered by the monkey
        auto* g = ui::Ventana<ui::frmGeneral>();
        g->show();
        QApplication::setActiveWindow(g);
        marca_ = Reloj::now();
        Programar();
    }

    // One tick queued at a time (one queued when the program ended goes on).
    void Programar() {
        if (pendiente_) return;
        pendiente_ = true;
        QTimer::singleShot(0, this, [this] { Tick(); });
    }

    void Tick() {
        if (terminado_) return;
        // The tick goes to the back of the queue twice, so that what the last
        // action queued (a field's check, a deletion) runs first, as between clicks.
        if (++vuelta_ % 3 != 0) return QTimer::singleShot(0, this, [this] { Tick(); });
        const double hueco = std::chrono::duration<double>(Reloj::now() - marca_).count();
        if (hueco > kLimiteAccion) Fallar(QString("el bucle de eventos tardó %1 s").arg(hueco));
        pendiente_ = false;
        Programar();  // the next action runs inside any window this one opens
        marca_ = Reloj::now();
        ::alarm(kLimiteColgado);
        QWidget* modal = QApplication::activeModalWidget();
        if (!fallo_.empty() || hechas >= acciones_) {
            // The end: every modal window closed, then out.
            if (modal && ++cierre_ <= 200) return void(modal->close());
            if (modal) Fallar("la ventana " + NombreDe(modal) + " no se cierra");
            terminado_ = true;
            return QCoreApplication::exit(0);
        }
        ++hechas;
        if (auto* f = qobject_cast<QFileDialog*>(modal)) {
            Responder(f);
        } else {
            std::vector<QWidget*> alcance;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                const bool abierta =
                    w->isVisible() && !w->inherits("QMenu") && !w->inherits("QTipLabel");
                if (modal == nullptr ? abierta : w == modal) alcance.push_back(w);
            }
            // The top-level windows come in no fixed order: by name.
            std::sort(alcance.begin(), alcance.end(), [](QWidget* a, QWidget* b) {
                return NombreDe(a) + a->windowTitle() < NombreDe(b) + b->windowTitle();
            });
            Actuar(alcance);
        }
        Comprobar();
        auto* g = ui::Registro::Instancia().SiExiste<ui::frmGeneral>();
        calculadas += g && g->Estado() == ui::frmGeneral::EstadoVentana::Calculado;
        desactualizadas += g && !g->lblDesactualizado->isHidden();
        marca_ = Reloj::now();
    }

    // What a user can do in the windows at hand: a kind of action by its
    // weight, then its target.
    void Actuar(const std::vector<QWidget*>& alcance) {
        std::vector<QObject*> c[kTipos];
        auto* g = ui::Registro::Instancia().SiExiste<ui::frmGeneral>();
        for (QWidget* v : alcance) {
            c[kCerrar].push_back(v);
            for (QWidget* w : v->findChildren<QWidget*>()) {
                // The system-information button starts another program of the machine.
                if (!w->isVisible() || !w->isEnabled() || w->objectName() == "cmdSysInfo" ||
                    w->objectName().startsWith("qt_")) {
                    continue;
                }
                auto* t = qobject_cast<QToolButton*>(w);
                auto* i = qobject_cast<QAbstractItemView*>(w);
                if (qobject_cast<QAbstractButton*>(w) && (t == nullptr || t->menu() == nullptr)) {
                    c[kBoton].push_back(w);
                } else if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->isReadOnly()) {
                    c[kCampo].push_back(w);
                } else if (auto* k = qobject_cast<QComboBox*>(w); k && k->count() > 0) {
                    c[kLista].push_back(w);
                } else if (i && !w->inherits("QHeaderView") && i->model() &&
                           i->model()->rowCount() > 0 && i->model()->columnCount() > 0) {
                    c[kCelda].push_back(w);
                }
            }
            for (QMenu* m : v->findChildren<QMenu*>()) {  // the menu bar's and the buttons'
                for (QAction* a : m->menuAction()->isEnabled() ? m->actions() : QList<QAction*>()) {
                    if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu()) {
                        c[kMenu].push_back(a);
                    }
                }
            }
        }
        if (!alcance.empty()) c[kTecla].push_back(alcance.front());
        if (!QApplication::activeModalWidget() && g && g->isVisible() &&
            g->mnuArchivoAbrir->isEnabled()) {
            c[kEjemplo].push_back(g);
        }
        int total = 0;
        for (int t = 0; t < kTipos; ++t) total += c[t].empty() ? 0 : kPeso[t];
        if (total == 0) return Registrar("(nada que hacer)");
        int t = 0;
        for (int r = Azar(total); c[t].empty() || r >= kPeso[t]; ++t)
            r -= c[t].empty() ? 0 : kPeso[t];
        QObject* o = Elegir(c[t]);
        auto* w = qobject_cast<QWidget*>(o);
        if (w) QApplication::setActiveWindow(w->window());
        if (t == kBoton) {
            Registrar("clic " + Describir(w));
            QTest::mouseClick(w, Qt::LeftButton);
        } else if (t == kCampo) {
            Teclear(static_cast<QLineEdit*>(w));
        } else if (t == kMenu) {
            Registrar("menú " + NombreDe(o) + " \"" + o->property("text").toString() + "\"");
            static_cast<QAction*>(o)->trigger();
        } else if (t == kLista) {
            const bool abajo = Azar(2) == 0;
            Registrar("lista " + Describir(w) + (abajo ? " abajo" : " arriba"));
            w->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(w, abajo ? Qt::Key_Down : Qt::Key_Up);
        } else if (t == kCelda) {
            auto* v = static_cast<QAbstractItemView*>(w);
            const QModelIndex i =
                v->model()->index(Azar(v->model()->rowCount()), Azar(v->model()->columnCount()));
            Registrar(QString("celda %1 (%2, %3)").arg(Describir(v)).arg(i.row()).arg(i.column()));
            v->scrollTo(i);
            if (!v->visualRect(i).isEmpty()) {
                QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
            }
        } else if (t == kCerrar) {
            Registrar("cerrar " + NombreDe(w));
            w->close();
        } else if (t == kTecla) {
            QWidget* f = QApplication::focusWidget();
            if (f == nullptr || f->window() != w) f = w;
            const bool escape = Azar(2) == 0;
            Registrar(QString("tecla ") + (escape ? "Escape" : "Enter") + " en " + Describir(f));
            QTest::keyClick(f, escape ? Qt::Key_Escape : Qt::Key_Return);
        } else {
            Registrar("abrir un ejemplo");
            ejemplo_ = true;
            g->mnuArchivoAbrir->trigger();
            ejemplo_ = false;
        }
    }

    // A click into the field, its text replaced by an odd text (two times in
    // five) or a size (0.1 to 100, 0 to 2 decimals), then Tab or Enter.
    void Teclear(QLineEdit* campo) {
        static const QStringList raros =
            QString(
                "0|-0|-3|-0.5|1e40|-1e40|1e-40|3.4e38|inf|-inf|NaN|abc||5x|1,5|1.2.3| 7 |1e5|"
                "99999999|0.0001|ñandú|½|2,800|4200|Año áéíóú ÜÑ|%1|1%2")
                .arg(QString(300, '9'), QString(40, '0'))
                .split('|');
        const QString texto =
            Azar(5) < 2
                ? Elegir(raros)
                : QString::number(std::pow(10.0, -1.0 + 3.0 * Azar(1000) / 1000.0), 'f', Azar(3));
        const bool enter = Azar(3) == 0;
        Registrar("teclear en " + Describir(campo) + ": \"" + texto.left(60) + "\" + " +
                  (enter ? "Enter" : "Tab"));
        QPointer<QLineEdit> c(campo);
        QTest::mouseClick(campo, Qt::LeftButton);
        if (!c || !c->isVisible() || !c->isEnabled()) return;
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Delete);
        for (const QChar ch : texto) {  // a letter of a Spanish keyboard: its text alone
            if (!c) return;
            QKeyEvent e(QEvent::KeyPress, ch < QChar(0x80) ? ch.toUpper().unicode() : 0, {}, ch);
            QApplication::sendEvent(c, &e);
        }
        if (!c) return;
        if (c->text().contains(kNoFinito)) suyos_ << c->text();
        QTest::keyClick(c, enter ? Qt::Key_Return : Qt::Key_Tab);
    }

    // A name in the run's folder, or Cancel. Open: an example, a project
    // saved, a bad file, a folder, a missing file, the polygon file. Save: a
    // new name (with or without extension), an example, a folder, a missing
    // or a read-only folder.
    void Responder(QFileDialog* dlg) {
        const QStringList ejemplos = QDir(carpeta_).entryList({"viga_*.kvx"}, QDir::Files);
        const bool abrir = dlg->acceptMode() == QFileDialog::AcceptOpen;
        const QString ext = "." + (dlg->defaultSuffix().isEmpty() ? "kvx" : dlg->defaultSuffix());
        const QString nuevo = QString("guardado-%1").arg(Azar(4));
        QStringList opciones = {"malo.kvx", "carpeta.kvx", "no_existe.kvx", "seccion_L.txt"};
        if (!abrir) {
            opciones = {nuevo,           nuevo + ext,         nuevo + ext,
                        "carpeta" + ext, "no_existe/x" + ext, "solo_lectura/x" + ext};
        } else if (!guardados_.empty() && Azar(2) == 0) {
            opciones = guardados_;
        }
        if (!ejemplos.isEmpty() && (ejemplo_ || Azar(abrir ? 2 : 7) == 0)) opciones = ejemplos;
        const QString nombre = !ejemplo_ && Azar(8) == 0 ? "" : Elegir(opciones);
        Registrar("diálogo " + NombreDe(dlg) + ": " + (nombre.isEmpty() ? "cancelar" : nombre));
        if (nombre.isEmpty()) return dlg->reject();
        if (abrir && nombre.startsWith("viga_")) {  // the example as shipped, not as saved over
            QFile::remove(QDir(carpeta_).filePath(nombre));
            QFile::copy(QDir(KORVEX_EJEMPLOS).filePath(nombre), QDir(carpeta_).filePath(nombre));
        }
        // The dialog does not replace a name being typed: its field must not have the focus.
        if (QWidget* f = dlg->focusWidget()) f->clearFocus();
        dlg->selectFile(QDir(carpeta_).filePath(nombre));
        QMetaObject::invokeMethod(dlg, "accept");
    }

    // A text the user typed, shown or written as typed (a field, a quoted
    // field of a project file), is no fault.
    void Ver(const QString& donde, QString texto) {
        for (const QString& t : suyos_) {
            if (texto == t) return;
            texto.replace('"' + t + '"', "\"\"");
        }
        if (const qsizetype i = texto.indexOf(kNoFinito); i >= 0)
            Fallar("\"" + texto.mid(std::max<qsizetype>(0, i - 150), 200) + "\" en " + donde);
    }

    // Every text the windows show, the page an open preview prints, the
    // files written since the last look (PDF through pdftotext when
    // installed, the drawings' DXF as text); no temporary file.
    void Comprobar() {
        for (QWidget* v : QApplication::topLevelWidgets()) {
            if (!v->isVisible() || qobject_cast<QFileDialog*>(v)) continue;
            Ver(NombreDe(v) + " (título)", v->windowTitle());
            for (QWidget* w : v->findChildren<QWidget*>()) {
                const QString donde = NombreDe(v) + "/" + NombreDe(w);
                auto* i = qobject_cast<QAbstractItemView*>(w);
                if (!w->isVisible()) continue;
                for (const char* p : {"text", "currentText"}) Ver(donde, w->property(p).toString());
                for (int r = 0; i && i->model() && r < i->model()->rowCount(); ++r) {
                    for (int c = 0; c < i->model()->columnCount(); ++c) {
                        Ver(QString("%1 (%2, %3)").arg(donde).arg(r).arg(c),
                            i->model()->index(r, c).data().toString());
                    }
                }
                if (auto* s = qobject_cast<QStatusBar*>(w)) Ver(donde, s->currentMessage());
                if (auto* z = qobject_cast<ui::Lienzo*>(w)) {
                    for (const ui::Lienzo::Primitiva& p : z->Primitivas()) Ver(donde, p.texto);
                }
            }
        }
        // The page of the main window's document, which the preview shows.
        auto* g = ui::Registro::Instancia().SiExiste<ui::frmGeneral>();
        auto* v = ui::Registro::Instancia().SiExiste<ui::frmpreview>();
        if (g && v && v->isVisible()) {
            for (const ElementoInforme& e :
                 PaginaInforme(g->documento().proyecto(), g->documento().resultado(), true)) {
                Ver("la página del informe", QString::fromStdString(e.texto));
            }
        }
        // Results out of date are never printed nor reported, and always saved.
        if (g && !g->lblDesactualizado->isHidden()) {
            for (QAction* a : {g->Boton("Imprimir"), g->mnuArchivoImprimir, g->mnuArchivoMemoria}) {
                if (a->isEnabled())
                    Fallar(NombreDe(a) + " habilitado con resultados desactualizados");
            }
            if (v && (v->Print_btn->isEnabled() || v->cmdPdf->isEnabled()))
                Fallar("la vista previa imprime resultados desactualizados");
            if (!g->mnuArchivoSalvarcomo->isEnabled())
                Fallar("no se puede guardar con resultados desactualizados");
        }
        static const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        QDirIterator it(carpeta_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext() && fallo_.empty()) {
            const QFileInfo f(it.next());
            const QString ruta = f.absoluteFilePath(), ext = f.suffix();
            if (ruta.contains("/ajustes/")) continue;
            if (f.fileName().startsWith('.') || (ext != "kvx" && ext != "pdf" && ext != "txt" && ext != "dxf")) {
                return Fallar("queda un archivo temporal: " + ruta);
            }
            auto [visto, nuevo] = vistos_.try_emplace(ruta, f.lastModified());
            if (!nuevo && visto->second == f.lastModified()) continue;
            visto->second = f.lastModified();
            if (nuevo && ext == "kvx" && f.fileName().startsWith("guardado")) {
                guardados_ << f.fileName();
            }
            QFile archivo(ruta);
            if ((ext == "kvx" || ext == "dxf") && archivo.open(QIODevice::ReadOnly)) {
                Ver("el archivo " + ruta, QString::fromLatin1(archivo.readAll()));
            } else if (ext == "pdf" && !pdftotext.isEmpty()) {
                QProcess p;
                p.start(pdftotext, {ruta, "-"});
                if (!p.waitForFinished(30000) || p.exitCode() != 0) {
                    return Fallar("pdftotext no pudo leer " + ruta);
                }
                for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
                    Ver("el archivo " + ruta, l);
                }
            }
        }
    }

    const unsigned semilla_;
    const int acciones_;
    const QString carpeta_;
    std::mt19937 azar_;
    std::deque<std::string> registro_;  // the last actions
    bool terminado_ = false, pendiente_ = false, ejemplo_ = false;
    int cierre_ = 0, impresos_ = 0, vuelta_ = 0;
    std::string fallo_;
    Reloj::time_point marca_;
    QSet<QString> suyos_;                  // texts typed that read "nan" or "inf"
    std::map<QString, QDateTime> vistos_;  // files of the folder already read
    QStringList guardados_;                // projects the run saved
};

std::vector<unsigned> Semillas() {
    if (const char* s = std::getenv("KORVEX_MONO_SEMILLA"); s && *s)
        return {unsigned(std::atol(s))};
    return {1, 2, 3, 5, 8, 13, 21, 34};
}

using Semilla = ::testing::TestWithParam<unsigned>;

TEST_P(Semilla, AccionesAlAzarSinFallos) {
    const char* a = std::getenv("KORVEX_MONO_ACCIONES");
    const int acciones = std::max(1, (a && *a ? std::atoi(a) : 20000) / int(Semillas().size()));
    QTemporaryDir dir;
    const QString carpeta = QDir(dir.path()).filePath(QString("mono-%1").arg(GetParam()));
    ASSERT_TRUE(QDir().mkpath(carpeta));
    QElapsedTimer reloj;
    reloj.start();
    Mono mono(GetParam(), acciones, carpeta);
    EXPECT_EQ(mono.Correr(), "");
    std::printf(
        "Mono: semilla %u, %d acciones en %.1f s (%d con resultados, %d desactualizados, %d "
        "reinicios)\n",
        GetParam(), mono.hechas, reloj.elapsed() / 1000.0, mono.calculadas, mono.desactualizadas,
        mono.reinicios);
}

INSTANTIATE_TEST_SUITE_P(Mono, Semilla, ::testing::ValuesIn(Semillas()));

}  // namespace
}  // namespace korvex::pruebas
