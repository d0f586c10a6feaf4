#include "ui/startup/frmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSysInfo>
#include <QVBoxLayout>
#include <functional>

#include "ui/common/Registro.h"
#include "ui/startup/Dibujos.h"
#include "ui/startup/Version.h"

namespace korvex::ui {

namespace {

// The frame of the splash: a click anywhere on it (its labels pass their
// clicks up to it) runs the window's handler.
class MarcoPulsable : public QFrame {
  public:
    MarcoPulsable(QWidget* padre, std::function<void()> alPulsar)
        : QFrame(padre), alPulsar_(std::move(alPulsar)) {}

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            alPulsar_();
            return;
        }
        QFrame::mouseReleaseEvent(e);
    }

  private:
    std::function<void()> alPulsar_;
};

QLabel* Etiqueta(const char* nombre, const QString& texto, QWidget* padre, int puntos = 0,
                 bool negrita = false) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    if (puntos != 0 || negrita) {
        QFont f = l->font();
        if (puntos != 0) f.setPointSize(puntos);
        f.setBold(negrita);
        l->setFont(f);
    }
    return l;
}

}  // namespace

frmSplash::frmSplash(QWidget* padre) : QWidget(padre, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setWindowTitle("Korvex 2000");
    // A plain frameless window rather than a splash-screen type, which some
    // window managers never give the keyboard: the key press must reach it.
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new MarcoPulsable(this, [this] { Frame1_Click(); });
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);

    imgLogo = Imagen("imgLogo", DibujoViga(QSize(230, 150)), Frame1);
    Image1 = Imagen("Image1", DibujoSeccionT(QSize(90, 110)), Frame1);
    lblProductName = Etiqueta("lblProductName", "Korvex 2000 v1.0", Frame1, 26, true);
    lblCompanyProduct = Etiqueta("lblCompanyProduct", "Diseño de Vigas", Frame1, 14, true);
    lblPlatform = Etiqueta("lblPlatform", Plataforma(), Frame1, 12, true);
    lblVersion = Etiqueta("lblVersion", QString::fromUtf8("Versión ") + VersionPrograma(), Frame1);
    lblCompany = Etiqueta("lblCompany", "Korvex Ingeniería Estructural", Frame1, 0, true);
    lblCopyright =
        Etiqueta("lblCopyright", "Copyright © 2000 Korvex Ingeniería Estructural", Frame1);
    lblWarning = Etiqueta("lblWarning",
                          "Advertencia: los resultados de este programa deben ser revisados por "
                          "un ingeniero estructural antes de usarse en una obra. Este programa "
                          "está protegido por las leyes de derechos de autor.",
                          Frame1);
    lblWarning->setWordWrap(true);
    QFont menor = lblWarning->font();
    menor.setPointSize(std::max(7, menor.pointSize() - 1));
    lblWarning->setFont(menor);
    lblContacto = Etiqueta("lblContacto", "Consultas: soporte@korvex.example", Frame1);
    lblLugar = Etiqueta("lblLugar", "Santo Domingo, República Dominicana", Frame1);

    // Left: the two pictures; right: the product, then the maker's lines;
    // the legal warning across the foot of the frame.
    auto* producto = new QVBoxLayout;
    producto->addWidget(lblProductName);
    producto->addWidget(lblCompanyProduct);
    producto->addStretch(1);
    producto->addWidget(lblPlatform, 0, Qt::AlignRight);
    producto->addWidget(lblVersion, 0, Qt::AlignRight);
    auto* fabricante = new QVBoxLayout;
    fabricante->addStretch(1);
    for (QLabel* l : {lblCompany, lblCopyright, lblContacto, lblLugar}) fabricante->addWidget(l);

    auto* rejilla = new QGridLayout(Frame1);
    rejilla->setContentsMargins(18, 18, 18, 14);
    rejilla->setHorizontalSpacing(24);
    rejilla->setVerticalSpacing(14);
    rejilla->addWidget(imgLogo, 0, 0, Qt::AlignTop);
    rejilla->addLayout(producto, 0, 1);
    rejilla->addWidget(Image1, 1, 0, Qt::AlignCenter);
    rejilla->addLayout(fabricante, 1, 1);
    rejilla->addWidget(lblWarning, 2, 0, 1, 2);
    rejilla->setColumnStretch(1, 1);

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(6, 6, 6, 6);
    todo->addWidget(Frame1);
    setFixedSize(620, 400);
    Form_Load();
}

QString frmSplash::Plataforma() {
    const QString nucleo = QSysInfo::kernelType();
    if (nucleo == "linux") return "Linux";
    if (nucleo == "darwin") return "macOS";
    if (nucleo == "winnt") return "Windows";
    if (nucleo.isEmpty()) return QSysInfo::productType();
    return nucleo.left(1).toUpper() + nucleo.mid(1);
}

void frmSplash::Form_Load() {
    // The product name is the application's title when the program set one.
    const QString titulo = QCoreApplication::applicationName();
    if (!titulo.isEmpty()) lblProductName->setText(titulo);
}

void frmSplash::Form_KeyPress() {
    Registro::Instancia().Descargar<frmSplash>();
}

void frmSplash::Frame1_Click() {
    Registro::Instancia().Descargar<frmSplash>();
}

void frmSplash::keyPressEvent(QKeyEvent* e) {
    if (e->text().isEmpty() && e->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(e);  // a lone modifier or function key is no key press
        return;
    }
    Form_KeyPress();
}

}  // namespace korvex::ui
