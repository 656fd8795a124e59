#include "codecs/tools/semioctets.h"

namespace tools {

namespace {

// Swaps the characters of each pair; a lone last character stays in place.
std::string swappairs(std::string_view text) {
    std::string swapped(text);
    for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

}  // namespace

std::string semioctetencode(std::string_view digits) {
    std::string padded(digits);
    if (padded.size() % 2 != 0) padded.push_back('F');
    return swappairs(padded);
}

std::string semioctetdecode(std::string_view semiOctets) {
    std::string digits = swappairs(semiOctets);
    const size_t filler = digits.find('F');
    if (filler != std::string::npos) digits.erase(filler, 10);
    return digits;
}

}  // namespace tools
