// Type 0x02, 00 01 00 33 64 I: the message centre of index I (the phone has
// one, index 1). Answer 00 01 00 34 I, then at 21 the number of address
// octets that follow (the type included), at 22 the type byte (91
// international, 81 otherwise, or what the fixture says) and from 23 the
// digits as semi-octets. Another index, or no centre: 00 01 00 35 02.
#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::nokia61xx {

void onCentreRequest(Phone& phone, std::span<const uint8_t> body) {
    const MessageCentre& centre = phone.fixture.messages.centre;
    const uint8_t index = body.size() > 5 ? body[5] : 0;
    if (index != 1 || centre.number.isEmpty()) {
        phone.answer({0x02, {0x00, 0x01, 0x00, 0x35, 0x02}});
        return;
    }
    const auto digits = semiOctets(centre.number);
    std::vector<uint8_t> answer(23, 0x00);
    answer[1] = 0x01;
    answer[3] = 0x34;
    answer[4] = index;
    answer[21] = static_cast<uint8_t>(digits.size() + 1);
    answer[22] = centre.type >= 0 ? static_cast<uint8_t>(centre.type) : numberType(centre.number);
    answer.insert(answer.end(), digits.begin(), digits.end());
    phone.answer({0x02, std::move(answer)});
}

}  // namespace phonesim::nokia61xx
