#include "phonelib/drivers/siemens/objects.h"

#include "phonelib/api/status.h"
#include "phonelib/drivers/request.h"
#include "phonelib/drivers/siemens/atdriver.h"

namespace phonelib::siemens {

namespace {

constexpr size_t kShortestConfirmedPart = 13;
constexpr int32_t kPartTicks = 3;

const char* kindName(int32_t kind) {
    switch (kind) {
        case okVcs:
            return "vcs";
        case okBmp:
            return "bmp";
        case okMid:
            return "mid";
        default:
            return "vcf";
    }
}

std::atomic<uint8_t>& flagOf(int32_t kind) {
    auto& driver = atdriver();
    switch (kind) {
        case okVcs:
            return driver.calendarFlag;
        case okBmp:
            return driver.logoFlag;
        case okMid:
            return driver.ringtoneFlag;
        default:
            return driver.phonebookFlag;
    }
}

}  // namespace

bool splitparts(std::string_view hex, size_t partLength, ObjectKind kind, TENTRY& entry) {
    const size_t parts = (hex.size() + partLength - 1) / partLength;
    if (parts > static_cast<size_t>(kObjectParts)) return false;
    entry = TENTRY{};
    for (size_t i = 0; i < parts; ++i)
        entry.parts[i] = std::string(hex.substr(i * partLength, partLength));
    entry.partCount = static_cast<int32_t>(parts);
    entry.objectKind = kind;
    return true;
}

bool splitcardparts(std::string_view hex, TENTRY& entry) {
    if (!splitparts(hex, kCardPartLength, okVcf, entry)) return false;
    const auto count = static_cast<size_t>(entry.partCount);
    if (count < 2 || entry.parts[count - 1].size() >= kShortestConfirmedPart) return true;
    size_t length = (hex.size() + count - 2) / (count - 1);
    length += length % 2;
    return splitparts(hex, length, okVcf, entry);
}

uint8_t sendobject(const TENTRY& entry, int32_t index) {
    if (!fitsOneByte(index)) return stNoSuchLocation;
    if (entry.partCount < 1 || entry.partCount > kObjectParts) return stTooLong;
    auto& flag = flagOf(entry.objectKind);
    uint8_t result = stDone;
    for (int32_t part = 1; part <= entry.partCount; ++part) {
        const std::string& hex = entry.parts[static_cast<size_t>(part - 1)];
        const std::string command = std::string("AT^SBNW=\"") + kindName(entry.objectKind) + "\"," +
                                    std::to_string(index) + "," + std::to_string(part) + "," +
                                    std::to_string(entry.partCount) + "\r";
        result = atsendprompt(command, hex + "\x1A", flag, kPartTicks);
        const bool written = atdriver().promptFlag == 1;
        if (written && hex.size() < kShortestConfirmedPart) result = stDone;
        if (result != stDone) return result;
    }
    return result;
}

std::string objectHex(const Lines& lines) {
    std::string hex;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string line = upper(lines[i]);
        if (line.rfind("^SBNR", 0) == 0 || line == "OK" || line == "ERROR") continue;
        hex += line;
    }
    return hex;
}

}  // namespace phonelib::siemens
