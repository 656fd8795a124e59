// The small dialogs of the message window: the template name
// ("SMS-Vorlage"), the recipient list name ("Empfaengerliste", for saving
// with a box of the saved names, or for deleting with a fixed choice), and
// the pick of a number from a saved phonebook. All open without blocking
// and report the choice when confirmed.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "corvina/common/phonebookpick.h"

namespace corvina {

class Tsmsvorlageform : public QDialog {
  public:
    explicit Tsmsvorlageform(QWidget* parent);

    // Shows the dialog with `name`; `done` gets the name on OK.
    void ask(const QString& name, std::function<void(const QString&)> done);
    QLineEdit* nameField() const { return name_; }
    QPushButton* okButton() const { return ok_; }

  private:
    void confirm();

    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::function<void(const QString&)> done_;
};

class Tempflistenform : public QDialog {
  public:
    explicit Tempflistenform(QWidget* parent);

    // Saving: an editable box listing the saved names, OK "Speichern".
    void askToSave(const QStringList& names, std::function<void(const QString&)> done);
    // Deleting: a fixed choice, OK "Löschen"; `done` gets the position.
    void askToDelete(const QStringList& names, std::function<void(int)> done);
    QComboBox* nameBox() const { return names_; }
    QPushButton* okButton() const { return ok_; }

  private:
    void confirm();

    QComboBox* names_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool deleting_ = false;
    std::function<void(const QString&)> save_;
    std::function<void(int)> remove_;
};

class Tsmspickform : public QDialog {
  public:
    explicit Tsmspickform(QWidget* parent);

    // Shows the entries ("Nr.", "Name", "Telefonnummer"); `done` gets the
    // chosen entry's number on "Übernehmen".
    void pick(const std::vector<PickEntry>& entries, std::function<void(const QString&)> done);
    QTableWidget* table() const { return table_; }
    QPushButton* takeButton() const { return take_; }

  private:
    void confirm();

    QTableWidget* table_ = nullptr;
    QPushButton* take_ = nullptr;
    std::function<void(const QString&)> done_;
};

}  // namespace corvina
