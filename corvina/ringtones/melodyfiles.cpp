#include "corvina/ringtones/melodyfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <array>

#include "codecs/midi/tmidi.h"
#include "codecs/ringtones/melodytortttl.h"
#include "codecs/ringtones/parseringtone.h"
#include "codecs/ringtones/tempotable.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/privatetemp.h"
#include "corvina/language/language.h"

namespace corvina {
namespace {

using ringdecode::kNotSet;

constexpr int kRtttlOctaveShift = 3;
// Note values of the melody record: 0 rest, 1 c ... 12 h.
constexpr std::array<int, 7> kStepValues = {1, 3, 5, 6, 8, 10, 12};
constexpr int kLongestOnStaff = 1;
constexpr int kShortestOnStaff = 6;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message about a file, beginning with its name.
QString namingFile(const QString& path, const QString& text) {
    return QFileInfo(path).fileName() + QStringLiteral(": ") + text;
}

int noteValueOf(const Note& note) {
    if (note.pause) return 0;
    return 1 + semitoneOf(note);
}

// The octave written for each note: its own, or for a rest the octave of
// the note before (of the first note when the melody begins with rests).
std::vector<int> writtenOctaves(const std::vector<Note>& notes) {
    const auto firstNote =
        std::find_if(notes.begin(), notes.end(), [](const Note& n) { return !n.pause; });
    int octave = firstNote == notes.end() ? 2 : firstNote->octave;
    std::vector<int> octaves;
    for (const Note& note : notes) {
        if (!note.pause) octave = note.octave;
        octaves.push_back(octave);
    }
    return octaves;
}

}  // namespace

MelodyContent contentOf(const Melody& melody) {
    return {melody.notes(), melody.tempo(), melody.title()};
}

ringdecode::TMid midOf(const MelodyContent& melody) {
    ringdecode::TMid mid;
    mid.name = melody.title.toStdString();
    const std::vector<int> octaves = writtenOctaves(melody.notes);
    int lastScale = -1;
    int lastDuration = -1;
    const int count = std::min<int>(static_cast<int>(melody.notes.size()), ringdecode::kMaxEntries);
    for (int i = 0; i < count; ++i) {
        const Note& note = melody.notes[i];
        ringdecode::TMelodyEntry& entry = mid.entries[i];
        const int scale = octaves[i] + kRtttlOctaveShift;
        if (scale != lastScale) entry.scale = static_cast<uint16_t>(scale);
        lastScale = scale;
        const int code = std::clamp(note.duration, kLongestOnStaff, kShortestOnStaff) - 1;
        if (code != lastDuration) entry.duration = static_cast<uint16_t>(code);
        lastDuration = code;
        entry.note = static_cast<uint16_t>(noteValueOf(note));
        entry.dotted = note.dotted ? 1 : kNotSet;
        entry.volume = 7;
        if (i == 0) entry.tempo = static_cast<uint16_t>(ringdecode::tempoindex(melody.tempo));
    }
    mid.count = count;
    return mid;
}

MelodyRead melodyOfMid(const ringdecode::TMid& mid) {
    MelodyRead read;
    read.ok = true;
    read.melody.title =
        mid.name.empty() ? QStringLiteral("CORVINA2") : fromUtf8(mid.name).left(kMaxTitleLength);
    const int tempoIndex = mid.count > 0 ? mid.entries[0].tempo : kNotSet;
    read.melody.tempo = ringdecode::tempoofindex(tempoIndex);
    if (read.melody.tempo == 0) {
        read.melody.tempo = kDefaultTempo;
        read.notices << tx("ringtones_1",
                           "Das Tempo ist unbekannt; die Melodie wird mit 125 "
                           "Schlägen pro Minute gespielt.");
    }
    int scale = 2 + kRtttlOctaveShift;
    int duration = 3;
    int shortened = 0;
    bool tooShort = false;
    int moved = 0;
    const int count = std::min(mid.count, ringdecode::kMaxEntries);
    for (int i = 0; i < count; ++i) {
        const ringdecode::TMelodyEntry& entry = mid.entries[i];
        if (entry.scale != kNotSet) scale = entry.scale;
        if (entry.duration != kNotSet) {
            duration = entry.duration + 1;
            tooShort = duration > kShortestOnStaff;
            if (tooShort) duration = kShortestOnStaff;
        }
        if (tooShort) ++shortened;
        Note note;
        note.duration = duration;
        note.dotted = entry.dotted == 1;
        note.pause = entry.note == 0 || entry.note > 12;
        int octave = scale - kRtttlOctaveShift;
        if (!note.pause) {
            const int semitone = entry.note - 1;
            note = noteOfKey(semitone, duration, note.dotted);
            if (octave < kLowestOctave || octave > kHighestOctave + 1) {
                octave = std::clamp(octave, kLowestOctave, kHighestOctave + 1);
                ++moved;
            }
        } else {
            octave = std::clamp(octave, kLowestOctave, kHighestOctave + 1);
        }
        note.octave = octave;
        read.melody.notes.push_back(note);
    }
    if (shortened > 0) {
        read.notices << tx("ringtones_2", "%1 Noten kürzer als 1/32 wurden als 1/32 übernommen.")
                            .arg(shortened);
    }
    if (moved > 0) {
        read.notices << tx("ringtones_3",
                           "%1 Noten außerhalb der Oktaven der Notenzeile wurden in die "
                           "nächste Oktave der Zeile gesetzt.")
                            .arg(moved);
    }
    if (read.melody.notes.size() > static_cast<size_t>(kMaxMelodyNotes)) {
        read.notices << tx("ringtones_4",
                           "Die Melodie hat %1 Noten; übernommen wurden die ersten %2.")
                            .arg(read.melody.notes.size())
                            .arg(kMaxMelodyNotes);
        read.melody.notes.resize(kMaxMelodyNotes);
    }
    return read;
}

std::string rtttlOf(const MelodyContent& melody) {
    return ringdecode::melodytortttl(midOf(melody));
}

MelodyRead melodyOfRtttl(const std::string& text) {
    auto mid = std::make_unique<ringdecode::TMid>();
    const tools::Outcome parsed = ringdecode::parseringtone(text, *mid);
    if (!parsed.ok()) {
        MelodyRead failed;
        failed.error = fromUtf8(parsed.message);
        return failed;
    }
    return melodyOfMid(*mid);
}

std::string midiFileOf(const MelodyContent& melody) {
    midi::TMidi writer;
    std::vector<midi::TNote> noten;
    const tools::Outcome parsed = writer.parsertttl(rtttlOf(melody), noten);
    if (!parsed.ok()) return {};
    writer.Tempo = melody.tempo;
    writer.MaxNotes = static_cast<int>(melody.notes.size()) + 2;
    return writer.midibytes(noten);
}

MelodyRead readRtttlFile(const QString& path) {
    const std::optional<std::string> line =
        tools::readfirstline(QFile::encodeName(path).toStdString());
    if (!line) {
        MelodyRead failed;
        failed.error = tx("ringtones_5", "Die Datei \"%1\" kann nicht gelesen werden.").arg(path);
        return failed;
    }
    MelodyRead read = melodyOfRtttl(*line);
    if (!read.ok) read.error = namingFile(path, read.error);
    return read;
}

QString saveMelodyFile(const QString& path, const MelodyContent& melody) {
    const bool text =
        QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
    const std::string bytes = text ? rtttlOf(melody) + "\r\n" : midiFileOf(melody);
    if (bytes.empty() ||
        !tools::writefileatomically(QFile::encodeName(path).toStdString(), bytes)) {
        return tx("ringtones_6", "Die Datei \"%1\" kann nicht geschrieben werden.").arg(path);
    }
    return {};
}

MidiImport::MidiImport(const QString& midiFile) : file_(midiFile) {
    const QString dir = QString::fromStdString(tools::privatetempdir());
    if (dir.isEmpty()) return;
    QTemporaryFile unique(QDir(dir).filePath(QStringLiteral("importXXXXXX.txt")));
    unique.setAutoRemove(false);
    if (unique.open()) rtttlFile_ = QFile::encodeName(unique.fileName()).toStdString();
}

MidiImport::~MidiImport() {
    if (!rtttlFile_.empty()) QFile::remove(QFile::decodeName(rtttlFile_.c_str()));
}

MelodyRead MidiImport::prepare() {
    MelodyRead read;
    if (rtttlFile_.empty()) {
        read.error = tx("ringtones_7", "Das temporäre Verzeichnis kann nicht angelegt werden.");
        return read;
    }
    const tools::Outcome outcome = converter_.prepareconversion(
        QFile::encodeName(file_).toStdString(), rtttlFile_, kMaxImportNotes, 1, 1, "CORVINA");
    if (!outcome.ok()) {
        read.error = namingFile(file_, fromUtf8(outcome.message));
        return read;
    }
    if (converter_.Midi1.Damaged) return damaged(outcome);
    if (needsChoice()) {
        if (!firstChoice()) {
            read.error =
                namingFile(file_, tx("ringtones_8", "Diese Midi-Datei enthält keine Noten!"));
            return read;
        }
        read.ok = true;
        return read;
    }
    read = readConverted();
    if (read.ok && !outcome.message.empty()) read.notices.prepend(fromUtf8(outcome.message));
    return read;
}

std::optional<midiconverter::TrackChannel> MidiImport::firstChoice() {
    for (int track = 1; track <= converter_.Midi1.Tracks; ++track) {
        if (!converter_.selecttrack(track).ok()) break;
        if (!converter_.channels.empty())
            return midiconverter::TrackChannel{track, converter_.channels.front()};
    }
    return std::nullopt;
}

MelodyRead MidiImport::take(int track, int channel) {
    const tools::Outcome outcome = converter_.convert(track, channel);
    if (converter_.Midi1.Damaged) return damaged(outcome);
    if (!outcome.ok()) {
        MelodyRead failed;
        failed.error = namingFile(file_, fromUtf8(outcome.message));
        return failed;
    }
    MelodyRead read = readConverted();
    if (read.ok && !outcome.message.empty()) read.notices.prepend(fromUtf8(outcome.message));
    return read;
}

MelodyRead MidiImport::damaged(const tools::Outcome& outcome) const {
    // A melody read up to a damage is not what the file holds: refused.
    MelodyRead failed;
    failed.error = namingFile(file_, fromUtf8(outcome.message));
    return failed;
}

MelodyRead MidiImport::readConverted() {
    const std::optional<std::string> line = tools::readfirstline(rtttlFile_);
    MelodyRead read;
    if (!line) {
        read.error = tx("ringtones_5", "Die Datei \"%1\" kann nicht gelesen werden.").arg(file_);
        return read;
    }
    read = melodyOfRtttl(*line);
    if (!read.ok) {
        read.error = namingFile(file_, read.error);
        return read;
    }
    // The tempo of the MIDI file itself, not its nearest step of the table.
    if (converter_.Midi1.Tempo > 0) {
        read.melody.tempo = std::clamp(converter_.Midi1.Tempo, kMinTempo, kMaxTempo);
    }
    return read;
}

}  // namespace corvina
