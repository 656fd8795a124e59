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
// of diverts listed (0 or 1), at 11 the listed divert's class code, at 12
// its number's octets + 1, its number type at 13, its number from 14 (at
// most 8 bytes), count + 1 at 22, the delay at 45. A request for every
// reason or class lists the first active divert it covers.
// Answer 03 00: refused: unknown codes, a refused call class or divert, a
// register without number or with more than 16 digits.
// The fixture may leave queries of a divert unanswered, and may answer a
// register of a divert as done without keeping it (the answer then shows
// the divert as asked for).
#include <algorithm>

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

bool listed(const std::vector<DivertKey>& keys, const DivertKey& key) {
    return std::ranges::find(keys, key) != keys.end();
}

// The diverts a request covers that the network does not refuse; empty for
// codes the phone does not know.
std::vector<DivertKey> coveredBy(uint8_t reasonCode, uint8_t classCode, const Diverts& diverts) {
    std::vector<DivertKey> covered;
    for (int reason = 0; reason < 4; ++reason) {
        const bool reasonCovered = reasonCode == kReasonCodes[reason] ||
                                   reasonCode == kEveryDivert ||
                                   (reasonCode == kEveryConditional && reason > 0);
        for (int callClass = 0; callClass < 3 && reasonCovered; ++callClass) {
            const DivertKey key{callClass, reason};
            if ((classCode == kEveryClass || classCode == kClassCodes[callClass]) &&
                std::ranges::find(diverts.refusedClasses, callClass) ==
                    diverts.refusedClasses.end() &&
                !listed(diverts.refused, key)) {
                covered.push_back(key);
            }
        }
    }
    return covered;
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

void answerState(Phone& phone, std::span<const uint8_t> request,
                 const std::vector<DivertKey>& covered, const Divert* unkept = nullptr) {
    std::vector<uint8_t> answer(46, 0x00);
    answer[1] = 0x01;
    answer[3] = 0x02;
    answer[4] = request[4];
    answer[6] = request[6];
    answer[7] = 0x02;
    answer[8] = request[7] == kClassCodes[1] ? kClassAnswerCodes[1] : request[7];
    answer[9] = 0x01;
    answer[22] = 0x01;
    const auto& active = phone.fixture.data.diverts.active;
    const auto kept = std::find_if(active.begin(), active.end(), [&](const Divert& d) {
        return listed(covered, DivertKey{d.callClass, d.reason});
    });
    const Divert* divert = unkept ? unkept : kept != active.end() ? &*kept : nullptr;
    if (divert) {
        const bool international = divert->number.startsWith(QLatin1Char('+'));
        const auto number = semiOctetsOf(international ? divert->number.mid(1) : divert->number);
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
    const auto covered = coveredBy(body[6], body[7], diverts);
    if (covered.empty()) return refuse(phone);
    const auto affected = [&](const Divert& d) {
        return listed(covered, DivertKey{d.callClass, d.reason});
    };
    switch (body[4]) {
        case 0x05:
            if (std::ranges::any_of(covered, [&](const DivertKey& key) {
                    return listed(diverts.unanswered, key);
                })) {
                return;
            }
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
            std::erase_if(diverts.active, [&](const Divert& d) {
                return affected(d) && !listed(diverts.notKept, DivertKey{d.callClass, d.reason});
            });
            for (const DivertKey& key : covered) {
                if (!listed(diverts.notKept, key))
                    diverts.active.push_back({key.callClass, key.reason, number, body[52]});
            }
            if (std::ranges::all_of(
                    covered, [&](const DivertKey& key) { return listed(diverts.notKept, key); })) {
                const Divert unkept{covered.front().callClass, covered.front().reason, number,
                                    body[52]};
                return answerState(phone, body, covered, &unkept);
            }
            break;
        }
        default:
            return refuse(phone);
    }
    answerState(phone, body, covered);
}

}  // namespace phonesim::nokia61xx
