// assetgen OUTPUT_FOLDER: writes every picture of the program as PNG.
#include "art_style.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <array>
#include <utility>

namespace {

bool save(const QImage& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (picture.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "assetgen: cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: assetgen OUTPUT_FOLDER\n";
        return 2;
    }
    if (!assetgen::cjkFontAvailable()) {
        QTextStream(stderr) << "assetgen: font " << assetgen::windowFontFamily
                            << " is missing (fonts-wqy-microhei)\n";
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using assetgen::ButtonLook;
    bool ok = save(assetgen::drawBackground(), folder, "background.png") &&
              save(assetgen::drawCurtain(), folder, "curtain.png") &&
              save(assetgen::drawSplash(), folder, "splash.png") &&
              save(assetgen::drawIcon(), folder, "icon.png");
    const std::array<std::pair<ButtonLook, const char*>, 4> looks{{{ButtonLook::normal, "normal"},
                                                                   {ButtonLook::hover, "hover"},
                                                                   {ButtonLook::pressed, "pressed"},
                                                                   {ButtonLook::disabled, "disabled"}}};
    for (int i = 0; i < int(guheng::shell::buttonTabs.size()); ++i) {
        const auto& tab = guheng::shell::buttonTabs[i];
        for (const auto& [look, lookName] : looks) {
            // Only 开始, 重来, 输出 and 打印 are ever disabled.
            if (look == ButtonLook::disabled && i >= 4)
                continue;
            ok = ok && save(assetgen::drawButton(tab.caption, tab.width, look), folder,
                            QString("button%1_%2.png").arg(i).arg(lookName));
        }
    }
    return ok ? 0 : 1;
}
