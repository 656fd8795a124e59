// SendSMS of the Nokia family: a text message or a smart message (logo,
// picture, ringtone) in as many parts as its text or data need. Each
// part waits up to 10 s for the phone's confirmation (type 0x02, sub-code
// 02 sent, 03 refused); a part not confirmed ends the message. The host
// follows the parts through the sending-progress notifications.
#include <algorithm>
#include <charconv>

#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/messagereference.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/messages.h"

namespace phonelib::nokia {

namespace {

constexpr int32_t kWaitTicks = 10;

// The parts of the message, each a complete SUBMIT body.
uint8_t composeMessage(const GSMSMS& message, std::vector<std::vector<uint8_t>>& parts) {
    const uint8_t reference = nextReference();
    if (message.smartKind == skText) return buildTextSubmits(message, reference, parts);
    std::string data;
    if (const uint8_t loaded = smartData(message, data); loaded != stDone) return loaded;
    return buildSmartSubmits(message, {reinterpret_cast<const uint8_t*>(data.data()), data.size()},
                             reference, parts);
}

// The part to start with, from its two hex digits; 1 when they name none.
size_t firstPart(const std::string& part, size_t parts) {
    unsigned number = 1;
    std::from_chars(part.data(), part.data() + part.size(), number, 16);
    return std::clamp<size_t>(number, 1, parts);
}

// Sends one part and waits for its confirmation; the keep-alive may run
// meanwhile. The result is the flag: 1 sent, 4 refused, 0 no answer.
uint8_t sendPart(const std::vector<uint8_t>& body) {
    auto& library = lib();
    auto& box = mailboxes();
    box.smsFlag = 0;
    library.frames.SendFbusMessage(0x02, body);
    library.state.Busy = false;
    library.waitForFlag(box.smsFlag, kWaitTicks);
    library.state.Busy = true;
    return box.smsFlag;
}

}  // namespace

void onMessageSent(std::span<const uint8_t>) {
    mailboxes().smsFlag = 1;
}

void onMessageRefused(std::span<const uint8_t>) {
    mailboxes().smsFlag = stRefused;
}

uint8_t SendSMS(GSMSMS& message, const std::string& part, int32_t recipient, int32_t recipients) {
    std::vector<std::vector<uint8_t>> parts;
    if (const uint8_t composed = composeMessage(message, parts); composed != stDone) {
        return composed;
    }
    uint8_t result = 0;
    const int count = static_cast<int>(parts.size());
    for (int number = static_cast<int>(firstPart(part, parts.size())); number <= count; ++number) {
        const int32_t tag = progressTag(number, count, recipient, recipients);
        lib().post(nfSmsProgress, tag, 0);
        result = sendPart(parts[static_cast<size_t>(number) - 1]);
        lib().post(nfSmsProgress, tag, progressOutcome(result));
        if (result != 1) break;
    }
    return result;
}

}  // namespace phonelib::nokia
