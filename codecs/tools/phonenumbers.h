// Phone-number notation and the network code that operator logos carry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tools {

// Normalises a phone number for a PDU or an AT command: a leading "00"
// becomes '+'. Returns 0 for an international number (leading '+'), 1 for a
// national one (leading digit) and -1 for anything that is not a '+' or none
// followed by digits that fit a signed 64-bit integer; on -1 the number is
// left as it came.
int8_t formatnumber(std::string& number);

// The semi-octet network code of an operator code such as "26201": the
// country code (first three digits) with filler, then the network code: the
// 4th and 5th digit for a five-digit code, the 4th alone for a longer one
// (the logo format has a single octet for it). Codes shorter than five
// characters give "00F000".
std::string makenetcode(std::string_view operatorCode);

}  // namespace tools
