// "contacts.dat": what the phones cannot hold of an entry (numbers beyond
// what a memory keeps, e-mail, address, note, company, URL), kept per
// location and memory. Fixed 2872-byte records, little-endian, no header:
//
//   0    int32  caller-group index
//   4    int32  location
//   8    uint8  memory (0 SIM, 1 phone, 2 address book)
//   9    256    name: length byte + 255 Windows-1252 characters
//   265  3      zero
//   268  int32  number count 0..5
//   272  5×264  number slots: 256-byte string, int32 type at +256,
//               default flag at +260, 3 zero bytes
//   1592 256    company       1848 256 URL        2104 256 postal address
//   2360 256    e-mail        2616 256 note
//
// A file that is not a whole number of records, or holds a count outside
// 0..5, is unreadable: it is named once, merges nothing and is never
// written. An upload replaces the records of the rows it wrote, in one
// atomic write at its end; records of other rows and memories stay.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/typendefinitionen.h"

namespace corvina {

struct ContactRecord {
    int32_t groupIndex = 0;
    int32_t location = 0;
    uint8_t memory = 0;
    std::string name;  // Windows-1252, as the phone texts
    std::vector<TNumberItem> numbers;
    std::string company, url, address, email, note;
    bool operator==(const ContactRecord&) const;
};

constexpr qsizetype kContactRecordBytes = 2872;
constexpr int kContactRecordNumbers = 5;
constexpr size_t kContactRecordText = 255;

// Strings are cut to 255 characters, numbers to five.
QByteArray encodeContactRecord(const ContactRecord& record);
// Nothing when the count is outside 0..5.
std::optional<ContactRecord> decodeContactRecord(const QByteArray& bytes);

// The phone keeps all fields of the memory itself: its merge replaces the
// stored numbers instead of filling them.
struct ContactsPhone {
    int model = 0;  // Nokia model number (19: 62xx, 21: 7110)
    bool siemens = false;
};

class ContactsFile {
  public:
    explicit ContactsFile(QString path = defaultPath());
    // "contacts.dat" in the user's data folder.
    static QString defaultPath();

    // Reads the file; a missing file is an empty one. False (and the file
    // left alone for good) when it is unreadable; `error` names the record.
    bool load();
    const QString& error() const { return error_; }
    const std::vector<ContactRecord>& records() const { return records_; }

    // A download read an occupied entry: the stored record is merged with
    // it and written back; the entry returned is what the row shows. The
    // entry's own values win: its numbers and texts come back whole, the
    // record adds only what the entry lacks. A number the phone gave
    // without a type keeps the type stored for its slot.
    TPhoneBookEntry merged(const TPhoneBookEntry& entry, ContactsPhone phone);
    // Writes the records merged since the last save; false with error().
    bool save();

    // The upload wrote this record; at uploadFinished() the records of the
    // written rows replace the stored ones of their memory and location.
    void uploadStarted();
    void rowWritten(const ContactRecord& record);
    // One write; the notices name entries the file cuts (more than five
    // numbers, texts over 255 characters).
    bool uploadFinished(QStringList* notices);

    // The record an upload keeps of an entry as sent with the row's texts.
    static ContactRecord recordOf(const TPhoneBookEntry& entry);

  private:
    QString path_;
    QString error_;
    bool unreadable_ = false;
    bool loaded_ = false;
    std::vector<ContactRecord> records_;
    std::vector<ContactRecord> written_;
};

}  // namespace corvina
