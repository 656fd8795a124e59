// The melody the ringtone editor works on: up to 200 notes, a cursor, tempo,
// title and the transposition counter, with the edits the editor offers
// (insert from a piano key, rest, delete, transpose) and their undo. No
// widgets: the editor window shows it and forwards the user's actions.
#pragma once

#include <QString>
#include <vector>

namespace corvina {

// One note on the staff. Octaves are staff octaves: RTTTL octave = staff
// octave + 3, piano note number = 12 × octave + semitone, MIDI key = note
// number + 48 (a of octave 1 is 440 Hz).
struct Note {
    int octave = 2;    // 0..4 on the piano
    int duration = 3;  // 1 whole, 2 half, 3 quarter, 4 eighth, 5 sixteenth, 6 thirty-second
    int step = 0;      // 0 c, 1 d, 2 e, 3 f, 4 g, 5 a, 6 h
    bool sharp = false;
    bool dotted = false;
    bool pause = false;  // a rest carries no pitch of its own

    bool operator==(const Note&) const = default;
};

inline constexpr int kMaxMelodyNotes = 200;
inline constexpr int kLowestOctave = 0;
inline constexpr int kHighestOctave = 4;
inline constexpr int kMinTempo = 25;
inline constexpr int kMaxTempo = 900;
inline constexpr int kDefaultTempo = 125;
inline constexpr int kMaxTitleLength = 15;
inline constexpr int kMidiKeyOffset = 48;

// Semitone inside the octave (c 0 ... h 11).
int semitoneOf(const Note& note);
// Piano note number: 12 × octave + semitone.
int noteNumberOf(const Note& note);
// The note of a piano key, with the given length and dot.
Note noteOfKey(int noteNumber, int duration, bool dotted);
// Whether the phone plays the note as written: rests, a to h of octave 1
// and octaves 2 to 4.
bool phonePlays(const Note& note);
// Buzzer frequency in Hz: 220 × 1.0595^k rounded, k = semitone +
// 12 × octave − 9; 0 for rests and anything below 220 Hz.
int buzzerFrequency(const Note& note);
// Length in milliseconds at `tempo` quarter beats per minute.
int lengthMs(const Note& note, int tempo);
// "c#1", "h2.", "Pause" for the user.
QString noteText(const Note& note);

class Melody {
  public:
    const std::vector<Note>& notes() const { return notes_; }
    int size() const { return static_cast<int>(notes_.size()); }
    bool empty() const { return notes_.empty(); }
    // Index of the marked note; −1 marks the place before the first note.
    int cursor() const { return cursor_; }
    int tempo() const { return tempo_; }
    const QString& title() const { return title_; }
    int transposition() const { return transposition_; }
    bool modified() const { return modified_; }

    // Inserts after the cursor; the new note becomes the cursor. False when
    // the melody is full.
    bool insert(const Note& note);
    // A rest of the given length after the cursor, at the octave of the note
    // before it.
    bool insertRest(int duration, bool dotted);
    // Removes the marked note; the cursor stays on its index, limited to the
    // new last note. False without a marked note.
    bool removeMarked();
    // Marks a note; an index below 0 marks the place before the first note,
    // one past the end the last note.
    void select(int index);
    // Moves every note one semitone up (+1) or down (−1). Refused (false,
    // nothing changes) when a note would leave octaves 0 to 4.
    bool transpose(int direction);
    // Tempo in quarter beats per minute, kept inside 25..900.
    void setTempo(int tempo);
    // 1 to 15 characters; false (title unchanged) otherwise.
    bool setTitle(const QString& title);
    // Empties the melody ("Neu"): title "CORVINA2", counter 0.
    void clear();
    // A melody read from a file replaces this one; counter 0, cursor on the
    // first note, nothing to undo.
    void replace(std::vector<Note> notes, int tempo, const QString& title);
    void markSaved() { modified_ = false; }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();

  private:
    struct Snapshot {
        std::vector<Note> notes;
        int cursor = -1;
        int transposition = 0;
    };
    Snapshot snapshot() const { return {notes_, cursor_, transposition_}; }
    void restore(const Snapshot& snapshot);
    void beforeEdit();

    std::vector<Note> notes_;
    int cursor_ = -1;
    int tempo_ = kDefaultTempo;
    QString title_ = QStringLiteral("CORVINA2");
    int transposition_ = 0;
    bool modified_ = false;
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
};

}  // namespace corvina
