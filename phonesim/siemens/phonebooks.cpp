// The standard phonebooks: the SIM ("SM") and phone ("ME") memories and the
// call lists ("LD" dialled, "RC" received, "MC" missed; read only).
//
//   AT+CPBS="SM"        select           AT+CPBS?   +CPBS: "SM",<used>,<total>
//   AT+CPBR=?           +CPBR: (1-<total>),20,<name length>
//   AT+CPBR=<i>[,<j>]   +CPBR: <i>,"<number>",<145|129>,"<name>" per stored entry;
//                       an empty location answers OK alone
//   AT+CPBW=<i>,"<number>",<type>,"<name>"   write (no index: the first free one)
//   AT+CPBW=<i>         clear
//   AT^SPBG=?           ^SPBG: (1-<used>),20,<name length>   (0) when empty
// Errors: +CME ERROR 21 for an index outside the memory, 24 for a name and
// 26 for a number too long, 25 for a name with bytes that are no GSM code,
// 27 for a number with other characters, 3 for writing a call list.
#include <algorithm>

#include "phonesim/siemens/atphone.h"
#include "phonesim/siemens/phonetext.h"

namespace phonesim::siemens {

namespace {

constexpr int kNumberLength = 20;

struct Memory {
    PhonebookMemory* stored = nullptr;            // SIM and phone memory
    std::vector<PhonebookEntry>* list = nullptr;  // call lists
    int nameLength = 20;

