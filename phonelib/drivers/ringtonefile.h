// A ringtone file turned into what a phone takes: the ringtone bytes of the
// Nokia phones, or the MIDI file of the Siemens phones. The file is an
// RTTTL text file (".txt", its first line) or a MIDI file (".mid"), whatever
// the case of the extension.
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

struct MidiObject {
    // stDone, stUnsupportedFile, stCannotOpen, stFileUnreadable as above, or
    // stTooLong for a MIDI file beyond `maxBytes`.
    uint8_t status = 0;
    std::string bytes;    // a standard MIDI file
    std::string message;  // why it failed, in German
};

// The MIDI file a phone plays: an RTTTL melody rendered as MIDI, or the MIDI
// file itself. A MIDI file of several tracks or channels is cut down to the
// first track and channel that hold notes.
MidiObject loadmidiobject(const std::string& fileName, long long maxBytes);

}  // namespace phonelib
