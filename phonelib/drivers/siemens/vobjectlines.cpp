#include "phonelib/drivers/siemens/vobjectlines.h"

#include "phonelib/drivers/siemens/atengine.h"

namespace phonelib::siemens {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> splitAt(std::string_view value, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = value.find(separator, start);
        parts.emplace_back(value.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::pair<std::string, std::string>> keyedLines(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> keyed;
    for (const std::string& line : splitLines(text)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        keyed.emplace_back(upper(line.substr(0, colon)), line.substr(colon + 1));
    }
    return keyed;
}

}  // namespace phonelib::siemens
