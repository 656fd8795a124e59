#include "corvina/phonebook/files/contactsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>

#include "corvina/language/language.h"
#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {
namespace {

constexpr int kNameOffset = 9;
constexpr int kCountOffset = 268;
constexpr int kSlotsOffset = 272;
constexpr int kSlotBytes = 264;
constexpr int kCompanyOffset = 1592;
constexpr int kUrlOffset = 1848;
constexpr int kAddressOffset = 2104;
constexpr int kEmailOffset = 2360;
constexpr int kNoteOffset = 2616;

constexpr int32_t kTextEmail = 16;
constexpr int32_t kTextAddress = 17;
constexpr int32_t kTextNote = 18;
constexpr int32_t kTextUrl = 32;
constexpr int32_t kTextCompany = 33;

void putInt(QByteArray& bytes, int offset, int32_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}
int32_t intAt(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<int32_t>(bytes.constData() + offset);
}

void putString(QByteArray& bytes, int offset, const std::string& text) {
    const size_t length = std::min(text.size(), kContactRecordText);
    bytes[offset] = static_cast<char>(length);
    std::copy_n(text.data(), length, bytes.data() + offset + 1);
}
std::string stringAt(const QByteArray& bytes, int offset) {
    const auto length = static_cast<unsigned char>(bytes[offset]);
    return std::string(bytes.constData() + offset + 1, length);
}

std::string& textField(ContactRecord& record, int32_t type) {
    switch (type) {
        case kTextEmail:
            return record.email;
        case kTextAddress:
            return record.address;
        case kTextUrl:
            return record.url;
        case kTextCompany:
            return record.company;
        default:
            return record.note;
    }
}

bool mergesWhole(const ContactRecord& record, ContactsPhone phone) {
    return (record.memory == memPhone && (phone.model == 19 || phone.model == 21)) ||
           (record.memory == memAddressBook && phone.siemens);
}

std::string cut(const std::string& text) {
    return text.substr(0, kContactRecordText);
}

}  // namespace

bool ContactRecord::operator==(const ContactRecord& other) const {
    const auto sameNumbers = [](const std::vector<TNumberItem>& a,
                                const std::vector<TNumberItem>& b) {
        return std::equal(
            a.begin(), a.end(), b.begin(), b.end(), [](const TNumberItem& x, const TNumberItem& y) {
                return x.number == y.number && x.type == y.type && x.isDefault == y.isDefault;
            });
    };
    return groupIndex == other.groupIndex && location == other.location && memory == other.memory &&
           name == other.name && sameNumbers(numbers, other.numbers) && company == other.company &&
           url == other.url && address == other.address && email == other.email &&
           note == other.note;
}

QByteArray encodeContactRecord(const ContactRecord& record) {
    QByteArray bytes(kContactRecordBytes, '\0');
    putInt(bytes, 0, record.groupIndex);
    putInt(bytes, 4, record.location);
    bytes[8] = static_cast<char>(record.memory);
    putString(bytes, kNameOffset, record.name);
    const int count = std::min<int>(static_cast<int>(record.numbers.size()), kContactRecordNumbers);
    putInt(bytes, kCountOffset, count);
    for (int i = 0; i < count; ++i) {
        const int slot = kSlotsOffset + i * kSlotBytes;
        putString(bytes, slot, record.numbers[static_cast<size_t>(i)].number);
        putInt(bytes, slot + 256, record.numbers[static_cast<size_t>(i)].type);
        bytes[slot + 260] = static_cast<char>(record.numbers[static_cast<size_t>(i)].isDefault);
    }
    putString(bytes, kCompanyOffset, record.company);
    putString(bytes, kUrlOffset, record.url);
    putString(bytes, kAddressOffset, record.address);
    putString(bytes, kEmailOffset, record.email);
    putString(bytes, kNoteOffset, record.note);
    return bytes;
}

std::optional<ContactRecord> decodeContactRecord(const QByteArray& bytes) {
    if (bytes.size() != kContactRecordBytes) return std::nullopt;
    const int32_t count = intAt(bytes, kCountOffset);
    if (count < 0 || count > kContactRecordNumbers) return std::nullopt;
    ContactRecord record;
    record.groupIndex = intAt(bytes, 0);
    record.location = intAt(bytes, 4);
    record.memory = static_cast<uint8_t>(bytes[8]);
    record.name = stringAt(bytes, kNameOffset);
    for (int i = 0; i < count; ++i) {
        const int slot = kSlotsOffset + i * kSlotBytes;
        record.numbers.push_back({stringAt(bytes, slot), intAt(bytes, slot + 256),
                                  static_cast<uint8_t>(bytes[slot + 260])});
    }
    record.company = stringAt(bytes, kCompanyOffset);
    record.url = stringAt(bytes, kUrlOffset);
    record.address = stringAt(bytes, kAddressOffset);
    record.email = stringAt(bytes, kEmailOffset);
    record.note = stringAt(bytes, kNoteOffset);
    return record;
}

ContactsFile::ContactsFile(QString path) : path_(std::move(path)) {}

QString ContactsFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/contacts.dat");
}

