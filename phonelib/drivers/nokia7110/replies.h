// Handlers of the Nokia 7110/62xx dispatcher.
#pragma once

#include <cstdint>
#include <span>

namespace phonelib::nokia7110 {

// Type 0x40 identity answers, told apart by byte 2 (0x66, 0xC8, 0xCA).
void onIdentity40(std::span<const uint8_t> body);

}  // namespace phonelib::nokia7110
