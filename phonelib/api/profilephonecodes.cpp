// ProfilePhoneCodes and GetProfileFamily, with the code tables of the Nokia
// 7110 and Siemens families; the 61xx family's table sits beside its
// decoding tables in drivers/nokia61xx/profilecodes.cpp.
#include "phonelib/api/profilephonecodes.h"

#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/profiles.h"

namespace phonelib {

namespace {

using nokia::ProfileFeature;

std::optional<uint8_t> inRange(int32_t value, int32_t low, int32_t high) {
    if (value < low || value > high) return std::nullopt;
    return static_cast<uint8_t>(value);
}

// The 7110 family's feature codes, in the standard feature order.
std::optional<uint8_t> encode7110FeatureValue(ProfileFeature feature, int32_t value) {
    switch (feature) {
        case ProfileFeature::KeypadTones:
            return inRange(value, 0, 3);
        case ProfileFeature::Lights:
        case ProfileFeature::Vibration:
        case ProfileFeature::WarningTones:
        case ProfileFeature::AutomaticAnswer:
            return inRange(value, 0, 1);
        case ProfileFeature::RingingMode:
            return value == 4 ? std::nullopt : inRange(value, 0, 5);
        case ProfileFeature::Volume:
            return value >= 1 && value <= 5 ? inRange(value - 1, 0, 4) : std::nullopt;
        case ProfileFeature::MessageTone:
            return inRange(value, 0, 4);
        case ProfileFeature::Ringtone:
        case ProfileFeature::CallerGroups:
            return inRange(value, 0, 0xFF);
    }
    return std::nullopt;
}

ProfileCodeTable tableOf(ProfileFamily family) {
    switch (family) {
        case ProfileFamily::Nokia61xx:
            return nokia::nokia61xxProfileCodes;
        case ProfileFamily::Nokia7110:
            return nokia7110ProfileCodes;
        case ProfileFamily::Siemens:
            return siemensProfileCodes;
        case ProfileFamily::None:
            break;
    }
    return nullptr;
}

}  // namespace

ProfileFamily profileFamilyOf(uint8_t connectionKind, uint8_t modelId) {
    if (connectionKind == ckAtCable || connectionKind == ckAtInfrared) {
        return ProfileFamily::Siemens;
    }
    if (modelId >= 10 && modelId <= 17) return ProfileFamily::Nokia61xx;
    if (modelId >= 18 && modelId <= 21) return ProfileFamily::Nokia7110;
    return ProfileFamily::None;
}

std::optional<ProfileSetting> nokia7110ProfileCodes(TProfile& profile) {
    return nokia::encodeFeatures(profile, encode7110FeatureValue);
}

std::optional<ProfileSetting> siemensProfileCodes(TProfile& profile) {
    if (profile.ringtoneNumber < 1) return ProfileSetting::Ringtone;
    profile.ringtoneNumber -= 1;
    const int32_t mode = profile.ringingMode;
    if (mode != 0 && mode != 1 && mode != 3 && mode != 5) return ProfileSetting::RingingMode;
    if (mode != 1 && !inRange(profile.volume, 1, 4)) return ProfileSetting::Volume;
    if (profile.earpieceVolume > 4) return ProfileSetting::EarpieceVolume;
    if (!inRange(profile.vibration, -1, 1)) return ProfileSetting::Vibration;
    return std::nullopt;
}

ProfileFamily GetProfileFamily() {
    const LibraryState& state = lib().state;
    if (!state.Connected) return ProfileFamily::None;
    return profileFamilyOf(state.ConnectionKind, state.ModelId);
}

std::optional<ProfileSetting> ProfilePhoneCodes(ProfileFamily family, const TProfile& values,
                                                TProfile& codes) {
    codes = values;
    const ProfileCodeTable table = tableOf(family);
    return table ? table(codes) : std::nullopt;
}

}  // namespace phonelib
