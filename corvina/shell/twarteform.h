// The wait window shown by the modules around transfers. While it shows,
// the main window's content (and a module window of its own) is disabled.
//
// Sending progress (0x469) is shown one notification after the other, each
// held for two ticks of the window's one-second timer; after the last one
// it says "Übertragung abgeschlossen." and hides itself.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

#include "corvina/shell/activityanimation.h"

namespace corvina {

// The page follows the active module.
enum class WaitPage {
    Messages = 0,  // composing and sending messages, logos
    Diverts = 1,
    Profiles = 2,
    Calendar = 3,
    MessageFolders = 4,
    AddressBook = 5,
};

class Twarteform : public QWidget {
  public:
    explicit Twarteform(QWidget* mainWindow);

    // Shows the page; `moduleWindow` is disabled too when it is a window of
    // its own.
    void showPage(WaitPage page, QWidget* moduleWindow = nullptr);
    void setHeading(const QString& heading);
    void setProgressText(const QString& text);
    // Shows "Abbrechen", which runs `cancel` (once); hidden again by finish.
    void offerCancel(std::function<void()> cancel);
    // Hides the window and enables the windows again.
    void finish();
    // Until it hides: the sending progress never hides the window, not after
    // a failure nor after the last part (the caller knows when all its
    // recipients are done).
    void holdOpen() { heldOpen_ = true; }

    // 0x469: queued, shown in turn.
    void smsProgress(qint64 value, int state);
    // 0x46A: shown at once.
    void divertProgress(int type, int condition);
    // True when no sending progress waits to be shown.
    bool readyForUpdate() const { return !holding_ && queue_.empty(); }

    // Milliseconds per tick (1000); tests shorten it.
    void setTickInterval(int milliseconds) { timer_.setInterval(milliseconds); }

    QString heading() const { return heading_->text(); }
    QString partsText() const { return parts_->text(); }
    QString recipientsText() const { return recipients_->text(); }
    QString stateText() const { return smsState_->text(); }
    QString divertTypeText() const { return divertType_->text(); }
    QString divertConditionText() const { return divertCondition_->text(); }
    QString progressText() const { return progress_->text(); }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    struct Progress {
        qint64 value;
        int state;
    };
    enum class Hold { Showing, Closing };

    QWidget* buildSmsPage();
    QWidget* buildDivertPage();
    QWidget* buildProgressPage();
    void showNext();
    void onTick();
    void setWindowsEnabled(bool enabled);

    QWidget* mainWindow_;
    QPointer<QWidget> moduleWindow_;
    QLabel* heading_ = nullptr;
    ActivityAnimation* animation_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* smsPage_ = nullptr;
    QWidget* divertPage_ = nullptr;
    QWidget* progressPage_ = nullptr;
    QLabel* parts_ = nullptr;
    QLabel* recipients_ = nullptr;
    QLabel* smsState_ = nullptr;
    QLabel* divertType_ = nullptr;
    QLabel* divertCondition_ = nullptr;
    QLabel* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::function<void()> cancelAction_;

    QTimer timer_;
    std::deque<Progress> queue_;
    bool holding_ = false;
    Hold hold_ = Hold::Showing;
    int ticksLeft_ = 0;
    bool finishedShown_ = false;
    bool lingers_ = false;
    bool heldOpen_ = false;
};

}  // namespace corvina
