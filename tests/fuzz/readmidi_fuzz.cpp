// Feeds arbitrary bytes to the MIDI reader as a file's content, for the first
// and a later track and with a small note limit, and takes each channel of
// the first track the way a MIDI file becomes a ringtone: its RTTTL text is
// parsed and encoded for the phone.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "codecs/midi/tmidi.h"
#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/parseringtone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    std::vector<int> channels;
    for (uint8_t track : {1, 3}) {
        midi::TMidi midi;
        midi.Track = track;
        midi.MaxNotes = track == 1 ? 70 : 2;
        std::string rtttl;
        midi.readmididata(bytes, rtttl);
        if (track == 1) channels = midi.Channels;
    }
    for (size_t i = 0; i < channels.size() && i < 2; ++i) {
        midi::TMidi midi;
        midi.Channel = static_cast<uint8_t>(channels[i]);
        midi.MaxNotes = 150;
        std::string rtttl;
        if (!midi.readmididata(bytes, rtttl).ok()) continue;
        ringdecode::TMid melody;
        std::string hex;
        if (ringdecode::parseringtone(rtttl, melody).ok()) ringdecode::encoderingtone(melody, hex);
    }
    return 0;
}
