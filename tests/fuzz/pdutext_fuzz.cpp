// Feeds untrusted phone data to the hex, semi-octet and septet decoders. The
// first byte is the septet count; the rest is the hex text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "codecs/tools/hextext.h"
#include "codecs/tools/semioctets.h"
#include "codecs/tools/septets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int count = static_cast<int8_t>(data[0]) * 3;  // negative and larger than the data too
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string septets = tools::unpackseptets(text, count);
    if (septets.size() > text.size()) std::abort();
    for (char c : septets) {
        if (static_cast<uint8_t>(c) > 0x7F) std::abort();
    }

    const std::string bytes = tools::hextobytes(text);
    if (bytes.size() != text.size() / 2) std::abort();
    if (tools::hextobytes(tools::bytestohex(text)) != text) std::abort();

    if (tools::semioctetdecode(text).size() > text.size()) std::abort();
    return 0;
}
