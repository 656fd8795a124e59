// Type 0x05 profiles, and the phone-wide settings that travel as features of
// profile 0. Every answer repeats 00 01 00 and a sub-code:
//
//   1A P             name     → 1B 01 01 03 n+2 P n name   (n = 0: the phone
//                                shows the standard name of profile P)
//   13 01 P f        feature  → 14 01 P f 04 v 00 00 00 01
//   1C 01 03 N+2 P N name     → 1D 01 P
//   10 01 P f v      set      → 11 01 P f
//   a profile the phone does not have, or a feature it does not know
//                             → 15 7D (invalid location)
//
// Profile features 0 to 9. Model codes NHM-5, NHM-6 and NPM-5: 0 keypad
// tones, 1 ringing mode, 2 ringtone, 3 volume, 4 message tone, 5 vibration,
// 6 warning tones, 7 to 9 the screen saver (on/off, time-out, picture);
// their names travel as 16-bit characters. The other models: 0 keypad tones,
// 1 lights, 2 ringing mode, 3 ringtone, 4 volume, 5 message tone,
// 6 vibration, 7 warning tones, 8 caller groups, 9 automatic answer.
//
// Phone-wide settings (profile 0): 21 the language on the 6110 class and
// delivery reports on the 3310 class, whose language is 1E; the active
// profile is 2A on the 6110 class and 24 on the 3310 class; 29 chooses the
// start-up logo on the 3310 class.
//
// Features the fixture lists as unanswered (reads or writes) get no answer,
// and such a write is not kept.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

using Feature = uint8_t Profile::*;

constexpr uint8_t kInvalidLocation = 0x7D;

bool reminderModel(const Phone& phone) {
    static const QStringList codes = {QStringLiteral("NHM-5"), QStringLiteral("NHM-6"),
                                      QStringLiteral("NPM-5")};
    return codes.contains(phone.fixture.identity.modelCode);
}

Feature featureOf(const Phone& phone, uint8_t number) {
    static constexpr Feature kReminderModels[] = {
        &Profile::keypadTones,        &Profile::ringingMode,
        &Profile::ringtone,           &Profile::volume,
        &Profile::messageTone,        &Profile::vibration,
        &Profile::warningTones,       &Profile::screenSaver,
        &Profile::screenSaverTimeout, &Profile::screenSaverPicture};
    static constexpr Feature kOthers[] = {&Profile::keypadTones,  &Profile::lights,
                                          &Profile::ringingMode,  &Profile::ringtone,
                                          &Profile::volume,       &Profile::messageTone,
                                          &Profile::vibration,    &Profile::warningTones,
                                          &Profile::callerGroups, &Profile::automaticAnswer};
    if (number >= 10) return nullptr;
    return reminderModel(phone) ? kReminderModels[number] : kOthers[number];
}

// The setting a phone-wide feature number stands for on this model.
int* settingOf(Phone& phone, uint8_t number) {
    PhoneSettings& settings = phone.fixture.data.settings;
    const bool reminder = reminderModel(phone);
    switch (number) {
        case 0x1E:
            return reminder ? &settings.language : nullptr;
        case 0x21:
            return reminder ? nullptr : &settings.language;
        case 0x24:
            return reminder ? &settings.activeProfile : nullptr;
        case 0x2A:
            return reminder ? nullptr : &settings.activeProfile;
        case 0x29:
            return reminder ? &settings.startupLogoChoice : nullptr;
        default:
            return nullptr;
    }
}

bool listed(const std::vector<int>& features, uint8_t feature) {
    return std::ranges::find(features, feature) != features.end();
}

Profile* profileAt(Phone& phone, std::span<const uint8_t> body, size_t at) {
    auto& profiles = phone.fixture.data.profiles;
    if (body.size() <= at || body[at] >= profiles.size()) return nullptr;
    return &profiles[body[at]];
}

void refuse(Phone& phone) {
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x15, kInvalidLocation}});
}

// Delivery reports on the 3310 class share number 21 with the 6110 class's
// language; they are kept as 00/01.
bool isDeliveryReports(const Phone& phone, uint8_t number) {
    return number == 0x21 && reminderModel(phone);
}

}  // namespace

void onProfileNameRequest(Phone& phone, std::span<const uint8_t> body) {
    const Profile* profile = profileAt(phone, body, 4);
    if (!profile) return refuse(phone);
    std::vector<uint8_t> name;
    for (const uint8_t c : latin1(profile->name)) {
        if (reminderModel(phone)) name.push_back(0x00);
        name.push_back(c);
    }
    std::vector<uint8_t> answer = {0x00,    0x01,
                                   0x00,    0x1B,
                                   0x01,    0x01,
                                   0x03,    static_cast<uint8_t>(name.size() + 2),
                                   body[4], static_cast<uint8_t>(name.size())};
    answer.insert(answer.end(), name.begin(), name.end());
    phone.answer({0x05, std::move(answer)});
}

void onProfileFeatureRequest(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7 || body[4] != 0x01) return refuse(phone);
    const uint8_t number = body[6];
    int value = -1;
    if (const Profile* profile = profileAt(phone, body, 5)) {
        if (listed(profile->unansweredReads, number)) return;
        if (const Feature feature = featureOf(phone, number)) value = profile->*feature;
    }
    if (body[5] == 0x00) {
        if (const int* setting = settingOf(phone, number)) value = *setting;
        if (isDeliveryReports(phone, number)) value = phone.fixture.data.settings.deliveryReports;
    }
    if (value < 0) return refuse(phone);
    phone.answer({0x05,
                  {0x00, 0x01, 0x00, 0x14, 0x01, body[5], number, 0x04, static_cast<uint8_t>(value),
                   0x00, 0x00, 0x00, 0x01}});
}

void onProfileNameWrite(Phone& phone, std::span<const uint8_t> body) {
    Profile* profile = profileAt(phone, body, 7);
    if (!profile || body.size() < 9 || body.size() < size_t{9} + body[8]) return refuse(phone);
    QString name;
    for (const uint8_t c : body.subspan(9, body[8])) {
        if (c != 0x00) name += QChar(c);
    }
    profile->name = name;
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x1D, 0x01, body[7]}});
}

void onProfileFeatureWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 8) return refuse(phone);
    const uint8_t number = body[6];
    const uint8_t value = body[7];
    Profile* profile = profileAt(phone, body, 5);
    if (profile && listed(profile->unansweredWrites, number)) return;
    const Feature feature = profile ? featureOf(phone, number) : nullptr;
    int* setting = body[5] == 0x00 ? settingOf(phone, number) : nullptr;
    if (feature) {
        profile->*feature = value;
    } else if (setting) {
        *setting = value;
    } else if (body[5] == 0x00 && isDeliveryReports(phone, number)) {
        phone.fixture.data.settings.deliveryReports = value != 0;
    } else {
        return refuse(phone);
    }
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x11, 0x01, body[5], number}});
}

}  // namespace phonesim::nokia61xx
