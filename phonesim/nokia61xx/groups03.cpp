// Type 0x03, caller groups and speed dials. Every answer repeats 00 01 00
// and a sub-code:
//
//   10 G            caller group   → 11 G n name ringtone logo-on size(2) 00 w h 01 picture
//                                     (size counts the picture and its 4 header bytes)
//                                     group 5 ("no group") comes back without name and logo
//                   error          → 12 7D (groups beyond 5; 7D: invalid location)
//   13 G n name ringtone logo-on size(2) 00 w h 01 picture
//                   set caller group → 14 (groups 0 to 4; the PC does not wait for it)
//                   error          → 15 7D
//   16 K            speed dial     → 17 M location (M: 02 phone, 03 SIM; 00 00 unset)
//                   error          → 18 7D (keys are 2 to 9)
//   19 K M L        set speed dial → 1A (L = 0 clears the key)
//                   error          → 1B 7D
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kInvalidLocation = 0x7D;

void refuse(Phone& phone, uint8_t subCode) {
    phone.answer({0x03, {0x00, 0x01, 0x00, subCode, kInvalidLocation}});
}

constexpr uint8_t kNoGroup = 5;

bool isKey(int key) {
    return key >= 2 && key <= 9;
}

}  // namespace

void onCallerGroupRead(Phone& phone, std::span<const uint8_t> body) {
    const auto& groups = phone.fixture.phonebook.callerGroups;
    if (body.size() < 5 || body[4] > kNoGroup) return refuse(phone, 0x12);
    const CallerGroup group = body[4] < groups.size() ? groups[body[4]] : CallerGroup{};
    const auto name = latin1(group.name);
    const auto size = static_cast<uint16_t>(group.logo.data.size() + 4);
    std::vector<uint8_t> answer = {0x00, 0x01,    0x00,
                                   0x11, body[4], static_cast<uint8_t>(name.size())};
    answer.insert(answer.end(), name.begin(), name.end());
    answer.insert(
        answer.end(),
        {static_cast<uint8_t>(group.ringtone), static_cast<uint8_t>(group.logoOn ? 0x01 : 0x00),
         static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size & 0xFF), 0x00,
         static_cast<uint8_t>(group.logo.width), static_cast<uint8_t>(group.logo.height), 0x01});
    answer.insert(answer.end(), group.logo.data.begin(), group.logo.data.end());
    phone.answer({0x03, std::move(answer)});
}

void onCallerGroupWrite(Phone& phone, std::span<const uint8_t> body) {
    auto& groups = phone.fixture.phonebook.callerGroups;
    if (body.size() < 6 || body[4] >= kNoGroup || body[4] >= groups.size())
        return refuse(phone, 0x15);
    const size_t n = body[5];
    const size_t pictureAt = 14 + n;
    if (body.size() < pictureAt) return refuse(phone, 0x15);
    const size_t sizeField = static_cast<size_t>(body[8 + n] << 8 | body[9 + n]);
    if (sizeField < 4 || body.size() < pictureAt + sizeField - 4) return refuse(phone, 0x15);
    const size_t size = sizeField - 4;
    CallerGroup& group = groups[body[4]];
    group.name = QString::fromLatin1(reinterpret_cast<const char*>(body.data() + 6),
                                     static_cast<qsizetype>(n));
    group.ringtone = body[6 + n];
    group.logoOn = body[7 + n] == 0x01;
    group.logo.width = body[11 + n];
    group.logo.height = body[12 + n];
    group.logo.data = QByteArray(reinterpret_cast<const char*>(body.data() + pictureAt),
                                 static_cast<qsizetype>(size));
    phone.answer({0x03, {0x00, 0x01, 0x00, 0x14}});
}

void onSpeedDialRead(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 5 || !isKey(body[4])) return refuse(phone, 0x18);
    const auto& dials = phone.fixture.phonebook.speedDials;
    const auto dial = dials.find(body[4]);
    if (dial == dials.end()) {
        phone.answer({0x03, {0x00, 0x01, 0x00, 0x17, 0x00, 0x00}});
        return;
    }
    phone.answer(
        {0x03,
         {0x00, 0x01, 0x00, 0x17, static_cast<uint8_t>(dial->second.phoneMemory ? 0x02 : 0x03),
          static_cast<uint8_t>(dial->second.location)}});
}

void onSpeedDialWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7 || !isKey(body[4]) || (body[5] != 0x02 && body[5] != 0x03)) {
        return refuse(phone, 0x1B);
    }
    auto& dials = phone.fixture.phonebook.speedDials;
    if (body[6] == 0) {
        dials.erase(body[4]);
    } else {
        dials[body[4]] = SpeedDial{body[5] == 0x02, body[6]};
    }
    phone.answer({0x03, {0x00, 0x01, 0x00, 0x1A}});
}

}  // namespace phonesim::nokia61xx
