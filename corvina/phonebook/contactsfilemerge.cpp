#include "corvina/phonebook/contactsfilemerge.h"

#include "codecs/tools/cp1252.h"

namespace corvina {

ContactsFileMerge::ContactsFileMerge(QString path) : file_(std::move(path)) {}

void ContactsFileMerge::noteError() {
    if (!errorNoted_ && !file_.error().isEmpty()) notices_.append(file_.error());
    errorNoted_ = true;
}

TPhoneBookEntry ContactsFileMerge::merged(const TPhoneBookEntry& entry, uint8_t modelNumber) {
    const TPhoneBookEntry shown = file_.merged(
        entry, ContactsPhone{.model = modelNumber, .siemens = entry.memory == memAddressBook});
    if (!file_.error().isEmpty())
        noteError();
    else
        changed_ = true;
    return shown;
}

void ContactsFileMerge::downloadFinished() {
    if (!changed_) return;
    changed_ = false;
    if (!file_.save()) noteError();
}

void ContactsFileMerge::uploadStarted(uint8_t /*memory*/) {
    file_.uploadStarted();
    noteError();
}

void ContactsFileMerge::rowWritten(const PhonebookRow& row, const TPhoneBookEntry& entry) {
    ContactRecord record = ContactsFile::recordOf(entry);
    // The row's texts are kept even where the phone has no field for them.
    const std::pair<int, std::string*> texts[] = {{colEmail, &record.email},
                                                  {colAddress, &record.address},
                                                  {colNote, &record.note},
                                                  {colCompany, &record.company},
                                                  {colUrl, &record.url}};
    for (const auto& [column, field] : texts)
        if (!row.value(column).isEmpty()) *field = tools::toCp1252(row.value(column));
    file_.rowWritten(record);
}

void ContactsFileMerge::uploadFinished(uint8_t /*memory*/) {
    if (!file_.uploadFinished(&notices_)) noteError();
}

QStringList ContactsFileMerge::takeNotices() {
    QStringList taken;
    taken.swap(notices_);
    return taken;
}

}  // namespace corvina
