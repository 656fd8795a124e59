#include "corvina/shell/sleeptray.h"

#include <QPainter>
#include <QPixmap>

#include "corvina/language/language.h"

namespace corvina {

namespace {

QIcon trayIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 50, 90));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRect(9, 2, 14, 28), 3, 3);
    p.setBrush(QColor(160, 200, 150));
    p.drawRect(QRect(12, 6, 8, 9));
    return QIcon(pixmap);
}

}  // namespace

SleepTray::SleepTray(QObject* parent) : QObject(parent), icon_(trayIcon()) {
    open_ = menu_.addAction(QString());
    sleepMode_ = menu_.addAction(QString());
    sleepMode_->setCheckable(true);
    menu_.addSeparator();
    quit_ = menu_.addAction(QString());
    retranslate();
    icon_.setContextMenu(&menu_);
    connect(open_, &QAction::triggered, this, &SleepTray::openRequested);
    connect(quit_, &QAction::triggered, this, &SleepTray::quitRequested);
    connect(sleepMode_, &QAction::toggled, this, &SleepTray::sleepModeToggled);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) emit openRequested();
            });
}

bool SleepTray::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SleepTray::retranslate() {
    open_->setText(tx("sleep_1", "&Öffnen"));
    sleepMode_->setText(tx("sleep_2", "Sleep-Modus aktiv"));
    quit_->setText(tx("sleep_3", "&Beenden"));
    icon_.setToolTip(tx("sleep_4", "Sleep Modus"));
}

void SleepTray::show() {
    icon_.show();
}
void SleepTray::hide() {
    icon_.hide();
}

void SleepTray::setSleepModeTicked(bool on) {
    const QSignalBlocker quiet(sleepMode_);
    sleepMode_->setChecked(on);
}

}  // namespace corvina
