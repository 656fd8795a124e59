// Feeds arbitrary text to the RTTTL parser and encodes and rewrites what it
// accepts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/melodytortttl.h"
#include "codecs/ringtones/parseringtone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ringdecode::TMid melody;
    if (ringdecode::parseringtone(std::string_view(reinterpret_cast<const char*>(data), size),
                                  melody)
            .ok()) {
        std::string hex;
        ringdecode::encoderingtone(melody, hex);
        ringdecode::countinstructions(melody);
        ringdecode::melodytortttl(melody);
    }
    return 0;
}
