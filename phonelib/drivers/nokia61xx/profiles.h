// Profiles of the Nokia 61xx family: a name and ten features, each read and
// written with its own message (type 0x05).
//
// GetProfile returns the program's values (the decoding tables below);
// SetProfile sends the low byte of each field as it is, so its caller
// supplies the phone's codes (nokia61xxProfileCodes, the decoding tables
// read backwards, gives them).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "phonelib/api/profilesettings.h"
#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia {

enum class ProfileFeature : uint8_t {
    KeypadTones,
    Lights,
    RingingMode,
    Ringtone,
    Volume,
    MessageTone,
    Vibration,
    WarningTones,
    CallerGroups,
    AutomaticAnswer,
};

// The features the profile record holds.
constexpr int kProfileFeatures = 10;

// Feature number -> feature, for the features the program reads and writes.
// Model ids 11 to 13 (the 3310 class) number them differently from the rest
// of the family and have seven: their features 7 to 9 are the screen saver,
// which the profile record does not hold, and they have no lights, caller
// groups or automatic answer in a profile (those fields are left as they
// are, neither read nor written).
std::span<const ProfileFeature> featureNumbering(uint8_t modelId);

// The program's value of a phone code (-1 for a code the table does not
// know). Ringtone and caller groups pass the code through unchanged.
int32_t decodeFeatureValue(ProfileFeature feature, uint8_t code);

// The program's setting of a feature: both list the ten features in the
// same order.
constexpr ProfileSetting settingOf(ProfileFeature feature) {
    return static_cast<ProfileSetting>(feature);
}

// The phone code of a program value: the decoding table read backwards.
// Nothing for a value it has no code for, -1 ("not reported") included.
std::optional<uint8_t> encodeFeatureValue(ProfileFeature feature, int32_t value);

// Replaces the ten feature values of the profile by their codes; the first
// feature without one is returned (the profile is then half converted).
using FeatureEncoder = std::optional<uint8_t> (*)(ProfileFeature feature, int32_t value);
std::optional<ProfileSetting> encodeFeatures(TProfile& profile, FeatureEncoder encode);

// The code table of this family for ProfilePhoneCodes.
std::optional<ProfileSetting> nokia61xxProfileCodes(TProfile& profile);

// The index of the standard name of a profile whose name is empty, from the
// code the phone gives for it; -1 when unknown.
int32_t standardNameIndex(uint8_t modelId, uint8_t code);

// The record field of a feature.
int32_t& featureField(TProfile& profile, ProfileFeature feature);
int32_t featureField(const TProfile& profile, ProfileFeature feature);

// Profiles the model does not have: result 2 without asking the phone.
bool profileMissing(uint8_t modelId, int32_t profileNumber);

// Requests (pure).
Request profileNameRequest(uint8_t profile);
Request profileFeatureRequest(uint8_t profile, uint8_t feature);
// stTooLong when the name (16-bit characters for ids 11 to 13) does not fit
// its length byte.
uint8_t profileNameWrite(uint8_t modelId, const TProfile& profile, Request& request);
// `feature` is a number below featureNumbering(modelId).size().
Request profileFeatureWrite(uint8_t modelId, const TProfile& profile, uint8_t feature);

// Answer 0x1B, the name: false (profile unchanged) when the body is too
// short. A name longer than the body is taken as empty.
bool decodeProfileName(std::span<const uint8_t> body, uint8_t modelId, TProfile& profile);

// Answer 0x14, one feature: its number and the phone's code.
struct FeatureAnswer {
    uint8_t feature = 0;
    uint8_t code = 0;
};
std::optional<FeatureAnswer> decodeProfileFeature(std::span<const uint8_t> body);

// Stores a feature's code in the profile as the program's value. The
// ringtone also gets its name for the model code, the caller groups their
// names from the library's group-name table; both keep the code as well, so
// that a profile read and written back keeps its ringtone and groups. A
// feature number beyond the ten is ignored.
void applyProfileFeature(TProfile& profile, uint8_t modelId, const std::string& modelCode,
                         FeatureAnswer answer);

void onProfileName(std::span<const uint8_t> body);
void onProfileFeature(std::span<const uint8_t> body);
void onProfileWritten(std::span<const uint8_t> body);

uint8_t GetProfile(TProfile& profile);
// 3 when any of the ten features went unanswered, though all were sent.
uint8_t SetProfile(TProfile& profile);

}  // namespace phonelib::nokia
