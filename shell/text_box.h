// A borderless text box. Locked keeps the text and refuses typing. A box made
// with digitsOnly takes only the digits 0-9 and Backspace as typed characters;
// other characters, clipboard shortcuts and pasted non-digits are dropped, while
// keys without a character (arrows, Delete) work as usual.
#pragma once

#include <QLineEdit>

namespace guheng::shell {

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    enum class Filter { anything, digitsOnly };

    TextBox(Filter filter, int maxLength, QWidget* parent);

    bool isLocked() const { return isReadOnly(); }
    void setLocked(bool locked) { setReadOnly(locked); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Filter filter_;
};

} // namespace guheng::shell
