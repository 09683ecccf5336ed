// Starts as Guheng does and ends as soon as Form1 is loaded (hidden): the
// benchmark times this whole process from its start.
#include "shell/assets.h"
#include "shell/form1.h"
#include "shell/window_font.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    guheng::shell::registerAssets();
    QApplication::setWindowIcon(QIcon(":/assets/icon.png"));
    QApplication::setFont(guheng::shell::windowFont());
    guheng::shell::Form1 form;
    return form.load() ? 1 : 0;
}
