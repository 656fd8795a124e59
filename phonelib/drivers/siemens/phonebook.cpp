#include "phonelib/drivers/siemens/phonebook.h"

#include "codecs/tools/gsmtext.h"
#include "codecs/tools/phonenumbers.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/siemens/addressbook.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kSelectTicks = 2;
constexpr int32_t kEntryTicks = 3;
constexpr uint8_t kModelS40 = 9;
// What a phonebook write answers for a number with characters a phone
// number cannot hold (nothing is sent).
constexpr uint8_t kRejectedNumber = 18;

const char* memoryName(uint8_t memory) {
    switch (memory & 0x7F) {
        case memSim:
            return "\"SM\"";
        case memPhone:
            return "\"ME\"";
        case memDialled:
            return "\"LD\"";
        case memReceived:
            return "\"RC\"";
        case memMissed:
            return "\"MC\"";
        default:
            return nullptr;
    }
}

bool isCallList(uint8_t memory) {
    return memory == memDialled || memory == memReceived || memory == memMissed;
}

uint8_t phonebookCommand(const std::string& command) {
    return atcommand(atdriver().phonebookFlag, command, kEntryTicks);
}

bool holdsNameOrNumber(const TPhoneBookEntry& entry) {
    return entry.numberCount > 0 && !entry.numbers.empty() &&
           (!entry.name.empty() || !entry.numbers.front().number.empty());
}

}  // namespace

uint8_t selectmemory(uint8_t memory) {
    auto& driver = atdriver();
    if (memory == driver.selectedMemory) return stDone;
    const char* name = memoryName(memory);
    if (!name) return stNotAvailable;
    const uint8_t result =
        atcommand(driver.phonebookFlag, std::string("AT+CPBS=") + name + "\r", kSelectTicks);
    driver.selectedMemory = result == stDone ? memory : kNoMemory;
    return result;
}

std::string escapetext(std::string text) {
    tools::latintogsm(text);
    std::string escaped;
    for (const char c : text) {
        if (static_cast<uint8_t>(c) > 0x7F) {
            escaped += '?';  // no GSM code: the phone cannot store it
        } else if (c == '\\') {
            escaped += "\\5C";
        } else if (c == '"') {
            escaped += "\\22";
        } else if (c == '\0') {
            escaped += "\\00";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void onMemorySelected(const Lines& lines) {
    atdriver().phonebookFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onPhonebookRead(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.phonebookFlag = errorFlag();
    } else if (lines.size() < 2) {
        driver.phonebookFlag = 18;
    } else {
        if (upper(lines[1]) != "OK") readPhonebookLine(lines[1], driver.phonebook);
        lib().state.AtStatus = 1;
        driver.phonebookFlag = 1;
    }
}

void onPhonebookWritten(const Lines& lines) {
    atdriver().phonebookFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onPhonebookSize(const Lines& lines) {
    answer(lines, atdriver().phonebookFlag, [](const std::string& line) {
        atdriver().capacity.total = highestIndex(line).value_or(0);
    });
}

void onPhonebookUsed(const Lines& lines) {
    answer(lines, atdriver().phonebookFlag, [](const std::string& line) {
        if (const auto used = highestIndex(line)) atdriver().capacity.used = *used;
    });
}

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry) {
    auto& driver = atdriver();
    entry.name.clear();
    entry.group.groupName.clear();
    entry.numberCount = entry.textCount = 0;
    entry.numbers.clear();
    entry.texts.clear();
    entry.speedDialNumberIndex = 0;
    entry.empty = 1;
    driver.phonebook = entry;
    if (entry.memory == memAddressBook) return readAddressEntry(entry);
    // Caller groups and speed dials have no AT phonebook.
    if (!memoryName(entry.memory) || entry.memory == memCallerGroups) return stNotAvailable;

    const uint8_t selected = selectmemory(entry.memory);
    if (selected != stDone) return selected;
    const int32_t index = entry.location + (isCallList(entry.memory) ? 1 : 0);
    uint8_t result = phonebookCommand("AT+CPBR=" + std::to_string(index) + "\r");
    if (result == stEmptyLocation) result = stDone;  // "not found": nothing stored there
    driver.phonebook.empty = holdsNameOrNumber(driver.phonebook) ? 0 : 1;
    entry = driver.phonebook;
    return result;
}

uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry) {
    if (entry.memory == memAddressBook) return writeAddressEntry(entry);
    if (entry.memory != memSim && entry.memory != memPhone) return stNotAvailable;
    const uint8_t selected = selectmemory(entry.memory);
    if (selected != stDone) return selected;

    const std::string location = std::to_string(entry.location);
    std::string number = entry.numbers.empty() ? std::string() : entry.numbers.front().number;
    if (entry.name.empty() && number.empty()) return phonebookCommand("AT+CPBW=" + location + "\r");
    std::string type;
    if (!number.empty()) {
        const int8_t kind = tools::formatnumber(number);
        if (kind < 0) return kRejectedNumber;
        type = kind == 0 ? "145" : "129";
    }
    return phonebookCommand("AT+CPBW=" + location + ",\"" + number + "\"," + type + ",\"" +
                            escapetext(entry.name) + "\"\r");
}

uint8_t GetCapacity(TCapacity& capacity) {
    auto& driver = atdriver();
    driver.capacity = TCapacity{};
    driver.capacity.memory = capacity.memory;
    auto& result = driver.capacity;
    uint8_t status = stDone;
    if (capacity.memory == memAddressBook) {
        status = addressBookCapacity(result);
    } else if (memoryName(capacity.memory) && capacity.memory != memCallerGroups) {
        status = selectmemory(capacity.memory);
        if (status != stDone) return status;
        status = phonebookCommand("AT+CPBR=?\r");
        const bool s40 = lib().state.ModelId == kModelS40;
        if (isCallList(capacity.memory)) {
            if (!s40) result.total += 1;
            result.used = result.total;
        } else if (s40) {
            result.used = result.total;
        } else {
            status = phonebookCommand("AT^SPBG=?\r");
        }
        result.free = result.total - result.used;
    } else {
        return stNotAvailable;  // caller groups and speed dials
    }
    capacity = result;
    return status;
}

}  // namespace phonelib::siemens
