// Profiles and call diverts against the simulated phone.
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"

using namespace phonelib;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

using Profiles = SimulatedPhoneTest;

TEST_F(Profiles, ModelsWithThreeProfiles) {
    startPhone("NSE-1");
    ASSERT_EQ(connect(), stDone);
    TProfile profile;
    profile.profileNumber = 3;
    EXPECT_EQ(GetProfile(profile), stNotAvailable);
    EXPECT_EQ(SetProfile(profile), stNotAvailable);
    EXPECT_TRUE(requestBodies(*sim, 0x05).empty());
    profile.profileNumber = 2;
    EXPECT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.standardNameIndex, 8);
}

TEST_F(Profiles, EmptyNameGivesTheStandardName) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    TProfile profile;
    profile.profileNumber = 2;
    profile.name = "stale";
    ASSERT_EQ(GetProfile(profile), stDone);
    EXPECT_EQ(profile.name, "");
    EXPECT_EQ(profile.standardNameIndex, 9);
    EXPECT_EQ(profile.profileNumber, 2);
    EXPECT_EQ(requestBodies(*sim, 0x05, 0x13).size(), 10u);
}

// Every feature written as a phone code and read back as the program's value,
// through both feature numberings.
class EveryFeature : public SimulatedPhoneTest,
                     public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryFeature, IsWrittenAndReadBack) {
    startPhone(GetParam());
    ASSERT_EQ(connect(), stDone);
    TProfile codes;
    codes.profileNumber = 1;
    codes.name = "Oper";
    codes.keypadTones = 0x02;
    codes.lights = 0x00;
    codes.ringingMode = 0x07;
    codes.ringtoneNumber = 0x23;
    codes.volume = 0x09;
    codes.messageTone = 0x03;
    codes.vibration = 0x01;
    codes.warningTones = 0xFF;
    codes.callerGroups = 0x05;
    codes.automaticAnswer = 0x01;
    ASSERT_EQ(SetProfile(codes), stDone);

    // The 3310 has its screen saver where the 6110 has lights, caller
    // groups and automatic answer: those three are neither written nor read.
    const bool screenSaverModel = std::string(GetParam()) == "NHM-5";
    const phonesim::Profile before = phonesim::Fixture::forModel(GetParam()).data.profiles[1];
    const phonesim::Profile stored = sim->fixture().data.profiles[1];
    EXPECT_EQ(stored.name, QStringLiteral("Oper"));
    EXPECT_EQ(stored.keypadTones, 0x02);
    EXPECT_EQ(stored.lights, screenSaverModel ? before.lights : 0x00);
    EXPECT_EQ(stored.ringingMode, 0x07);
    EXPECT_EQ(stored.ringtone, 0x23);
    EXPECT_EQ(stored.volume, 0x09);
    EXPECT_EQ(stored.messageTone, 0x03);
    EXPECT_EQ(stored.vibration, 0x01);
    EXPECT_EQ(stored.warningTones, 0xFF);
    EXPECT_EQ(stored.callerGroups, screenSaverModel ? before.callerGroups : 0x05);
    EXPECT_EQ(stored.automaticAnswer, screenSaverModel ? before.automaticAnswer : 0x01);
    EXPECT_EQ(stored.screenSaver, before.screenSaver);
    EXPECT_EQ(stored.screenSaverTimeout, before.screenSaverTimeout);
    EXPECT_EQ(stored.screenSaverPicture, before.screenSaverPicture);

    TProfile read;
    read.profileNumber = 1;
    ASSERT_EQ(GetProfile(read), stDone);
    EXPECT_EQ(read.name, "Oper");
    EXPECT_EQ(read.keypadTones, 3);
    // Fields the 3310 does not have keep the record's values.
    EXPECT_EQ(read.lights, 0);
    EXPECT_EQ(read.ringingMode, 4);
    EXPECT_EQ(read.ringtoneNumber, 0x23);
    EXPECT_EQ(read.ringtoneName, "35");
    EXPECT_EQ(read.volume, 4);
    EXPECT_EQ(read.messageTone, 3);
    EXPECT_EQ(read.vibration, 1);
    EXPECT_EQ(read.warningTones, 0);
    EXPECT_EQ(read.callerGroups, screenSaverModel ? 0 : 5);
    EXPECT_EQ(read.callerGroupNames.empty(), screenSaverModel);
    EXPECT_EQ(read.automaticAnswer, screenSaverModel ? 0 : 1);
}

