// Semi-octet digit coding: the swapped-nibble form in which PDUs, service
// centre numbers and network codes carry decimal digits as hex text.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// Swaps each pair of characters; an odd count is completed with the filler
// 'F' as the first character of the last pair ("262" gives "62F2").
std::string semioctetencode(std::string_view digits);

// Swaps each pair back; a lone trailing character is kept as it is. If the
// result holds an 'F', that filler and up to 9 characters after it are cut.
std::string semioctetdecode(std::string_view semiOctets);

}  // namespace tools
