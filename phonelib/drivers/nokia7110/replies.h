// Handlers of the Nokia 7110/62xx dispatcher and the pure decoders of the
// answers this family's driver core reads: identity, battery, signal and the
// network answer with its operator logo. Decoders read only what the body
// holds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

// Type 0x40 identity answers, told apart by byte 2 (0x66, 0xC8, 0xCA).
void onIdentity40(std::span<const uint8_t> body);

// Type 0x17 sub-code 03, sent by the phone by itself: the battery charge in
// percent at byte 5, as a level 0..4 (25 % a step, more than 100 % is 4).
std::optional<uint8_t> decodeBattery(std::span<const uint8_t> body);
// Type 0x0A sub-code 82: the signal strength in percent at byte 4, as a
// level 0..4.
std::optional<uint8_t> decodeSignal(std::span<const uint8_t> body);
// Type 0x0A sub-code 71: the operator logo carried behind the network data.
// Byte 7 (k) says where: width at k+8, height at k+9, row data from k+14.
// False, and the logo unchanged, when the body does not hold all of it.
bool decodeNetworkLogo(std::span<const uint8_t> body, GSMBitmap& logo);

void onBattery(std::span<const uint8_t> body);
void onNetworkAnswer(std::span<const uint8_t> body);  // 0x71: network and logo
void onSignal(std::span<const uint8_t> body);         // 0x82 (status flag)
// Any other type 0x0A answer still ends the wait of a network request.
void onOtherNetworkAnswer(std::span<const uint8_t> body);

}  // namespace phonelib::nokia7110
