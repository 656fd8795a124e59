// The send-by-message dialog: the fitted picture, the recipient, the
// operator the logo is for, and the text of a picture message. "Senden" is
// offered only for a number the phone can send to; typing a German mobile
// number chooses its network. It opens without blocking.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "corvina/settings/operatorlist.h"

namespace corvina {

class Tempfaengerform : public QDialog {
    Q_OBJECT

  public:
    explicit Tempfaengerform(QWidget* parent = nullptr);

    // Reads the operator table anew and opens. `picture` is the fitted logo
    // (null for a ringtone); `withText` shows the text of a picture message.
    void ask(const QImage& picture, bool withText, const QString& recipient,
             const QString& operatorCode);

    QLineEdit* recipient() const { return recipient_; }
    QComboBox* operators() const { return operators_; }
    QLineEdit* text() const { return text_; }
    QPushButton* sendButton() const { return send_; }
    // The code of the chosen operator; empty when none is chosen.
    QString chosenCode() const;

  signals:
    // "Senden": the number as it will be sent, the operator code, the text.
    void sendRequested(const QString& recipient, const QString& operatorCode, const QString& text);

  private:
    void recipientEdited(const QString& typed);
    void accept() override;

    std::vector<OperatorEntry> entries_;
    QLabel* picture_ = nullptr;
    QLineEdit* recipient_ = nullptr;
    QComboBox* operators_ = nullptr;
    QLabel* textLabel_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* send_ = nullptr;
};

}  // namespace corvina
