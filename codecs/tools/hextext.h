// Hex text and bit strings: how phone data and PDUs travel inside the library.
//
// Hex text is two upper-case hex digits per byte, high nibble first, without
// separators. Bit strings are texts of '0' and '1', most significant bit first.
// None of these routines fails: invalid digits read as 0.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// '0'..'9' give 0..9, 'A'..'F' give 10..15, anything else (lower case too) 0.
int hexdigitvalue(char c);

// Each pair of digits becomes one byte; an odd trailing digit is ignored.
std::string hextobytes(std::string_view hex);

// Each byte becomes two upper-case hex digits.
std::string bytestohex(std::string_view bytes);

// Two hex digits become an 8-character bit string (missing digits read as 0).
std::string hextobits(std::string_view twoDigits);

// A bit string of n characters: character i (1-based) weighs 2^(n-i).
// Any character other than '1' counts as 0.
int bitstoint(std::string_view bits);

}  // namespace tools
