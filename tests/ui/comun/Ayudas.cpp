#include "Ayudas.h"

#include "ui/common/Mensajes.h"

namespace korvex::pruebas {

namespace {

class InterfazPrueba : public Interfaz {
  public:
    int MostrarMensaje(const Mensaje& m) override {
        registrados.push_back(m);
        const int botones = m.estilo & 0x0F;  // 1 OK/Cancel, 3 Sí/No/Cancelar
        if (botones != 1 && botones != 3) return kRespuestaOk;
        if (respuestas.empty()) return botones == 1 ? kRespuestaOk : kRespuestaNo;
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::string PedirDiametroEstribo() override { return "3/8"; }
    std::vector<Mensaje> registrados;
    std::deque<int> respuestas;
};

InterfazPrueba& Doble() {
    static InterfazPrueba d;
    return d;
}

}  // namespace

void Mensajes::ModoPrueba(bool activo) {
    ui::FijarAdaptador(activo ? &Doble() : nullptr);
}

const std::vector<Mensaje>& Mensajes::Registrados() {
    return Doble().registrados;
}

void Mensajes::Limpiar() {
    Doble() = InterfazPrueba{};
}

void Mensajes::ProgramarRespuesta(int respuesta) {
    Doble().respuestas.push_back(respuesta);
}

Mensaje UltimoMensaje() {
    const auto& r = Mensajes::Registrados();
    return r.empty() ? Mensaje{} : r.back();
}

void ProcesarEventos() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Teclear(QLineEdit* campo, const QString& texto) {
    campo->setFocus(Qt::MouseFocusReason);
    campo->selectAll();
    if (texto.isEmpty()) {
        QTest::keyClick(campo, Qt::Key_Delete);
    } else {
        QTest::keyClicks(campo, texto);
    }
    QTest::keyClick(campo, Qt::Key_Tab);
    ProcesarEventos();
}

void Entorno::SetUp() {
    QSettings().clear();  // no recent projects nor last folder of another test
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    Mensajes::ModoPrueba(true);
    Mensajes::Limpiar();
}

void Entorno::TearDown() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    Mensajes::ModoPrueba(true);
    Mensajes::Limpiar();
}

Robot::Robot() {
    // A window being answered may open another modal one (a message box over
    // the load window): that one is answered from within.
    connect(&reloj_, &QTimer::timeout, this, [this] {
        QWidget* m = QApplication::activeModalWidget();
        if (m == nullptr || !m->isVisible() || enCurso_.count(m) != 0) return;
        enCurso_.insert(m);
        QTimer::singleShot(0, this, [this, m] {
            if (m == QApplication::activeModalWidget()) Atender(m);
            enCurso_.erase(m);
        });
    });
    reloj_.start(5);
}

void Robot::Responder(const std::string& clase, std::function<void(QWidget*)> respuesta) {
    respuestas_[clase] = std::move(respuesta);
}

void Robot::Atender(QWidget* m) {
    const std::string clase = m->metaObject()->className();
    if (const auto it = respuestas_.find(clase); it != respuestas_.end()) {
        it->second(m);
    } else if (auto* caja = qobject_cast<QMessageBox*>(m)) {
        cajas.push_back(caja->windowTitle().toStdString() + ": " + caja->text().toStdString());
        // OK, or the answer that changes nothing where there is no OK.
        QAbstractButton* b = caja->button(QMessageBox::Ok);
        QTest::mouseClick(b != nullptr ? b : caja->escapeButton(), Qt::LeftButton);
    } else if (auto* dlg = qobject_cast<QFileDialog*>(m)) {
        const QString nombre = archivos.empty() ? QString() : archivos.front();
        if (!archivos.empty()) archivos.pop_front();
        if (nombre.isEmpty()) {
            dlg->reject();
        } else {
            // The dialog does not replace the name a user is typing: the
            // name field must not have the focus.
            if (QWidget* f = dlg->focusWidget()) f->clearFocus();
            dlg->selectFile(nombre);
            QMetaObject::invokeMethod(dlg, "accept");
            if (dlg->isVisible()) {
                ADD_FAILURE() << "el diálogo no aceptó " << nombre.toStdString();
                dlg->reject();
            }
        }
    }
}

}  // namespace korvex::pruebas
