// The melody model: entering, transposing, the buzzer's numbers, and the
// melody kept through RTTTL text and MIDI files.
#include "corvina/ringtones/melody.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "codecs/ringtones/tempotable.h"
#include "corvina/ringtones/melodyfiles.h"

namespace corvina {
namespace {

Note tone(int step, int octave, int duration = 3, bool sharp = false, bool dotted = false) {
    Note note;
    note.step = step;
    note.octave = octave;
    note.duration = duration;
    note.sharp = sharp;
    note.dotted = dotted;
    return note;
}

Note rest(int duration, bool dotted = false) {
    Note note;
    note.pause = true;
    note.duration = duration;
    note.dotted = dotted;
    return note;
}

// Rests compare without their octave: they carry no pitch.
void expectSameNotes(const std::vector<Note>& read, const std::vector<Note>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i].pause, written[i].pause);
        EXPECT_EQ(read[i].duration, written[i].duration);
        EXPECT_EQ(read[i].dotted, written[i].dotted);
        if (!written[i].pause) {
            EXPECT_EQ(noteNumberOf(read[i]), noteNumberOf(written[i]));
        }
    }
}

TEST(Melody, ReadsRtttlIntoStaffOctavesAndTempo) {
    const MelodyRead read = melodyOfRtttl("Test:d=4,o=5,b=125:c,e,g");
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.notices.isEmpty());
    EXPECT_EQ(read.melody.title, "Test");
    EXPECT_EQ(read.melody.tempo, 125);
    expectSameNotes(read.melody.notes, {tone(0, 2), tone(2, 2), tone(4, 2)});
}

TEST(Melody, KeysInsertAfterTheCursorAndTranspositionStopsAtThePianosEnds) {
    Melody melody;
    EXPECT_EQ(melody.cursor(), -1);
    ASSERT_TRUE(melody.insert(noteOfKey(13, 3, false)));
    EXPECT_EQ(melody.notes()[0], tone(0, 1, 3, true));
    // A key inserts behind the marked note; before the first when the place
    // before it is marked.
    melody.insert(noteOfKey(23, 4, true));  // h1, dotted eighth
    melody.select(-1);
    melody.insert(noteOfKey(0, 1, false));
    ASSERT_EQ(melody.size(), 3);
    EXPECT_EQ(melody.cursor(), 0);
    EXPECT_EQ(noteNumberOf(melody.notes()[0]), 0);
    EXPECT_EQ(melody.notes()[2], tone(6, 1, 4, false, true));

    // h of octave 1 up is c of octave 2; c of octave 0 cannot go down.
    melody.insertRest(2, false);
    EXPECT_FALSE(melody.transpose(-1));
    EXPECT_EQ(melody.transposition(), 0);
    ASSERT_TRUE(melody.transpose(+1));
    EXPECT_EQ(melody.transposition(), 1);
    EXPECT_EQ(melody.notes()[3], tone(0, 2, 4, false, true));
    EXPECT_TRUE(melody.notes()[1].pause);

    Melody high;
    high.insert(noteOfKey(59, 3, false));  // h4, the piano's last key
    EXPECT_FALSE(high.transpose(+1));
    EXPECT_EQ(high.notes()[0].octave, 4);

    // Undo and redo walk the edits back and forth, counter included.
    melody.undo();
    EXPECT_EQ(melody.transposition(), 0);
    EXPECT_EQ(melody.notes()[3], tone(6, 1, 4, false, true));
    melody.redo();
    EXPECT_EQ(melody.transposition(), 1);
}

TEST(Melody, DeletingKeepsTheCursorInsideAndTheLimitHolds) {
    Melody melody;
    EXPECT_FALSE(melody.removeMarked());
    for (int i = 0; i < kMaxMelodyNotes; ++i)
        ASSERT_TRUE(melody.insert(noteOfKey(24 + i % 12, 3, false)));
    EXPECT_FALSE(melody.insert(noteOfKey(24, 3, false)));
    EXPECT_FALSE(melody.insertRest(3, false));
    EXPECT_EQ(melody.cursor(), kMaxMelodyNotes - 1);
    ASSERT_TRUE(melody.removeMarked());
    EXPECT_EQ(melody.cursor(), kMaxMelodyNotes - 2);
    melody.select(0);
    melody.removeMarked();
    EXPECT_EQ(melody.cursor(), 0);
    melody.clear();
    EXPECT_EQ(melody.cursor(), -1);
    EXPECT_FALSE(melody.removeMarked());
}

