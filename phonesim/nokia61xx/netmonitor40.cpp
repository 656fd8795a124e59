// Type 0x40, 00 01 7E t: the network monitor (field test display). Answer
// 00 01 7E t, then the screen text from byte 4, NUL. t = 00 turns to the
// next screen, F0 resets the monitor, F1 switches it off, F2 and F3 switch
// its menus; these only acknowledge (no text). Any other t shows test t.
//
// Test 1 (serving cell): characters 0–3 the channel, 4–6 the received
// level in dBm without its sign ("-" at 4: no signal), then the cell and
// area. Test 23 (battery): character 29 is the battery's bar count in
// tenths of a full charge: 2, 5, 7 or 9.
#include <QString>
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kServingCell = 0x01;
constexpr uint8_t kBattery = 0x17;

// Received level of the signal bars 0 to 4.
QString levelText(int signal) {
    static const char* const kLevels[] = {"-  ", " 95", " 90", " 85", " 63"};
    return QLatin1String(kLevels[std::clamp(signal, 0, 4)]);
}

QString screen(const Fixture& fixture, uint8_t test) {
    switch (test) {
        case kServingCell:
            return QStringLiteral("0055") + levelText(fixture.signal) +
                   QStringLiteral(" 01 %1  %2  x")
                       .arg(fixture.network.cell, 4, 16, QLatin1Char('0'))
                       .arg(fixture.network.lac, 4, 16, QLatin1Char('0'))
                       .toUpper();
        case kBattery: {
            static const char kBars[] = {'0', '2', '5', '7', '9'};
            QString text = QStringLiteral("BSTAT 4010mV CHG-OFF CAP 750mAh  ");
            text[29] = QLatin1Char(kBars[std::clamp(fixture.battery, 0, 4)]);
            return text;
        }
        default:
            return QStringLiteral("TEST %1").arg(test);
    }
}

}  // namespace

void onNetMonitor(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands || body.size() < 4) return;
    const uint8_t test = body[3];
    std::vector<uint8_t> answer = {0x00, 0x01, 0x7E, test};
    if (test != 0x00 && test < 0xF0) {
        const auto text = latin1(screen(phone.fixture, test));
        answer.insert(answer.end(), text.begin(), text.end());
        answer.push_back(0x00);
    }
    phone.answer({0x40, std::move(answer)});
}

}  // namespace phonesim::nokia61xx
