// The input fields: the digit filter, length limits and locking.
#include "shell/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using guheng::shell::TextBox;

class TextBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void digitFilter_data();
    void digitFilter();
    void nameFieldTakesAnythingUpToFour();
    void pastedNonDigitsAreRefused();
    void lockedBoxKeepsItsTextAndRefusesTyping();
};

void TextBoxTest::digitFilter_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    const int none = Qt::NoModifier, control = Qt::ControlModifier;
    QTest::newRow("a digit enters") << "19" << int(Qt::Key_8) << none << "198";
    QTest::newRow("a letter is dropped") << "19" << int(Qt::Key_A) << none << "19";
    QTest::newRow("a minus sign is dropped") << "19" << int(Qt::Key_Minus) << none << "19";
    QTest::newRow("a space is dropped") << "19" << int(Qt::Key_Space) << none << "19";
    QTest::newRow("backspace deletes") << "19" << int(Qt::Key_Backspace) << none << "1";
    QTest::newRow("Delete is no character and works") << "19" << int(Qt::Key_Delete) << none << "19";
    QTest::newRow("paste shortcut is dropped") << "19" << int(Qt::Key_V) << control << "19";
    QTest::newRow("cut shortcut is dropped") << "19" << int(Qt::Key_X) << control << "19";
    QTest::newRow("the fifth digit of a year is refused") << "1985" << int(Qt::Key_1) << none << "1985";
}

void TextBoxTest::digitFilter() {
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QApplication::clipboard()->setText("7");
    TextBox year(TextBox::Filter::digitsOnly, 4, nullptr);
    year.setText(start);
    year.selectAll();
    year.setCursorPosition(int(start.size()));
    QTest::keyClick(&year, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(year.text(), after);
}

void TextBoxTest::nameFieldTakesAnythingUpToFour() {
    TextBox name(TextBox::Filter::anything, 4, nullptr);
    QTest::keyClicks(&name, "ab 1-");
    QCOMPARE(name.text(), "ab 1");
    name.clear();
    name.insert(QStringLiteral("欧阳明月子"));
    QCOMPARE(name.text(), QStringLiteral("欧阳明月"));
}

void TextBoxTest::pastedNonDigitsAreRefused() {
    TextBox month(TextBox::Filter::digitsOnly, 2, nullptr);
    QApplication::clipboard()->setText("1a");
    month.paste();
    QCOMPARE(month.text(), QString());
    QApplication::clipboard()->setText("12");
    month.paste();
    QCOMPARE(month.text(), "12");
}

void TextBoxTest::lockedBoxKeepsItsTextAndRefusesTyping() {
    TextBox day(TextBox::Filter::digitsOnly, 2, nullptr);
    day.setText("1");
    day.setLocked(true);
    QVERIFY(day.isLocked());
    QTest::keyClick(&day, Qt::Key_2);
    QTest::keyClick(&day, Qt::Key_Backspace);
    QCOMPARE(day.text(), "1");
    day.setLocked(false);
    QTest::keyClick(&day, Qt::Key_2);
    QCOMPARE(day.text(), "12");
}

QTEST_MAIN(TextBoxTest)
#include "text_box_test.moc"
