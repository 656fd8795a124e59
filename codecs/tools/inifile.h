// Reading single values from INI files as the shipped data files use them:
// "[section]" lines, "key=value" lines, comments starting with ';' or '#'.
// Section and key names compare without regard to ASCII case; values are
// returned as the bytes of the file, without surrounding blanks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tools {

// The value of `key` in `section` of the file `path`; nothing when the file,
// the section or the key is missing.
std::optional<std::string> readinivalue(const std::string& path, const std::string& section,
                                        const std::string& key);

// The same on the text of an INI file.
std::optional<std::string> inivalue(std::string_view text, std::string_view section,
                                    std::string_view key);

}  // namespace tools
