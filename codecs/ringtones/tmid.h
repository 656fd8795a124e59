// The melody record between RTTTL text and the Smart Messaging ringtone.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ringdecode {

// Value of a melody entry field that is not set.
constexpr uint16_t kNotSet = 0xFFFF;
constexpr int kMaxEntries = 1000;

// One note of a melody. A field that repeats the previous entry's value is
// left not set.
struct TMelodyEntry {
    uint16_t scale = kNotSet;     // RTTTL octave (4 is the lowest the phones play)
    uint16_t style = kNotSet;     // always not set
    uint16_t tempo = kNotSet;     // tempo index, first entry only
    uint16_t volume = kNotSet;    // always not set
    uint16_t note = kNotSet;      // 0 pause, 1 c, 2 c#, 3 d, ... 12 b
    uint16_t duration = kNotSet;  // duration code: 0 whole ... 7 128th
    uint16_t dotted = kNotSet;    // 1 dotted
};

struct TMid {
    std::string name;  // song title
    uint16_t loop = 0;
    std::array<TMelodyEntry, kMaxEntries> entries{};
    int32_t count = 0;         // used entries
    int32_t instructions = 0;  // filled by countinstructions
};

}  // namespace ringdecode
