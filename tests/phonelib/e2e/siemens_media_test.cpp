// Logos and ringtones of a simulated Siemens phone: Windows bitmaps and
// MIDI files sent as objects.
#include <QFile>

#include "codecs/midi/tmidi.h"
#include "tests/phonelib/e2e/siemensphone.h"
#include "tests/support/scratchfiles.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensMedia = SiemensPhoneTest;

// The melody of a MIDI file, as RTTTL notes.
std::string melodyOf(const QByteArray& midiFile) {
    midi::TMidi reader;
    std::string rtttl;
    const auto bytes = reinterpret_cast<const uint8_t*>(midiFile.constData());
    reader.readmididata({bytes, static_cast<size_t>(midiFile.size())}, rtttl);
    return rtttl.substr(rtttl.rfind(':') + 1);
}

TEST_F(SiemensMedia, LogosAreSentReadAndDeleted) {
    connectTo("S45");
    GSMBitmap screensaver = testing_support::patternedBitmap(bkScreensaver, 72, 28);
    ASSERT_EQ(Sendbitmap(screensaver), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"bmp\",2,1,"));
    const QByteArray stored = sim->fixture().siemens.logos.at(2);
    EXPECT_TRUE(stored.startsWith("BM"));

    GSMBitmap back;
    back.kind = bkScreensaver;
    ASSERT_EQ(GetBitmap(back), stDone);
    EXPECT_TRUE(heard("AT^SBNR=\"bmp\",2"));
    EXPECT_EQ(back.width, 72);
    EXPECT_EQ(back.height, 28);
    EXPECT_TRUE(std::equal(back.rowData.begin(), back.rowData.begin() + screensaver.size,
                           screensaver.rowData.begin()));
    EXPECT_FALSE(back.pictureFile.empty());

    GSMBitmap operatorLogo;
    operatorLogo.kind = bkOperatorLogo;
    ASSERT_EQ(GetBitmap(operatorLogo), stDone);
    EXPECT_EQ(operatorLogo.size, 0) << "the phone has none";

    ASSERT_EQ(DeleteLogo("", bkScreensaver), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"BMP\",2,0"));
    EXPECT_FALSE(sim->fixture().siemens.logos.contains(2));
    ASSERT_EQ(DeleteLogo("", bkStartupLogo), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"BMP\",0,0"));
}

TEST_F(SiemensMedia, RingtonesBecomeMidiFiles) {
    connectTo("S45");
    testing_support::ScratchFiles files;
    const std::string rtttl = files.write("scale.txt", "Scale:d=8,o=5,b=180:c,d,e,f,g,a,b,c6\r\n");
    ASSERT_EQ(SendRingTone(rtttl, 0), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"mid\",0,1,"));
    ASSERT_EQ(sim->fixture().siemens.ringtones.size(), 1u);
    const QByteArray sent = sim->fixture().siemens.ringtones[0];
    EXPECT_TRUE(sent.startsWith("MThd"));
    EXPECT_EQ(melodyOf(sent), "8c,8d,8e,8f,8g,8a,8b,8c6,");

    // Two tracks: the first holds only the tempo, the second the notes. The
    // phone gets a file of the track with notes alone.
    const QByteArray twoTracks = QByteArray::fromHex(
        "4D54686400000006000100020060"
        "4D54726B0000000B00FF510307A12000FF2F00"
        "4D54726B0000001500904540608045000090474060804700"
        "00FF2F00");
    const std::string midiFile = files.write("two.mid", twoTracks);
    ASSERT_EQ(SendRingTone(midiFile, 0), stDone);
    ASSERT_EQ(sim->fixture().siemens.ringtones.size(), 2u);
    EXPECT_EQ(melodyOf(sim->fixture().siemens.ringtones[1]), "a,b,");

    sim->clearJournal();
    EXPECT_EQ(SendRingTone(files.write("song.wav", "RIFF"), 0), stUnsupportedFile);
    EXPECT_EQ(SendRingTone(files.path("missing.txt"), 0), stCannotOpen);
    EXPECT_EQ(SendRingTone(files.write("bad.txt", "no ringtone"), 0), stFileUnreadable);
    EXPECT_TRUE(driverCommands().empty());
}

}  // namespace
