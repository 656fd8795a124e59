#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <tuple>
#include <vector>

#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/melodytortttl.h"
#include "codecs/ringtones/parseringtone.h"
#include "codecs/ringtones/ringtonenames.h"
#include "codecs/ringtones/tempotable.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/inifile.h"

using namespace ringdecode;

namespace {

// A note with every field resolved: (duration code, note, octave, dotted).
using Note = std::tuple<int, int, int, bool>;

std::vector<Note> resolved(const TMid& melody) {
    std::vector<Note> notes;
    int duration = -1, octave = -1;
    for (int i = 0; i < melody.count; ++i) {
        const TMelodyEntry& e = melody.entries[i];
        if (e.duration != kNotSet) duration = e.duration;
        if (e.scale != kNotSet) octave = e.scale;
        notes.emplace_back(duration, e.note, octave, e.dotted == 1);
    }
    return notes;
}

TMid parsed(const std::string& text) {
    TMid melody;
    const tools::Outcome outcome = parseringtone(text, melody);
    EXPECT_TRUE(outcome.ok()) << text << ": " << outcome.message;
    return melody;
}

// Reads the note instructions back from an encoded ringtone: (scale, note).
std::vector<std::pair<int, int>> soundingNotes(const std::string& hex) {
    std::string bits;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bits += tools::hextobits(hex.substr(i, 2));
    size_t pos = 8 + 7 + 1 + 7 + 3;
    const auto take = [&](int width) {
        const int v = tools::bitstoint(bits.substr(pos, width));
        pos += width;
        return v;
    };
    pos += 8 * take(4) + 8 + 3 + 2 + 4;
    const int count = take(8);
    std::vector<std::pair<int, int>> notes;
    int scale = -1;
    for (int i = 0; i < count; ++i) {
        switch (take(3)) {
            case 1: {
                const int note = take(4);
                pos += 5;
                notes.emplace_back(scale, note);
                break;
            }
            case 2:
                scale = take(2);
                break;
            case 3:
                pos += 2;
                break;
            case 4:
                pos += 5;
                break;
            default:
                ADD_FAILURE() << "unknown instruction";
                return notes;
        }
    }
    return notes;
}

}  // namespace

TEST(Ringtone, ParsesAndEncodesTheReferenceTune) {
    TMid melody = parsed("Test:d=4,o=5,b=125:c,e,g");
    EXPECT_EQ(melody.name, "Test");
    ASSERT_EQ(melody.count, 3);
    EXPECT_EQ(melody.entries[0].scale, 5);
    EXPECT_EQ(melody.entries[1].scale, kNotSet);
    EXPECT_EQ(melody.entries[0].tempo, 14);
    EXPECT_EQ(melody.entries[1].tempo, kNotSet);
    EXPECT_EQ(melody.entries[0].duration, 2);
    EXPECT_EQ(melody.entries[1].duration, kNotSet);  // same length is stored once
    EXPECT_EQ(melody.entries[2].note, 8);
    countinstructions(melody);
    EXPECT_EQ(melody.instructions, 6);

    std::string hex;
    ASSERT_TRUE(encoderingtone(melody, hex).ok());
    // The second and third notes repeat the quarter length (010) in the stream.
    EXPECT_EQ(hex,
              "024A3A515195CDD004000CD8E49141541840"
              "0000");
}

TEST(Ringtone, TempoIndexes) {
    EXPECT_EQ(tempoindex(125), 14);
    EXPECT_EQ(tempoindex(126), 15);
    EXPECT_EQ(tempoindex(25), 0);
    EXPECT_EQ(tempoindex(900), 31);
    EXPECT_EQ(tempoindex(901), 14);
    EXPECT_EQ(tempoindex(0), 14);
    EXPECT_EQ(parsed("T:d=4,o=5:c").entries[0].tempo, 14);  // no b=
    EXPECT_EQ(parsed("T:d=4,o=5,b=126:c").entries[0].tempo, 15);
}

TEST(Ringtone, NoteSyntax) {
    for (const char* text : {"T:d=4,o=5,b=125:8c#.6", "T:d=4,o=5,b=125:8C#6."}) {
        const TMid melody = parsed(text);
        ASSERT_EQ(melody.count, 1) << text;
        EXPECT_EQ(resolved(melody)[0], Note(3, 2, 6, true)) << text;
    }
    // Defaults in another order, blanks, a missing default octave.
    EXPECT_EQ(resolved(parsed("T: b=100, d=8 ,o=6: c, 16p, e5")),
              (std::vector<Note>{{3, 1, 6, false}, {4, 0, 6, false}, {3, 5, 5, false}}));
    EXPECT_EQ(resolved(parsed("T:d=4:c,a7")),
              (std::vector<Note>{{2, 0, 0, false}, {2, 10, 7, false}}));
}

