#include <array>
#include <cstdlib>

#include "codecs/midi/tmidi.h"

namespace midi {

std::string TMidi::durationtext(const std::string& name, long long ticks) const {
    struct Candidate {
        long long ticks;
        int length;
        bool dotted;
    };
    const long long q = Delta;
    const std::array<Candidate, 12> candidates = {{
        {4 * q, 1, false},
        {6 * q, 1, true},
        {2 * q, 2, false},
        {3 * q, 2, true},
        {q, 4, false},
        {q + q / 2, 4, true},
        {q / 2, 8, false},
        {q / 2 + q / 4, 8, true},
        {q / 4, 16, false},
        {q / 4 + q / 8, 16, true},
        {q / 8, 32, false},
        {q / 8 + q / 16, 32, true},
    }};
    // The nearest candidate; on equal distance the later one.
    const Candidate* best = &candidates[0];
    for (const Candidate& candidate : candidates) {
        if (std::llabs(candidate.ticks - ticks) <= std::llabs(best->ticks - ticks)) {
            best = &candidate;
        }
    }
    std::string text = best->length == DefaultDuration ? "" : std::to_string(best->length);
    text += name;
    if (best->dotted) text += '.';
    return text;
}

TNoteText TMidi::notetext(int note) const {
    static constexpr const char* kNames[] = {"c",  "c#", "d",  "d#", "e",  "f",
                                             "f#", "g",  "g#", "a",  "a#", "b"};
    if (note < 0 || note > 127) return {};
    const int octave = note / 12 + Offset;
    return {kNames[note % 12], octave == DefaultScale ? "" : std::to_string(octave)};
}

}  // namespace midi
