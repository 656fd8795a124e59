// Conversion between RTTTL melodies and standard MIDI files.
//
// Reading takes one channel of one track of a MIDI file and turns it into a
// one-voice RTTTL melody; writing renders an RTTTL melody as a one-track MIDI
// file. Messages for the user come back in the returned outcome (German, as
// the program shows them).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codecs/tools/outcome.h"

namespace midi {

// Larger files are not taken for MIDI files.
inline constexpr long long kMaxMidiFileBytes = 16 * 1024 * 1024;

enum class TStyle { Staccato, Natural, Continuous };

// One element of a parsed RTTTL melody.
struct TNote {
    uint8_t note = 0;  // octave * 12 + semitone (c = 0 ... b = 11)
    int ticks = 0;     // duration, 480 ticks per quarter
    bool pause = false;
};

// The note name and the octave text of a MIDI note number.
struct TNoteText {
    std::string name;    // "c", "c#", ... "b"; empty for an invalid number
    std::string octave;  // octave plus Offset; empty when it equals DefaultScale
};

class TMidi {
  public:
    std::string MidiFile;    // MIDI file to read or write
    std::string RTTLFile;    // RTTTL text file to read or write
    uint8_t Midiformat = 0;  // format of the last MIDI header read
    int Tracks = 0;          // track count of the last MIDI header read
    int MaxNotes = 70;       // most notes taken from a track or written to a file
    int Delta = 0;           // ticks per quarter of the last MIDI header read
    int Tempo = 0;           // beats per minute, from b= or a MIDI tempo event
    uint8_t Channel = 1;     // channel to extract, 1..16
    uint8_t Track = 1;       // track to extract, from 1
    uint8_t DefaultScale = 5;
    uint8_t DefaultDuration = 4;
    int DefaultBeatsPerMinute = 160;
    TStyle Style = TStyle::Staccato;
    std::string DefaultName = "Eigen";  // RTTTL title written when reading MIDI
    int Offset = 0;                     // octaves added to every note read
    // The last read met a damaged file (no "MThd", an invalid note, a read
    // error); its notice says where, and the notes before it were kept.
    bool Damaged = false;

    std::vector<TNote> Noten;   // the melody of the last writemidi
    std::vector<int> Channels;  // channels with note events in the track last read

    // Parses RTTTL text into `noten`; the title becomes DefaultName and the
    // b= value Tempo (93 without one). Fails with "Keine gültige RTTL-Datei!"
    // for a missing, empty or over-long title or an unreadable note, and with
    // "Keine gültige RTTl-Datei" when the second ':' is missing.
    tools::Outcome parsertttl(std::string_view rtttl, std::vector<TNote>& noten);

    // Reads the first line of RTTLFile, parses it into Noten and writes the
    // melody as a one-track MIDI file MidiFile.
    tools::Outcome writemidi();
    // The MIDI file that writemidi writes for `noten`: format 0, 480 ticks per
    // quarter, the tempo Tempo, at most MaxNotes elements.
    std::string midibytes(const std::vector<TNote>& noten) const;

    // Reads channel Channel of track Track of MidiFile as RTTTL text, returns
    // it and writes it as one line to RTTLFile (when that is set). Fills
    // Midiformat, Tracks, Delta, Channels and, from a tempo event, Tempo.
    // Notices such as a missing "MThd" or a truncated track come back with a
    // successful outcome; the melody read so far is kept then.
    tools::Outcome readmidi(std::string& rtttl);
    // The same on the bytes of a MIDI file, without touching any file.
    tools::Outcome readmididata(std::span<const uint8_t> bytes, std::string& rtttl);

    // RTTTL note without octave for a length in ticks: the nearest of whole,
    // half, quarter, eighth, sixteenth and thirty-second, plain or dotted,
    // measured in Delta ticks per quarter. The length number is left out when
    // it equals DefaultDuration.
    std::string durationtext(const std::string& name, long long ticks) const;
    // Name and octave text of a MIDI note number; notes 120..127 lie in
    // octave 10, numbers above 127 give an empty name.
    TNoteText notetext(int note) const;
};

}  // namespace midi
