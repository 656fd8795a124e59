// What the phonebook window hands on to the parts that keep data beside
// the phone memories: the contacts file (fields a phone cannot hold), the
// speed dials that point at entries, and the table files (temporary copies
// of the tables and the clipboard). Each does nothing until those parts
// are built in; the window and its transfers call them at the right moments.
#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "corvina/phonebook/phonebookrow.h"
#include "records/typendefinitionen.h"

namespace corvina {

class PhonebookTable;

class ContactsMerge {
  public:
    virtual ~ContactsMerge() = default;
    // A download from the phone of this model number read an occupied
    // entry; the entry returned is what the row shows.
    virtual TPhoneBookEntry merged(const TPhoneBookEntry& entry, uint8_t /*modelNumber*/) {
        return entry;
    }
    // The download ended (completely or not): what was merged is kept.
    virtual void downloadFinished() {}
    virtual void uploadStarted(uint8_t /*memory*/) {}
    // The upload wrote the row's entry.
    virtual void rowWritten(const PhonebookRow& /*row*/, const TPhoneBookEntry& /*entry*/) {}
    virtual void uploadFinished(uint8_t /*memory*/) {}
    // What the user should learn (a damaged file, a failed write), once.
    virtual QStringList takeNotices() { return {}; }
};

class SpeedDialLinks {
  public:
    virtual ~SpeedDialLinks() = default;
    // Before the download of the SIM or the phone memory; `done` runs once
    // the keys are read (the calls go through the event loop).
    virtual void read(uint8_t /*memory*/, std::function<void()> done) { done(); }
    // After their upload; `done` runs once the keys are written.
    virtual void write(uint8_t /*memory*/, std::function<void()> done) { done(); }
    // An entry went from one location to another; keys pointing at it follow.
    virtual void moveReference(int /*oldLocation*/, uint8_t /*oldMemory*/, uint8_t /*newMemory*/,
                               int /*newLocation*/) {}
    // What the user should learn (keys not written), once.
    virtual QStringList takeNotices() { return {}; }
};

class TableStore {
  public:
    virtual ~TableStore() = default;
    // The temporary copy of the table, at the window's first show.
    virtual void loadTemporary(PhonebookTable& /*table*/) {}
    // After every download and upload.
    virtual void saveTemporary(const PhonebookTable& /*table*/) {}
    // The rows cut or copied.
    virtual void saveClipboard(const std::vector<PhonebookRow>& /*rows*/) {}
    // What the user should learn (a copy set aside, a failed write), once.
    virtual QStringList takeNotices() { return {}; }
};

struct PhonebookSeams {
    std::shared_ptr<ContactsMerge> contacts = std::make_shared<ContactsMerge>();
    std::shared_ptr<SpeedDialLinks> speedDials = std::make_shared<SpeedDialLinks>();
    std::shared_ptr<TableStore> store = std::make_shared<TableStore>();
};

}  // namespace corvina
