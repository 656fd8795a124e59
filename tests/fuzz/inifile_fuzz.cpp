// Feeds arbitrary text to the INI reader of the shipped data files
// ("ringtones.ini"): the first line names the section, the second the key,
// the rest is the file. A value found comes without surrounding blanks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "codecs/tools/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto line = [&text] {
        const size_t end = text.find('\n');
        const std::string_view first = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        return first;
    };
    const std::string_view section = line();
    const std::string_view key = line();
    const auto value = tools::inivalue(text, section, key);
    if (value && !value->empty()) {
        for (const char edge : {value->front(), value->back()}) {
            if (edge == ' ' || edge == '\t' || edge == '\r' || edge == '\n') std::abort();
        }
    }
    return 0;
}
