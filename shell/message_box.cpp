#include "shell/message_box.h"

namespace guheng::shell {

QMessageBox::StandardButton MessageBox::inform(QWidget* parent, const QString& prompt) {
    return show(parent, prompt, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::ask(QWidget* parent, const QString& prompt) {
    return show(parent, prompt, QMessageBox::Yes | QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const QString& prompt,
                                             QMessageBox::StandardButtons buttons) {
    lastPrompt_ = prompt;
    if (nextAnswer_) {
        const auto answer = *nextAnswer_;
        nextAnswer_.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("小墨提醒您"), prompt, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    nextAnswer_ = answer;
    lastPrompt_.clear();
}

QString MessageBox::lastPrompt() {
    return lastPrompt_;
}

} // namespace guheng::shell
