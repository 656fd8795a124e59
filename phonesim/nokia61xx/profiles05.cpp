// Type 0x05 profiles. Profile numbers beyond the phone's profiles, and
// feature numbers beyond the ten, are not answered.
//
//   00 01 00 1A P           -> 00 01 00 1B 01 P 00 00 code n name   (code: the
//                              standard name the phone shows when n = 0)
//   00 01 00 13 01 P f      -> 00 01 00 14 01 P f 01 v
//   00 01 00 1C 01 03 N+2 P N name  -> 00 01 00 1D 01 P
//   00 01 00 10 01 P f v    -> 00 01 00 11 01 P f
//
// Features the fixture lists as unanswered (reads or writes) get no answer,
// and such a write is not kept.
//
// Model codes NHM-5, NHM-6 and NPM-5 send names as 16-bit characters and
// number the features 0 keypad tones, 1 ringing mode, 2 ringtone, 3 volume,
// 4 message tone, 5 vibration, 6 warning tones, 7 lights, 8 caller groups,
// 9 automatic answer; the other models 0 keypad tones, 1 lights, 2 ringing
// mode, 3 ringtone, 4 volume, 5 message tone, 6 vibration, 7 warning tones,
// 8 caller groups, 9 automatic answer.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

using Feature = uint8_t Profile::*;

bool reminderModel(const Phone& phone) {
    static const QStringList codes = {QStringLiteral("NHM-5"), QStringLiteral("NHM-6"),
                                      QStringLiteral("NPM-5")};
    return codes.contains(phone.fixture.identity.modelCode);
}

Feature featureOf(const Phone& phone, uint8_t number) {
    static constexpr Feature kReminderModels[] = {
        &Profile::keypadTones,  &Profile::ringingMode,    &Profile::ringtone,     &Profile::volume,
        &Profile::messageTone,  &Profile::vibration,      &Profile::warningTones, &Profile::lights,
        &Profile::callerGroups, &Profile::automaticAnswer};
    static constexpr Feature kOthers[] = {&Profile::keypadTones,  &Profile::lights,
                                          &Profile::ringingMode,  &Profile::ringtone,
                                          &Profile::volume,       &Profile::messageTone,
                                          &Profile::vibration,    &Profile::warningTones,
                                          &Profile::callerGroups, &Profile::automaticAnswer};
    if (number >= 10) return nullptr;
    return reminderModel(phone) ? kReminderModels[number] : kOthers[number];
}

bool listed(const std::vector<int>& features, uint8_t feature) {
    return std::ranges::find(features, feature) != features.end();
}

Profile* profileAt(Phone& phone, std::span<const uint8_t> body, size_t at) {
    auto& profiles = phone.fixture.data.profiles;
    if (body.size() <= at || body[at] >= profiles.size()) return nullptr;
    return &profiles[body[at]];
}

}  // namespace

void onProfileNameRequest(Phone& phone, std::span<const uint8_t> body) {
    const Profile* profile = profileAt(phone, body, 4);
    if (!profile) return;
    std::vector<uint8_t> name;
    for (const uint8_t c : latin1(profile->name)) {
        if (reminderModel(phone)) name.push_back(0x00);
        name.push_back(c);
    }
    std::vector<uint8_t> answer = {0x00,
                                   0x01,
                                   0x00,
                                   0x1B,
                                   0x01,
                                   body[4],
                                   0x00,
                                   0x00,
                                   profile->standardName,
                                   static_cast<uint8_t>(name.size())};
    answer.insert(answer.end(), name.begin(), name.end());
    phone.answer({0x05, std::move(answer)});
}

void onProfileFeatureRequest(Phone& phone, std::span<const uint8_t> body) {
    const Profile* profile = profileAt(phone, body, 5);
    if (!profile || body.size() < 7 || body[4] != 0x01) return;
    const Feature feature = featureOf(phone, body[6]);
    if (!feature || listed(profile->unansweredReads, body[6])) return;
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x14, 0x01, body[5], body[6], 0x01, profile->*feature}});
}

void onProfileNameWrite(Phone& phone, std::span<const uint8_t> body) {
    Profile* profile = profileAt(phone, body, 7);
    if (!profile || body.size() < 9 || body.size() < size_t{9} + body[8]) return;
    QString name;
    for (const uint8_t c : body.subspan(9, body[8])) {
        if (c != 0x00) name += QChar(c);
    }
    profile->name = name;
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x1D, 0x01, body[7]}});
}

void onProfileFeatureWrite(Phone& phone, std::span<const uint8_t> body) {
    Profile* profile = profileAt(phone, body, 5);
    if (!profile || body.size() < 8) return;
    const Feature feature = featureOf(phone, body[6]);
    if (!feature || listed(profile->unansweredWrites, body[6])) return;
    profile->*feature = body[7];
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x11, 0x01, body[5], body[6]}});
}

}  // namespace phonesim::nokia61xx
