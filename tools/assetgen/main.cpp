// assetgen OUTPUT_FOLDER: writes every picture of the program as PNG.
#include "art_style.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <array>

namespace {

struct ButtonFace {
    const char* caption;
    int width;
    bool hasDisabledLook;
};
constexpr std::array<ButtonFace, 7> buttons{{{"开始", 42, true},
                                             {"重来", 42, true},
                                             {"输出", 41, true},
                                             {"打印", 42, true},
                                             {"网站", 41, false},
                                             {"信箱", 42, false},
                                             {"退出", 41, false}}};

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
        QTextStream(stderr) << "assetgen: font " << assetgen::fontFamily
                            << " is missing (fonts-wqy-microhei)\n";
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using assetgen::ButtonLook;
    bool ok = save(assetgen::drawBackground(), folder, "background.png") &&
              save(assetgen::drawCurtain(), folder, "curtain.png") &&
              save(assetgen::drawSplash(), folder, "splash.png") &&
              save(assetgen::drawIcon(), folder, "icon.png");
    for (int i = 0; i < int(buttons.size()); ++i) {
        const auto& face = buttons[i];
        const auto name = [i](const char* look) { return QString("button%1_%2.png").arg(i).arg(look); };
        ok = ok &&
             save(assetgen::drawButton(face.caption, face.width, ButtonLook::normal), folder, name("normal"));
        ok = ok &&
             save(assetgen::drawButton(face.caption, face.width, ButtonLook::hover), folder, name("hover"));
        ok = ok && save(assetgen::drawButton(face.caption, face.width, ButtonLook::pressed), folder,
                        name("pressed"));
        if (face.hasDisabledLook)
            ok = ok && save(assetgen::drawButton(face.caption, face.width, ButtonLook::disabled), folder,
                            name("disabled"));
    }
    return ok ? 0 : 1;
}
