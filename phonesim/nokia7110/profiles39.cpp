// Type 0x39, profiles. The phone numbers them from 1 (P + 1 for the
// fixture's profile P); item FF is the name, 0 to 9 the features in the
// order keypad tones, lights, ringing mode, ringtone, volume, message tone,
// vibration, warning tones, caller groups, automatic answer. Codes are the
// phone's own (keypad 00-03, ringing mode 00-03 and 05, volume 00-04, …).
//
//   00 01 00 01 01 01 01 P+1 i          read
//     → 00 01 00 02 01 01 FF P+1 P n name     the standard name's code (P),
//                                             the name's byte count (n) and
//                                             the name as 16-bit characters
//                                             (00 when the name is empty)
//     → 00 01 00 02 01 01 i P+1 00 01 v        feature i has code v
//   00 01 00 03 01 01 03 FF P+1 n name  write the name (00 c pairs and 00)
//   00 01 00 03 01 01 03 i P+1 01 v     write feature i
//     → 00 01 00 04 01 01 i P+1
// A profile the phone does not have, or an item beyond these, gets no
// answer.
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr uint8_t kName = 0xFF;

constexpr uint8_t Profile::*kFeatures[] = {
    &Profile::keypadTones,  &Profile::lights,         &Profile::ringingMode, &Profile::ringtone,
    &Profile::volume,       &Profile::messageTone,    &Profile::vibration,   &Profile::warningTones,
    &Profile::callerGroups, &Profile::automaticAnswer};

Profile* profileOf(Phone& phone, uint8_t phoneNumber) {
    auto& profiles = phone.fixture.data.profiles;
    if (phoneNumber < 1 || phoneNumber > profiles.size()) return nullptr;
    return &profiles[phoneNumber - 1u];
}

void answer(Phone& phone, std::vector<uint8_t> body) {
    body.insert(body.begin(), {0x00, 0x01, 0x00});
    phone.answer({0x39, std::move(body)});
}

}  // namespace

void onProfileRead(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 9) return;
    const uint8_t item = body[8];
    const Profile* profile = profileOf(phone, body[7]);
    if (!profile) return;
    if (item == kName) {
        const auto name = wide(profile->name);
        // A profile without a name of its own shows the standard name of
        // its number.
        const auto standardName = static_cast<uint8_t>(body[7] - 1);
        std::vector<uint8_t> answerBody = {
            0x02, 0x01, 0x01, kName, body[7], standardName, static_cast<uint8_t>(name.size())};
        answerBody.insert(answerBody.end(), name.begin(), name.end());
        if (name.empty()) answerBody.push_back(0x00);
        return answer(phone, std::move(answerBody));
    }
    if (item >= std::size(kFeatures)) return;
    answer(phone, {0x02, 0x01, 0x01, item, body[7], 0x00, 0x01, profile->*kFeatures[item]});
}

void onProfileWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 10) return;
    const uint8_t item = body[7];
    Profile* profile = profileOf(phone, body[8]);
    if (!profile) return;
    if (item == kName) {
        const size_t length = std::min<size_t>(body[9], body.size() - 10);
        profile->name = fromWide(body.subspan(10, length));
    } else if (item < std::size(kFeatures) && body.size() >= 11) {
        profile->*kFeatures[item] = body[10];
    } else {
        return;
    }
    answer(phone, {0x04, 0x01, 0x01, item, body[8]});
}

}  // namespace phonesim::nokia7110
