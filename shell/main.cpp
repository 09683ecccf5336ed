// Guheng: starting the program means showing the splash; it brings up the main window.
#include "shell/assets.h"
#include "shell/form2.h"
#include "shell/window_font.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Guheng");
    guheng::shell::registerAssets();
    QApplication::setWindowIcon(QIcon(":/assets/icon.png"));
    QApplication::setFont(guheng::shell::windowFont());
    guheng::shell::Form2 splash;
    splash.show();
    return QApplication::exec();
}
