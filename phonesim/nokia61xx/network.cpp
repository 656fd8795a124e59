// Type 0x0A, 00 01 00 70: the network request. Answer 00 01 00 71, at 7 the
// length of the block that follows (9: bytes 8 to 16), network registered
// (byte 8), cell id at 10–11 and location area code at 12–13 (big-endian),
// and the country and network code as semi-octets at 14–16: 262 / 01 gives
// 62 F2 10, 310 / 260 gives 13 00 62. The length of the operator's name
// follows at 17; the simulated phone gives none (00).
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

// Bytes 8 to 16: registration, cell, area and network code.
constexpr uint8_t kCellBlock = 9;

uint8_t digit(const QString& digits, qsizetype i) {
    return i < digits.size() ? static_cast<uint8_t>(digits[i].digitValue()) : 0x0F;
}

}  // namespace

void onNetworkRequest(Phone& phone, std::span<const uint8_t>) {
    const NetworkCell& net = phone.fixture.network;
    const auto& mcc = net.mcc;
    const auto& mnc = net.mnc;
    std::vector<uint8_t> body(18, 0x00);
    body[1] = 0x01;
    body[3] = 0x71;
    body[7] = kCellBlock;
    body[8] = 0x01;
    body[10] = static_cast<uint8_t>(net.cell >> 8);
    body[11] = static_cast<uint8_t>(net.cell & 0xFF);
    body[12] = static_cast<uint8_t>(net.lac >> 8);
    body[13] = static_cast<uint8_t>(net.lac & 0xFF);
    body[14] = static_cast<uint8_t>(digit(mcc, 1) << 4 | digit(mcc, 0));
    body[15] = static_cast<uint8_t>(digit(mnc, 2) << 4 | digit(mcc, 2));
    body[16] = static_cast<uint8_t>(digit(mnc, 1) << 4 | digit(mnc, 0));
    phone.answer({0x0A, std::move(body)});
}

}  // namespace phonesim::nokia61xx
