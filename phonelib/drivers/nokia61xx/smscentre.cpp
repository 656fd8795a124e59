// The message-centre number: GetSMSCenter asks for the centre of an index
// (type 0x02, sub-command 33) and the phone answers with sub-code 34.
#include <charconv>

#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/messages.h"

namespace phonelib::nokia {

namespace {

constexpr int32_t kWaitTicks = 4;

// The centre index the caller gives as decimal text; 1 when it is none.
uint8_t centreIndex(const std::string& text) {
    int index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size()) return 1;
    return static_cast<uint8_t>(index);
}

}  // namespace

void onMessageCentre(std::span<const uint8_t> body) {
    // An unknown type byte leaves the flag alone: the request runs out of time.
    if (const auto number = decodeMessageCentre(body)) {
        mailboxes().smsCentre = *number;
        mailboxes().smsFlag = 1;
    }
}

uint8_t GetSMSCenter(std::string& number) {
    auto& box = mailboxes();
    const uint8_t index = centreIndex(number);
    box.smsFlag = 0;
    box.smsCentre = number;
    lib().frames.SendFbusMessage(0x02, {0x00, 0x01, 0x00, 0x33, 0x64, index});
    lib().waitForFlag(box.smsFlag, kWaitTicks);
    if (box.smsFlag == 1) number = box.smsCentre;
    // No answer is 0 here, not 3.
    return box.smsFlag;
}

}  // namespace phonelib::nokia
