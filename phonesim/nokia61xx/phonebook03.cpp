// Type 0x03, the phonebook: entries of the SIM (memory byte 03), the phone
// memory (02) and the call lists (07 dialled, 08 received, 09 missed), and
// the memory status. Every answer repeats 00 01 00 and a sub-code:
//
//   01 M L 00                      read    → 02 00 n name m number group
//                                             (an empty location: n = m = 0);
//                                             a call-list entry goes on with
//                                             01, year (2 bytes), month, day,
//                                             hour, minute, second
//                                  error   → 03 7D (no such location or memory)
//   04 M L n name m number group   write   → 05 M L
//   04 M L n name 00 FF            clear   → 05 M L
//                                  error   → 06 7D
//   07 M                           status  → 08 M free used
//                                  error   → 09 7D
//
// A fixture may name locations the phone refuses to read or write (a
// damaged entry) and declare a memory absent (every request refused).
//
// The 3310 class (NHM-5, NHM-6, NPM-5) keeps names as 16-bit characters:
// 00 c per character and 00 00 at the end, on the way in and out.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kNoSuchLocation = 0x7D;

bool wideNames(const Fixture& fixture) {
    const QString& model = fixture.identity.modelCode;
    return model == QLatin1String("NHM-5") || model == QLatin1String("NHM-6") ||
           model == QLatin1String("NPM-5");
}

PhonebookMemory* writableMemory(Fixture& fixture, uint8_t memory) {
    switch (memory) {
        case 0x02:
            return &fixture.phonebook.phone;
        case 0x03:
            return &fixture.phonebook.sim;
        default:
            return nullptr;
    }
}

std::vector<PhonebookEntry>* callList(Fixture& fixture, uint8_t memory) {
    switch (memory) {
        case 0x07:
            return &fixture.phonebook.dialled;
        case 0x08:
            return &fixture.phonebook.received;
        case 0x09:
            return &fixture.phonebook.missed;
        default:
            return nullptr;
    }
}

// The entry at a location; empty for a free one, nothing for a location the
// memory does not have.
std::optional<PhonebookEntry> entryAt(Fixture& fixture, uint8_t memory, int location) {
    if (const auto* stored = writableMemory(fixture, memory)) {
        if (location < 1 || location > stored->capacity || stored->absent ||
            stored->refused.count(location)) {
            return std::nullopt;
        }
        const auto it = stored->entries.find(location);
        return it == stored->entries.end() ? PhonebookEntry{} : it->second;
    }
    if (const auto* list = callList(fixture, memory)) {
        if (location < 1 || location > kCallListSize) return std::nullopt;
        return location <= static_cast<int>(list->size()) ? (*list)[location - 1]
                                                          : PhonebookEntry{};
    }
    return std::nullopt;
}

std::vector<uint8_t> nameBytes(const Fixture& fixture, const QString& name) {
    const auto bytes = latin1(name);
    if (!wideNames(fixture)) return bytes;
    std::vector<uint8_t> wide;
    for (const uint8_t c : bytes) wide.insert(wide.end(), {0x00, c});
    wide.insert(wide.end(), {0x00, 0x00});
    return wide;
}

QString nameOf(const Fixture& fixture, std::span<const uint8_t> bytes) {
    QByteArray name;
    if (wideNames(fixture)) {
        for (size_t i = 0; i + 1 < bytes.size() && (bytes[i] | bytes[i + 1]) != 0; i += 2) {
            name.append(static_cast<char>(bytes[i + 1]));
        }
    } else {
        name = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    }
    return QString::fromLatin1(name);
}

void refuse(Phone& phone, uint8_t subCode) {
    phone.answer({0x03, {0x00, 0x01, 0x00, subCode, kNoSuchLocation}});
}

}  // namespace

void onPhonebookRead(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 6) return refuse(phone, 0x03);
    const uint8_t memory = body[4];
    const auto entry = entryAt(phone.fixture, memory, body[5]);
    if (!entry) return refuse(phone, 0x03);
    std::vector<uint8_t> answer = {0x00, 0x01, 0x00, 0x02, 0x00};
    const auto name = nameBytes(phone.fixture, entry->name);
    const auto number = latin1(entry->number);
    if (entry->name.isEmpty() && entry->number.isEmpty()) {
        answer.insert(answer.end(), {0x00, 0x00, 0x05});
    } else {
        answer.push_back(static_cast<uint8_t>(name.size()));
        answer.insert(answer.end(), name.begin(), name.end());
        answer.push_back(static_cast<uint8_t>(number.size()));
        answer.insert(answer.end(), number.begin(), number.end());
        answer.push_back(static_cast<uint8_t>(entry->group));
        if (entry->time.isValid()) {
            const QDate date = entry->time.date();
            const QTime time = entry->time.time();
            answer.insert(
                answer.end(),
                {0x01, static_cast<uint8_t>(date.year() >> 8), static_cast<uint8_t>(date.year()),
                 static_cast<uint8_t>(date.month()), static_cast<uint8_t>(date.day()),
                 static_cast<uint8_t>(time.hour()), static_cast<uint8_t>(time.minute()),
                 static_cast<uint8_t>(time.second())});
        }
    }
    phone.answer({0x03, std::move(answer)});
}

void onPhonebookWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7) return refuse(phone, 0x06);
    auto* memory = writableMemory(phone.fixture, body[4]);
    const int location = body[5];
    const size_t nameLength = body[6];
    if (!memory || location < 1 || location > memory->capacity || memory->absent ||
        memory->refused.count(location) || 7 + nameLength + 2 > body.size()) {
        return refuse(phone, 0x06);
    }
    PhonebookEntry entry;
    entry.name = nameOf(phone.fixture, body.subspan(7, nameLength));
    const size_t numberAt = 7 + nameLength;
    const size_t numberLength = body[numberAt];
    const size_t groupAt = numberAt + 1 + numberLength;
    if (groupAt >= body.size()) return refuse(phone, 0x06);
    entry.number = QString::fromLatin1(reinterpret_cast<const char*>(body.data() + numberAt + 1),
                                       static_cast<qsizetype>(numberLength));
    entry.group = body[groupAt] == 0xFF ? 5 : std::min<int>(body[groupAt], 5);
    if (entry.name.isEmpty() && entry.number.isEmpty()) {
        memory->entries.erase(location);
    } else {
        memory->entries[location] = entry;
    }
    phone.answer({0x03, {0x00, 0x01, 0x00, 0x05, body[4], body[5]}});
}

void onMemoryStatusRequest(Phone& phone, std::span<const uint8_t> body) {
    const auto* memory = body.size() > 4 ? writableMemory(phone.fixture, body[4]) : nullptr;
    if (!memory || memory->absent) return refuse(phone, 0x09);
    const int used = static_cast<int>(memory->entries.size());
    const auto clip = [](int n) { return static_cast<uint8_t>(std::clamp(n, 0, 255)); };
    phone.answer(
        {0x03, {0x00, 0x01, 0x00, 0x08, body[4], clip(memory->capacity - used), clip(used)}});
}

}  // namespace phonesim::nokia61xx
