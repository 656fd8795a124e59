// How the Nokia 61xx phones code profile features and standard names.
#include <optional>
#include <utility>

#include "phonelib/drivers/nokia61xx/profiles.h"

namespace phonelib::nokia {

namespace {

using F = ProfileFeature;
using S = ProfileSetting;
static_assert(settingOf(F::KeypadTones) == S::KeypadTones &&
              settingOf(F::Ringtone) == S::Ringtone && settingOf(F::Volume) == S::Volume &&
              settingOf(F::CallerGroups) == S::CallerGroups &&
              settingOf(F::AutomaticAnswer) == S::AutomaticAnswer);
using CodeMap = std::initializer_list<std::pair<uint8_t, int32_t>>;

int32_t lookUp(CodeMap map, uint8_t code) {
    for (const auto& [phone, value] : map) {
        if (phone == code) return value;
    }
    return -1;
}

bool reminderModel(uint8_t modelId) {
    return modelId >= 11 && modelId <= 13;
}

}  // namespace

std::span<const ProfileFeature> featureNumbering(uint8_t modelId) {
    static constexpr std::array kReminderModels = {F::KeypadTones, F::RingingMode, F::Ringtone,
                                                   F::Volume,      F::MessageTone, F::Vibration,
                                                   F::WarningTones};
    static constexpr std::array kOthers = {
        F::KeypadTones, F::Lights,    F::RingingMode,  F::Ringtone,     F::Volume,
        F::MessageTone, F::Vibration, F::WarningTones, F::CallerGroups, F::AutomaticAnswer};
    if (reminderModel(modelId)) return kReminderModels;
    return kOthers;
}

int32_t decodeFeatureValue(ProfileFeature feature, uint8_t code) {
    switch (feature) {
        case F::KeypadTones:
            return lookUp({{0xFF, 0}, {0x00, 1}, {0x01, 2}, {0x02, 3}}, code);
        case F::Lights:
        case F::Vibration:
        case F::AutomaticAnswer:
            return code <= 1 ? code : -1;
        case F::RingingMode:
            return lookUp({{0x01, 0}, {0x06, 1}, {0x05, 2}, {0x02, 3}, {0x07, 4}, {0x04, 5}}, code);
        case F::Volume:
            return code >= 0x06 && code <= 0x0A ? code - 0x05 : -1;
        case F::MessageTone:
            return code <= 4 ? code : -1;
        case F::WarningTones:
            return lookUp({{0xFF, 0}, {0x04, 1}}, code);
        case F::Ringtone:
        case F::CallerGroups:
            return code;
    }
    return -1;
}

std::optional<uint8_t> encodeFeatureValue(ProfileFeature feature, int32_t value) {
    if (value < 0) return std::nullopt;
    for (int code = 0; code <= 0xFF; ++code) {
        if (decodeFeatureValue(feature, static_cast<uint8_t>(code)) == value) {
            return static_cast<uint8_t>(code);
        }
    }
    return std::nullopt;
}

std::optional<ProfileSetting> encodeFeatures(TProfile& profile, FeatureEncoder encode) {
    for (int number = 0; number < kProfileFeatures; ++number) {
        const auto feature = static_cast<ProfileFeature>(number);
        int32_t& field = featureField(profile, feature);
        const std::optional<uint8_t> code = encode(feature, field);
        if (!code) return settingOf(feature);
        field = *code;
    }
    return std::nullopt;
}

std::optional<ProfileSetting> nokia61xxProfileCodes(TProfile& profile) {
    return encodeFeatures(profile, encodeFeatureValue);
}

int32_t standardNameIndex(uint8_t modelId, uint8_t code) {
    if (modelId == 10 || modelId == 15) return lookUp({{0x00, 6}, {0x01, 7}, {0x02, 8}}, code);
    if (modelId == 11) return code <= 5 ? code : -1;
    return lookUp({{0x00, 0}, {0x01, 1}, {0x02, 9}, {0x03, 10}, {0x04, 11}, {0x05, 8}, {0x06, 7}},
                  code);
}

int32_t& featureField(TProfile& profile, ProfileFeature feature) {
    switch (feature) {
        case F::KeypadTones:
            return profile.keypadTones;
        case F::Lights:
            return profile.lights;
        case F::RingingMode:
            return profile.ringingMode;
        case F::Ringtone:
            return profile.ringtoneNumber;
        case F::Volume:
            return profile.volume;
        case F::MessageTone:
            return profile.messageTone;
        case F::Vibration:
            return profile.vibration;
        case F::WarningTones:
            return profile.warningTones;
        case F::CallerGroups:
            return profile.callerGroups;
        case F::AutomaticAnswer:
            break;
    }
    return profile.automaticAnswer;
}

int32_t featureField(const TProfile& profile, ProfileFeature feature) {
    return featureField(const_cast<TProfile&>(profile), feature);
}

bool profileMissing(uint8_t modelId, int32_t profileNumber) {
    // A number the one-byte field cannot carry would name another profile.
    return !fitsOneByte(profileNumber) || ((modelId == 10 || modelId == 15) && profileNumber >= 3);
}

}  // namespace phonelib::nokia
