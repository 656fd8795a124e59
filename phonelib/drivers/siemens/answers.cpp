#include "phonelib/drivers/siemens/answers.h"

#include <algorithm>

#include "codecs/ringtones/ringtonenames.h"
#include "codecs/tools/gsmtext.h"

namespace phonelib::siemens {

namespace {

// Characters [from, from + count) of the line (0-based), as far as it goes.
std::string_view slice(std::string_view line, size_t from, size_t count) {
    if (from >= line.size()) return {};
    return line.substr(from, count);
}

// The text after the first occurrence of `key`; empty when there is none.
std::string_view after(std::string_view line, std::string_view key) {
    const size_t at = line.find(key);
    return at == std::string_view::npos ? std::string_view() : line.substr(at + key.size());
}

std::string_view field(std::string_view line, size_t index) {
    for (size_t i = 0; i < index; ++i) {
        const size_t comma = line.find(',');
        if (comma == std::string_view::npos) return {};
        line.remove_prefix(comma + 1);
    }
    return line.substr(0, line.find(','));
}

}  // namespace

std::optional<int> numberAt(std::string_view text, size_t from) {
    if (from >= text.size()) return std::nullopt;
    text.remove_prefix(from);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long long value = 0;
    size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        if (value > 999999999) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return static_cast<int>(value);
}

void readBattery(std::string_view line, TPhoneStatus& status) {
    if (const auto percent = numberAt(line, 8)) {
        status.battery = static_cast<uint8_t>(std::min(*percent / 25, 4));
    }
}

void readSignal(std::string_view line, TPhoneStatus& status) {
    const size_t colon = line.find(':');
    const auto rssi = numberAt(line, colon == std::string_view::npos ? 0 : colon + 1);
    if (!rssi) return;
    status.signal = *rssi == 0 ? 1 : *rssi == 1 ? 2 : *rssi <= 31 ? 3 : 4;
}

void readRegistration(std::string_view line, bool s25, TNetWorkInfo& network) {
    network.areaCode = std::string(slice(line, s25 ? 11 : 12, 4));
    network.cellId = std::string(slice(line, s25 ? 16 : 19, 4));
}

void readOperator(std::string_view line, TNetWorkInfo& network) {
    network.networkOperator.operatorName = std::string(slice(line, 11, std::string_view::npos));
}

void readDivert(std::string_view line, TDivert& divert) {
    divert.active = line.size() >= 8 && line[7] == '1' ? 1 : 0;
    divert.number.clear();
    divert.delay = 0;
    if (!divert.active) return;
    const std::string_view number = slice(line, 12, std::string_view::npos);
    divert.number = std::string(number.substr(0, number.find('"')));
    // The time field follows the number, its type and the subaddress fields.
    divert.delay = numberAt(field(line, 6), 0).value_or(0);
}

void readRingtoneSetting(std::string_view line, const std::string& modelCode, TProfile& profile) {
    const std::string_view values = after(line, "SRTC:");
    if (const auto tone = numberAt(values, 0)) {
        profile.ringtoneNumber = *tone + 1;
        profile.ringtoneName = tools::getringtonename(profile.ringtoneNumber, modelCode);
    }
    const auto volume = numberAt(field(values, 1), 0);
    profile.volume = volume && *volume >= 1 && *volume <= 4 ? *volume : -1;
    profile.ringingMode = profile.volume == -1 ? 1 : 0;
}

void readRingtoneCount(std::string_view line, TProfile& profile) {
    if (const auto count = numberAt(slice(line, 10, 2), 0)) profile.ringtoneCount = *count;
}

void readEarpieceVolume(std::string_view line, TProfile& profile) {
    const std::string_view digit = slice(line, 7, 1);
    profile.earpieceVolume = !digit.empty() && digit[0] >= '0' && digit[0] <= '4'
                                 ? static_cast<uint16_t>(digit[0] - '0')
                                 : uint16_t{65535};
}

void readAlertMode(std::string_view line, TProfile& profile) {
    const std::string_view digit = slice(line, 7, 1);
    if (digit == "2") profile.ringingMode = 3;
    if (digit == "1") profile.ringingMode = 5;
}

void readVibration(std::string_view line, TProfile& profile) {
    profile.vibration = line == "+CVIB: 1" ? 1 : 0;
}

void readPhonebookLine(std::string_view line, TPhoneBookEntry& entry) {
    const size_t first = line.find('"');
    const size_t second = first == std::string_view::npos ? first : line.find('"', first + 1);
    const size_t third = second == std::string_view::npos ? second : line.find('"', second + 1);
    TNumberItem number;
    number.type = ntGeneral;
    number.isDefault = 1;
    if (second != std::string_view::npos)
        number.number = line.substr(first + 1, second - first - 1);
    std::string name;
    if (third != std::string_view::npos) {
        name = line.substr(third + 1);
        if (!name.empty()) name.pop_back();  // the closing quote
    }
    tools::gsmtolatin(name);
    entry.name = std::move(name);
    entry.numbers = {std::move(number)};
    entry.numberCount = 1;
    entry.group.groupName = " ";
}

std::optional<int> rangeCount(std::string_view text) {
    const size_t start = text.find_first_of("0123456789");
    if (start == std::string_view::npos) return std::nullopt;
    const auto low = numberAt(text, start);
    const size_t end = text.find_first_not_of("0123456789", start);
    if (end != std::string_view::npos && text[end] == '-') {
        if (const auto high = numberAt(text, end + 1)) return *high - *low + 1;
    }
    return low;
}

std::optional<int> highestIndex(std::string_view line) {
    const size_t dash = line.find('-');
    if (dash != std::string_view::npos) return numberAt(line, dash + 1);
    const size_t open = line.find('(');
    return open == std::string_view::npos ? std::nullopt : numberAt(line, open + 1);
}

std::string readServiceCentre(std::string_view line) {
    std::string_view number = slice(line, 7, std::string_view::npos);
    number = number.substr(0, number.find("\","));
    while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
    if (!number.empty() && number.front() == '"') number.remove_prefix(1);
    if (!number.empty() && number.back() == '"') number.remove_suffix(1);
    return std::string(number);
}

int storageStatus(std::string_view line) {
    return numberAt(field(slice(line, 7, std::string_view::npos), 0), 0).value_or(0);
}

}  // namespace phonelib::siemens
