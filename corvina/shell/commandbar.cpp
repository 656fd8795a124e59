#include "corvina/shell/commandbar.h"

#include <QVBoxLayout>

namespace corvina {

CommandBar::CommandBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QPushButton(this);
        button->setMinimumWidth(110);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (actions_.at(i)) actions_.at(i)();
        });
        layout->addWidget(button);
        buttons_.at(i) = button;
    }
    layout->addStretch();
}

void CommandBar::bind(int index, const QString& caption, std::function<void()> action) {
    if (index < 0 || index >= kButtons) return;
    buttons_.at(index)->setText(caption);
    buttons_.at(index)->setCheckable(false);
    buttons_.at(index)->setToolTip(QString());
    buttons_.at(index)->setEnabled(true);
    buttons_.at(index)->show();
    actions_.at(index) = std::move(action);
}

void CommandBar::bindChoice(int index, const QString& caption, bool checked,
                            std::function<void()> action) {
    bind(index, caption, std::move(action));
    setChecked(index, checked);
}

void CommandBar::setChecked(int index, bool checked) {
    if (index < 0 || index >= kButtons) return;
    buttons_.at(index)->setCheckable(true);
    buttons_.at(index)->setChecked(checked);
}

void CommandBar::setHint(int index, const QString& hint) {
    if (index >= 0 && index < kButtons) buttons_.at(index)->setToolTip(hint);
}

void CommandBar::setButtonEnabled(int index, bool enabled) {
    if (index >= 0 && index < kButtons) buttons_.at(index)->setEnabled(enabled);
}

void CommandBar::clear() {
    for (int i = 0; i < kButtons; ++i) {
        buttons_.at(i)->hide();
        buttons_.at(i)->setCheckable(false);
        buttons_.at(i)->setToolTip(QString());
        actions_.at(i) = nullptr;
    }
}

}  // namespace corvina
