#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "codecs/midi/midiconverter.h"
#include "codecs/midi/tmidi.h"
#include "codecs/tools/filebytes.h"

using midi::TMidi;
using midi::TNote;

namespace {

std::string vlq(uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), static_cast<char>((value & 0x7F) | 0x80));
    return out;
}

std::string be(uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i)));
    return out;
}

// One event: delta time and bytes.
std::string ev(uint32_t delta, std::initializer_list<int> bytes) {
    std::string out = vlq(delta);
    for (int b : bytes) out.push_back(static_cast<char>(b));
    return out;
}

const std::string kEnd = ev(0, {0xFF, 0x2F, 0x00});

std::string chunk(const std::string& data) {
    return "MTrk" + be(data.size(), 4) + data;
}

std::string smf(int ticksPerQuarter, const std::vector<std::string>& tracks) {
    std::string file = "MThd" + be(6, 4) + be(1, 2) + be(tracks.size(), 2) + be(ticksPerQuarter, 2);
    for (const std::string& track : tracks) file += chunk(track);
    return file;
}

// A note on channel 1 (status 0x90) lasting `ticks`, after `gap` ticks.
std::string note(int key, uint32_t ticks, uint32_t gap = 0, int channel = 1) {
    return ev(gap, {0x8F + channel, key, 100}) + ev(ticks, {0x7F + channel, key, 0});
}

struct Read {
    tools::Outcome outcome;
    std::string rtttl;
};

Read readBytes(TMidi& midi, const std::string& file) {
    Read read;
    read.outcome = midi.readmididata(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(file.data()), file.size()),
        read.rtttl);
    return read;
}

std::string notesOf(const std::string& rtttl) {
    return rtttl.substr(rtttl.rfind(':') + 1);
}

}  // namespace

TEST(Midi, ParsesRtttlIntoTicks) {
    TMidi midi;
    std::vector<TNote> notes;
    ASSERT_TRUE(midi.parsertttl("Test:d=4,o=5,b=125:c,8e.6, 16p, 2A#7.", notes).ok());
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].note, 60);
    EXPECT_EQ(notes[0].ticks, 480);
    EXPECT_EQ(notes[1].note, 76);
    EXPECT_EQ(notes[1].ticks, 360);
    EXPECT_TRUE(notes[2].pause);
    EXPECT_EQ(notes[2].ticks, 120);
    EXPECT_EQ(notes[3].note, 94);
    EXPECT_EQ(notes[3].ticks, 1440);
    EXPECT_EQ(midi.Tempo, 125);
    EXPECT_EQ(midi.DefaultName, "Test");

    for (const char* bad : {"no title", ":d=4:c", "ABCDEFGHIJKLMNOPQRSTU:d=4:c", "T:d=x:c",
                            "T:d=4,o=5:h", "T:d=4,o=5:c,,d", "T:d=0:c", "T:o=11:c"}) {
        const tools::Outcome outcome = midi.parsertttl(bad, notes);
        EXPECT_EQ(outcome.message, "Keine gültige RTTL-Datei!") << bad;
        EXPECT_TRUE(notes.empty()) << bad;
    }
    EXPECT_EQ(midi.parsertttl("T:d=4,o=5,b=125", notes).message, "Keine gültige RTTl-Datei");
}

TEST(Midi, WritesOneTrackFile) {
    TMidi midi;
    std::vector<TNote> notes;
    ASSERT_TRUE(midi.parsertttl("Test:d=4,o=5,b=125:p,8p,c,8e.6,p", notes).ok());
    const std::string expected =
        smf(480, {ev(0, {0xFF, 0x51, 0x03, 0x07, 0x53, 0x00}) +  // 480000 us per quarter
                  ev(720, {0x90, 60, 0x40}) + vlq(480) + std::string{60, 0} +
                  ev(0, {0x90, 76, 0x40}) + vlq(360) + std::string{76, 0} + kEnd})
            .replace(8, 2, be(0, 2));  // format 0
    EXPECT_EQ(midi.midibytes(notes), expected);

    ASSERT_TRUE(midi.parsertttl("Test:d=4,o=5:c", notes).ok());
    EXPECT_EQ(midi.midibytes(notes).substr(26, 3), be(645161, 3));  // trunc(60 / 93 * 10^6)

    midi.MaxNotes = 1;
    ASSERT_TRUE(midi.parsertttl("T:d=4,o=5,b=125:c,d,e", notes).ok());
    EXPECT_EQ(midi.midibytes(notes).size(), 22u + 7 + 8 + 4);
}

