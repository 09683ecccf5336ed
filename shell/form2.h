// Form2, the splash: a borderless, topmost picture centred on the screen with
// no task-bar entry. Its first tick loads Form1 hidden; after 1800 ms, or at a
// click, it shows Form1 and closes. It owns Form1 for the program's life.
// When Form1 cannot be loaded the reason is shown and the program ends.
#pragma once

#include "shell/calendar1.h"

#include <QWidget>
#include <memory>

class QTimer;

namespace guheng::shell {

class Form1;

class Form2 : public QWidget {
    Q_OBJECT
  public:
    // calendar1: what Form1's stored form holds for its calendar control.
    explicit Form2(StoredCalendar calendar1 = storedCalendar1(), QWidget* parent = nullptr);
    ~Form2() override;

    Form1* form1() const { return form1_.get(); }

    void timer1Tick();
    void timer2Tick();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // False when Form1 could not be loaded; the program is then ending.
    bool loadForm1();
    void showForm1();
    void unload();

    QPixmap picture_;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    StoredCalendar calendar1_;
    std::unique_ptr<Form1> form1_;
};

} // namespace guheng::shell
