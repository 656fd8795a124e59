// The speed dials: keys 2 to 9 of the phone, each pointing at an entry of
// the SIM or the phone memory. They are read before a download of either
// memory, written after its upload, follow entries that move inside the
// tables and are assigned from a table row ("&Als Kurzwahl").
//
// The keys are read once per phone: a later download of the same phone
// keeps what the user assigned meanwhile; a phone with another IMEI has
// its keys read anew. A key whose reference was deleted is cleared on the
// phone at the next upload of its memory.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "corvina/common/callsequence.h"
#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonebookrow.h"
#include "corvina/phonebook/phonebookseams.h"

namespace corvina {

constexpr int kFirstSpeedDialKey = 2;
constexpr int kLastSpeedDialKey = 9;

// One row of the speed-dial table ("Nr. ", "Name", "Nummer", "Gruppe",
// "SIM/Telefon", "Platz").
struct SpeedDialRow {
    int key = 0;
    QString name;
    QString number;
    QString group;
    QString memoryName;  // "SIM", "Telefon" or blank: not set
    QString location;    // "Platz"

    bool isSet() const { return !name.isEmpty() || !number.isEmpty(); }
    bool operator==(const SpeedDialRow&) const = default;
};

class SpeedDials : public SpeedDialLinks {
  public:
    struct Phone {
        std::function<uint8_t()> modelNumber;
        std::function<QString()> imei;  // of the phone connected now; blank: unknown
    };
    // Asks for a key ("Kurzwahlnummer (2-9):"); the reply gets the text
    // typed, or nothing when the user cancelled.
    using KeyPrompt = std::function<void(std::function<void(std::optional<QString>)> reply)>;

    SpeedDials(PhonebookCalls calls, UserDialogs dialogs, Phone phone, KeyPrompt prompt);

    void read(uint8_t memory, std::function<void()> done) override;
    void write(uint8_t memory, std::function<void()> done) override;
    void moveReference(int oldLocation, uint8_t oldMemory, uint8_t newMemory,
                       int newLocation) override;
    QStringList takeNotices() override;

    // "&Als Kurzwahl" on a row of the SIM or the phone table.
    void assign(const PhonebookRow& row, uint8_t memory);

    // Rows for keys 2 to 9, by key.
    const std::vector<SpeedDialRow>& rows() const { return rows_; }
    bool hasBeenRead() const { return readImei_.has_value(); }

    // The table changed (a read, a move, an assignment).
    std::function<void()> changed;
    // A text for the status line; blank clears it.
    std::function<void(const QString&)> status;

    void setRetryInterval(int milliseconds) { sequence_.setRetryInterval(milliseconds); }

    static QString memoryName(uint8_t memory);

  private:
    SpeedDialRow& rowOf(int key);
    void notifyChanged();
    void readKey(int key, int last, int used, int occupied, std::function<void()> done);
    void readTarget(int key, int last, int used, int occupied, std::function<void()> done);
    void writeNext(std::vector<TPhoneBookEntry> records, size_t next, std::function<void()> done);
    void askKey(const PhonebookRow& row, uint8_t memory);
    void place(int key, const PhonebookRow& row, uint8_t memory);

    PhonebookCalls calls_;
    UserDialogs dialogs_;
    Phone phone_;
    KeyPrompt prompt_;
    CallSequence sequence_;

    std::vector<SpeedDialRow> rows_;
    // Set after a complete read: the IMEI of the phone the keys came from.
    std::optional<QString> readImei_;
    std::vector<SpeedDialRow> reading_;  // the rows of the read in progress
    bool readComplete_ = true;
    TCapacity capacity_;
    TPhoneBookEntry entry_;
    int numberIndex_ = 0;
    // Keys whose reference was deleted, by memory: cleared at its next upload.
    std::map<uint8_t, std::vector<int>> clearPending_;
    QStringList notices_;
};

}  // namespace corvina
