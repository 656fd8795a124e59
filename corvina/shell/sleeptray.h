// Sleep mode: the icon in the notification area with its menu "&Öffnen",
// "Sleep-Modus aktiv" and "&Beenden".
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace corvina {

class SleepTray : public QObject {
    Q_OBJECT

  public:
    explicit SleepTray(QObject* parent = nullptr);

    static bool available();
    void show();
    void hide();
    void setSleepModeTicked(bool on);
    bool sleepModeTicked() const { return sleepMode_->isChecked(); }
    void retranslate();

  signals:
    void openRequested();
    void quitRequested();
    void sleepModeToggled(bool on);

  private:
    QMenu menu_;
    QSystemTrayIcon icon_;
    QAction* open_;
    QAction* sleepMode_;
    QAction* quit_;
};

}  // namespace corvina
