#include "corvina/shell/twarteform.h"

#include <QFormLayout>
#include <QMainWindow>
#include <QVBoxLayout>
#include <utility>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/waitprogress.h"

namespace corvina {

namespace {

constexpr int kHoldTicks = 2;

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(140);
    return label;
}

}  // namespace

Twarteform::Twarteform(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Twarteform"));
    setWindowTitle(QStringLiteral("Bitte warten..."));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(tx("warte_14", "Datenübertragung läuft..."), this);
    heading_->setObjectName(QStringLiteral("ueberschrift"));
    markDynamic(heading_);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    animation_ = new ActivityAnimation(this);
    pages_ = new QStackedWidget(this);
    smsPage_ = buildSmsPage();
    divertPage_ = buildDivertPage();
    progressPage_ = buildProgressPage();
    layout->addWidget(heading_);
    layout->addWidget(animation_, 0, Qt::AlignHCenter);
    layout->addWidget(pages_);
    cancel_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel_->setObjectName(QStringLiteral("abbrechen"));
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        if (auto action = std::exchange(cancelAction_, nullptr)) action();
    });
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { onTick(); });
}

QWidget* Twarteform::buildSmsPage() {
    auto* page = new QWidget(pages_);
    auto* form = new QFormLayout(page);
    auto* partLabel = new QLabel(QStringLiteral("Teil:"), page);
    partLabel->setObjectName(QStringLiteral("teillabel"));
    auto* recipientLabel = new QLabel(QStringLiteral("Empfänger:"), page);
    recipientLabel->setObjectName(QStringLiteral("empfaengerlabel"));
    auto* stateLabel = new QLabel(QStringLiteral("Status:"), page);
    stateLabel->setObjectName(QStringLiteral("statuslabel"));
    parts_ = valueLabel(page);
    recipients_ = valueLabel(page);
    smsState_ = valueLabel(page);
    form->addRow(partLabel, parts_);
    form->addRow(recipientLabel, recipients_);
    form->addRow(stateLabel, smsState_);
    pages_->addWidget(page);
    return page;
}

QWidget* Twarteform::buildDivertPage() {
    auto* page = new QWidget(pages_);
    auto* form = new QFormLayout(page);
    auto* typeLabel = new QLabel(QStringLiteral("Umleitung für:"), page);
    typeLabel->setObjectName(QStringLiteral("umleitungstyplabel"));
    auto* conditionLabel = new QLabel(QStringLiteral("Bedingung:"), page);
    conditionLabel->setObjectName(QStringLiteral("bedingunglabel"));
    divertType_ = valueLabel(page);
    divertCondition_ = valueLabel(page);
    form->addRow(typeLabel, divertType_);
    form->addRow(conditionLabel, divertCondition_);
    pages_->addWidget(page);
    return page;
}

QWidget* Twarteform::buildProgressPage() {
    auto* page = new QWidget(pages_);
    auto* layout = new QVBoxLayout(page);
    progress_ = new QLabel(page);
    progress_->setAlignment(Qt::AlignCenter);
    layout->addWidget(progress_);
    pages_->addWidget(page);
    return page;
}

void Twarteform::showPage(WaitPage page, QWidget* moduleWindow) {
    switch (page) {
        case WaitPage::Messages:
            pages_->setCurrentWidget(smsPage_);
            break;
        case WaitPage::Diverts:
            pages_->setCurrentWidget(divertPage_);
            break;
        default:
            pages_->setCurrentWidget(progressPage_);
            break;
    }
    animation_->setPeer(page == WaitPage::Diverts || page == WaitPage::Messages
                            ? ActivityAnimation::Peer::Network
                            : ActivityAnimation::Peer::Computer);
    progress_->setText(page == WaitPage::Calendar ? QStringLiteral("...") : QString());
    parts_->clear();
    recipients_->clear();
    smsState_->clear();
    divertType_->clear();
    divertCondition_->clear();
    finishedShown_ = false;
    moduleWindow_ = moduleWindow && moduleWindow->isWindow() ? moduleWindow : nullptr;
    setWindowsEnabled(false);
    adjustSize();
    if (mainWindow_ && mainWindow_->isVisible()) {
        move(mainWindow_->geometry().center() - rect().center());
    }
    show();
    raise();
}

void Twarteform::setHeading(const QString& heading) {
    heading_->setText(heading);
}

void Twarteform::setProgressText(const QString& text) {
    progress_->setText(text);
}

void Twarteform::offerCancel(std::function<void()> cancel) {
    cancelAction_ = std::move(cancel);
    cancel_->setEnabled(true);
    cancel_->show();
    adjustSize();
}

void Twarteform::finish() {
    heldOpen_ = false;
    hide();
}

void Twarteform::hideEvent(QHideEvent*) {
    heldOpen_ = false;
    cancelAction_ = nullptr;
    cancel_->hide();
    timer_.stop();
    queue_.clear();
    holding_ = false;
    heading_->setText(tx("warte_14", "Datenübertragung läuft..."));
    setWindowsEnabled(true);
}

void Twarteform::setWindowsEnabled(bool enabled) {
    // The main window's content, not the window itself: that would disable
    // this window too, which is its child.
    auto* main = qobject_cast<QMainWindow*>(mainWindow_);
    if (main && main->centralWidget()) main->centralWidget()->setEnabled(enabled);
    if (moduleWindow_) moduleWindow_->setEnabled(enabled);
}

void Twarteform::smsProgress(qint64 value, int state) {
    queue_.push_back({value, state});
    if (!holding_) showNext();
}

void Twarteform::showNext() {
    if (queue_.empty()) {
        holding_ = false;
        return;
    }
    const Progress next = queue_.front();
    queue_.pop_front();
    const SmsProgressTexts texts = smsProgressTexts(next.value, next.state);
    parts_->setText(texts.parts);
    recipients_->setText(texts.recipients);
    smsState_->setText(texts.state);
    finishedShown_ = texts.finished && !heldOpen_;
    lingers_ = texts.lingers;
    holding_ = true;
    hold_ = Hold::Showing;
    ticksLeft_ = kHoldTicks;
    timer_.start();
}

void Twarteform::onTick() {
    if (--ticksLeft_ > 0) return;
    if (hold_ == Hold::Showing && finishedShown_) {
        heading_->setText(tx("warte_13", "Übertragung abgeschlossen."));
        hold_ = Hold::Closing;
        ticksLeft_ = lingers_ ? kHoldTicks : 0;
        if (ticksLeft_ > 0) return;
    }
    timer_.stop();
    if (hold_ == Hold::Closing) {
        hide();
        return;
    }
    holding_ = false;
    showNext();
}

void Twarteform::divertProgress(int type, int condition) {
    divertType_->setText(corvina::divertTypeText(type));
    divertCondition_->setText(corvina::divertConditionText(condition));
}

}  // namespace corvina
