// Temporary files of the codecs live in a directory that only the current user
// can enter, never under fixed names in a shared temporary directory.
#pragma once

#include <string>

namespace tools {

// The private temporary directory: "corvina" in the user's runtime directory
// ($XDG_RUNTIME_DIR), else "corvina-<uid>" in the system temporary directory.
// It is created with mode 0700; an existing one must be a real directory owned
// by the user and is closed to others. Empty when no safe directory exists.
std::string privatetempdir();

// The full name of the file `name` in the private temporary directory; empty
// when there is none.
std::string privatetempfile(const std::string& name);

}  // namespace tools
