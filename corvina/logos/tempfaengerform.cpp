#include "corvina/logos/tempfaengerform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "corvina/help/helpcontext.h"
#include "corvina/language/languageapply.h"
#include "corvina/logos/recipients.h"

namespace corvina {

namespace {

constexpr int kPictureTextLength = 113;
constexpr int kShownScale = 3;

}  // namespace

Tempfaengerform::Tempfaengerform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tempfaengerform"));
    setWindowTitle(QStringLiteral("per SMS verschicken"));
    setHelpPage(this, QStringLiteral("logos"));
    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumHeight(90);
    picture_->setStyleSheet(QStringLiteral("background: #c8d2b4; border: 1px solid #6f7760;"));
    layout->addWidget(picture_);

    auto* recipientBox =
        named(new QGroupBox(QStringLiteral(" Empfänger "), this), "empfaengergruppe");
    auto* recipientLayout = new QVBoxLayout(recipientBox);
    recipient_ = named(new QLineEdit(recipientBox), "empfaenger");
    recipient_->setPlaceholderText(QStringLiteral("0171 1234567"));
    recipientLayout->addWidget(recipient_);
    layout->addWidget(recipientBox);

    auto* operatorBox = named(new QGroupBox(QStringLiteral(" Operator "), this), "operatorgruppe");
    auto* operatorLayout = new QVBoxLayout(operatorBox);
    operators_ = named(new QComboBox(operatorBox), "operatoren");
    operators_->setMinimumWidth(280);
    operatorLayout->addWidget(operators_);
    layout->addWidget(operatorBox);

    textLabel_ = named(new QLabel(QStringLiteral("Text:"), this), "textlabel");
    text_ = named(new QLineEdit(this), "text");
    text_->setMaxLength(kPictureTextLength);
    layout->addWidget(textLabel_);
    layout->addWidget(text_);

    auto* buttons = new QDialogButtonBox(this);
    send_ =
        named(buttons->addButton(QStringLiteral("Senden"), QDialogButtonBox::AcceptRole), "senden");
    send_->setDefault(true);
    named(buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tempfaengerform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tempfaengerform::reject);
    connect(recipient_, &QLineEdit::textEdited, this, &Tempfaengerform::recipientEdited);
    connect(recipient_, &QLineEdit::textChanged, this,
            [this](const QString& typed) { send_->setEnabled(!usableRecipient(typed).isEmpty()); });
}

void Tempfaengerform::ask(const QImage& picture, bool withText, const QString& recipient,
                          const QString& operatorCode) {
    applyLanguage(this);
    entries_ = readOperatorList(operatorTablePath());
    operators_->clear();
    for (const OperatorEntry& entry : entries_) operators_->addItem(entry.shown());
    operators_->setCurrentIndex(-1);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!operatorCode.isEmpty() && operatorCodeText(entries_[i]) == operatorCode) {
            operators_->setCurrentIndex(static_cast<int>(i));
            break;
        }
    }
    if (picture.isNull()) {
        picture_->hide();
    } else {
        picture_->setPixmap(QPixmap::fromImage(picture.scaled(picture.size() * kShownScale)));
        picture_->show();
    }
    textLabel_->setVisible(withText);
    text_->setVisible(withText);
    text_->clear();
    recipient_->setText(recipient);
    send_->setEnabled(!usableRecipient(recipient).isEmpty());
    adjustSize();
    open();
    recipient_->setFocus();
}

void Tempfaengerform::recipientEdited(const QString& typed) {
    const QString code = operatorCodeForNumber(typed);
    if (code.isEmpty()) return;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (operatorCodeText(entries_[i]) == code) {
            operators_->setCurrentIndex(static_cast<int>(i));
            return;
        }
    }
}

QString Tempfaengerform::chosenCode() const {
    const int row = operators_->currentIndex();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return {};
    return operatorCodeText(entries_[static_cast<size_t>(row)]);
}

void Tempfaengerform::accept() {
    const QString number = usableRecipient(recipient_->text());
    if (number.isEmpty()) return;
    QDialog::accept();
    emit sendRequested(number, chosenCode(), text_->isVisibleTo(this) ? text_->text() : QString());
}

}  // namespace corvina
