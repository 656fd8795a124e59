// GSM 03.38 seven-bit packing of SMS user data.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// Packs the septets (the top bit of every byte is ignored) into octets, least
// significant bits first, and returns them as hex text: n septets give
// ceil(7n/8) octets, spare high bits of the last octet are 0.
std::string packseptets(std::string_view septets);

// Unpacks up to `count` septets from packed hex text. Bits beyond the end of
// the data read as 0 and invalid digits as 0 (an odd last digit is a high
// nibble); at most as many septets as the hex text has characters come back,
// so a huge count cannot make a huge result. A count below 1 gives "".
std::string unpackseptets(std::string_view hex, int count);

}  // namespace tools
