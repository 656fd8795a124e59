// Reading and writing profiles of the 7110 family.
//
//   00 01 00 01 01 01 01 P+1 i          read item i    -> 00 01 00 02 ...
//   00 01 00 03 01 01 03 FF P+1 n name  write the name (n bytes: 00 c
//                                       pairs and one 00)
//   00 01 00 03 01 01 03 f P+1 01 v     write feature f
#include "phonelib/drivers/nokia7110/profiles.h"

#include "codecs/ringtones/ringtonenames.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia7110 {

namespace {

using F = nokia::ProfileFeature;

constexpr int32_t kWait = 2;

uint8_t ask(const Request& request) {
    auto& box = nokia::mailboxes();
    box.profileFlag = 0;
    send(request);
    return lib().waitForFlag(box.profileFlag, kWait);
}

// This family numbers its features in the standard order, that of the enum.
nokia::ProfileFeature featureNumber(uint8_t number) {
    return static_cast<nokia::ProfileFeature>(number);
}

}  // namespace

int32_t decodeFeatureValue(nokia::ProfileFeature feature, uint8_t code) {
    switch (feature) {
        case F::KeypadTones:
            return code <= 3 ? code : -1;
        case F::Lights:
        case F::Vibration:
        case F::AutomaticAnswer:
        case F::WarningTones:
            return code <= 1 ? code : -1;
        case F::RingingMode:
            return code <= 3 || code == 5 ? code : -1;
        case F::Volume:
            return code <= 4 ? code + 1 : -1;
        case F::MessageTone:
            return code <= 4 ? code : -1;
        case F::Ringtone:
        case F::CallerGroups:
            return code;
    }
    return -1;
}

std::optional<uint8_t> phoneProfileOf(int32_t profileNumber) {
    if (profileNumber < 0 || profileNumber + 1 > 0xFF) return std::nullopt;
    return static_cast<uint8_t>(profileNumber + 1);
}

Request profileReadRequest(uint8_t phoneProfile, uint8_t item) {
    return {0x39, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, phoneProfile, item}};
}

uint8_t profileNameWrite(const TProfile& profile, Request& request) {
    const auto phoneProfile = phoneProfileOf(profile.profileNumber);
    if (!phoneProfile) return stNotAvailable;
    if (2 * profile.name.size() + 1 > 0xFF) return stTooLong;
    request = {0x39,
               {0x00, 0x01, 0x00, 0x03, 0x01, 0x01, 0x03, kProfileName, *phoneProfile,
                static_cast<uint8_t>(2 * profile.name.size() + 1)}};
    for (const char c : profile.name) {
        request.body.insert(request.body.end(), {0x00, static_cast<uint8_t>(c)});
    }
    request.body.push_back(0x00);
    return stDone;
}

Request profileFeatureWrite(const TProfile& profile, uint8_t feature) {
    const int32_t value = nokia::featureField(profile, featureNumber(feature));
    return {0x39,
            {0x00, 0x01, 0x00, 0x03, 0x01, 0x01, 0x03, feature,
             static_cast<uint8_t>((profile.profileNumber + 1) & 0xFF), 0x01,
             static_cast<uint8_t>(value & 0xFF)}};
}

bool decodeProfileAnswer(std::span<const uint8_t> body, uint8_t modelId,
                         const std::string& modelCode, TProfile& profile) {
    if (body.size() < 11) return false;
    const uint8_t item = body[6];
    if (item == kProfileName) {
        const uint8_t length = body[9];
        if (length == 0) {
            profile.name.clear();
            profile.standardNameIndex =
                static_cast<uint16_t>(nokia::standardNameIndex(modelId, body[8]));
        } else {
            profile.name = bytesAt(body, 10, length);
            std::erase(profile.name, '\0');
        }
        return true;
    }
    if (item >= nokia::kProfileFeatures) return true;
    const auto feature = featureNumber(item);
    const uint8_t code = body[10];
    nokia::featureField(profile, feature) = nokia7110::decodeFeatureValue(feature, code);
    if (feature == F::Ringtone) {
        profile.ringtoneName = tools::getringtonename(code, modelCode);
    } else if (feature == F::CallerGroups) {
        profile.callerGroupNames = lib().groupNames.callerGroupNames(code, modelId);
    }
    return true;
}

void onProfileAnswer(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    if (body.size() > 3 && body[3] == 0x02) {
        decodeProfileAnswer(body, lib().state.ModelId, lib().state.ModelCode, box.profile);
    }
    box.profileFlag = 1;
}

uint8_t GetProfile(TProfile& profile) {
    const auto phoneProfile = phoneProfileOf(profile.profileNumber);
    if (!phoneProfile) return stNotAvailable;
    auto& box = nokia::mailboxes();
    // The answers fill what they carry; fields no answer touches stay those
    // of the caller's record.
    box.profile = profile;
    box.profile.name.clear();
    uint8_t result = ask(profileReadRequest(*phoneProfile, kProfileName));
    if (result == stNoAnswer) return result;
    for (uint8_t feature = 0; feature < nokia::kProfileFeatures; ++feature) {
        result = ask(profileReadRequest(*phoneProfile, feature));
        if (result == stNoAnswer) return result;
    }
    profile = box.profile;
    return result;
}

uint8_t SetProfile(TProfile& profile) {
    Request nameWrite;
    if (const uint8_t refused = profileNameWrite(profile, nameWrite); refused != stDone) {
        return refused;
    }
    uint8_t result = ask(nameWrite);
    if (result == stNoAnswer) return result;
    // All ten go out even when an answer is missing.
    for (uint8_t feature = 0; feature < nokia::kProfileFeatures; ++feature) {
        result = ask(profileFeatureWrite(profile, feature));
    }
    return result;
}

}  // namespace phonelib::nokia7110
