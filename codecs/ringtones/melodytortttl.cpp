#include "codecs/ringtones/melodytortttl.h"

#include <algorithm>

#include "codecs/ringtones/tempotable.h"

namespace ringdecode {

std::string melodytortttl(const TMid& melody) {
    static constexpr const char* kNames[] = {"p",  "c", "c#", "d", "d#", "e", "f",
                                             "f#", "g", "g#", "a", "a#", "b"};
    const int tempo = melody.count > 0 ? tempoofindex(melody.entries[0].tempo) : 0;
    std::string text = melody.name + ":d=4,o=6,b=" + std::to_string(tempo) + ":";
    int length = 4;
    int octave = 6;
    for (int i = 0; i < std::min<int>(melody.count, kMaxEntries); ++i) {
        const TMelodyEntry& entry = melody.entries[i];
        if (entry.duration <= 7) length = 1 << entry.duration;
        if (entry.scale != kNotSet) octave = entry.scale;
        text += std::to_string(length);
        text += entry.note < std::size(kNames) ? kNames[entry.note] : "p";
        if (entry.dotted == 1) text += '.';
        text += std::to_string(octave) + ",";
    }
    return text;
}

}  // namespace ringdecode
