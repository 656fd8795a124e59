// The line structure that vCard and vCalendar objects share: lines ending in
// CR LF, each a key (with its parameters, "TEL;HOME") and a value after the
// first colon.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace phonelib::siemens {

// Builds an object line by line, each ending in CR LF.
class VObjectWriter {
  public:
    void line(const std::string& text) { text_ += text + "\r\n"; }
    // The line only when the value is not empty.
    void optional(const std::string& key, const std::string& value) {
        if (!value.empty()) line(key + value);
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// The lines of a text; CR LF, LF and CR all end a line.
std::vector<std::string> splitLines(std::string_view text);
// The parts of a value between the separators.
std::vector<std::string> splitAt(std::string_view value, char separator);
// Every line that holds a colon, as the upper-cased key before the first
// colon and the value after it.
std::vector<std::pair<std::string, std::string>> keyedLines(std::string_view text);

}  // namespace phonelib::siemens
