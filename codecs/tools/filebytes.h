// Whole-file reads and atomic writes for the codecs that work on files.
#pragma once

#include <optional>
#include <string>

namespace tools {

// The bytes of the file; nothing when it cannot be opened or read, or when it
// is larger than `maxBytes`.
std::optional<std::string> readfilebytes(const std::string& path, long long maxBytes);

// The first line of a text file without its line end (LF or CR LF); nothing
// when the file cannot be opened. An empty file gives an empty line.
std::optional<std::string> readfirstline(const std::string& path);

// Writes the bytes through a temporary file that then replaces `path`, so
// the file is either complete or unchanged. False when that fails.
bool writefileatomically(const std::string& path, const std::string& bytes);

}  // namespace tools
