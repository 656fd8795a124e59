// Feeds arbitrary text to the RTTTL parser of the MIDI converter, renders what
// it accepts as a MIDI file and reads that back.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codecs/midi/tmidi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    midi::TMidi midi;
    std::vector<midi::TNote> notes;
    if (midi.parsertttl(std::string_view(reinterpret_cast<const char*>(data), size), notes).ok()) {
        const std::string file = midi.midibytes(notes);
        std::string rtttl;
        midi.readmididata(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(file.data()), file.size()),
            rtttl);
    }
    return 0;
}
