#include <algorithm>

#include "codecs/midi/tmidi.h"
#include "codecs/tools/filebytes.h"

namespace midi {
namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kTempoWithoutB = 93;
constexpr uint8_t kVelocity = 0x40;

void putVariableLength(std::string& out, uint32_t value) {
    char groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<char>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 1) out.push_back(static_cast<char>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

void putBigEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string TMidi::midibytes(const std::vector<TNote>& noten) const {
    const int bpm = Tempo > 0 ? Tempo : kTempoWithoutB;
    const uint32_t microseconds = std::min<uint32_t>(60000000u / bpm, 0xFFFFFF);

    std::string track = std::string("\x00\xFF\x51\x03", 4);
    putBigEndian(track, microseconds, 3);
    // Pauses have no events of their own: they become the delta time of the
    // next note (consecutive pauses add up); a pause at the end is dropped.
    uint32_t pause = 0;
    const size_t used = std::min(noten.size(), static_cast<size_t>(std::max(MaxNotes, 0)));
    for (size_t i = 0; i < used; ++i) {
        const TNote& element = noten[i];
        const auto ticks = static_cast<uint32_t>(std::max(element.ticks, 0));
        if (element.pause) {
            pause = std::min<uint32_t>(pause + ticks, 0x0FFFFFFF);  // largest delta time
            continue;
        }
        const char key = static_cast<char>(std::min<int>(element.note, 127));
        putVariableLength(track, pause);
        track += {'\x90', key, static_cast<char>(kVelocity)};
        putVariableLength(track, ticks);
        track += {key, '\0'};  // note off: running-status note on, velocity 0
        pause = 0;
    }
    track += std::string("\x00\xFF\x2F\x00", 4);

    std::string file = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12);
    putBigEndian(file, kTicksPerQuarter, 2);
    file += "MTrk";
    putBigEndian(file, static_cast<uint32_t>(track.size()), 4);
    return file + track;
}

tools::Outcome TMidi::writemidi() {
    const std::optional<std::string> line = tools::readfirstline(RTTLFile);
    if (!line) return tools::Outcome::failure("Datei " + RTTLFile + " kann nicht geöffnet werden!");
    if (tools::Outcome parsed = parsertttl(*line, Noten); !parsed.ok()) return parsed;
    if (!tools::writefileatomically(MidiFile, midibytes(Noten))) {
        return tools::Outcome::failure("Datei " + MidiFile + " kann nicht geschrieben werden!");
    }
    return tools::Outcome::success();
}

}  // namespace midi