TEST(Melody, BuzzerNumbers) {
    EXPECT_EQ(lengthMs(tone(0, 2, 3, false, true), 120), 750);
    EXPECT_EQ(lengthMs(tone(0, 2, 1), 125), 1920);
    EXPECT_EQ(buzzerFrequency(tone(5, 1)), 440);
    EXPECT_EQ(buzzerFrequency(tone(5, 0)), 220);
    EXPECT_EQ(buzzerFrequency(tone(4, 0)), 0);  // below 220 Hz
    EXPECT_EQ(buzzerFrequency(rest(3)), 0);
    EXPECT_TRUE(phonePlays(tone(5, 1)));
    EXPECT_FALSE(phonePlays(tone(4, 1, 3, true)));
    EXPECT_FALSE(phonePlays(tone(0, 5)));
}

TEST(Melody, TempoOfTheFieldGoesToTheNearestStepAtOrAbove) {
    MelodyContent content;
    content.notes = {tone(0, 2)};
    content.tempo = 118;
    EXPECT_EQ(midOf(content).entries[0].tempo, 14);
    content.tempo = 25;
    EXPECT_EQ(midOf(content).entries[0].tempo, 0);
    // 25 and 28 survive a save and a load (the field takes them).
    Melody melody;
    melody.setTempo(25);
    EXPECT_EQ(melody.tempo(), 25);
    melody.setTempo(1000);
    EXPECT_EQ(melody.tempo(), 900);
}

TEST(Melody, RtttlAndMidiFilesKeepEveryLengthDotSharpAndRest) {
    QTemporaryDir dir;
    MelodyContent content;
    content.title = QStringLiteral("Alle");
    content.tempo = 140;
    // RTTTL: octaves 0 to 4, a leading rest, adjacent rests, a closing rest.
    content.notes = {rest(3),
                     tone(0, 0, 1),
                     tone(3, 1, 2, true),
                     tone(5, 2, 3, false, true),
                     rest(4, true),
                     rest(5),
                     tone(6, 3, 4),
                     tone(1, 4, 5, true, true),
                     tone(2, 4, 6),
                     tone(4, 2, 6, true, true),
                     rest(1)};
    const QString text = dir.filePath("alle.txt");
    ASSERT_TRUE(saveMelodyFile(text, content).isEmpty());
    const MelodyRead fromText = readRtttlFile(text);
    ASSERT_TRUE(fromText.ok) << fromText.error.toStdString();
    EXPECT_EQ(fromText.melody.title, "Alle");
    EXPECT_EQ(fromText.melody.tempo, 140);
    expectSameNotes(fromText.melody.notes, content.notes);

    // MIDI: octaves 2 to 4 (the reader lifts lower melodies), rests only
    // between notes; its tempo is the field's, not the table's.
    content.tempo = 118;
    content.notes = {tone(0, 2, 1), tone(3, 2, 2, true), tone(5, 3, 3, false, true),
                     rest(4, true), tone(6, 3, 4),       tone(1, 4, 5, true, true),
                     rest(2),       tone(2, 4, 6),       tone(4, 2, 6, true, true)};
    const QString mid = dir.filePath("alle.mid");
    ASSERT_TRUE(saveMelodyFile(mid, content).isEmpty());
    MidiImport import(mid);
    const MelodyRead fromMidi = import.prepare();
    ASSERT_TRUE(fromMidi.ok) << fromMidi.error.toStdString();
    EXPECT_FALSE(import.needsChoice());
    EXPECT_EQ(fromMidi.melody.tempo, 118);
    expectSameNotes(fromMidi.melody.notes, content.notes);
}

TEST(Melody, ShortAndLongMelodiesAreCutWithNotices) {
    MelodyRead read = melodyOfRtttl("Kurz:d=64,o=5,b=125:c,d,32e,64f");
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.melody.notes.size(), 4u);
    for (const Note& note : read.melody.notes) EXPECT_EQ(note.duration, 6);
    ASSERT_EQ(read.notices.size(), 1);
    EXPECT_TRUE(read.notices[0].startsWith("3 ")) << read.notices[0].toStdString();

    std::string many = "Lang:d=8,o=5,b=200:";
    for (int i = 0; i < 230; ++i) many += "c,";
    read = melodyOfRtttl(many);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.melody.notes.size(), size_t(kMaxMelodyNotes));
    EXPECT_EQ(read.notices.size(), 1);
}

TEST(Melody, DamagedRtttlIsRefusedWithTheFileNamed) {
    QTemporaryDir dir;
    for (const char* text :
         {"Test:d=4,o=5,b=125:", "Test:d=x,o=5,b=125:c", "Test:d=4,o=5,b=125:3c", "nur text"}) {
        SCOPED_TRACE(text);
        const QString path = dir.filePath("kaputt.txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        const MelodyRead read = readRtttlFile(path);
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.error.startsWith("kaputt.txt: ")) << read.error.toStdString();
    }
    EXPECT_FALSE(readRtttlFile(dir.filePath("fehlt.txt")).ok);
}

}  // namespace
}  // namespace corvina
