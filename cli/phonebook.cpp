// corvina-cli phonebook, groups and speeddial: entries of the SIM, the phone
// memory and the call lists, caller groups and speed-dial keys.
//
// Entries are printed as location, name, number and group, then (phones of
// the 7110 family) their further numbers and texts; a read of a whole
// memory stops when it has found as many entries as the phone reports
// used, and shows its progress on stderr. A lost link ends any read at once,
// with what was read so far printed. Phones of the 7110 family name
// locations up to 65535.
#include <array>
#include <utility>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/entryreads.h"
#include "cli/models.h"
#include "cli/output.h"
#include "cli/phonebookfiles.h"
#include "codecs/tools/cp1252.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kReadUsage = "phonebook read sim|phone|dialled|received|missed [VON[-BIS]]";
constexpr const char* kWriteUsage = "phonebook write sim|phone PLATZ NAME NUMMER [GRUPPE]";
constexpr const char* kClearUsage = "phonebook clear sim|phone PLATZ";
constexpr const char* kSpeedDialUsage = "speeddial read | speeddial write TASTE sim|phone PLATZ";

std::optional<uint8_t> memoryNamed(const QString& name, bool writable) {
    static const std::array<std::pair<const char*, uint8_t>, 5> kMemories = {{
        {"sim", memSim},
        {"phone", memPhone},
        {"dialled", memDialled},
        {"received", memReceived},
        {"missed", memMissed},
    }};
    for (const auto& [text, code] : kMemories) {
        if (name == text && (!writable || code == memSim || code == memPhone)) return code;
    }
    return std::nullopt;
}

TPhoneBookEntry entryAt(uint8_t memory, int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    return entry;
}

std::string firstNumber(const TPhoneBookEntry& entry) {
    return entry.numbers.empty() ? std::string() : entry.numbers.front().number;
}

void printEntry(int32_t location, const TPhoneBookEntry& entry) {
    const std::string where = std::to_string(location);
    const std::string number = firstNumber(entry);
    std::vector<std::string_view> fields = {where, entry.name, number, entry.group.groupName};
    for (size_t i = 1; i < entry.numbers.size(); ++i) fields.push_back(entry.numbers[i].number);
    for (const auto& text : entry.texts) fields.push_back(text.text);
    printFields(fields);
}

int32_t highestPhonebookLocation() {
    return highestLocation(phonebookOf7110());
}

struct Range {
    int32_t from = 1;
    int32_t to = 0;
    bool whole = true;
};

std::optional<Range> rangeOf(const QString& text, int32_t total) {
    Range range{1, total, true};
    if (text.isEmpty()) return range;
    const QStringList bounds = text.split('-');
    if (bounds.size() > 2) return std::nullopt;
    const auto from = wholeNumber(bounds[0], 0, highestPhonebookLocation());
    const auto to =
        bounds.size() == 2 ? wholeNumber(bounds[1], 0, highestPhonebookLocation()) : from;
    if (!from || !to || *to < *from) return std::nullopt;
    return Range{*from, *to, false};
}

// Siemens phones count the entries of their call lists from location 0 (the
// phone's index 1); their lists are shown numbered from 1 all the same.
bool countsFromZero(uint8_t memory, bool at) {
    return at && (memory == memDialled || memory == memReceived || memory == memMissed);
}

int readMemory(const QStringList& arguments, bool at) {
    if (arguments.isEmpty() || arguments.size() > 2) return usageError(kReadUsage);
    const auto memory = memoryNamed(arguments[0], false);
    if (!memory) return usageError(kReadUsage);
    TCapacity capacity;
    capacity.memory = *memory;
    const uint8_t asked = phonelib::GetCapacity(capacity);
    if (asked != phonelib::stDone && asked != phonelib::stNotAvailable) {
        return failed("Die Größe des Speichers ist nicht zu erfahren", asked);
    }
    const int32_t shift = countsFromZero(*memory, at) ? 1 : 0;
    const auto range = rangeOf(arguments.value(1), capacity.total - shift);
    if (!range) return usageError(kReadUsage);
    phonelib::DownloadGroupnames();

    const EntryRun run{.from = range->from,
                       .to = range->to,
                       .stopAfter = range->whole && capacity.used > 0 ? capacity.used : -1,
                       .place = "Platz",
                       .entries = "Einträge"};
    return readEntryRun(
        run, [&](int32_t location) { return entryAt(*memory, location - shift); }, printEntry);
}

