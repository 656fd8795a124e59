#include <algorithm>
#include <cstdio>
#include <optional>

#include "codecs/midi/tmidi.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/rounding.h"

namespace midi {
namespace {

constexpr int kLowestWantedOctave = 5;

// Reads big-endian numbers and variable-length quantities from a byte range;
// every read checks the end and reports failure instead of passing it.
class ByteReader {
  public:
    ByteReader(std::span<const uint8_t> bytes, size_t pos, size_t end)
        : bytes_(bytes), pos_(pos), end_(std::min(end, bytes.size())) {}

    size_t pos() const { return pos_; }
    bool atEnd() const { return pos_ >= end_; }

    std::optional<uint32_t> number(int size) {
        if (end_ - pos_ < static_cast<size_t>(size)) return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < size; ++i) value = value << 8 | bytes_[pos_++];
        return value;
    }
    std::optional<uint8_t> byte() {
        const std::optional<uint32_t> value = number(1);
        return value ? std::optional<uint8_t>(static_cast<uint8_t>(*value)) : std::nullopt;
    }
    // At most four bytes, as the file format allows.
    std::optional<uint32_t> variableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::optional<uint8_t> b = byte();
            if (!b) return std::nullopt;
            value = value << 7 | (*b & 0x7F);
            if (!(*b & 0x80)) return value;
        }
        return std::nullopt;
    }
    bool skip(size_t count) {
        if (end_ - pos_ < count) return false;
        pos_ += count;
        return true;
    }
    bool startsWith(std::string_view tag) const {
        return end_ - pos_ >= tag.size() &&
               std::equal(tag.begin(), tag.end(), bytes_.begin() + static_cast<long>(pos_));
    }
    void stepBack() { --pos_; }

  private:
    std::span<const uint8_t> bytes_;
    size_t pos_;
    size_t end_;
};

// What one pass over the chosen track collects.
struct Pass {
    std::string notes;  // RTTTL notes, each ending with ','
    int lowOctave = 0;  // octave of the last note that lay below octave 5
    tools::Outcome outcome;
};

std::string hexByte(int value) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// Reads the file header and moves to the data of track `track` (from 1).
// Returns the reader limited to that track's data.
std::optional<ByteReader> findTrack(TMidi& midi, std::span<const uint8_t> bytes, Pass& pass) {
    ByteReader file(bytes, 0, bytes.size());
    const bool tagged = file.startsWith("MThd");
    const std::optional<uint32_t> headerLength = file.skip(4) ? file.number(4) : std::nullopt;
    if (!headerLength) {
        pass.outcome = tools::Outcome::failure("Fehler beim Lesen des MIDI-Headers!");
        return std::nullopt;
    }
    if (!tagged) {
        pass.outcome.addnotice("Datei Header nicht gefunden!");
        midi.Damaged = true;
    }
    const std::optional<uint32_t> format = file.number(2);
    const std::optional<uint32_t> tracks = file.number(2);
    const std::optional<uint32_t> delta = file.number(2);
    if (!delta) {
        pass.outcome = tools::Outcome::failure("Fehler beim Lesen des MIDI-Headers!");
        return std::nullopt;
    }
    midi.Midiformat = static_cast<uint8_t>(*format);
    midi.Tracks = static_cast<int>(*tracks);
    midi.Delta = static_cast<int>(*delta);
    // A longer header chunk carries fields this reader does not use.
    if (tagged && *headerLength > 6 && !file.skip(*headerLength - 6)) {
        pass.outcome = tools::Outcome::failure("Fehler beim Lesen des MIDI-Headers!");
        return std::nullopt;
    }

    for (int n = 1;; ++n) {
        const bool isTrack = file.startsWith("MTrk");
        const std::optional<uint32_t> length = file.skip(4) ? file.number(4) : std::nullopt;
        if (!length) {
            pass.outcome = tools::Outcome::failure("Fehler beim Lesen des Track-Headers!");
            return std::nullopt;
        }
        if (!isTrack) {
            pass.outcome = tools::Outcome::failure("Track-Header nicht gefunden!");
            return std::nullopt;
        }
        if (n >= midi.Track) return ByteReader(bytes, file.pos(), file.pos() + *length);
        if (!file.skip(*length)) {
            pass.outcome = tools::Outcome::failure("Fehler beim Lesen des Track-Headers!");
            return std::nullopt;
        }
    }
}

