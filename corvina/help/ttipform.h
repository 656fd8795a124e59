// The "Tip des Tages" window: one tip, "Nächster Tip", "Tips beim Start
// anzeigen" and "Schließen". Shown at the first idle of the program while
// tips are on, and from the help window.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

namespace corvina {

class Ttipform : public QWidget {
    Q_OBJECT

  public:
    explicit Ttipform(QWidget* parent = nullptr);

    // At start: shows the next tip when tips are on and there are tips;
    // false (and no window) otherwise.
    bool showAtStart();
    // From the help window: shows a tip even while tips are off.
    bool showAnyway();
    // "Nächster Tip".
    bool showNext();

    int tipNumber() const { return number_; }
    QString tipText() const { return text_->text(); }
    QCheckBox* showAtStartBox() const { return atStart_; }

  private:
    bool showFrom(int wanted);
    void atStartToggled(bool on);

    QLabel* heading_;
    QLabel* text_;
    QCheckBox* atStart_;
    int number_ = 0;
    int next_ = 1;
    bool loading_ = false;
};

}  // namespace corvina
