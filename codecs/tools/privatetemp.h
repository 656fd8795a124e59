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

// The full name of the file `name` in this process's folder of the private
// temporary directory (named by the process id, so two programs or test
// runs never write each other's files); empty when there is none. Making
// the folder removes those of processes that have ended.
std::string privatetempfile(const std::string& name);

}  // namespace tools
