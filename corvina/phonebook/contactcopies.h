// Copies contacts (of the contacts folder, a vCard or any phonebook file)
// into a memory table, one after the other through the entry editor's OK
// at the table's first free location. A contact the table already holds
// (same name and a number in common) is skipped; a question of OK (a name
// too long for a SIM entry with a group) goes to the user and the copy goes
// on with the answer; a contact OK refuses is named with the reason.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/entryeditorrules.h"
#include "corvina/phonebook/files/contactcard.h"

namespace corvina {

struct ContactCopyTally {
    int copied = 0;
    QStringList present;         // names skipped: already in the table
    QStringList refused;         // "name: reason"
    std::vector<int> locations;  // where the copies went

    // "3 Einträge übernommen, 2 übersprungen (schon vorhanden)."
    QString summary() const;
};

class ContactCopies {
  public:
    ContactCopies(EntryEditorRules& rules, PhonebookTable& table, UserDialogs dialogs);

    // Runs the copies; `done` gets the tally once all are through (at once
    // when no question comes up).
    void run(std::vector<ContactFields> contacts, uint8_t modelNumber,
             std::function<void(const ContactCopyTally&)> done);

  private:
    struct Run;
    void step(const std::shared_ptr<Run>& run);

    EntryEditorRules& rules_;
    PhonebookTable& table_;
    UserDialogs dialogs_;
};

}  // namespace corvina
