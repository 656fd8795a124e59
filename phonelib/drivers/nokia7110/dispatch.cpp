// The receive dispatcher of the Nokia 7110/62xx family.
#include <array>

#include "phonelib/drivers/nokia61xx/diverts.h"
#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/nokia7110/replies.h"
#include "phonelib/drivers/nokia7110/wap.h"
#include "phonelib/drivers/replytable.h"

namespace phonelib::nokia7110 {

namespace {

constexpr std::array kReplies = {
    ReplyRow{0x40, 0, kAnySubCode, onIdentity40},
    ReplyRow{0xD2, 0, kAnySubCode, nokia::onVersionText},
    ReplyRow{0x06, 3, 0x02, nokia::onDivert},
    ReplyRow{0x06, 3, 0x03, nokia::onDivertRefused},
    ReplyRow{0x3F, 0, kAnySubCode, onWapAnswer},
};

}  // namespace

void Dispatch(uint8_t messageType) {
    dispatchReceived(kReplies, messageType);
}

}  // namespace phonelib::nokia7110
