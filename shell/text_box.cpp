#include "shell/text_box.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace guheng::shell {
namespace {

bool isDigitOrBackspace(QChar character) {
    return (character >= u'0' && character <= u'9') || character == u'\b';
}

} // namespace

TextBox::TextBox(Filter filter, int maxLength, QWidget* parent) : QLineEdit(parent), filter_(filter) {
    setMaxLength(maxLength);
    setFrame(false);
    // Cancels the line edit's own 2-pixel inner margins and leaves the caret a
    // pixel past the right edge: the fields are exactly as wide as the
    // characters they take, and a full field must not scroll.
    setTextMargins(-2, 0, -3, 0);
    if (filter == Filter::digitsOnly) {
        // Paste from the context menu or a drop bypasses the key filter.
        setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    }
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const bool clipboardShortcut = event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
                                   event->matches(QKeySequence::Paste);
    const QString typed = event->text();
    if (filter_ == Filter::digitsOnly &&
        (clipboardShortcut || (!typed.isEmpty() && !isDigitOrBackspace(typed.front())))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace guheng::shell
