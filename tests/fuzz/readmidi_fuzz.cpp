// Feeds arbitrary bytes to the MIDI reader as a file's content, for the first
// and a later track and with a small note limit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "codecs/midi/tmidi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    for (uint8_t track : {1, 3}) {
        midi::TMidi midi;
        midi.Track = track;
        midi.MaxNotes = track == 1 ? 70 : 2;
        std::string rtttl;
        midi.readmididata(bytes, rtttl);
    }
    return 0;
}
