// The program's message boxes: a prompt, an OK button only, no icon, the title
// "小墨提醒您". A test sets the next answer; the next box then opens no window,
// returns that answer and keeps its prompt for lastPrompt().
#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

namespace guheng::shell {

class MessageBox {
  public:
    static QMessageBox::StandardButton inform(QWidget* parent, const QString& prompt);
    // The same box with Yes and No; answers Yes or No.
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& prompt);

    // Also forgets the last prompt, so a test sees only what came after.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static QString lastPrompt();

  private:
    static QMessageBox::StandardButton show(QWidget* parent, const QString& prompt,
                                            QMessageBox::StandardButtons buttons);
    static inline std::optional<QMessageBox::StandardButton> nextAnswer_;
    static inline QString lastPrompt_;
};

} // namespace guheng::shell
