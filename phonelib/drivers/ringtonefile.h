// A ringtone file turned into the ringtone bytes the Nokia phones take: an
// RTTTL text file (".txt", its first line) or a MIDI file (".mid", through
// the MIDI converter), whatever the case of the extension.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace phonelib {

struct RingtoneBytes {
    // stDone, stUnsupportedFile (other extension), stCannotOpen (the file
    // cannot be opened) or stFileUnreadable (it cannot be read, or its melody
    // cannot be converted or encoded).
    uint8_t status = 0;
    std::vector<uint8_t> bytes;
    std::string message;  // why it failed, in German, for the log and the CLI
};

// MIDI files are converted without asking: the first track and channel that
// hold notes, at most this many notes, under this title.
constexpr int kMidiRingtoneNotes = 150;
inline constexpr const char* kMidiRingtoneTitle = "Corvina";

RingtoneBytes loadringtone(const std::string& fileName);

// The ringtone text (RTTTL) of the same files, before it is encoded; the
// status codes are those of loadringtone.
struct RingtoneText {
    uint8_t status = 0;
    std::string rtttl;
    std::string message;
};
RingtoneText loadringtonetext(const std::string& fileName);

}  // namespace phonelib
