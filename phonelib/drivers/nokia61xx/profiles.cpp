// Reading and writing profiles: the name, then the ten features one by one.
//
//   00 01 00 1A P              name of profile P      -> 00 01 00 1B ...
//   00 01 00 13 01 P f         feature f              -> 00 01 00 14 ...
//   00 01 00 1C 01 03 N+2 P N name                    -> 00 01 00 1D
//   00 01 00 10 01 P f v       feature f := v         -> 00 01 00 11
#include "phonelib/drivers/nokia61xx/profiles.h"

#include <algorithm>

#include "codecs/ringtones/ringtonenames.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"

namespace phonelib::nokia {

namespace {

constexpr int32_t kProfileWait = 3;

uint8_t profileByte(int32_t number) {
    return static_cast<uint8_t>(number & 0xFF);
}

uint8_t ask(const Request& request) {
    auto& box = mailboxes();
    box.profileFlag = 0;
    send(request);
    return lib().waitForFlag(box.profileFlag, kProfileWait);
}

}  // namespace

Request profileNameRequest(uint8_t profile) {
    return {0x05, {0x00, 0x01, 0x00, 0x1A, profile}};
}

Request profileFeatureRequest(uint8_t profile, uint8_t feature) {
    return {0x05, {0x00, 0x01, 0x00, 0x13, 0x01, profile, feature}};
}

uint8_t profileNameWrite(uint8_t modelId, const TProfile& profile, Request& request) {
    std::vector<uint8_t> name;
    for (const char c : profile.name) {
        if (wideNames(modelId)) name.push_back(0x00);
        name.push_back(static_cast<uint8_t>(c));
    }
    if (name.size() + 2 > 0xFF) return stTooLong;
    request = {0x05,
               {0x00, 0x01, 0x00, 0x1C, 0x01, 0x03, static_cast<uint8_t>(name.size() + 2),
                profileByte(profile.profileNumber), static_cast<uint8_t>(name.size())}};
    request.body.insert(request.body.end(), name.begin(), name.end());
    return stDone;
}

Request profileFeatureWrite(uint8_t modelId, const TProfile& profile, uint8_t feature) {
    const int32_t value = featureField(profile, featureNumbering(modelId)[feature]);
    return {0x05,
            {0x00, 0x01, 0x00, 0x10, 0x01, profileByte(profile.profileNumber), feature,
             static_cast<uint8_t>(value & 0xFF)}};
}

bool decodeProfileName(std::span<const uint8_t> body, uint8_t modelId, TProfile& profile) {
    if (body.size() < 10) return false;
    const uint8_t length = body[9];
    if (length > 0) {
        profile.name = bytesAt(body, 10, length);
    } else {
        profile.name.clear();
        profile.standardNameIndex = static_cast<uint16_t>(standardNameIndex(modelId, body[8]));
    }
    return true;
}

std::optional<FeatureAnswer> decodeProfileFeature(std::span<const uint8_t> body) {
    if (body.size() < 9) return std::nullopt;
    return FeatureAnswer{body[6], body[8]};
}

void applyProfileFeature(TProfile& profile, uint8_t modelId, const std::string& modelCode,
                         FeatureAnswer answer) {
    const auto numbering = featureNumbering(modelId);
    if (answer.feature >= numbering.size()) return;
    const ProfileFeature feature = numbering[answer.feature];
    featureField(profile, feature) = decodeFeatureValue(feature, answer.code);
    if (feature == ProfileFeature::Ringtone) {
        profile.ringtoneName = tools::getringtonename(answer.code, modelCode);
    } else if (feature == ProfileFeature::CallerGroups) {
        profile.callerGroupNames = lib().groupNames.callerGroupNames(answer.code, modelId);
    }
}

void onProfileName(std::span<const uint8_t> body) {
    auto& box = mailboxes();
    if (decodeProfileName(body, lib().state.ModelId, box.profile)) box.profileFlag = 1;
}

void onProfileFeature(std::span<const uint8_t> body) {
    const auto answer = decodeProfileFeature(body);
    if (!answer) return;
    auto& box = mailboxes();
    applyProfileFeature(box.profile, lib().state.ModelId, lib().state.ModelCode, *answer);
    box.profileFlag = 1;
}

void onProfileWritten(std::span<const uint8_t>) {
    mailboxes().profileFlag = 1;
}

uint8_t GetProfile(TProfile& profile) {
    const uint8_t modelId = lib().state.ModelId;
    if (profileMissing(modelId, profile.profileNumber)) return stNotAvailable;
    auto& box = mailboxes();
    // The answers fill what they carry; the profile number and the fields
    // no answer touches stay those of the caller's record.
    box.profile = profile;
    box.profile.name.clear();
    const auto numbering = featureNumbering(modelId);
    const uint8_t number = profileByte(profile.profileNumber);
    uint8_t result = ask(profileNameRequest(number));
    if (result == stNoAnswer) return result;
    for (uint8_t feature = 0; feature < numbering.size(); ++feature) {
        result = ask(profileFeatureRequest(number, feature));
        if (result == stNoAnswer) return result;
    }
    if (wideNames(modelId)) std::erase(box.profile.name, '\0');
    profile = box.profile;
    return result;
}

uint8_t SetProfile(TProfile& profile) {
    const uint8_t modelId = lib().state.ModelId;
    if (profileMissing(modelId, profile.profileNumber)) return stNotAvailable;
    Request nameWrite;
    if (const uint8_t refused = profileNameWrite(modelId, profile, nameWrite); refused != stDone) {
        return refused;
    }
    uint8_t result = ask(nameWrite);
    if (result == stNoAnswer) return result;
    // Every feature goes out even when an answer is missing, but one missing
    // answer makes the whole write unconfirmed: that feature may have its
    // old value.
    bool unanswered = false;
    for (uint8_t feature = 0; feature < featureNumbering(modelId).size(); ++feature) {
        result = ask(profileFeatureWrite(modelId, profile, feature));
        unanswered = unanswered || result == stNoAnswer;
    }
    return unanswered ? uint8_t{stNoAnswer} : result;
}

}  // namespace phonelib::nokia
