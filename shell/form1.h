// Form1, the main window: a frameless window cut to the outline of its
// background, with the five input fields, the nine result labels under the
// curtain, the marquee strip and the seven picture buttons. Every widget
// carries its control name ("Text6", "Label16", "Picture3(0)", "Timer1"…) as
// its object name. The window is built hidden; load() readies it for showing.
#pragma once

#include "automation/hosting.h"
#include "dialogs/comm_dlg.h"
#include "reckoning/reckoning.h"
#include "report/report_lines.h"
#include "shell/calendar1.h"
#include "shell/picture_button.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QTimer;

namespace guheng::shell {

class PictureBox;
class TextBox;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(StoredCalendar calendar1 = storedCalendar1(), QWidget* parent = nullptr);
    ~Form1() override;

    // Shapes the window, creates Calendar1, puts the start pictures on the
    // buttons and starts the marquee. Returns the reason when the window cannot
    // work (no calendar control).
    [[nodiscard]] std::optional<QString> load();

    // One step of each timer, as its tick runs it.
    void timer1Tick();
    void timer2Tick();
    void timer3Tick();

    // The marquee text's left edge inside its strip, in twips, and the edge
    // below which it starts again.
    int marqueeLeft() const;
    int marqueeResetBound() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildInputFields();
    void buildResultLabels();
    void buildMarquee();
    void buildButtons();
    void buildTimers();

    void onButtonClicked(int index);
    void reckon();
    void reset();
    void openLink(const QUrl& target, int index);
    // The save and print commands live in their own files.
    void saveReport();
    void printReport();
    report::ReportTexts reportTexts() const;

    void setInputsLocked(bool locked);
    // Enables or disables one of buttons 0 to 3 and puts the matching picture on it.
    void setButtonEnabled(int index, bool enabled);
    TextBox* fieldOf(reckoning::InputField field) const;

    QImage backgroundPicture_; // keeps its palette: the outline is cut by palette index
    QPixmap background_;
    std::array<QPixmap, 7> Image4; // normal pictures of the buttons
    std::array<QPixmap, 4> Image5; // disabled pictures of buttons 0 to 3
    std::array<PictureButton*, 7> Picture3{};
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    QLabel* Text5 = nullptr;
    QLabel* Label16 = nullptr; // animal
    QLabel* Label17 = nullptr; // eight characters
    QLabel* Label18 = nullptr; // pillars line
    QLabel* Label2 = nullptr;  // lunar date line
    QLabel* Label19 = nullptr; // weight
    QLabel* Label20 = nullptr; // first couplet
    QLabel* Label1 = nullptr;  // second couplet
    QLabel* Label14 = nullptr; // 岁阳 name
    QLabel* Label5 = nullptr;  // 岁阴 name
    TextBox* Text6 = nullptr;
    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    TextBox* Text4 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    std::unique_ptr<dialogs::CommDlg> SaveDlg; // from load() to the window's closing
    StoredCalendar storedCalendar1_;
    automation::HostedControl Calendar1;
    std::unique_ptr<reckoning::CalendarObject> calendar_; // Calendar1 as the reckoning reaches it
    reckoning::Reckoning reckoning_;                      // keeps the stem numbers of the last reckoning
};

} // namespace guheng::shell
