// Reading texts and numbers out of a received message body without ever
// looking past its end.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace phonelib {

// The bytes from `from` up to (not including) the first terminator at or
// after it. Empty when no terminator follows inside the body.
std::string textUntil(std::span<const uint8_t> body, size_t from, uint8_t terminator);

// The position just after the first terminator at or after `from`, or the
// body size when there is none.
size_t afterTerminator(std::span<const uint8_t> body, size_t from, uint8_t terminator);

// The `count` bytes from `from` on; empty unless all of them lie inside the
// body.
std::string bytesAt(std::span<const uint8_t> body, size_t from, size_t count);

// The 16-bit big-endian number at `at`; 0 unless both bytes lie inside the
// body.
uint16_t wordAt(std::span<const uint8_t> body, size_t at);

// Two upper-case hex digits per byte of body[from, from + count).
std::string hexOf(std::span<const uint8_t> body, size_t from, size_t count);

}  // namespace phonelib
