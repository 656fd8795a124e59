// Querying, registering and erasing call diverts.
//
// Register: 00 01 00 01 03 00 reason class 01, number type (91
// international, 81 otherwise), the number's semi-octets from byte 10, their
// count + 1 at byte 29, the no-reply delay at byte 52; 53 bytes.
// Erase: 00 01 00 01 04 00 reason class 00; 9 bytes.
// Answer 02: reason code at 6, class code at 8, 01 at 9 when not active,
// number type at 13, number from 14, its byte count + 1 at 22, delay at 45.
// Answer 03: the network refused.
#include "phonelib/drivers/nokia61xx/diverts.h"

#include "codecs/tools/hextext.h"
#include "codecs/tools/phonenumbers.h"
#include "codecs/tools/semioctets.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia {

namespace {

constexpr uint8_t kReasonCodes[] = {0x15, 0x43, 0x3E, 0x3D};
constexpr uint8_t kClassCodes[] = {0x0B, 0x19, 0x0D};
constexpr uint8_t kInternational = 0x91;
constexpr uint8_t kNational = 0x81;

constexpr size_t kNumberAt = 10;
constexpr size_t kNumberCountAt = 29;
constexpr size_t kDelayAt = 52;

constexpr int32_t kQueryWait = 10;
constexpr int32_t kWriteWait = 5;

std::optional<uint8_t> reasonOfCode(uint8_t code) {
    for (uint8_t reason = 0; reason < 4; ++reason) {
        if (kReasonCodes[reason] == code) return reason;
    }
    return std::nullopt;
}

std::optional<uint8_t> classOfCode(uint8_t code) {
    switch (code) {
        case 0x0B:
            return 0;
        case 0x10:
            return 1;
        case 0x0D:
            return 2;
        default:
            return std::nullopt;
    }
}

uint8_t exchange(const Request& request, int32_t limit) {
    auto& box = mailboxes();
    box.divertFlag = 0;
    send(request);
    return lib().waitForFlag(box.divertFlag, limit);
}

}  // namespace

std::optional<DivertCodes> divertCodes(const TDivert& divert) {
    if (divert.reason > 3 || divert.callClass > 2) return std::nullopt;
    return DivertCodes{kReasonCodes[divert.reason], kClassCodes[divert.callClass]};
}

Request divertQuery(DivertCodes codes) {
    return {0x06, {0x00, 0x01, 0x00, 0x01, 0x05, 0x00, codes.reason, codes.callClass, 0x00}};
}

uint8_t divertWrite(const TDivert& divert, DivertCodes codes, Request& request) {
    std::vector<uint8_t> body(101, 0x00);
    body[1] = 0x01;
    body[3] = 0x01;
    body[4] = divert.active ? 0x03 : 0x04;
    body[6] = codes.reason;
    body[7] = codes.callClass;
    if (!divert.active) {
        body.resize(9);
        request = {0x06, std::move(body)};
        return stDone;
    }
    std::string number = divert.number;
    const bool international = tools::formatnumber(number) == 0;
    if (international) number.erase(0, 1);
    const std::string digits = tools::hextobytes(tools::semioctetencode(number));
    if (digits.size() > kNumberCountAt - kNumberAt) return stTooLong;
    body[8] = 0x01;
    body[9] = international ? kInternational : kNational;
    std::copy(digits.begin(), digits.end(), body.begin() + kNumberAt);
    body[kNumberCountAt] = static_cast<uint8_t>(digits.size() + 1);
    body[kDelayAt] = static_cast<uint8_t>(divert.delay & 0xFF);
    body.resize(kDelayAt + 1);
    request = {0x06, std::move(body)};
    return stDone;
}

bool decodeDivert(std::span<const uint8_t> body, TDivert& divert) {
    if (body.size() < 23) return false;
    if (const auto reason = reasonOfCode(body[6])) divert.reason = *reason;
    if (const auto callClass = classOfCode(body[8])) divert.callClass = *callClass;
    divert.active = body[9] == 0x01 ? 0 : 1;
    divert.number.clear();
    const int count = body[22] - 1;
    if (count <= 0) {
        divert.active = 0;
    } else if (const std::string hex = hexOf(body, 14, static_cast<size_t>(count));
               hex.size() == 2 * static_cast<size_t>(count)) {
        divert.number = tools::semioctetdecode(hex);
        if (body[13] == kInternational) divert.number.insert(0, 1, '+');
    }
    if (body.size() > 45) divert.delay = body[45];
    return true;
}

void onDivert(std::span<const uint8_t> body) {
    if (decodeDivert(body, mailboxes().divert)) mailboxes().divertFlag = 1;
}

void onDivertRefused(std::span<const uint8_t>) {
    mailboxes().divertFlag = stDivertRefused;
}

uint8_t GetDiverts(TDivert& divert) {
    const auto codes = divertCodes(divert);
    if (!codes) return stNotAvailable;
    auto& box = mailboxes();
    // A refusal then reports the asked divert as not active, not whatever
    // an earlier answer left.
    box.divert = divert;
    box.divert.active = 0;
    box.divert.number.clear();
    const uint8_t result = exchange(divertQuery(*codes), kQueryWait);
    if (result == stNoAnswer) return result;
    divert = box.divert;
    return result;
}

uint8_t SetDiverts(TDivert& divert) {
    const auto codes = divertCodes(divert);
    if (!codes) return stNotAvailable;
    Request request;
    if (const uint8_t refused = divertWrite(divert, *codes, request); refused != stDone) {
        return refused;
    }
    return exchange(request, kWriteWait);
}

}  // namespace phonelib::nokia
