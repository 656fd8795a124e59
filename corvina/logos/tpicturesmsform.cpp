#include "corvina/logos/tpicturesmsform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

Tpicturesmsform::Tpicturesmsform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tpicturesmsform"));
    setWindowTitle(QStringLiteral("Speicherplatz"));
    setHelpPage(this, QStringLiteral("logos"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt =
        named(new QLabel(QStringLiteral("Speicherplatz im Telefon:"), this), "platzlabel");
    list_ = named(new QListWidget(this), "plaetze");
    for (int i = 1; i <= 4; ++i) list_->addItem(QStringLiteral("Bild %1").arg(i));
    list_->setMinimumSize(180, 100);
    auto* buttons = new QDialogButtonBox(this);
    named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok")
        ->setDefault(true);
    named(buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    layout->addWidget(prompt);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tpicturesmsform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tpicturesmsform::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Tpicturesmsform::accept);
}

void Tpicturesmsform::choose(bool ringtone) {
    applyLanguage(this);
    if (ringtone) setWindowTitle(tx("logos_48", "Rufton"));
    list_->setCurrentRow(0);
    open();
}

void Tpicturesmsform::accept() {
    const int row = list_->currentRow();
    QDialog::accept();
    if (row < 0) {
        emit cancelled();
    } else {
        emit chosen(row);
    }
}

void Tpicturesmsform::reject() {
    QDialog::reject();
    emit cancelled();
}

}  // namespace corvina
