// ReadPhoneBookEntry, WritePhoneBookEntry and GetCapacity of the Nokia 61xx
// family: build the request, send it, wait for the phonebook flag.
#include "phonelib/drivers/nokia61xx/phonebook.h"

#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia {

namespace {

constexpr uint8_t kPhonebook = 0x03;
constexpr int32_t kEntryWaitTicks = 3;
constexpr int32_t kCapacityWaitTicks = 2;

uint8_t sendAndWait(const std::vector<uint8_t>& request, int32_t ticks) {
    auto& library = lib();
    mailboxes().phonebookFlag = 0;
    library.frames.SendFbusMessage(kPhonebook, request);
    return library.waitForFlag(mailboxes().phonebookFlag, ticks);
}

// Call lists, caller groups and speed dials have sizes of their own that
// the phone is not asked for.
std::optional<int32_t> fixedSize(uint8_t memoryCode) {
    switch (memoryCode) {
        case memCallerGroups:
            return 5;
        case memSpeedDials:
            return 9;
        case memDialled:
        case memReceived:
        case memMissed:
            return 10;
        default:
            return std::nullopt;
    }
}

}  // namespace

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry) {
    auto& box = mailboxes();
    entry.numberCount = 0;
    entry.textCount = 0;
    entry.numbers.clear();
    entry.texts.clear();
    entry.name.clear();
    entry.empty = 1;
    entry.speedDialNumberIndex = 0;
    box.phonebook = entry;
    if (entry.memory == memCallerGroups && !hasCallerGroups(lib().state.ModelId)) {
        return stNotAvailable;
    }
    std::vector<uint8_t> request;
    if (const uint8_t refused = buildEntryRead(entry, request); refused != stDone) return refused;
    const uint8_t result = sendAndWait(request, kEntryWaitTicks);
    // Also after a time-out: the entry then comes back as prepared, empty.
    entry = box.phonebook;
    return result;
}

uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry) {
    std::vector<uint8_t> request;
    const uint8_t built = buildEntryWrite(entry, lib().state.ModelId, request);
    if (built != stDone) return built;
    mailboxes().phonebook = entry;
    return sendAndWait(request, kEntryWaitTicks);
}

uint8_t GetCapacity(TCapacity& capacity) {
    auto& box = mailboxes();
    box.capacity = TCapacity{.memory = capacity.memory};
    if (const auto size = fixedSize(capacity.memory)) {
        box.capacity.used = *size;
        capacity = box.capacity;
        return stNotAvailable;
    }
    // Only the two phonebooks are asked; the phone knows no other memory status.
    if (capacity.memory != memSim && capacity.memory != memPhone) {
        capacity = box.capacity;
        return stNotAvailable;
    }
    const uint8_t memory = *phoneMemoryOf(capacity.memory);
    const uint8_t result = sendAndWait({0x00, 0x01, 0x00, 0x07, memory}, kCapacityWaitTicks);
    capacity = box.capacity;
    return result;
}

}  // namespace phonelib::nokia
