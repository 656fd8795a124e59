// Type 0x06 call diverts: 00 01 00 01, operation at 4 (05 query,
// 03 register, 04 erase), 00, reason code at 6 (15 all calls, 43 busy,
// 3E not reachable, 3D no reply; 02 every divert, 04 every conditional one),
// call class code at 7 (0B voice, 19 data, 0D fax; 00 every class).
// Register carries the number type at 9 (91 international, 81 other), the
// number's semi-octets from 10, their count + 1 at 29 and the delay at 52.
//
// Answer 02 (the divert's state after the request), 46 bytes: operation at
// 4, the reason code at 6, 02 at 7, the class code at 8 (data answers as
// 10), 01 at 9 when no divert is active (02 when one is), at 10 the number
// of diverts listed (0 or 1), at 11 the listed divert's class code, its
// number type at 13, its number from 14 (at most 8 bytes), count + 1 at 22,
// the delay at 45. A request for every reason or class lists the first
// active divert it covers.
// Answer 03 02: refused: unknown codes, a refused call class, a register
// without number or with more than 16 digits.
#include <algorithm>
#include <optional>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kReasonCodes[] = {0x15, 0x43, 0x3E, 0x3D};
constexpr uint8_t kClassCodes[] = {0x0B, 0x19, 0x0D};
constexpr uint8_t kClassAnswerCodes[] = {0x0B, 0x10, 0x0D};
constexpr size_t kMaxNumberBytes = 8;
constexpr uint8_t kEveryDivert = 0x02;
constexpr uint8_t kEveryConditional = 0x04;
constexpr uint8_t kEveryClass = 0x00;

// The reasons and classes a request covers; empty for a code the phone
// does not know.
std::vector<int> reasonsOf(uint8_t code) {
    if (code == kEveryDivert) return {0, 1, 2, 3};
    if (code == kEveryConditional) return {1, 2, 3};
    const auto it = std::find(std::begin(kReasonCodes), std::end(kReasonCodes), code);
    if (it == std::end(kReasonCodes)) return {};
    return {static_cast<int>(it - std::begin(kReasonCodes))};
}

std::vector<int> classesOf(uint8_t code, const Diverts& diverts) {
    std::vector<int> classes;
    for (int c = 0; c < 3; ++c) {
        if ((code == kEveryClass || code == kClassCodes[c]) &&
            std::ranges::find(diverts.refusedClasses, c) == diverts.refusedClasses.end()) {
            classes.push_back(c);
        }
    }
    return classes;
}

QString digitsOf(std::span<const uint8_t> semiOctets) {
    QString digits;
    for (const uint8_t byte : semiOctets) {
        for (const int digit : {byte & 0x0F, byte >> 4}) {
            if (digit <= 9) digits += QChar(u'0' + digit);
        }
    }
    return digits;
}

std::vector<uint8_t> semiOctetsOf(const QString& digits) {
    std::vector<uint8_t> bytes;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const int low = digits[i].digitValue();
        const int high = i + 1 < digits.size() ? digits[i + 1].digitValue() : 0x0F;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

void refuse(Phone& phone) {
    phone.answer({0x06, {0x00, 0x01, 0x00, 0x03, 0x02}});
}

bool covers(const std::vector<int>& list, int value) {
    return std::ranges::find(list, value) != list.end();
}

void answerState(Phone& phone, std::span<const uint8_t> request, const std::vector<int>& reasons,
                 const std::vector<int>& classes) {
    std::vector<uint8_t> answer(46, 0x00);
    answer[1] = 0x01;
    answer[3] = 0x02;
    answer[4] = request[4];
    answer[6] = request[6];
    answer[7] = 0x02;
    answer[8] = request[7] == 0x19 ? 0x10 : request[7];
    answer[9] = 0x01;
    answer[22] = 0x01;
    const auto& active = phone.fixture.data.diverts.active;
    const auto divert = std::find_if(active.begin(), active.end(), [&](const Divert& d) {
        return covers(reasons, d.reason) && covers(classes, d.callClass);
    });
    if (divert != active.end()) {
        const bool international = divert->number.startsWith(QLatin1Char('+'));
        const QString digits = international ? divert->number.mid(1) : divert->number;
        const auto number = semiOctetsOf(digits);
        answer[9] = 0x02;
        answer[10] = 0x01;
        answer[11] = kClassAnswerCodes[divert->callClass];
        answer[12] = static_cast<uint8_t>(number.size() + 1);
        answer[13] = international ? 0x91 : 0x81;
        std::copy(number.begin(), number.end(), answer.begin() + 14);
        answer[22] = static_cast<uint8_t>(number.size() + 1);
        answer[45] = static_cast<uint8_t>(divert->delay);
    }
    phone.answer({0x06, std::move(answer)});
}

}  // namespace

void onDivertRequest(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 8) return refuse(phone);
    auto& diverts = phone.fixture.data.diverts;
    const auto reasons = reasonsOf(body[6]);
    const auto classes = classesOf(body[7], diverts);
    if (reasons.empty() || classes.empty()) return refuse(phone);
    const auto affected = [&](const Divert& d) {
        return covers(reasons, d.reason) && covers(classes, d.callClass);
    };
    switch (body[4]) {
        case 0x05:
            break;
        case 0x04:
            std::erase_if(diverts.active, affected);
            break;
        case 0x03: {
            if (body.size() < 53 || body[29] < 2) return refuse(phone);
            const size_t count = body[29] - 1u;
            if (count > kMaxNumberBytes) return refuse(phone);
            QString number = digitsOf(body.subspan(10, count));
            if (number.isEmpty()) return refuse(phone);
            if (body[9] == 0x91) number.prepend(QLatin1Char('+'));
            std::erase_if(diverts.active, affected);
            for (const int reason : reasons) {
                for (const int callClass : classes)
                    diverts.active.push_back({callClass, reason, number, body[52]});
            }
            break;
        }
        default:
            return refuse(phone);
    }
    answerState(phone, body, reasons, classes);
}

}  // namespace phonesim::nokia61xx
