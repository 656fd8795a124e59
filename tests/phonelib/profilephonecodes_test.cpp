// The code tables of ProfilePhoneCodes: each family's values back to the
// phone's codes, and the setting named when a value has none.
#include "phonelib/api/profilephonecodes.h"

#include <gtest/gtest.h>

#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/profiles.h"

using namespace phonelib;
using nokia::ProfileFeature;

namespace {

using S = ProfileSetting;

// Every code the 61xx decoding knows comes back as itself.
TEST(ProfilePhoneCodes, Nokia61xxInvertsItsDecodingTables) {
    for (int f = 0; f < nokia::kProfileFeatures; ++f) {
        const auto feature = static_cast<ProfileFeature>(f);
        for (int code = 0; code <= 0xFF; ++code) {
            const int32_t value = nokia::decodeFeatureValue(feature, static_cast<uint8_t>(code));
            if (value < 0) continue;
            EXPECT_EQ(nokia::encodeFeatureValue(feature, value), code) << f << " " << code;
        }
        EXPECT_FALSE(nokia::encodeFeatureValue(feature, -1));
    }
    EXPECT_EQ(nokia::encodeFeatureValue(ProfileFeature::KeypadTones, 0), 0xFF);
    EXPECT_EQ(nokia::encodeFeatureValue(ProfileFeature::Volume, 1), 0x06);
    EXPECT_FALSE(nokia::encodeFeatureValue(ProfileFeature::Volume, 6));
}

TEST(ProfilePhoneCodes, NamesTheFirstSettingWithoutCode) {
    TProfile values;
    values.profileNumber = 4;
    values.name = "Kino";
    values.keypadTones = 0;
    values.lights = 1;
    values.ringingMode = 4;  // caller groups only
    values.ringtoneNumber = 0x12;
    values.volume = 3;
    values.messageTone = 2;
    values.vibration = 1;
    values.warningTones = 1;
    values.callerGroups = 5;
    values.automaticAnswer = 0;
    TProfile codes;
    ASSERT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia61xx, values, codes), std::nullopt);
    EXPECT_EQ(codes.name, "Kino");
    EXPECT_EQ(codes.profileNumber, 4);
    EXPECT_EQ(codes.keypadTones, 0xFF);
    EXPECT_EQ(codes.ringingMode, 0x07);
    EXPECT_EQ(codes.ringtoneNumber, 0x12);
    EXPECT_EQ(codes.volume, 0x08);
    EXPECT_EQ(codes.warningTones, 0x04);
    EXPECT_EQ(codes.callerGroups, 5);

    // The 7110 family has no "caller groups only" and counts volumes from 0.
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia7110, values, codes), S::RingingMode);
    values.ringingMode = 5;
    ASSERT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia7110, values, codes), std::nullopt);
    EXPECT_EQ(codes.keypadTones, 0);
    EXPECT_EQ(codes.ringingMode, 5);
    EXPECT_EQ(codes.volume, 2);
    EXPECT_EQ(codes.warningTones, 1);

    values.volume = -1;  // the phone sent a code the program does not know
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia61xx, values, codes), S::Volume);
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia7110, values, codes), S::Volume);
    values.volume = 5;
    values.keypadTones = 4;
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Nokia61xx, values, codes), S::KeypadTones);
}

TEST(ProfilePhoneCodes, Siemens) {
    TProfile values;
    values.ringtoneNumber = 7;  // reading added 1 to the phone's number
    values.ringingMode = 3;
    values.volume = 4;
    values.earpieceVolume = 0;
    values.vibration = 1;
    TProfile codes;
    ASSERT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), std::nullopt);
    EXPECT_EQ(codes.ringtoneNumber, 6);
    EXPECT_EQ(codes.volume, 4);
    EXPECT_EQ(codes.earpieceVolume, 0);

    values.ringingMode = 1;  // rising: the phone reports no volume and is sent none
    values.volume = -1;
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), std::nullopt);
    values.ringingMode = 0;
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), S::Volume);
    values.volume = 2;
    values.ringingMode = 2;  // "Rufton 1x" is no Siemens mode
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), S::RingingMode);
    values.ringingMode = 5;
    values.earpieceVolume = 65535;  // not reported
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), S::EarpieceVolume);
    values.earpieceVolume = 4;
    values.vibration = -1;  // the S25 has none; nothing is sent for it
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), std::nullopt);
    values.ringtoneNumber = 0;
    EXPECT_EQ(ProfilePhoneCodes(ProfileFamily::Siemens, values, codes), S::Ringtone);
}

TEST(ProfilePhoneCodes, FamilyOfTheProfileProcedures) {
    EXPECT_EQ(profileFamilyOf(ckAtCable, 3), ProfileFamily::Siemens);
    EXPECT_EQ(profileFamilyOf(ckAtInfrared, 14), ProfileFamily::Siemens);
    EXPECT_EQ(profileFamilyOf(ckFbusCable, 10), ProfileFamily::Nokia61xx);
    EXPECT_EQ(profileFamilyOf(ckDlr3Cable, 17), ProfileFamily::Nokia61xx);
    EXPECT_EQ(profileFamilyOf(ckFbusCable, 18), ProfileFamily::Nokia7110);     // 8310
    EXPECT_EQ(profileFamilyOf(ckFbusInfrared, 20), ProfileFamily::Nokia7110);  // 6310
    EXPECT_EQ(profileFamilyOf(ckFbusCable, 255), ProfileFamily::None);
    EXPECT_EQ(GetProfileFamily(), ProfileFamily::None);  // nothing connected
}

}  // namespace
