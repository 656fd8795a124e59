// The phonebook transfers keep what the phones cannot hold in
// "contacts.dat": downloads merge each entry with its stored record,
// uploads replace the records of the rows they wrote.
#pragma once

#include <QStringList>

#include "corvina/phonebook/files/contactsfile.h"
#include "corvina/phonebook/phonebookseams.h"

namespace corvina {

class ContactsFileMerge : public ContactsMerge {
  public:
    explicit ContactsFileMerge(QString path = ContactsFile::defaultPath());

    TPhoneBookEntry merged(const TPhoneBookEntry& entry, uint8_t modelNumber) override;
    void downloadFinished() override;
    void uploadStarted(uint8_t memory) override;
    void rowWritten(const PhonebookRow& row, const TPhoneBookEntry& entry) override;
    void uploadFinished(uint8_t memory) override;

    // A damaged file (named once), failed writes, entries the file cuts.
    QStringList takeNotices() override;

  private:
    void noteError();

    ContactsFile file_;
    bool changed_ = false;
    bool errorNoted_ = false;
    QStringList notices_;
};

}  // namespace corvina
