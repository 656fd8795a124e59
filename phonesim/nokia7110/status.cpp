// Battery, signal and network of the 7110 family. The phone tells battery
// and signal by itself (in percent); the network answer carries the
// operator logo of the network the phone is in.
//
//   0x17  (by itself)            → 00 01 00 03 00 pct        battery, percent at 5
//   0x0A  (by itself) / 00 01 00 81 → 00 01 00 82 pct         signal, percent at 4
//   0x0A  00 01 00 70            → 00 01 00 71: 8 registered (01), 7 the
//         logo offset k (11), cell at 10-11, area code at 12-13, country
//         and network code as semi-octets at 14-16; the logo block from
//         k+6: 04, size + 8, width (k+8), height (k+9), 00, size, 00 00,
//         row data from k+14 (width and height 0 without a logo)
//   0x0A  00 01 01 A3 01 X code(3) 00 04 size+8 w h 00 size 00 00 data 00
//         operator logo upload (sent twice, X 00 and 01; not answered);
//         size 0 removes the logo
#include <algorithm>

#include "phonesim/nokia61xx/picturebits.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr uint8_t kLogoOffset = 11;

uint8_t percent(int level) {
    return static_cast<uint8_t>(std::clamp(level, 0, 4) * 25);
}

uint8_t digit(const QString& digits, qsizetype i) {
    return i < digits.size() ? static_cast<uint8_t>(digits[i].digitValue()) : 0x0F;
}

QString networkCode(const NetworkCell& net) {
    return net.mcc + net.mnc;
}

// The network code of an upload: semi-octets 62 F2 10 → "26201"; a third
// network digit stands in the high half of the middle byte.
QString codeOf(std::span<const uint8_t> octets) {
    const int nibbles[] = {octets[0] & 0x0F, octets[0] >> 4, octets[1] & 0x0F,
                           octets[2] & 0x0F, octets[2] >> 4, octets[1] >> 4};
    QString code;
    for (const int nibble : nibbles) {
        if (nibble <= 9) code += QChar(u'0' + nibble);
    }
    return code;
}

Message signalMessage(int level) {
    return {0x0A, {0x00, 0x01, 0x00, 0x82, percent(level)}};
}

}  // namespace

std::vector<Message> statusMessages(const Fixture& fixture) {
    return {{0x17, {0x00, 0x01, 0x00, 0x03, 0x00, percent(fixture.battery)}},
            signalMessage(fixture.signal)};
}

void onSignalRequest(Phone& phone, std::span<const uint8_t>) {
    phone.answer(signalMessage(phone.fixture.signal));
}

void onNetworkRequest(Phone& phone, std::span<const uint8_t>) {
    const NetworkCell& net = phone.fixture.network;
    std::vector<uint8_t> body(kLogoOffset + 14, 0x00);
    body[1] = 0x01;
    body[3] = 0x71;
    body[7] = kLogoOffset;
    body[8] = 0x01;
    body[10] = static_cast<uint8_t>(net.cell >> 8);
    body[11] = static_cast<uint8_t>(net.cell & 0xFF);
    body[12] = static_cast<uint8_t>(net.lac >> 8);
    body[13] = static_cast<uint8_t>(net.lac & 0xFF);
    body[14] = static_cast<uint8_t>(digit(net.mcc, 1) << 4 | digit(net.mcc, 0));
    body[15] = static_cast<uint8_t>(digit(net.mnc, 2) << 4 | digit(net.mcc, 2));
    body[16] = static_cast<uint8_t>(digit(net.mnc, 1) << 4 | digit(net.mnc, 0));
    // The phone shows an operator logo only in the logo's own network.
    const auto& logo = phone.fixture.data.operatorLogo;
    std::vector<uint8_t> rows;
    if (logo && logo->networkCode == networkCode(net)) {
        rows = nokia61xx::rowData(logo->picture);
        body[kLogoOffset + 8] = static_cast<uint8_t>(logo->picture.width);
        body[kLogoOffset + 9] = static_cast<uint8_t>(logo->picture.height);
    }
    body[kLogoOffset + 6] = 0x04;
    body[kLogoOffset + 7] = static_cast<uint8_t>(rows.size() + 8);
    body[kLogoOffset + 11] = static_cast<uint8_t>(rows.size());
    body.insert(body.end(), rows.begin(), rows.end());
    phone.answer({0x0A, std::move(body)});
}

void onOperatorLogoUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 19) return;
    const int width = body[12];
    const int height = body[13];
    const int size = body[15];
    const QString code = codeOf(body.subspan(6, 3));
    auto& logo = phone.fixture.data.operatorLogo;
    if (size == 0) {
        if (logo && logo->networkCode == code) logo.reset();
        return;
    }
    const auto data = body.subspan(18);
    if (size != nokia61xx::pictureBytes(width, height) || data.size() < static_cast<size_t>(size)) {
        return;
    }
    if (const auto picture = nokia61xx::pictureFromRows(width, height, data)) {
        logo = OperatorLogo{code, *picture};
    }
}

}  // namespace phonesim::nokia7110
