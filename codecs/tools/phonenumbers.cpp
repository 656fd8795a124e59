#include "codecs/tools/phonenumbers.h"

#include <charconv>

#include "codecs/tools/semioctets.h"

namespace tools {

namespace {

bool isdecimal(char c) {
    return c >= '0' && c <= '9';
}

// True when the text is what a signed 64-bit parse accepts: an optional '+'
// and then only digits, at least one, not above the largest int64 value.
bool fitsint64(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    for (char c : text) {
        if (!isdecimal(c)) return false;
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int8_t formatnumber(std::string& number) {
    if (number.empty()) return -1;
    std::string normalised = number;
    int8_t type = 0;
    if (normalised.starts_with("00")) {
        normalised.replace(0, 2, "+");
    } else if (isdecimal(normalised.front())) {
        type = 1;
    } else if (normalised.front() != '+') {
        return -1;
    }
    if (!fitsint64(normalised)) return -1;
    number = normalised;
    return type;
}

std::string makenetcode(std::string_view operatorCode) {
    if (operatorCode.size() < 5) return "00F000";
    const std::string_view network = operatorCode.substr(3, operatorCode.size() == 5 ? 2 : 1);
    return semioctetencode(operatorCode.substr(0, 3)) + semioctetencode(network);
}

}  // namespace tools
