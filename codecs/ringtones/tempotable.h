// The tempo and duration codes of the Smart Messaging ringtone.
#pragma once

#include <array>

namespace ringdecode {

// Beats per minute of the tempo indexes 0..31.
constexpr std::array<int, 32> kTempi = {25,  28,  31,  35,  40,  45,  50,  56,  63,  70,  80,
                                        90,  100, 112, 125, 140, 160, 180, 200, 225, 250, 285,
                                        320, 355, 400, 450, 500, 565, 635, 715, 800, 900};
constexpr int kDefaultTempoIndex = 14;  // 125 beats per minute

// The smallest index whose tempo is at least `bpm`; a tempo below 1 or above
// 900 gets the default index.
constexpr int tempoindex(int bpm) {
    if (bpm < 1 || bpm > kTempi.back()) return kDefaultTempoIndex;
    int k = 0;
    while (kTempi[k] < bpm) ++k;
    return k;
}

// Beats per minute of a tempo index; 0 outside 0..31.
constexpr int tempoofindex(int index) {
    return index >= 0 && index < static_cast<int>(kTempi.size()) ? kTempi[index] : 0;
}

// Duration code of a note length (1 whole, 2 half, 4 quarter ... 128); -1 for
// other lengths.
constexpr int durationcode(int length) {
    for (int code = 0; code <= 7; ++code) {
        if (length == 1 << code) return code;
    }
    return -1;
}

}  // namespace ringdecode
