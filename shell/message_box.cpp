#include "shell/message_box.h"

namespace guheng::shell {

QMessageBox::StandardButton MessageBox::inform(QWidget* parent, const QString& prompt) {
    lastPrompt_ = prompt;
    if (nextAnswer_) {
        const auto answer = *nextAnswer_;
        nextAnswer_.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("小墨提醒您"), prompt, QMessageBox::Ok, parent);
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