bool ContactsFile::load() {
    loaded_ = true;
    records_.clear();
    const QString name = tx("telefonbuchdateien_1", "Datei ") + QFileInfo(path_).fileName();
    QFile file(path_);
    if (!file.exists()) return true;
    const qint64 size = file.size();
    if (size % kContactRecordBytes != 0 || size > kMaxTableFileBytes) {
        unreadable_ = true;
        error_ = name + QStringLiteral(", ") + tx("telefonbuchdateien_14", "Datensatz ") +
                 QString::number(size / kContactRecordBytes + 1) + QStringLiteral(": ") +
                 tx("telefonbuchdateien_15",
                    "Die Datei ist unvollständig und wird weder gelesen noch geschrieben.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_ = true;
        error_ = name + QStringLiteral(": ") + file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    for (qsizetype offset = 0; offset < bytes.size(); offset += kContactRecordBytes) {
        std::optional<ContactRecord> record =
            decodeContactRecord(bytes.mid(offset, kContactRecordBytes));
        if (!record) {
            unreadable_ = true;
            records_.clear();
            error_ = name + QStringLiteral(", ") + tx("telefonbuchdateien_14", "Datensatz ") +
                     QString::number(offset / kContactRecordBytes + 1) + QStringLiteral(": ") +
                     tx("telefonbuchdateien_16",
                        "Die Zahl der Nummern liegt nicht zwischen 0 und 5; die Datei wird "
                        "weder gelesen noch geschrieben.");
            return false;
        }
        records_.push_back(std::move(*record));
    }
    return true;
}

bool ContactsFile::save() {
    if (unreadable_) return false;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records_.size()) * kContactRecordBytes);
    for (const ContactRecord& record : records_) bytes += encodeContactRecord(record);
    return writeTableFileBytes(path_, bytes, &error_);
}

ContactRecord ContactsFile::recordOf(const TPhoneBookEntry& entry) {
    ContactRecord record;
    record.groupIndex = entry.group.groupIndex;
    record.location = entry.location;
    record.memory = entry.memory;
    record.name = entry.name;
    record.numbers = entry.numbers;
    for (const TTextItem& text : entry.texts) {
        std::string& field = textField(record, text.type);
        if (field.empty()) field = text.text;
    }
    return record;
}

TPhoneBookEntry ContactsFile::merged(const TPhoneBookEntry& entry, ContactsPhone phone) {
    if (!loaded_) load();
    if (unreadable_) return entry;
    ContactRecord built = recordOf(entry);
    const auto found =
        std::find_if(records_.begin(), records_.end(), [&](const ContactRecord& record) {
            return record.location == built.location && record.memory == built.memory &&
                   record.name == built.name;
        });
    if (found == records_.end()) {
        ContactRecord stored = built;
        stored.numbers.resize(std::min<size_t>(stored.numbers.size(), kContactRecordNumbers));
        records_.push_back(std::move(stored));
        return entry;
    }
    ContactRecord& stored = *found;
    TPhoneBookEntry shown = entry;
    if (mergesWhole(stored, phone)) {
        stored.numbers = built.numbers;
        stored.email.clear();
        stored.address.clear();
        if (phone.siemens) {
            stored.company.clear();
            stored.url.clear();
        } else {
            stored.note.clear();
        }
    } else {
        const size_t count = std::max(stored.numbers.size(), built.numbers.size());
        std::vector<TNumberItem> numbers = stored.numbers;
        numbers.resize(count);
        for (size_t i = 0; i < built.numbers.size(); ++i) {
            const TNumberItem& given = built.numbers[i];
            if (given.number.empty()) continue;
            // A phone that reports no type must not turn a typed number general.
            const int32_t type =
                given.type == 0 && i < stored.numbers.size() ? stored.numbers[i].type : given.type;
            numbers[i] = {given.number, type, given.isDefault};
            if (i < shown.numbers.size()) shown.numbers[i].type = type;
        }
        for (size_t i = built.numbers.size(); i < numbers.size(); ++i)
            shown.numbers.push_back(numbers[i]);
        stored.numbers = std::move(numbers);
    }
    stored.groupIndex = built.groupIndex;
    for (const int32_t type : {kTextEmail, kTextNote, kTextAddress, kTextCompany, kTextUrl}) {
        const std::string& given = textField(built, type);
        std::string& kept = textField(stored, type);
        if (!given.empty())
            kept = given;
        else if (!kept.empty())
            shown.texts.push_back({kept, type, 0});
    }
    shown.numberCount = static_cast<int32_t>(shown.numbers.size());
    shown.textCount = static_cast<int32_t>(shown.texts.size());
    stored.numbers.resize(std::min<size_t>(stored.numbers.size(), kContactRecordNumbers));
    return shown;
}

void ContactsFile::uploadStarted() {
    if (!loaded_) load();
    written_.clear();
}

void ContactsFile::rowWritten(const ContactRecord& record) {
    std::erase_if(written_, [&](const ContactRecord& other) {
        return other.memory == record.memory && other.location == record.location;
    });
    written_.push_back(record);
}

bool ContactsFile::uploadFinished(QStringList* notices) {
    if (unreadable_) return false;
    for (const ContactRecord& record : written_) {
        const bool cutText = std::max({record.name.size(), record.company.size(), record.url.size(),
                                       record.address.size(), record.email.size(),
                                       record.note.size()}) > kContactRecordText;
        if (record.numbers.size() > kContactRecordNumbers || cutText)
            notices->append(tx("telefonbuchdateien_17", "Speicherplatz ") +
                            QString::number(record.location) + QStringLiteral(": ") +
                            tx("telefonbuchdateien_18",
                               "contacts.dat behält nur fünf Nummern und Texte bis 255 "
                               "Zeichen."));
        std::erase_if(records_, [&](const ContactRecord& other) {
            return other.memory == record.memory && other.location == record.location;
        });
        ContactRecord kept = record;
        kept.numbers.resize(std::min<size_t>(kept.numbers.size(), kContactRecordNumbers));
        for (std::string* text :
             {&kept.name, &kept.company, &kept.url, &kept.address, &kept.email, &kept.note})
            *text = cut(*text);
        records_.push_back(std::move(kept));
    }
    written_.clear();
    return save();
}

}  // namespace corvina
