// Data files shipped with the system (operator table, ringtone names,
// language files) and the user's own changed copies of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

// The folders searched for a data file, in this order:
// - the user's folder of changed copies (userdatadirectory()), so that an
//   operator the user added wins over the shipped table;
// - beside the library (or program) file that holds this code;
// - the data folder of an installation, relative to that file, so that a
//   tree installed under another prefix finds its own files;
// - the data folder of the configured installation prefix;
// - the source tree's data folder (running from the build tree).
std::vector<std::filesystem::path> datafiledirectories();

// Full name of the data file `name` in the first folder that has it. Empty
// when none of them has it.
std::string finddatafile(const std::string& name);

// The user's folder for changed copies of data files:
// $XDG_DATA_HOME/corvina, else ~/.local/share/corvina. Empty when neither
// variable is set. Not created here.
std::filesystem::path userdatadirectory();

// "Datei netcode.csv nicht gefunden; gesucht in: A, B, C" for messages and
// log lines.
std::string missingdatafiletext(const std::string& name);

}  // namespace tools