    int capacity() const { return stored ? stored->capacity : kCallListSize; }
    int used() const {
        return stored ? static_cast<int>(stored->entries.size()) : static_cast<int>(list->size());
    }
    const PhonebookEntry* at(int index) const {
        if (stored) {
            const auto found = stored->entries.find(index);
            return found == stored->entries.end() ? nullptr : &found->second;
        }
        return index >= 1 && index <= static_cast<int>(list->size()) ? &(*list)[index - 1]
                                                                     : nullptr;
    }
};

std::optional<Memory> memoryNamed(AtPhone& phone, const std::string& name) {
    auto& book = phone.fixture.phonebook;
    if (name == "SM") return Memory{&book.sim, nullptr, 14};
    if (name == "ME") return Memory{&book.phone, nullptr, 20};
    if (name == "LD") return Memory{nullptr, &book.dialled, 20};
    if (name == "RC") return Memory{nullptr, &book.received, 20};
    if (name == "MC") return Memory{nullptr, &book.missed, 20};
    return std::nullopt;
}

std::string entryLine(const AtPhone& phone, int index, const PhonebookEntry& entry) {
    const std::string number = entry.number.toStdString();
    const std::string type = number.starts_with('+') ? "145" : "129";
    return "+CPBR: " + std::to_string(index) + ",\"" + number + "\"," + type + ",\"" +
           encodeText(entry.name, phone.link.charset) + "\"";
}

bool dialable(const std::string& number) {
    return std::all_of(number.begin(), number.end(), [](char c) {
        return std::string_view("0123456789+*#pPwW").find(c) != std::string_view::npos;
    });
}

}  // namespace

AtOutcome onSelectMemory(AtPhone& phone, const AtCommand& command) {
    switch (command.form) {
        case AtCommand::Form::Test:
            return AtOutcome::ok({"+CPBS: (\"SM\",\"ME\",\"LD\",\"RC\",\"MC\")"});
        case AtCommand::Form::Query: {
            const auto memory = memoryNamed(phone, phone.link.memory);
            return AtOutcome::ok({"+CPBS: \"" + phone.link.memory + "\"," +
                                  std::to_string(memory->used()) + "," +
                                  std::to_string(memory->capacity())});
        }
        case AtCommand::Form::Set: {
            const auto arguments = splitArguments(command.arguments);
            const std::string name = arguments.empty() ? std::string() : arguments[0].text;
            if (!memoryNamed(phone, name)) return AtOutcome::equipmentError(kNotSupported);
            phone.link.memory = name;
            return AtOutcome::ok();
        }
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onReadEntries(AtPhone& phone, const AtCommand& command) {
    const auto memory = memoryNamed(phone, phone.link.memory);
    if (command.form == AtCommand::Form::Test) {
        return AtOutcome::ok({"+CPBR: (1-" + std::to_string(memory->capacity()) + ")," +
                              std::to_string(kNumberLength) + "," +
                              std::to_string(memory->nameLength)});
    }
    if (command.form != AtCommand::Form::Set) return AtOutcome::plainError();
    const auto arguments = splitArguments(command.arguments);
    const auto first = numberArgument(arguments, 0);
    const int last = numberArgument(arguments, 1).value_or(first.value_or(0));
    if (!first || *first < 1 || last < *first || last > memory->capacity()) {
        return AtOutcome::equipmentError(kInvalidIndex);
    }
    AtOutcome outcome;
    for (int index = *first; index <= last; ++index) {
        if (const PhonebookEntry* entry = memory->at(index)) {
            outcome.lines.push_back(entryLine(phone, index, *entry));
        }
    }
    return outcome;
}

AtOutcome onWriteEntry(AtPhone& phone, const AtCommand& command) {
    const auto memory = memoryNamed(phone, phone.link.memory);
    if (command.form == AtCommand::Form::Test) {
        return AtOutcome::ok({"+CPBW: (1-" + std::to_string(memory->capacity()) +
                              "),20,(129,145)," + std::to_string(memory->nameLength)});
    }
    if (command.form != AtCommand::Form::Set) return AtOutcome::plainError();
    if (!memory->stored) return AtOutcome::equipmentError(kNotAllowed);
    auto& entries = memory->stored->entries;
    const auto arguments = splitArguments(command.arguments);
    std::optional<int> index = numberArgument(arguments, 0);
    if (!index && arguments.size() > 1 && arguments[0].empty()) {
        for (int free = 1; free <= memory->capacity() && !index; ++free) {
            if (!entries.contains(free)) index = free;
        }
    }
    if (!index || *index < 1 || *index > memory->capacity()) {
        return AtOutcome::equipmentError(kInvalidIndex);
    }
    if (arguments.size() <= 1) {
        entries.erase(*index);
        return AtOutcome::ok();
    }
    const std::string number = arguments[1].text;
    const std::string name = arguments.size() > 3 ? arguments[3].text : std::string();
    if (number.size() > kNumberLength) return AtOutcome::equipmentError(kDialStringTooLong);
    if (!dialable(number)) return AtOutcome::equipmentError(kInvalidDialString);
    const bool sevenBit = std::all_of(name.begin(), name.end(),
                                      [](char c) { return static_cast<uint8_t>(c) < 0x80; });
    if (phone.link.charset == "GSM" && !sevenBit)
        return AtOutcome::equipmentError(kInvalidCharacters);
    const QString text = decodeText(name, phone.link.charset);
    if (text.size() > memory->nameLength) return AtOutcome::equipmentError(kTextTooLong);
    PhonebookEntry& entry = entries[*index];
    entry.name = text;
    // An international number (type 145) is kept with its '+'.
    const bool international = numberArgument(arguments, 2) == 145 && !number.starts_with('+');
    entry.number = QString::fromStdString(international ? "+" + number : number);
    return AtOutcome::ok();
}

AtOutcome onSortedEntries(AtPhone& phone, const AtCommand& command) {
    if (command.form != AtCommand::Form::Test) return AtOutcome::plainError();
    const auto memory = memoryNamed(phone, phone.link.memory);
    const int used = memory->used();
    const std::string range = used == 0 ? "(0)" : "(1-" + std::to_string(used) + ")";
    return AtOutcome::ok({"^SPBG: " + range + "," + std::to_string(kNumberLength) + "," +
                          std::to_string(memory->nameLength)});
}

}  // namespace phonesim::siemens