Pass readPass(TMidi& midi, std::span<const uint8_t> bytes) {
    Pass pass;
    midi.Channels.clear();
    midi.Damaged = false;
    std::optional<ByteReader> found = findTrack(midi, bytes, pass);
    if (!found) return pass;
    ByteReader& track = *found;

    long long elapsed = 0;  // ticks since the last note started or ended
    int noteCount = 0;
    int sounding = -1;  // note number of the sounding note
    std::string soundingName;
    int running = 0;  // running status, 0 when none
    int status = 0;
    const auto noteText = [&](int note) {
        const TNoteText text = midi.notetext(note);
        if (text.name.empty()) {
            pass.outcome.addnotice("Ungültiger Notenwert " + hexByte(note));
            midi.Damaged = true;
        }
        const int octave = note / 12;
        if (octave + midi.Offset < kLowestWantedOctave) pass.lowOctave = octave;
        return text;
    };
    const auto readError = [&] {
        pass.outcome.addnotice("Fehler beim Lesen der Midi-Events! Letzter Event:" +
                               hexByte(status));
        midi.Damaged = true;
    };

    for (;;) {
        const std::optional<uint32_t> delta = track.variableLength();
        const std::optional<uint8_t> first = delta ? track.byte() : std::nullopt;
        if (!first) {
            readError();
            return pass;
        }
        elapsed += *delta;
        if (running == 0 || (*first & 0x80)) {
            status = *first;
        } else {
            track.stepBack();
            status = running;
        }

        bool ok = true;
        if (status == 0xFF) {
            const std::optional<uint8_t> type = track.byte();
            const std::optional<uint32_t> length = type ? track.variableLength() : std::nullopt;
            const size_t data = track.pos();
            ok = length && track.skip(*length);
            if (ok && *type == 0x2F) return pass;
            if (ok && *type == 0x51 && *length >= 3) {
                const uint32_t microseconds =
                    bytes[data] << 16 | bytes[data + 1] << 8 | bytes[data + 2];
                if (microseconds > 0)
                    midi.Tempo = tools::roundhalfeven(60 / (microseconds * 0.000001));
            }
            running = 0;
        } else if (status == 0xF0 || status == 0xF7) {
            const std::optional<uint32_t> length = track.variableLength();
            ok = length && track.skip(*length);
            running = 0;
        } else if (status >= 0xF1 && status <= 0xFE) {
            ok = track.skip(status == 0xF2 ? 2 : status == 0xF1 || status == 0xF3 ? 1 : 0);
            running = 0;
        } else if (status >= 0x80 && status <= 0x9F) {
            running = status;
            const std::optional<uint8_t> note = track.byte();
            const std::optional<uint8_t> velocity = note ? track.byte() : std::nullopt;
            ok = velocity.has_value();
            if (ok) {
                const int channel = (status & 0x0F) + 1;
                if (std::find(midi.Channels.begin(), midi.Channels.end(), channel) ==
                    midi.Channels.end()) {
                    midi.Channels.push_back(channel);
                }
                const bool noteOn = (status & 0xF0) == 0x90 && *velocity > 0;
                if (channel == midi.Channel && noteOn && sounding < 0) {
                    ++noteCount;
                    if (elapsed > 0) pass.notes += midi.durationtext("p", elapsed) + ",";
                    sounding = *note;
                    soundingName = noteText(*note).name;
                    elapsed = 0;
                    if (noteCount >= midi.MaxNotes) {
                        pass.outcome.addnotice("Die Midi-Datei enthält mehr Noten; übernommen "
                                               "wurden die ersten " +
                                               std::to_string(midi.MaxNotes - 1) + ".");
                        return pass;
                    }
                } else if (channel == midi.Channel && !noteOn && *note == sounding) {
                    pass.notes +=
                        midi.durationtext(soundingName, elapsed) + noteText(*note).octave + ",";
                    sounding = -1;
                    elapsed = 0;
                }
            }
        } else if (status >= 0xA0 && status <= 0xEF) {
            running = status;
            ok = track.skip(status >= 0xC0 && status <= 0xDF ? 1 : 2);
        }
        if (!ok) {
            readError();
            return pass;
        }
    }
}

}  // namespace

tools::Outcome TMidi::readmididata(std::span<const uint8_t> bytes, std::string& rtttl) {
    Pass pass = readPass(*this, bytes);
    if (pass.outcome.ok() && pass.lowOctave > 0) {
        // Lift the melody so that its low notes reach octave 5, and read again.
        Offset = kLowestWantedOctave - pass.lowOctave;
        pass = readPass(*this, bytes);
    }
    if (!pass.outcome.ok()) return pass.outcome;
    rtttl = DefaultName + ":d=" + std::to_string(DefaultDuration) +
            ",o=" + std::to_string(DefaultScale) + ",b=" + std::to_string(Tempo) + ":" + pass.notes;
    return pass.outcome;
}

tools::Outcome TMidi::readmidi(std::string& rtttl) {
    Channels.clear();
    const std::optional<std::string> file = tools::readfilebytes(MidiFile, kMaxMidiFileBytes);
    if (!file) return tools::Outcome::failure("Datei " + MidiFile + " kann nicht geöffnet werden!");
    const auto* data = reinterpret_cast<const uint8_t*>(file->data());
    tools::Outcome outcome = readmididata(std::span<const uint8_t>(data, file->size()), rtttl);
    if (outcome.ok() && !RTTLFile.empty() &&
        !tools::writefileatomically(RTTLFile, rtttl + "\r\n")) {
        return tools::Outcome::failure("Datei " + RTTLFile + " kann nicht geschrieben werden!");
    }
    return outcome;
}

}  // namespace midi