TEST(Midi, NamesDurations) {
    TMidi midi;
    midi.Delta = 96;
    EXPECT_EQ(midi.durationtext("c", 100), "c");
    EXPECT_EQ(midi.durationtext("c", 144), "c.");
    EXPECT_EQ(midi.durationtext("p", 400), "1p");
    EXPECT_EQ(midi.durationtext("d#", 12), "32d#");
    EXPECT_EQ(midi.durationtext("e", 60), "8e.");  // 48 and 72 are equally near: the later wins
    EXPECT_EQ(midi.notetext(60).name, "c");
    EXPECT_EQ(midi.notetext(60).octave, "");
    EXPECT_EQ(midi.notetext(127).octave, "10");
    EXPECT_EQ(midi.notetext(128).name, "");
}

TEST(Midi, ReadsTheChosenChannel) {
    TMidi midi;
    const std::string track =
        ev(0, {0xFF, 0x51, 0x03, 0x07, 0x53, 0x00}) + ev(0, {0xFF, 0x03, 0x02, 'h', 'i'}) +
        ev(384, {0x91, 50, 90}) +                  // channel 2 first: enters the list first
        ev(0, {0x90, 60, 90}) + ev(0, {64, 90}) +  // two notes struck together (running status)
        ev(0, {0xB0, 7, 100}) + ev(0, {0xC0, 5}) + ev(0, {0xF0, 0x02, 0x01, 0xF7}) +
        ev(96, {0x80, 64, 0}) +  // not the sounding note: ignored
        ev(48, {0x80, 60, 0}) +  // c lasted a dotted quarter
        ev(0, {0x81, 50, 0}) +   //
        note(62, 192, 0) + note(67, 96, 192) + kEnd;
    const std::string file = smf(96, {track});
    const Read read = readBytes(midi, file);
    EXPECT_TRUE(read.outcome.ok()) << read.outcome.message;
    EXPECT_EQ(read.outcome.message, "");
    EXPECT_EQ(read.rtttl, "Eigen:d=4,o=5,b=125:1p,c.,2d,2p,g,");
    EXPECT_EQ(midi.Channels, (std::vector<int>{2, 1}));
    EXPECT_EQ(midi.Tracks, 1);
    EXPECT_EQ(midi.Delta, 96);

    midi.MaxNotes = 3;
    EXPECT_EQ(notesOf(readBytes(midi, file).rtttl), "1p,c.,2d,2p,");

    midi.MaxNotes = 70;
    midi.Channel = 2;
    EXPECT_EQ(notesOf(readBytes(midi, file).rtttl), "1p,d.,");  // d4 lifted to octave 5
}

TEST(Midi, LiftsLowMelodiesOnASecondPass) {
    TMidi midi;
    const std::string file = smf(480, {note(48, 480) + note(36, 480) + note(50, 480) + kEnd});
    const Read read = readBytes(midi, file);
    EXPECT_EQ(midi.Offset, 1);  // the last low note (d4) decides
    EXPECT_EQ(notesOf(read.rtttl), "c,c4,d,");

    midi.Offset = 0;
    readBytes(midi, smf(480, {note(40, 480) + note(72, 480) + kEnd}));
    EXPECT_EQ(midi.Offset, 2);

    midi.Offset = 0;
    EXPECT_EQ(notesOf(readBytes(midi, smf(480, {note(0, 480) + kEnd})).rtttl), "c0,");
    EXPECT_EQ(midi.Offset, 0);  // octave 0 does not lift
}

