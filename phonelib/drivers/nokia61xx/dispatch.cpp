// The receive dispatcher of the Nokia 61xx family: message type and sub-code
// select one small handler.
#include <array>

#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/replytable.h"

namespace phonelib::nokia {

namespace {

constexpr std::array kReplies = {
    ReplyRow{0x04, 3, 0x02, onPhoneStatus},        ReplyRow{0x0A, 0, kAnySubCode, onNetwork},
    ReplyRow{0x0D, 3, 0x50, onDisplayText},        ReplyRow{0x64, 0, kAnySubCode, onIdentity64},
    ReplyRow{0xD2, 0, kAnySubCode, onVersionText},
};

}  // namespace

void Dispatch(uint8_t messageType) {
    dispatchReceived(kReplies, messageType);
}

}  // namespace phonelib::nokia
