// Mapping between Windows-1252 text and the GSM 03.38 default alphabet.
//
// Both directions work on bytes in place; nothing is re-encoded. The table is
// the default alphabet as the phones of this family show it: the Greek
// capitals and the escape code read as '?', code 0x11 as '_', 0x24 as the
// currency sign, 0x40 as the inverted exclamation mark and 0x60 as the
// inverted question mark.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tools {

// Entry n is the Windows-1252 byte shown for GSM default-alphabet code n.
extern const std::array<uint8_t, 128> kGsmAlphabet;

// Replaces every byte by the first GSM code whose table entry equals it. '?'
// stays 0x3F; a byte the table does not hold passes unchanged.
void latintogsm(std::string& text);

// Replaces every code 0..127 by its table entry; bytes from 128 up pass unchanged.
void gsmtolatin(std::string& septets);

}  // namespace tools