TEST(Midi, RefusesOrStopsOnBrokenFiles) {
    TMidi midi;
    const std::string good = smf(480, {note(60, 480) + kEnd});
    EXPECT_EQ(readBytes(midi, "MThd").outcome.message, "Fehler beim Lesen des MIDI-Headers!");
    EXPECT_EQ(readBytes(midi, good.substr(0, 14)).outcome.message,
              "Fehler beim Lesen des Track-Headers!");
    std::string tagless = good;
    tagless.replace(14, 4, "XTrk");
    EXPECT_EQ(readBytes(midi, tagless).outcome.message, "Track-Header nicht gefunden!");

    std::string header = good;
    header.replace(0, 4, "RIFF");
    Read read = readBytes(midi, header);
    EXPECT_TRUE(read.outcome.ok());
    EXPECT_EQ(read.outcome.message, "Datei Header nicht gefunden!");

    // Cut inside the note-off event: the note that started is not written.
    read = readBytes(midi, good.substr(0, good.size() - 5));
    EXPECT_TRUE(read.outcome.ok());
    EXPECT_EQ(read.outcome.message, "Fehler beim Lesen der Midi-Events! Letzter Event:80");
    EXPECT_EQ(notesOf(read.rtttl), "");

    // Lengths far beyond the file, a five-byte delta, a track without end.
    for (const std::string& track :
         {ev(0, {0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F}), ev(0, {0xF0, 0xFF, 0xFF, 0xFF, 0x7F}),
          std::string("\x81\x81\x81\x81\x01\x90\x3C\x40", 8), note(60, 480)}) {
        read = readBytes(midi, smf(480, {track}));
        EXPECT_TRUE(read.outcome.message.starts_with("Fehler beim Lesen der Midi-Events!"));
    }
    // A chunk length beyond the file while skipping to the second track.
    std::string skipped = good;
    skipped.replace(18, 4, be(0x7FFFFFFF, 4));
    midi.Track = 2;
    EXPECT_EQ(readBytes(midi, skipped).outcome.message, "Fehler beim Lesen des Track-Headers!");
}

TEST(Midi, RtttlMidiRtttlRoundTrip) {
    QTemporaryDir dir;
    TMidi writer;
    writer.RTTLFile = dir.filePath("in.txt").toStdString();
    writer.MidiFile = dir.filePath("out.mid").toStdString();
    const std::string notes = "c,8d#6,2p,16e.7,32f#,1g.,4a#5,b,";
    std::ofstream(writer.RTTLFile) << "Song:d=4,o=5,b=140:" << notes << "\r\nsecond line\r\n";
    ASSERT_TRUE(writer.writemidi().ok());

    TMidi reader;
    reader.MidiFile = writer.MidiFile;
    reader.RTTLFile = dir.filePath("back.txt").toStdString();
    reader.DefaultName = "Song";
    std::string rtttl;
    ASSERT_TRUE(reader.readmidi(rtttl).ok());
    EXPECT_EQ(rtttl, "Song:d=4,o=5,b=140:c,8d#6,2p,16e.7,32f#,1g.,a#,b,");
    EXPECT_EQ(tools::readfirstline(reader.RTTLFile), rtttl);

    reader.MidiFile = dir.filePath("missing.mid").toStdString();
    EXPECT_EQ(reader.readmidi(rtttl).message,
              "Datei " + reader.MidiFile + " kann nicht geöffnet werden!");
}

