// The type 0x03 requests of the phonebook: memory bytes, reading, writing
// and clearing entries, writing speed dials.
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/request.h"

namespace phonelib::nokia {

namespace {

constexpr uint8_t kCallerGroupRead = 0x10;
constexpr uint8_t kSpeedDialRead = 0x16;
constexpr uint8_t kEntryRead = 0x01;
constexpr uint8_t kEntryWrite = 0x04;
constexpr uint8_t kSpeedDialWrite = 0x19;
constexpr uint8_t kNoGroupClears = 0xFF;

}  // namespace

std::optional<uint8_t> phoneMemoryOf(uint8_t memoryCode) {
    switch (memoryCode) {
        case memSim:
            return 0x03;
        case memPhone:
            return 0x02;
        case memDialled:
            return 0x07;
        case memReceived:
            return 0x08;
        case memMissed:
            return 0x09;
        default:
            return std::nullopt;
    }
}

uint8_t memoryCodeOf(uint8_t phoneMemory) {
    switch (phoneMemory) {
        case 0x02:
            return memPhone;
        case 0x03:
            return memSim;
        case 0x07:
            return memDialled;
        case 0x08:
            return memReceived;
        case 0x09:
            return memMissed;
        case kCallerGroupRead:
            return memCallerGroups;
        case kSpeedDialRead:
            return memSpeedDials;
        default:
            return 8;
    }
}

bool wideNames(uint8_t modelId) {
    return modelId >= 11 && modelId <= 13;
}

bool hasCallerGroups(uint8_t modelId) {
    return !(modelId >= 10 && modelId <= 13) && modelId != 15;
}

std::string wideName(const std::string& name) {
    std::string wide;
    wide.reserve(2 * name.size() + 2);
    for (const char c : name) {
        wide.push_back('\0');
        wide.push_back(c);
    }
    wide.append(2, '\0');
    return wide;
}

uint8_t buildEntryRead(const TPhoneBookEntry& entry, std::vector<uint8_t>& body) {
    if (!fitsOneByte(entry.location)) return stNoSuchLocation;
    const auto location = static_cast<uint8_t>(entry.location);
    if (entry.memory == memCallerGroups) {
        body = {0x00, 0x01, 0x00, kCallerGroupRead, location};
    } else if (entry.memory == memSpeedDials) {
        body = {0x00, 0x01, 0x00, kSpeedDialRead, location};
    } else if (const auto memory = phoneMemoryOf(entry.memory)) {
        body = {0x00, 0x01, 0x00, kEntryRead, *memory, location, 0x00};
    } else {
        return stNotAvailable;
    }
    return stDone;
}

uint8_t buildEntryWrite(const TPhoneBookEntry& entry, uint8_t modelId, std::vector<uint8_t>& body) {
    if (!fitsOneByte(entry.location)) return stNoSuchLocation;
    const auto location = static_cast<uint8_t>(entry.location);
    if (entry.memory == memSpeedDials) {
        if (!fitsOneByte(entry.speedDialLocation)) return stNoSuchLocation;
        const uint8_t target = entry.speedDialMemory == 1 ? 0x02 : 0x03;
        body = {0x00,
                0x01,
                0x00,
                kSpeedDialWrite,
                location,
                target,
                static_cast<uint8_t>(entry.speedDialLocation)};
        return stDone;
    }
    // Only the two phonebooks take entries; the call lists, caller groups and
    // other codes would otherwise land in the SIM.
    if (entry.memory != memSim && entry.memory != memPhone) return stNotAvailable;

    const std::string number = entry.numbers.empty() ? std::string() : entry.numbers.front().number;
    const bool clears = entry.name.empty() && number.empty();
    const std::string name = wideNames(modelId) ? wideName(entry.name) : entry.name;
    if (name.size() + number.size() > kMaxNameAndNumber) return stTooLong;

    body = {0x00,
            0x01,
            0x00,
            kEntryWrite,
            entry.memory == memPhone ? uint8_t{0x02} : uint8_t{0x03},
            location,
            static_cast<uint8_t>(name.size())};
    body.insert(body.end(), name.begin(), name.end());
    if (clears) {
        body.insert(body.end(), {0x00, kNoGroupClears});
        return stDone;
    }
    body.push_back(static_cast<uint8_t>(number.size()));
    body.insert(body.end(), number.begin(), number.end());
    body.push_back(static_cast<uint8_t>(entry.group.groupIndex & 0xFF));
    return stDone;
}

}  // namespace phonelib::nokia