TEST_F(Profiles, AFeatureLeftUnansweredFailsTheWriteThoughAllAreSent) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.profiles[2].unansweredWrites = {4};  // the volume
    startPhone(fixture);
    ASSERT_EQ(connect(), stDone);
    EXPECT_EQ(GetProfileFamily(), ProfileFamily::Nokia61xx);
    TProfile profile;
    profile.profileNumber = 2;
    ASSERT_EQ(GetProfile(profile), stDone);
    profile.volume = 5;
    profile.vibration = 1;
    TProfile codes;
    ASSERT_EQ(ProfilePhoneCodes(GetProfileFamily(), profile, codes), std::nullopt);
    sim->clearJournal();
    EXPECT_EQ(SetProfile(codes), stNoAnswer);
    EXPECT_EQ(requestBodies(*sim, 0x05, 0x10).size(), 10u);
    const phonesim::Profile stored = sim->fixture().data.profiles[2];
    EXPECT_EQ(stored.vibration, 0x01);  // features after the silent one went out
    EXPECT_EQ(stored.volume, 0x08);
}

INSTANTIATE_TEST_SUITE_P(Numberings, EveryFeature, ::testing::Values("NSE-3", "NHM-5"),
                         [](const auto& info) { return std::string(info.param).erase(3, 1); });

using Diverts = SimulatedPhoneTest;

TEST_F(Diverts, SetReadAndCleared) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    TDivert divert;
    divert.callClass = 1;
    divert.reason = 3;
    divert.active = 1;
    divert.number = "+4930123456";
    divert.delay = 25;
    ASSERT_EQ(SetDiverts(divert), stDone);

    TDivert read;
    read.callClass = 1;
    read.reason = 3;
    ASSERT_EQ(GetDiverts(read), stDone);
    EXPECT_EQ(read.active, 1);
    EXPECT_EQ(read.number, "+4930123456");
    EXPECT_EQ(read.delay, 25);
    EXPECT_EQ(read.callClass, 1);
    EXPECT_EQ(read.reason, 3);

    divert.active = 0;
    ASSERT_EQ(SetDiverts(divert), stDone);
    const auto erase = requestBodies(*sim, 0x06).back();
    EXPECT_EQ(erase, (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x01, 0x04, 0x00, 0x3D, 0x19, 0x00}));
    ASSERT_EQ(GetDiverts(read), stDone);
    EXPECT_EQ(read.active, 0);
    EXPECT_EQ(read.number, "");
}

TEST_F(Diverts, RefusalReportsTheAskedDivertAsInactive) {
    startPhone("NHM-5");  // its network refuses fax diverts
    ASSERT_EQ(connect(), stDone);
    TDivert voice;
    voice.reason = 0;
    voice.active = 1;
    voice.number = "0301234";
    ASSERT_EQ(SetDiverts(voice), stDone);
    ASSERT_EQ(GetDiverts(voice), stDone);
    ASSERT_EQ(voice.active, 1);

    TDivert fax;
    fax.callClass = 2;
    fax.reason = 0;
    fax.active = 1;
    fax.number = "0301234";
    EXPECT_EQ(SetDiverts(fax), stDivertRefused);
    EXPECT_EQ(GetDiverts(fax), stDivertRefused);
    EXPECT_EQ(fax.active, 0);
    EXPECT_EQ(fax.number, "");
    EXPECT_EQ(fax.callClass, 2);
}

}  // namespace
