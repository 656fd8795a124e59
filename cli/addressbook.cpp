// corvina-cli addressbook: the address book of the Siemens phones (SL45,
// S45, ME45 and relatives), full entries with several numbers and texts.
//
// Entries are printed as location, name, group and one "key=value" field
// per number or text the entry holds; line breaks in the postal address are
// written as \n.
#include <array>
#include <optional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/entryreads.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "addressbook read [VON[-BIS]] | addressbook clear PLATZ | addressbook write PLATZ NAME "
    "[home=…] [work=…] [mobile=…] [fax=…] [email=…] [url=…] [company=…] [street=…] [zip=…] "
    "[city=…] [country=…] [group=0-4]";

struct Field {
    const char* key;
    int32_t type;
    bool number;
};

constexpr std::array<Field, 7> kFields = {{
    {"home", ntHome, true},
    {"work", ntWork, true},
    {"mobile", ntMobile, true},
    {"fax", ntFax, true},
    {"email", ttEmail, false},
    {"url", ttUrl, false},
    {"company", ttCompany, false},
}};

std::string withBreaks(std::string text) {
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.replace(at, 2, "\\n");
    return text;
}

void printEntry(int32_t location, const TPhoneBookEntry& entry) {
    std::vector<std::string> fields = {std::to_string(location), entry.name, entry.group.groupName};
    for (const Field& field : kFields) {
        const std::string value = [&] {
            if (field.number) {
                for (const auto& n : entry.numbers)
                    if (n.type == field.type) return n.number;
            } else {
                for (const auto& t : entry.texts)
                    if (t.type == field.type) return t.text;
            }
            return std::string();
        }();
        if (!value.empty()) fields.push_back(std::string(field.key) + "=" + value);
    }
    for (const auto& text : entry.texts) {
        if (text.type == ttPostal && text.text.find_first_not_of("\r\n") != std::string::npos) {
            fields.push_back("address=" + withBreaks(text.text));
        }
    }
    std::vector<std::string_view> views(fields.begin(), fields.end());
    printFields(views);
}

int readEntries(const QStringList& arguments) {
    if (arguments.size() > 1) return usageError(kUsage);
    TCapacity capacity;
    capacity.memory = memAddressBook;
    const uint8_t asked = phonelib::GetCapacity(capacity);
    if (asked != phonelib::stDone)
        return failed("Die Größe des Adressbuchs ist nicht zu erfahren", asked);
    int32_t from = 1;
    int32_t to = capacity.total;
    const bool whole = arguments.isEmpty();
    if (!whole) {
        const QStringList bounds = arguments[0].split('-');
        const auto low = wholeNumber(bounds[0], 1, 256);
        const auto high = bounds.size() == 2 ? wholeNumber(bounds[1], 1, 256) : low;
        if (bounds.size() > 2 || !low || !high || *high < *low) return usageError(kUsage);
        from = *low;
        to = *high;
    }
    phonelib::DownloadGroupnames();
    const EntryRun run{.from = from,
                       .to = to,
                       .stopAfter = whole && capacity.used >= 0 ? capacity.used : -1,
                       .place = "Adresse",
                       .entries = "Adressen"};
    return readEntryRun(
        run,
        [](int32_t location) {
            TPhoneBookEntry entry;
            entry.memory = memAddressBook;
            entry.location = location;
            return entry;
        },
        printEntry);
}

int writeEntry(const QStringList& arguments, bool clear) {
    if (arguments.size() < (clear ? 1 : 2) || (clear && arguments.size() != 1)) {
        return usageError(kUsage);
    }
    const auto location = numberArgument(arguments[0], "Der Platz", 1, 256);
    if (!location) return 2;
    TPhoneBookEntry entry;
    entry.memory = memAddressBook;
    entry.location = *location;
    entry.group.groupIndex = 5;
    if (!clear) entry.name = phoneText(arguments[1]);
    std::array<std::string, 4> address;  // street, zip, city, country
    const QStringList addressKeys = {"street", "zip", "city", "country"};
    for (const QString& option : arguments.mid(2)) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const std::string value = phoneText(option.section(QLatin1Char('='), 1));
        const auto* field = std::find_if(kFields.begin(), kFields.end(), [&](const Field& f) {
            return key == QLatin1String(f.key);
        });
        if (field != kFields.end()) {
            if (field->number) {
                entry.numbers.push_back(TNumberItem{value, field->type, 0});
            } else {
                entry.texts.push_back(TTextItem{value, field->type, 0});
            }
        } else if (addressKeys.contains(key)) {
            address[static_cast<size_t>(addressKeys.indexOf(key))] = value;
        } else if (key == "group") {
            const auto group =
                numberArgument(option.section(QLatin1Char('='), 1), "Die Gruppe", 0, 4);
            if (!group) return 2;
            entry.group.groupIndex = *group;
        } else {
            printError("Unbekannter Schlüssel: " + key.toStdString());
            return 2;
        }
    }
    if (!std::all_of(address.begin(), address.end(), [](const auto& a) { return a.empty(); })) {
        entry.texts.push_back(
            TTextItem{address[0] + "\r\n" + address[1] + " " + address[2] + "\r\n" + address[3],
                      ttPostal, 0});
    }
    if (!entry.numbers.empty()) entry.numbers.front().isDefault = 1;
    entry.numberCount = static_cast<int32_t>(entry.numbers.size());
    entry.textCount = static_cast<int32_t>(entry.texts.size());
    if (entry.group.groupIndex != 5) phonelib::DownloadGroupnames();
    const uint8_t result = phonelib::WritePhoneBookEntry(entry);
    if (result != phonelib::stDone) {
        return failed(
            clear ? "Die Adresse wurde nicht gelöscht" : "Die Adresse wurde nicht geschrieben",
            result);
    }
    return 0;
}

}  // namespace

int addressbook(Session& session, const QStringList& arguments) {
    if (!session.speaksAt()) {
        printError("Ein Adressbuch haben nur Siemens-Telefone (--connection at).");
        return 1;
    }
    const QString action = arguments.value(0);
    if (action == "read") return readEntries(arguments.mid(1));
    if (action == "write") return writeEntry(arguments.mid(1), false);
    if (action == "clear") return writeEntry(arguments.mid(1), true);
    return usageError(kUsage);
}

}  // namespace cli
