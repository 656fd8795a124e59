// The editor's melody as RTTTL text, as the melody record of the ringtone
// codec and as a MIDI file, and reading it back from RTTTL and MIDI files.
// Staff octave + 3 is the RTTTL octave; a rest is written with the octave of
// the note before it.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "codecs/midi/midiconverter.h"
#include "codecs/ringtones/tmid.h"
#include "corvina/ringtones/melody.h"

namespace corvina {

// A melody as stored in a file.
struct MelodyContent {
    std::vector<Note> notes;
    int tempo = kDefaultTempo;
    QString title = QStringLiteral("CORVINA2");
};

// The result of reading: the melody, or the reason it could not be read;
// notices tell what was changed on the way.
struct MelodyRead {
    bool ok = false;
    bool cancelled = false;
    QString error;
    QStringList notices;
    MelodyContent melody;
};

MelodyContent contentOf(const Melody& melody);

ringdecode::TMid midOf(const MelodyContent& melody);
// The melody record back to notes. Lengths shorter than a thirty-second
// become thirty-seconds, tempi outside the phone's table 125, octaves
// outside the staff are moved inside it, notes beyond 200 are dropped; each
// with a notice.
MelodyRead melodyOfMid(const ringdecode::TMid& mid);

std::string rtttlOf(const MelodyContent& melody);
MelodyRead melodyOfRtttl(const std::string& text);
// A one-track MIDI file of the melody at its exact tempo, in the octaves
// RTTTL names (staff octave + 3).
std::string midiFileOf(const MelodyContent& melody);

// Reads the first line of an RTTTL text file; errors name the file.
MelodyRead readRtttlFile(const QString& path);
// Writes ".txt" as RTTTL and anything else as MIDI, atomically; the reason
// when it fails, else empty.
QString saveMelodyFile(const QString& path, const MelodyContent& melody);

// Turning a MIDI file into a melody: prepare(), then, when several tracks
// or channels are there, let the user choose and take(track, channel).
class MidiImport {
  public:
    static constexpr int kMaxImportNotes = 150;

    explicit MidiImport(const QString& midiFile);
    ~MidiImport();

    // Reads the track list; with one track and one channel the melody is
    // ready (needsChoice() false).
    MelodyRead prepare();
    bool needsChoice() const { return converter_.needschoice(); }
    // The first track that holds notes and its first channel (selected);
    // nothing when no track holds notes.
    std::optional<midiconverter::TrackChannel> firstChoice();
    MelodyRead take(int track, int channel);
    midiconverter::TConverter& converter() { return converter_; }
    const QString& file() const { return file_; }

  private:
    MelodyRead readConverted();
    MelodyRead damaged(const tools::Outcome& outcome) const;

    QString file_;
    std::string rtttlFile_;  // unique in the private temporary directory
    midiconverter::TConverter converter_;
};

}  // namespace corvina
