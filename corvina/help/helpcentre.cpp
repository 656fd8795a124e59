#include "corvina/help/helpcentre.h"

#include <QApplication>
#include <QKeyEvent>

#include "corvina/help/helpcatalogue.h"
#include "corvina/help/thilfeform.h"
#include "corvina/help/ttipform.h"

namespace corvina {

HelpCentre::HelpCentre(QWidget* mainWindow, std::function<QString(QWidget*)> pageFor)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      pageFor_(std::move(pageFor)),
      window_(new Thilfeform(mainWindow)),
      tip_(new Ttipform(mainWindow)) {
    connect(window_, &Thilfeform::tipRequested, tip_, [this] { tip_->showAnyway(); });
    connect(window_, &Thilfeform::connectionHelpRequested, this,
            &HelpCentre::connectionHelpRequested);
    qApp->installEventFilter(this);
}

void HelpCentre::openPage(const QString& page) {
    followModalDialog();
    window_->setLanguage(helpLanguage());
    window_->showPage(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpCentre::showTipAtStart() {
    tip_->showAtStart();
}

void HelpCentre::languageChanged() {
    window_->setLanguage(helpLanguage());
}

void HelpCentre::followModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* host = modal && modal != window_ ? modal : mainWindow_;
    if (window_->parentWidget() == host) return;
    const QRect geometry = window_->geometry();
    window_->setParent(host, Qt::Window);
    window_->setGeometry(geometry);
}

void HelpCentre::backToMainWindow() {
    const bool shown = window_->isVisible();
    const QRect geometry = window_->geometry();
    window_->setParent(mainWindow_, Qt::Window);
    window_->setGeometry(geometry);
    if (shown) window_->show();
}

bool HelpCentre::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == window_->parentWidget() &&
        watched != mainWindow_) {
        backToMainWindow();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    openPage(pageFor_(widget));
    return true;
}

}  // namespace corvina
