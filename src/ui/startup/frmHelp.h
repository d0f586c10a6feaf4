// The two help windows: the instructions frmHelp ("Instrucciones de Korvex
// 2000") and the quick guide frmHelp2 ("Guía Rápida"). Each holds one
// rich-text box, RichTextBox1, that fills the window and follows its size.
// They are not modal and change nothing of the project.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace korvex::ui {

// A window that only shows one HTML text.
class VentanaTexto : public QWidget {
    Q_OBJECT
  public:
    VentanaTexto(const char* nombre, const QString& titulo, const QString& html, QWidget* padre);

    QTextBrowser* RichTextBox1;
};

class frmHelp : public VentanaTexto {
    Q_OBJECT
  public:
    explicit frmHelp(QWidget* padre = nullptr);
};

class frmHelp2 : public VentanaTexto {
    Q_OBJECT
  public:
    explicit frmHelp2(QWidget* padre = nullptr);
};

}  // namespace korvex::ui
