// Battery, signal and network of the 7110 family. No request asks for
// battery or signal: the phone sends type 0x17 and 0x0A 82 messages by
// itself, and GetNetworkInfo's second request brings a fresh 0x82. A signal
// message completes the status mailbox, not the network one: arriving by
// itself during a network request it must not end that wait before the
// network answer is there.
//
//   0x17  00 01 00 03 xx pct            battery, percent at 5
//   0x0A  00 01 00 82 pct               signal, percent at 4
//   0x0A  00 01 00 71 ... k ...         network: cell at 10-11, area at 12-13,
//                                       network code at 14-16 (semi-octets);
//                                       operator logo: width k+8, height k+9,
//                                       row data from k+14 (k = byte 7)
#include <algorithm>

#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/nokia7110/replies.h"

namespace phonelib::nokia7110 {

namespace {

constexpr uint8_t kMaxLevel = 4;

uint8_t level(uint8_t percent) {
    return std::min<uint8_t>(percent / 25, kMaxLevel);
}

}  // namespace

std::optional<uint8_t> decodeBattery(std::span<const uint8_t> body) {
    if (body.size() < 6) return std::nullopt;
    return level(body[5]);
}

std::optional<uint8_t> decodeSignal(std::span<const uint8_t> body) {
    if (body.size() < 5) return std::nullopt;
    return level(body[4]);
}

bool decodeNetworkLogo(std::span<const uint8_t> body, GSMBitmap& logo) {
    if (body.size() < 8) return false;
    const size_t k = body[7];
    if (k + 14 > body.size()) return false;
    const int32_t width = body[k + 8];
    const int32_t height = body[k + 9];
    const int32_t size = (width * height + 7) / 8;
    if (size > kBitmapBytes || k + 14 + static_cast<size_t>(size) > body.size()) return false;
    logo.kind = bkOperatorLogo;
    logo.width = width;
    logo.height = height;
    logo.size = size;
    logo.rowData.fill(0);
    std::copy_n(body.begin() + static_cast<long>(k + 14), size, logo.rowData.begin());
    return true;
}

void onBattery(std::span<const uint8_t> body) {
    if (const auto battery = decodeBattery(body)) nokia::mailboxes().status.battery = *battery;
}

void onNetworkAnswer(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    if (nokia::decodeNetwork(body, box.network)) nokia::nameOperator(box.network.networkOperator);
    if (decodeNetworkLogo(body, box.logo)) box.logoFlag = 1;
    box.networkFlag = 1;
}

void onSignal(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    if (const auto signal = decodeSignal(body)) box.status.signal = *signal;
    box.statusFlag = 1;
}

void onOtherNetworkAnswer(std::span<const uint8_t>) {
    nokia::mailboxes().networkFlag = 1;
}

}  // namespace phonelib::nokia7110
