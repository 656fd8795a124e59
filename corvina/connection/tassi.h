// The connection assistant: shown at the first start and when no phone was
// found; it offers the automatic search, the settings or nothing, and
// when no phone was found the connection help.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace corvina {

class Tassi : public QDialog {
    Q_OBJECT

  public:
    enum class Choice { AutomaticSearch, ManualSettings, Cancel, ConnectionHelp };
    enum class Occasion { FirstStart, NoPhoneFound };

    explicit Tassi(QWidget* parent = nullptr);

    // Opens the dialog without blocking; chosen() follows.
    void ask(Occasion occasion);
    QString explanation() const { return explanation_->text(); }

    void choose(Choice choice);

  signals:
    void chosen(Tassi::Choice choice);

  protected:
    void reject() override;

  private:
    QLabel* explanation_;
    QPushButton* connectionHelp_;
};

}  // namespace corvina
