// Type 0x06 call diverts: 00 01 00 01, operation at 4 (05 query,
// 03 register, 04 erase), 00, reason code at 6, call class code at 7.
// Register carries the number type at 9 (91 international, 81 other), the
// number's semi-octets from 10, their count + 1 at 29 and the delay at 52.
//
// Answer 02 (the divert's state after the request): reason code at 6,
// class code at 8 (data answers as 10), 01 at 9 when not active (02 when
// active), number type at 13, number from 14 (at most 8 bytes), count + 1 at
// 22, delay at 45; 46 bytes.
// Answer 03: refused: unknown codes, a refused call class or divert, a
// register without number or with more than 16 digits.
// The fixture may leave queries of a divert unanswered, and may answer a
// register of a divert as done without keeping it (the answer then shows
// the divert as asked for).
#include <algorithm>
#include <optional>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kReasonCodes[] = {0x15, 0x43, 0x3E, 0x3D};
constexpr uint8_t kClassCodes[] = {0x0B, 0x19, 0x0D};
constexpr uint8_t kClassAnswerCodes[] = {0x0B, 0x10, 0x0D};
constexpr size_t kMaxNumberBytes = 8;

std::optional<int> indexOf(std::span<const uint8_t> codes, uint8_t code) {
    const auto it = std::find(codes.begin(), codes.end(), code);
    if (it == codes.end()) return std::nullopt;
    return static_cast<int>(it - codes.begin());
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
    phone.answer({0x06, {0x00, 0x01, 0x00, 0x03, 0x00}});
}

bool listed(const std::vector<DivertKey>& keys, int callClass, int reason) {
    return std::ranges::find(keys, DivertKey{callClass, reason}) != keys.end();
}

void answerState(Phone& phone, uint8_t operation, int reason, int callClass,
                 const Divert* unkept = nullptr) {
    std::vector<uint8_t> answer(46, 0x00);
    answer[1] = 0x01;
    answer[3] = 0x02;
    answer[4] = operation;
    answer[6] = kReasonCodes[reason];
    answer[8] = kClassAnswerCodes[callClass];
    answer[9] = 0x01;
    answer[22] = 0x01;
    const auto& active = phone.fixture.data.diverts.active;
    const auto kept = std::find_if(active.begin(), active.end(), [&](const Divert& d) {
        return d.reason == reason && d.callClass == callClass;
    });
    const Divert* divert = unkept ? unkept : kept != active.end() ? &*kept : nullptr;
    if (divert) {
        const bool international = divert->number.startsWith(QLatin1Char('+'));
        const auto number = semiOctetsOf(international ? divert->number.mid(1) : divert->number);
        answer[9] = 0x02;
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
    const uint8_t operation = body[4];
    const auto reason = indexOf(kReasonCodes, body[6]);
    const auto callClass = indexOf(kClassCodes, body[7]);
    auto& diverts = phone.fixture.data.diverts;
    if (!reason || !callClass ||
        std::ranges::find(diverts.refusedClasses, *callClass) != diverts.refusedClasses.end() ||
        listed(diverts.refused, *callClass, *reason)) {
        return refuse(phone);
    }
    const auto sameDivert = [&](const Divert& d) {
        return d.reason == *reason && d.callClass == *callClass;
    };
    switch (operation) {
        case 0x05:
            if (listed(diverts.unanswered, *callClass, *reason)) return;
            break;
        case 0x04:
            std::erase_if(diverts.active, sameDivert);
            break;
        case 0x03: {
            if (body.size() < 53 || body[29] < 2) return refuse(phone);
            const size_t count = body[29] - 1u;
            if (count > kMaxNumberBytes) return refuse(phone);
            QString number = digitsOf(body.subspan(10, count));
            if (number.isEmpty()) return refuse(phone);
            if (body[9] == 0x91) number.prepend(QLatin1Char('+'));
            if (listed(diverts.notKept, *callClass, *reason)) {
                const Divert unkept{*callClass, *reason, number, body[52]};
                return answerState(phone, operation, *reason, *callClass, &unkept);
            }
            std::erase_if(diverts.active, sameDivert);
            diverts.active.push_back({*callClass, *reason, number, body[52]});
            break;
        }
        default:
            return refuse(phone);
    }
    answerState(phone, operation, *reason, *callClass);
}

}  // namespace phonesim::nokia61xx
