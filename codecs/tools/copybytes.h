// Copying runs of bytes out of and between byte arrays (phone message bodies,
// picture data) with every index checked: a run that reaches past either end
// is shortened to what both arrays hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tools {

// The bytes source[start, start + count) as a string.
std::string copybytes(std::span<const uint8_t> source, size_t start, size_t count);

// Copies source[sourceStart, sourceStart + count) to target from targetStart
// on (the two runs may overlap); returns the number of bytes copied.
size_t copybytes(std::span<const uint8_t> source, size_t sourceStart, std::span<uint8_t> target,
                 size_t targetStart, size_t count);

}  // namespace tools
