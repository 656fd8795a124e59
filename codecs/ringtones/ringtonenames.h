// Display names of the phones' built-in ringtones.
#pragma once

#include <string>

namespace tools {

// The name of ringtone `number` of the phone model `modelCode` (for example
// "NSE-3") from "ringtones.ini": section = model code, key = number. The
// number itself as text when the file, the section or the key is missing.
std::string getringtonename(int number, const std::string& modelCode);

}  // namespace tools
