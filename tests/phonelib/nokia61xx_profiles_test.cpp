// Profile codes, numberings and messages of the Nokia 61xx family.
#include <gtest/gtest.h>

#include "phonelib/api/library.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/profiles.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;
using F = ProfileFeature;

TEST(Nokia61xxProfiles, DecodingTables) {
    EXPECT_EQ(decodeFeatureValue(F::KeypadTones, 0xFF), 0);
    EXPECT_EQ(decodeFeatureValue(F::KeypadTones, 0x02), 3);
    EXPECT_EQ(decodeFeatureValue(F::KeypadTones, 0x03), -1);
    EXPECT_EQ(decodeFeatureValue(F::RingingMode, 0x01), 0);
    EXPECT_EQ(decodeFeatureValue(F::RingingMode, 0x06), 1);
    EXPECT_EQ(decodeFeatureValue(F::RingingMode, 0x04), 5);
    EXPECT_EQ(decodeFeatureValue(F::RingingMode, 0x03), -1);
    EXPECT_EQ(decodeFeatureValue(F::Volume, 0x06), 1);
    EXPECT_EQ(decodeFeatureValue(F::Volume, 0x0A), 5);
    EXPECT_EQ(decodeFeatureValue(F::Volume, 0x05), -1);
    EXPECT_EQ(decodeFeatureValue(F::Volume, 0x0B), -1);
    EXPECT_EQ(decodeFeatureValue(F::WarningTones, 0x04), 1);
    EXPECT_EQ(decodeFeatureValue(F::WarningTones, 0x00), -1);
    EXPECT_EQ(decodeFeatureValue(F::MessageTone, 0x04), 4);
    EXPECT_EQ(decodeFeatureValue(F::MessageTone, 0x05), -1);
    EXPECT_EQ(decodeFeatureValue(F::Vibration, 0x02), -1);
    EXPECT_EQ(decodeFeatureValue(F::Ringtone, 0x53), 0x53);
}

TEST(Nokia61xxProfiles, StandardNamesByModel) {
    EXPECT_EQ(standardNameIndex(14, 0x02), 9);
    EXPECT_EQ(standardNameIndex(14, 0x06), 7);
    EXPECT_EQ(standardNameIndex(14, 0x07), -1);
    EXPECT_EQ(standardNameIndex(10, 0x00), 6);
    EXPECT_EQ(standardNameIndex(15, 0x02), 8);
    EXPECT_EQ(standardNameIndex(15, 0x03), -1);
    EXPECT_EQ(standardNameIndex(11, 0x05), 5);
    EXPECT_EQ(standardNameIndex(11, 0x06), -1);
}

TEST(Nokia61xxProfiles, TwoNumberings) {
    // The 3310 class has seven features the record holds; its 7 to 9 are
    // the screen saver.
    EXPECT_EQ(featureNumbering(12)[1], F::RingingMode);
    EXPECT_EQ(featureNumbering(11).size(), 7u);
    EXPECT_EQ(featureNumbering(12)[6], F::WarningTones);
    EXPECT_EQ(featureNumbering(14)[1], F::Lights);
    EXPECT_EQ(featureNumbering(14)[3], F::Ringtone);
    EXPECT_EQ(featureNumbering(14).size(), 10u);
    EXPECT_EQ(featureNumbering(14)[8], F::CallerGroups);
    EXPECT_EQ(featureNumbering(14)[9], F::AutomaticAnswer);
    EXPECT_TRUE(profileMissing(10, 3));
    EXPECT_TRUE(profileMissing(15, 3));
    EXPECT_FALSE(profileMissing(15, 2));
    EXPECT_FALSE(profileMissing(14, 6));
    EXPECT_TRUE(profileMissing(14, 256));  // its low byte would name profile 0
    EXPECT_TRUE(profileMissing(14, -1));
}