TEST(Ringtone, LowOctavesOnTheLowestScale) {
    TMid melody = parsed("T:d=4,o=4,b=125:c,g#,a,b,c3,a3,c5");
    std::string hex;
    ASSERT_TRUE(encoderingtone(melody, hex).ok());
    EXPECT_EQ(soundingNotes(hex), (std::vector<std::pair<int, int>>{
                                      {0, 0}, {0, 0}, {0, 10}, {0, 12}, {0, 0}, {0, 10}, {1, 1}}));
}

TEST(Ringtone, RefusesWhatCannotBeRead) {
    TMid melody;
    tools::Outcome outcome = parseringtone("Test:d=4,o=5,b=125:", melody);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message, "Invalid Fileformat!");
    EXPECT_EQ(outcome.caption, "Open midi");
    EXPECT_EQ(melody.count, 0);

    for (const char* text : {"no colon", "T:d=4,o=5,b=125", "T:d=x,o=5:c", "T:d=4,o=5,b=1e2:c",
                             "T:d=3:c", "T:d=4,o=5:3c", "T:d=4,o=5:c,,d", "T:d=4,o=5:h",
                             "T:d=4,o=5:c55", "T:d=4,o=5:b#", "T:o=12:c"}) {
        EXPECT_FALSE(parseringtone(text, melody).ok()) << text;
        EXPECT_EQ(melody.count, 0) << text;
    }

    std::string many = "T:d=4,o=5,b=125:";
    for (int i = 0; i < 1001; ++i) many += "c,";
    EXPECT_FALSE(parseringtone(many, melody).ok());
    EXPECT_EQ(melody.count, 0);
}

TEST(Ringtone, RefusesWhatCannotBeEncoded) {
    std::string hex = "stale";
    TMid melody = parsed("ABCDEFGHIJKLMNOP:d=4,o=5,b=125:c");
    EXPECT_FALSE(encoderingtone(melody, hex).ok());
    EXPECT_EQ(hex, "");

    melody = parsed("T:d=4,o=8,b=125:c");
    EXPECT_FALSE(encoderingtone(melody, hex).ok());

    std::string tune = "T:d=4,o=5,b=125:";
    for (int i = 0; i < 253; ++i) tune += "c,";
    melody = parsed(tune);  // 253 notes + style + tempo + scale = 256 instructions
    EXPECT_FALSE(encoderingtone(melody, hex).ok());
    melody.count = 252;
    EXPECT_TRUE(encoderingtone(melody, hex).ok());
    EXPECT_LE(hex.size(), 1003u + 4u);
}

TEST(Ringtone, WriteBitsCrossesDigits) {
    std::string hex = "00";
    int digit = 1, bit = 3;
    writebits(hex, bit, 5, digit, 0b10111);
    EXPECT_EQ(hex, "2E");
    EXPECT_EQ(digit, 2);
    EXPECT_EQ(bit, 4);
    writebits(hex, bit, 6, digit, 0b111111);  // runs past the end of the text
    EXPECT_EQ(hex, "2FF8");
    EXPECT_EQ(digit, 4);
    EXPECT_EQ(bit, 2);
}

TEST(Ringtone, RtttlRoundTrip) {
    const TMid first = parsed("Song:d=8,o=5,b=160:4c,d#.,16p,e6,2f#.7,32g4,a,4b");
    const std::string text = melodytortttl(first);
    EXPECT_EQ(text.substr(0, 21), "Song:d=4,o=6,b=160:4c");
    const TMid second = parsed(text);
    EXPECT_EQ(second.name, "Song");
    EXPECT_EQ(second.entries[0].tempo, first.entries[0].tempo);
    EXPECT_EQ(resolved(second), resolved(first));
}

TEST(Ringtone, RingtoneNames) {
    EXPECT_EQ(tools::getringtonename(42, "NSE-3"), "42");
    EXPECT_EQ(tools::getringtonename(7, ""), "7");

    QTemporaryDir dir;
    const std::string path = dir.filePath("names.ini").toStdString();
    std::ofstream(path) << "; names\r\n[NSE-1]\r\n1=Other\r\n[nse-3]\r\n 17 = Ring Ring \r\n";
    EXPECT_EQ(tools::readinivalue(path, "NSE-3", "17"), "Ring Ring");
    EXPECT_EQ(tools::readinivalue(path, "NSE-3", "1"), std::nullopt);
    EXPECT_EQ(tools::readinivalue(path + "x", "NSE-3", "17"), std::nullopt);
}