int writeEntry(const QStringList& arguments, bool clear) {
    const char* usage = clear ? kClearUsage : kWriteUsage;
    const bool complete =
        clear ? arguments.size() == 2 : arguments.size() == 4 || arguments.size() == 5;
    if (!complete) return usageError(usage);
    const auto memory = memoryNamed(arguments[0], true);
    const auto location = wholeNumber(arguments[1], 1, highestPhonebookLocation());
    const auto group = arguments.size() == 5 ? wholeNumber(arguments[4], 0, 5) : 5;
    if (!memory || !location || !group) return usageError(usage);
    TPhoneBookEntry entry = entryAt(*memory, *location);
    if (!clear) {
        entry.name = tools::toCp1252(arguments[2]);
        entry.numbers = {TNumberItem{tools::toCp1252(arguments[3]), 0, 1}};
        entry.numberCount = 1;
    }
    entry.group.groupIndex = *group;
    const uint8_t result = phonelib::WritePhoneBookEntry(entry);
    if (result != phonelib::stDone) return failed("Der Eintrag wurde nicht geschrieben", result);
    return 0;
}

int readSpeedDials() {
    int status = 0;
    for (int32_t key = 2; key <= 9; ++key) {
        TPhoneBookEntry entry = entryAt(memSpeedDials, key);
        uint8_t result = phonelib::ReadPhoneBookEntry(entry);
        // A key that points nowhere names no memory of the phonebooks.
        if (result == phonelib::stDone && entry.memory != memSim && entry.memory != memPhone) {
            continue;
        }
        const int32_t target = entry.location;
        if (result == phonelib::stDone) result = phonelib::ReadPhoneBookEntry(entry);
        if (result != phonelib::stDone) {
            status = failed("Kurzwahl " + std::to_string(key), result);
            continue;
        }
        printRecord({std::to_string(key), entry.memory == memPhone ? "phone" : "sim",
                     std::to_string(target), entry.name, firstNumber(entry)});
    }
    return status;
}

int writeSpeedDial(const QStringList& arguments) {
    if (arguments.size() != 3) return usageError(kSpeedDialUsage);
    const auto key = wholeNumber(arguments[0], 2, 9);
    const auto memory = memoryNamed(arguments[1], true);
    const auto location = wholeNumber(arguments[2], 0, highestPhonebookLocation());
    if (!key || !memory || !location) return usageError(kSpeedDialUsage);
    TPhoneBookEntry dial = entryAt(memSpeedDials, *key);
    dial.speedDialMemory = *memory == memPhone ? 1 : 0;
    dial.speedDialNumberIndex = *memory == memPhone ? 1 : 0;
    dial.speedDialLocation = *location;
    const uint8_t result = phonelib::WritePhoneBookEntry(dial);
    if (result != phonelib::stDone) return failed("Die Kurzwahl wurde nicht geschrieben", result);
    return 0;
}

}  // namespace

int phonebook(Session& session, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (action == "read") return readMemory(arguments.mid(1), session.speaksAt());
    if (action == "write") return writeEntry(arguments.mid(1), false);
    if (action == "clear") return writeEntry(arguments.mid(1), true);
    if (action == "export" || action == "import") return phonebookFiles(session, arguments);
    return usageError(kReadUsage);
}

int groups(Session&, const QStringList&) {
    for (int32_t number = 0; number < 5; ++number) {
        TPhoneBookEntry group = entryAt(memCallerGroups, number);
        const uint8_t result = phonelib::ReadPhoneBookEntry(group);
        if (result != phonelib::stDone)
            return failed("Anrufergruppe " + std::to_string(number), result);
        const GSMBitmap& logo = group.group;
        printRecord(
            {std::to_string(number), group.name, logo.groupRingtoneName,
             logo.size > 0 ? std::to_string(logo.width) + "x" + std::to_string(logo.height) : "-"});
    }
    return 0;
}

int speeddial(Session&, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (action == "read" && arguments.size() == 1) return readSpeedDials();
    if (action == "write") return writeSpeedDial(arguments.mid(1));
    return usageError(kSpeedDialUsage);
}

}  // namespace cli
