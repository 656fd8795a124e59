// Type 0x40: extended commands, the sub-command in byte 2. Every answer is a
// type 0x40 message that repeats 00 01 and the sub-command:
//
//   00 01 64 01      extended commands on    → 00 01 64 01
//   00 01 66         IMEI                    → 00 01 66 00, IMEI, NUL (from byte 4)
//   00 01 C8 01      version text            → 00 01 C8 01 00, the 0xD2 text (from byte 5)
//   00 01 C8 05      hardware version        → 00 01 C8 05 00, text, NUL (from byte 5)
//   00 01 C8 12      language pack (PPM)     → 00 01 C8 12 00, letter, NUL (from byte 5)
//   00 01 CA 01      production data         → 00 01 CA 01 00, text, NUL (from byte 5)
//   00 01 C8 02      version checksum        → 00 01 C8 02 00, 4 characters, NUL
//   00 01 C8 09      a further version letter → 00 01 C8 09 00, 1 character, NUL
//   00 01 CC 01      IMEI as made            → 00 01 CC 01 00, IMEI, NUL (from byte 5)
//   00 01 CC 02      month of manufacture    → 00 01 CC 02 00, "MMYY", NUL
//   00 01 8A 00      SIM locks               → 00 01 8A 00 01, user-lock bits (5),
//                                              closed-lock bits (6), 00 00, 12 bytes of
//                                              lock data, 4 counters: no lock set
//   00 01 B4 s c     security ID          → 00 01 B5 s 00, 13 characters from byte 5
//   00 01 8F …       buzzer tone             → 00 01 8F 00
//
// All but the first need extended commands switched on; before that, and for
// parameters not listed, the phone says nothing.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

// The language pack of the phone's texts (a letter per set of languages).
const QString kLanguagePack = QStringLiteral("B");
// Further version details and the month the phone was made.
const QString kVersionChecksum = QStringLiteral("7A1C");
const QString kVersionLetter = QStringLiteral("a");
const QString kManufactured = QStringLiteral("0301");
const QString kSecurityId = QStringLiteral("3A7F0C22019B4");

int parameterOf(std::span<const uint8_t> body) {
    return body.size() > 3 ? body[3] : -1;
}

void answerText(Phone& phone, std::vector<uint8_t> head, const std::vector<uint8_t>& text,
                bool terminate) {
    head.insert(head.end(), text.begin(), text.end());
    if (terminate) head.push_back(0x00);
    phone.answer({0x40, std::move(head)});
}

}  // namespace

void onExtendedCommandsSwitch(Phone& phone, std::span<const uint8_t> body) {
    const int parameter = parameterOf(body);
    phone.extendedCommands = parameter == 0x01;
    phone.answer({0x40, {0x00, 0x01, 0x64, static_cast<uint8_t>(parameter < 0 ? 0 : parameter)}});
}

void onImeiRequest(Phone& phone, std::span<const uint8_t>) {
    if (!phone.extendedCommands) return;
    answerText(phone, {0x00, 0x01, 0x66, 0x00}, latin1(phone.fixture.identity.imei), true);
}

void onVersionQuery(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands) return;
    const Identity& id = phone.fixture.identity;
    switch (parameterOf(body)) {
        case 0x01:
            return answerText(phone, {0x00, 0x01, 0xC8, 0x01, 0x00}, versionText(id), false);
        case 0x05:
            return answerText(phone, {0x00, 0x01, 0xC8, 0x05, 0x00}, latin1(id.hardwareVersion),
                              true);
        case 0x02:
            return answerText(phone, {0x00, 0x01, 0xC8, 0x02, 0x00}, latin1(kVersionChecksum),
                              true);
        case 0x09:
            return answerText(phone, {0x00, 0x01, 0xC8, 0x09, 0x00}, latin1(kVersionLetter), true);
        case 0x12:
            return answerText(phone, {0x00, 0x01, 0xC8, 0x12, 0x00}, latin1(kLanguagePack), true);
        default:
            return;
    }
}

void onProductionDataRequest(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands || parameterOf(body) != 0x01) return;
    answerText(phone, {0x00, 0x01, 0xCA, 0x01, 0x00}, latin1(phone.fixture.identity.productionData),
               true);
}

void onMakerDetails(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands) return;
    switch (parameterOf(body)) {
        case 0x01:
            return answerText(phone, {0x00, 0x01, 0xCC, 0x01, 0x00},
                              latin1(phone.fixture.identity.imei), true);
        case 0x02:
            return answerText(phone, {0x00, 0x01, 0xCC, 0x02, 0x00}, latin1(kManufactured), true);
        default:
            return;
    }
}

void onSimLockRequest(Phone& phone, std::span<const uint8_t>) {
    if (!phone.extendedCommands) return;
    std::vector<uint8_t> answer = {0x00, 0x01, 0x8A, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    answer.resize(25, 0x00);
    phone.answer({0x40, std::move(answer)});
}

void onSecurityIdRequest(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands) return;
    answerText(phone,
               {0x00, 0x01, 0xB5, static_cast<uint8_t>(std::max(parameterOf(body), 0)), 0x00},
               latin1(kSecurityId), false);
}

void onBuzzer(Phone& phone, std::span<const uint8_t>) {
    if (!phone.extendedCommands) return;
    phone.answer({0x40, {0x00, 0x01, 0x8F, 0x00}});
}

}  // namespace phonesim::nokia61xx