TEST(Nokia61xxProfiles, Requests) {
    EXPECT_EQ(profileNameRequest(3), (Request{0x05, {0x00, 0x01, 0x00, 0x1A, 0x03}}));
    EXPECT_EQ(profileFeatureRequest(3, 9),
              (Request{0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x03, 0x09}}));

    TProfile profile;
    profile.profileNumber = 2;
    profile.name = "Auto";
    profile.lights = 1;
    profile.ringingMode = 0x106;  // the low byte goes out as it is
    Request request;
    ASSERT_EQ(profileNameWrite(14, profile, request), stDone);
    EXPECT_EQ(request.body,
              (Bytes{0x00, 0x01, 0x00, 0x1C, 0x01, 0x03, 0x06, 0x02, 0x04, 'A', 'u', 't', 'o'}));
    ASSERT_EQ(profileNameWrite(12, profile, request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x00, 0x1C, 0x01, 0x03, 0x0A, 0x02, 0x08, 0x00, 'A',
                                   0x00, 'u', 0x00, 't', 0x00, 'o'}));
    EXPECT_EQ(profileFeatureWrite(14, profile, 1).body,
              (Bytes{0x00, 0x01, 0x00, 0x10, 0x01, 0x02, 0x01, 0x01}));
    EXPECT_EQ(profileFeatureWrite(12, profile, 1).body,
              (Bytes{0x00, 0x01, 0x00, 0x10, 0x01, 0x02, 0x01, 0x06}));

    profile.name.assign(127, 'x');
    EXPECT_EQ(profileNameWrite(12, profile, request), stTooLong);  // 254 bytes + 2
    profile.name.assign(126, 'x');
    EXPECT_EQ(profileNameWrite(12, profile, request), stDone);
    profile.name.assign(254, 'x');
    EXPECT_EQ(profileNameWrite(14, profile, request), stTooLong);
}

TEST(Nokia61xxProfiles, NameAnswer) {
    TProfile profile;
    Bytes named = {0x00, 0x01, 0x00, 0x1B, 0x01, 0x00, 0x00, 0x00, 0x02, 0x04, 'K', 'i', 'n', 'o'};
    ASSERT_TRUE(decodeProfileName(named, 14, profile));
    EXPECT_EQ(profile.name, "Kino");

    const Bytes unnamed = {0x00, 0x01, 0x00, 0x1B, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00};
    ASSERT_TRUE(decodeProfileName(unnamed, 14, profile));
    EXPECT_EQ(profile.name, "");
    EXPECT_EQ(profile.standardNameIndex, 9);
    ASSERT_TRUE(decodeProfileName(unnamed, 10, profile));
    EXPECT_EQ(profile.standardNameIndex, 8);

    // A name longer than the body comes back empty; a cut header is ignored.
    named[9] = 40;
    profile.name = "alt";
    ASSERT_TRUE(decodeProfileName(named, 14, profile));
    EXPECT_EQ(profile.name, "");
    profile.name = "alt";
    EXPECT_FALSE(decodeProfileName(Bytes(named.begin(), named.begin() + 9), 14, profile));
    EXPECT_EQ(profile.name, "alt");
}

TEST(Nokia61xxProfiles, FeatureAnswerFillsTheFieldOfTheModelsNumbering) {
    const Bytes answer = {0x00, 0x01, 0x00, 0x14, 0x01, 0x00, 0x01, 0x01, 0x06};
    const auto feature = decodeProfileFeature(answer);
    ASSERT_TRUE(feature);
    EXPECT_EQ(feature->feature, 1);
    EXPECT_EQ(feature->code, 0x06);
    EXPECT_FALSE(decodeProfileFeature(Bytes(answer.begin(), answer.end() - 1)));

    TProfile profile;
    applyProfileFeature(profile, 14, "NSE-3", *feature);  // lights: 06 is no lights code
    EXPECT_EQ(profile.lights, -1);
    applyProfileFeature(profile, 12, "NHM-6", *feature);  // ringing mode
    EXPECT_EQ(profile.ringingMode, 1);

    profile = TProfile{};
    applyProfileFeature(profile, 14, "NSE-3", {3, 0x42});
    EXPECT_EQ(profile.ringtoneNumber, 0x42);
    EXPECT_EQ(profile.ringtoneName, "66");  // no name for it: the number
    applyProfileFeature(profile, 14, "NSE-3", {8, 0x03});
    EXPECT_EQ(profile.callerGroups, 3);
    EXPECT_EQ(profile.callerGroupNames, lib().groupNames.callerGroupNames(3, 14));
    const TProfile before = profile;
    applyProfileFeature(profile, 14, "NSE-3", {10, 0x01});
    EXPECT_EQ(profile.automaticAnswer, before.automaticAnswer);
}

}  // namespace
