#include "corvina/ringtones/melody.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvina {
namespace {

constexpr std::array<int, 7> kStepSemitones = {0, 2, 4, 5, 7, 9, 11};
// Step and sharp of each semitone of the octave.
constexpr std::array<int, 12> kSemitoneSteps = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<bool, 12> kSemitoneSharp = {false, true,  false, true,  false, false,
                                                 true,  false, true,  false, true,  false};
constexpr std::array<const char*, 7> kStepNames = {"c", "d", "e", "f", "g", "a", "h"};

Note withNoteNumber(Note note, int number) {
    note.octave = number / 12;
    note.step = kSemitoneSteps[number % 12];
    note.sharp = kSemitoneSharp[number % 12];
    return note;
}

}  // namespace

int semitoneOf(const Note& note) {
    const int step = std::clamp(note.step, 0, 6);
    // e and h have no sharp of their own; f and c of the next octave stand
    // for them.
    const bool sharp = note.sharp && step != 2 && step != 6;
    return kStepSemitones[step] + (sharp ? 1 : 0);
}

int noteNumberOf(const Note& note) {
    return 12 * note.octave + semitoneOf(note);
}

Note noteOfKey(int noteNumber, int duration, bool dotted) {
    Note note;
    note.duration = duration;
    note.dotted = dotted;
    return withNoteNumber(note, std::max(noteNumber, 0));
}

bool phonePlays(const Note& note) {
    if (note.pause) return true;
    if (note.octave == 1) return note.step >= 5;
    return note.octave >= 2 && note.octave <= kHighestOctave;
}

int buzzerFrequency(const Note& note) {
    if (note.pause) return 0;
    const int k = noteNumberOf(note) - 9;
    const long hz = std::lround(220.0 * std::pow(1.0595, k));
    return hz < 220 ? 0 : static_cast<int>(hz);
}

int lengthMs(const Note& note, int tempo) {
    const double whole = 60.0 / std::max(tempo, 1) * 1000.0 * 4.0;
    double length = whole / static_cast<double>(1 << std::clamp(note.duration - 1, 0, 5));
    if (note.dotted) length *= 1.5;
    return static_cast<int>(std::lround(length));
}

QString noteText(const Note& note) {
    QString text = note.pause ? QStringLiteral("p")
                              : QString::fromLatin1(kStepNames[std::clamp(note.step, 0, 6)]) +
                                    (note.sharp ? QStringLiteral("#") : QString()) +
                                    QString::number(note.octave);
    if (note.dotted) text += QLatin1Char('.');
    return QStringLiteral("1/%1 ").arg(1 << std::clamp(note.duration - 1, 0, 5)) + text;
}

bool Melody::insert(const Note& note) {
    if (size() >= kMaxMelodyNotes) return false;
    beforeEdit();
    notes_.insert(notes_.begin() + (cursor_ + 1), note);
    ++cursor_;
    return true;
}

bool Melody::insertRest(int duration, bool dotted) {
    Note rest;
    rest.pause = true;
    rest.duration = duration;
    rest.dotted = dotted;
    if (cursor_ >= 0) rest.octave = notes_[cursor_].octave;
    return insert(rest);
}

bool Melody::removeMarked() {
    if (cursor_ < 0 || cursor_ >= size()) return false;
    beforeEdit();
    notes_.erase(notes_.begin() + cursor_);
    cursor_ = std::min(cursor_, size() - 1);
    return true;
}

void Melody::select(int index) {
    cursor_ = std::clamp(index, -1, size() - 1);
}

bool Melody::transpose(int direction) {
    std::vector<Note> moved = notes_;
    for (Note& note : moved) {
        if (note.pause) continue;
        const int number = noteNumberOf(note) + direction;
        if (number < 12 * kLowestOctave || number >= 12 * (kHighestOctave + 1)) return false;
        note = withNoteNumber(note, number);
    }
    beforeEdit();
    notes_ = std::move(moved);
    transposition_ += direction;
    return true;
}

void Melody::setTempo(int tempo) {
    const int kept = std::clamp(tempo, kMinTempo, kMaxTempo);
    if (kept == tempo_) return;
    tempo_ = kept;
    modified_ = true;
}

bool Melody::setTitle(const QString& title) {
    if (title.isEmpty() || title.size() > kMaxTitleLength || title.contains(QLatin1Char(':'))) {
        return false;
    }
    if (title != title_) modified_ = true;
    title_ = title;
    return true;
}

void Melody::clear() {
    replace({}, tempo_, QStringLiteral("CORVINA2"));
}

void Melody::replace(std::vector<Note> notes, int tempo, const QString& title) {
    if (notes.size() > static_cast<size_t>(kMaxMelodyNotes)) notes.resize(kMaxMelodyNotes);
    notes_ = std::move(notes);
    cursor_ = notes_.empty() ? -1 : 0;
    tempo_ = std::clamp(tempo, kMinTempo, kMaxTempo);
    title_ = title.isEmpty() ? QStringLiteral("CORVINA2") : title.left(kMaxTitleLength);
    transposition_ = 0;
    modified_ = false;
    undo_.clear();
    redo_.clear();
}

void Melody::beforeEdit() {
    undo_.push_back(snapshot());
    redo_.clear();
    modified_ = true;
}

void Melody::restore(const Snapshot& snapshot) {
    notes_ = snapshot.notes;
    cursor_ = snapshot.cursor;
    transposition_ = snapshot.transposition;
    modified_ = true;
}

void Melody::undo() {
    if (undo_.empty()) return;
    redo_.push_back(snapshot());
    restore(undo_.back());
    undo_.pop_back();
}

void Melody::redo() {
    if (redo_.empty()) return;
    undo_.push_back(snapshot());
    restore(redo_.back());
    redo_.pop_back();
}

}  // namespace corvina