TEST(MidiConverter, OneTrackOneChannelConvertsWithoutAsking) {
    QTemporaryDir dir;
    const std::string midiFile = dir.filePath("one.mid").toStdString();
    const std::string rttlFile = dir.filePath("one.txt").toStdString();
    tools::writefileatomically(midiFile,
                               smf(480, {note(60, 480, 0, 3) + note(62, 240, 0, 3) + kEnd}));

    midiconverter::TConverter converter;
    bool asked = false;
    const tools::Outcome outcome = midiconverter::convertmidi(
        converter, midiFile, rttlFile, 150, "Corvina", [&](midiconverter::TConverter&) {
            asked = true;
            return std::nullopt;
        });
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_FALSE(asked);
    EXPECT_EQ(converter.trackLines, std::vector<std::string>{"Track 1"});
    EXPECT_EQ(converter.Midi1.Channel, 3);
    EXPECT_EQ(tools::readfirstline(rttlFile), "Corvina:d=4,o=5,b=125:c,8d,");
    EXPECT_EQ(converter.renderedMidiFile, "");

    // A second channel after more notes than the limit still counts.
    tools::writefileatomically(midiFile, smf(480, {note(60, 480) + note(62, 480) + note(64, 480) +
                                                   note(65, 480, 0, 2) + kEnd}));
    EXPECT_TRUE(converter.prepareconversion(midiFile, rttlFile, 2, 0, 0, "T").ok());
    EXPECT_EQ(converter.channels, (std::vector<int>{1, 2}));
    EXPECT_TRUE(converter.needschoice());
}

TEST(MidiConverter, SeveralTracksAskTheChooserOrTakeTheFirstWithNotes) {
    QTemporaryDir dir;
    const std::string midiFile = dir.filePath("multi.mid").toStdString();
    const std::string rttlFile = dir.filePath("multi.txt").toStdString();
    tools::writefileatomically(
        midiFile, smf(480, {ev(0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}) + kEnd,  // tempo track
                            note(36, 480, 0, 2) + note(72, 480, 0, 5) + kEnd}));

    midiconverter::TConverter converter;
    tools::Outcome outcome =
        midiconverter::convertmidi(converter, midiFile, rttlFile, 150, "T", {});
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.message,
              "Die Midi-Datei enthält mehrere Tracks oder Channel; übernommen wurden Track 2 und "
              "Channel 2.");
    EXPECT_EQ(tools::readfirstline(rttlFile), "T:d=4,o=5,b=120:c,");  // octave 3 lifted by 2
    ASSERT_FALSE(converter.renderedMidiFile.empty());
    const std::string rendered = *tools::readfilebytes(converter.renderedMidiFile, 1000);
    EXPECT_NE(rendered.find(std::string{'\x90', 60, 0x40}), std::string::npos);

    int calls = 0;
    outcome = midiconverter::convertmidi(
        converter, midiFile, rttlFile, 150, "T",
        [&](midiconverter::TConverter& c) -> std::optional<midiconverter::TrackChannel> {
            ++calls;
            EXPECT_EQ(c.trackLines.size(), 2u);
            EXPECT_TRUE(c.channels.empty());  // track 1 holds no notes
            EXPECT_EQ(c.render(1, 1).message, "Dieser Track enthält keine Noten!");
            EXPECT_TRUE(c.selecttrack(2).ok());
            EXPECT_EQ(c.channels, (std::vector<int>{2, 5}));
            return midiconverter::TrackChannel{2, 5};
        });
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(tools::readfirstline(rttlFile), "T:d=4,o=5,b=120:p,c6,");

    outcome = midiconverter::convertmidi(converter, midiFile, rttlFile, 150, "T",
                                         [](midiconverter::TConverter&) { return std::nullopt; });
    EXPECT_EQ(outcome.status, tools::Outcome::Status::Cancelled);

    tools::writefileatomically(midiFile, "MThd" + be(6, 4) + be(0, 6));
    outcome = midiconverter::convertmidi(converter, midiFile, rttlFile, 150, "T", {});
    EXPECT_EQ(outcome.message, "Diese Datei enthält keine Midi-Daten!");
    EXPECT_EQ(outcome.caption, "Fehler");
}
