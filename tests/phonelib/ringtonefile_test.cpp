// Ringtone files to ringtone bytes: RTTTL text, MIDI through the converter,
// and the files that cannot be sent.
#include "phonelib/drivers/ringtonefile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "codecs/tools/privatetemp.h"
#include "phonelib/api/status.h"
#include "tests/support/scratchfiles.h"

using namespace phonelib;

namespace {

class RingtoneFile : public ::testing::Test {
  protected:
    std::string write(const QString& name, const QByteArray& content) {
        return files.write(name, content);
    }

    // A format-0 MIDI file with c5 and e5 as quarter notes on channel 1.
    static QByteArray twoNotes() {
        const QByteArray track = QByteArray::fromHex(
            "00903C40"  // c5 on
            "83603C00"  // off after 480
            "00904040"  // e5 on
            "83604000"  // off after 480
            "00FF2F00");
        QByteArray midi = QByteArray::fromHex("4D546864000000060000000101E0");
        midi += "MTrk";
        midi += QByteArray::fromHex("000000") + char(track.size());
        return midi + track;
    }

    testing_support::ScratchFiles files;
};

TEST_F(RingtoneFile, RtttlTextBecomesSmartMessagingBytes) {
    const auto ringtone = loadringtone(write("test.TXT", "Test:d=4,o=5,b=125:c,e,g\r\nrest"));
    ASSERT_EQ(ringtone.status, stDone) << ringtone.message;
    ASSERT_GE(ringtone.bytes.size(), 3u);
    EXPECT_EQ(ringtone.bytes[0], 0x02);
    EXPECT_EQ(ringtone.bytes[1], 0x4A);
    EXPECT_EQ(ringtone.bytes[2], 0x3A);
}

TEST_F(RingtoneFile, MidiFilesWhateverTheCaseOfTheExtension) {
    const auto lower = loadringtone(write("song.mid", twoNotes()));
    ASSERT_EQ(lower.status, stDone) << lower.message;
    const auto upper = loadringtone(write("SONG.MID", twoNotes()));
    EXPECT_EQ(upper.bytes, lower.bytes);
    // Nothing is left behind in the private temporary directory.
    const QDir temp(QString::fromStdString(tools::privatetempdir()));
    EXPECT_TRUE(temp.entryList({"~tmprttl*"}, QDir::Files).isEmpty());
}

TEST_F(RingtoneFile, WhatCannotBeSent) {
    EXPECT_EQ(loadringtone(write("tone.wav", "RIFF")).status, stUnsupportedFile);
    EXPECT_EQ(loadringtone(files.path("missing.txt")).status, stCannotOpen);
    EXPECT_EQ(loadringtone(files.path("missing.mid")).status, stCannotOpen);
    const auto noNotes = loadringtone(write("empty.txt", "Test:d=4,o=5,b=125:"));
    EXPECT_EQ(noNotes.status, stFileUnreadable);
    EXPECT_FALSE(noNotes.message.empty());
    EXPECT_EQ(loadringtone(write("long.txt", "A title of twenty chars:d=4,o=5,b=125:c")).status,
              stFileUnreadable);
    EXPECT_EQ(loadringtone(write("noise.mid", "not a midi file")).status, stFileUnreadable);
    QFile unreadable(QString::fromStdString(write("locked.txt", "Test:d=4,o=5,b=125:c")));
    unreadable.setPermissions(QFileDevice::WriteOwner);
    if (!unreadable.open(QIODevice::ReadOnly)) {  // root reads anything
        EXPECT_EQ(loadringtone(unreadable.fileName().toStdString()).status, stCannotOpen);
    }
}

}  // namespace
