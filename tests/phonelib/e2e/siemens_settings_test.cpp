// Profile settings and call diverts of a simulated Siemens phone.
#include "tests/phonelib/e2e/siemensphone.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensSettings = SiemensPhoneTest;

TEST_F(SiemensSettings, TheActiveProfileIsReadAndWritten) {
    connectTo("S45");
    TProfile profile;
    ASSERT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.ringtoneNumber, 4);  // the phone's 3, counted from 1
    EXPECT_EQ(profile.ringtoneCount, 41);
    EXPECT_EQ(profile.volume, 3);
    EXPECT_EQ(profile.ringingMode, 0);
    EXPECT_EQ(profile.earpieceVolume, 2);
    EXPECT_EQ(profile.vibration, 0);

    profile.ringtoneNumber = 7;  // the program sends the phone's own number
    profile.volume = 2;
    profile.ringingMode = 1;  // off: volume 0
    ASSERT_EQ(SetProfile(profile), stDone);
    EXPECT_TRUE(heard("AT^SRTC=7,0"));
    ASSERT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.volume, -1);
    EXPECT_EQ(profile.ringingMode, 1);

    profile.ringtoneNumber = 7;
    profile.volume = 2;
    profile.earpieceVolume = 4;
    profile.ringingMode = 3;  // single beep
    profile.vibration = 1;
    ASSERT_EQ(SetProfile(profile), stDone) << "every setting is confirmed";
    const auto stored = sim->fixture().siemens.profile;
    EXPECT_EQ(stored.ringtone, 7);
    EXPECT_EQ(stored.volume, 2);
    EXPECT_EQ(stored.earpiece, 4);
    EXPECT_EQ(stored.alert, 2);
    EXPECT_TRUE(stored.vibration);
    ASSERT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.ringtoneNumber, 8);
    EXPECT_EQ(profile.ringingMode, 3);
    EXPECT_EQ(profile.vibration, 1);

    sim->clearJournal();
    profile.profileNumber = 1;
    EXPECT_EQ(GetProfile(profile), stNotAvailable) << "only the active profile";
    EXPECT_TRUE(driverCommands().empty());
}

TEST_F(SiemensSettings, TheS25HasNoVibrationAndSilentMode) {
    connectTo("S25");
    TProfile profile;
    ASSERT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.vibration, -1);
    EXPECT_FALSE(heard("AT+CVIB"));
    EXPECT_FALSE(heard("AT+CALM"));
    profile.ringingMode = 5;
    profile.volume = 3;
    ASSERT_EQ(SetProfile(profile), stDone);
    EXPECT_TRUE(heard("AT^SRTC=4,0"));
    EXPECT_FALSE(heard("AT+CVIB"));
}

TEST_F(SiemensSettings, Diverts) {
    connectTo("S45");
    TDivert noReply;
    noReply.callClass = 0;
    noReply.reason = 3;
    ASSERT_EQ(GetDiverts(noReply), stDone);
    EXPECT_TRUE(heard("AT+CCFC=2,2,,,1"));
    EXPECT_EQ(noReply.active, 1);
    EXPECT_EQ(noReply.number, "+491771234567");
    EXPECT_EQ(noReply.delay, 20);

    TDivert busy;
    busy.callClass = 1;
    busy.reason = 1;
    busy.active = 1;
    busy.number = "00491601112233";
    busy.delay = 0;
    ASSERT_EQ(SetDiverts(busy), stDone);
    EXPECT_TRUE(heard("AT+CCFC=1,3,\"+491601112233\",145,2,,,0"));
    TDivert read;
    read.callClass = 1;
    read.reason = 1;
    ASSERT_EQ(GetDiverts(read), stDone);
    EXPECT_EQ(read.active, 1);
    EXPECT_EQ(read.number, "+491601112233");
    EXPECT_EQ(read.delay, 0) << "only the no-reply divert has a time";

    busy.active = 0;
    ASSERT_EQ(SetDiverts(busy), stDone);
    EXPECT_TRUE(heard("AT+CCFC=1,4,,,2"));
    ASSERT_EQ(GetDiverts(read), stDone);
    EXPECT_EQ(read.active, 0);
    EXPECT_EQ(read.number, "");

    TDivert fax;
    fax.callClass = 2;  // the network refuses fax diverts
    EXPECT_EQ(GetDiverts(fax), stRefused);

    sim->clearJournal();
    TDivert letters;
    letters.active = 1;
    letters.number = "0800-TAXI";
    EXPECT_EQ(SetDiverts(letters), stBadNumber);
    EXPECT_TRUE(driverCommands().empty());
}

}  // namespace
