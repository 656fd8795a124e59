#include "corvina/common/tgruppenwahlform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/language/languageapply.h"

namespace corvina {

Tgruppenwahlform::Tgruppenwahlform(QWidget* parent, GroupNameCalls calls)
    : QDialog(parent), calls_(std::move(calls)) {
    setObjectName(QStringLiteral("Tgruppenwahlform"));
    setWindowTitle(QStringLiteral("Gruppe wählen"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = named(new QLabel(QStringLiteral("Anrufergruppe:"), this), "gruppenlabel");
    list_ = named(new QListWidget(this), "gruppenliste");
    list_->setMinimumSize(200, 150);
    prompt->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok");
    ok->setDefault(true);
    named(buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    layout->addWidget(prompt);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tgruppenwahlform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tgruppenwahlform::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Tgruppenwahlform::accept);
}

void Tgruppenwahlform::choose(CallerGroupList kind, std::optional<int> preselect) {
    choices_ = readCallerGroupChoices(kind, calls_);
    list_->clear();
    for (const CallerGroupChoice& choice : choices_) list_->addItem(choice.name);
    const int row = preselect ? choicePosition(choices_, *preselect) : 0;
    if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
    applyLanguage(this);
    open();
}

void Tgruppenwahlform::accept() {
    const int row = list_->currentRow();
    QDialog::accept();
    if (row < 0 || row >= static_cast<int>(choices_.size())) {
        emit cancelled();
        return;
    }
    const CallerGroupChoice& choice = choices_.at(static_cast<size_t>(row));
    emit chosen(choice.index, choice.name);
}

void Tgruppenwahlform::reject() {
    QDialog::reject();
    emit cancelled();
}

}  // namespace corvina
