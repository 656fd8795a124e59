// Data files shipped with the system (operator table, ringtone names).
#pragma once

#include <string>

namespace tools {

// Full name of the data file `name`: first beside the library (or program)
// file that holds this code, then in the installed data directory, then in the
// source tree's data folder. Empty when none of them has it.
std::string finddatafile(const std::string& name);

}  // namespace tools
