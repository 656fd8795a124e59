// The receive dispatcher of the Nokia 7110/62xx family (model ids 18 to 21,
// and every model during the 0x40 identity routine): message type and
// sub-code select one small handler. Types 0x04, 0x05, 0x0D and 0x64 of the
// 61xx family are not read here.
#include <array>

#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/diverts.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/nokia7110/calendar.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/nokia7110/messages.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/nokia7110/profiles.h"
#include "phonelib/drivers/nokia7110/replies.h"
#include "phonelib/drivers/nokia7110/wap.h"
#include "phonelib/drivers/replytable.h"

namespace phonelib::nokia7110 {

namespace {

constexpr std::array kReplies = {
    // Identity, battery, network and signal.
    ReplyRow{0x40, 0, kAnySubCode, onIdentity40},
    ReplyRow{0xD2, 0, kAnySubCode, nokia::onVersionText},
    ReplyRow{0x17, 3, 0x03, onBattery},
    ReplyRow{0x0A, 3, 0x71, onNetworkAnswer},
    ReplyRow{0x0A, 3, 0x82, onSignal},
    ReplyRow{0x0A, 0, kAnySubCode, onOtherNetworkAnswer},
    // Sending and the message centre, as the 61xx family.
    ReplyRow{0x02, 3, 0x02, nokia::onMessageSent},
    ReplyRow{0x02, 3, 0x03, nokia::onMessageRefused},
    ReplyRow{0x02, 3, 0x34, nokia::onMessageCentre},
    ReplyRow{0x02, 3, 0x10, onMessageArrived},
    // Phonebook: every answer ends the wait.
    ReplyRow{0x03, 0, kAnySubCode, onPhonebookAnswer},
    // Stored messages and folders.
    ReplyRow{0x14, 3, 0x08, onStoredMessage},
    ReplyRow{0x14, 3, 0x09, nokia::onMessageReadError},
    ReplyRow{0x14, 3, 0x05, onMessageDone},
    ReplyRow{0x14, 3, 0x0B, onMessageDone},
    ReplyRow{0x14, 3, 0x78, onMessageDone},
    ReplyRow{0x14, 3, 0x03, onMessageRefused},
    ReplyRow{0x14, 3, 0x0C, onMessageRefused},
    ReplyRow{0x14, 3, 0x7B, onFolderList},
    ReplyRow{0x14, 3, 0x6C, onFolderStatus},
    // Calendar.
    ReplyRow{0x13, 3, 0x1A, onCalendarNote},
    ReplyRow{0x13, 3, 0x3B, onCalendarInfo},
    ReplyRow{0x13, 3, 0x32, onNextLocation},
    ReplyRow{0x13, 3, 0x02, onCalendarDone},
    ReplyRow{0x13, 3, 0x04, onCalendarDone},
    ReplyRow{0x13, 3, 0x06, onCalendarDone},
    ReplyRow{0x13, 3, 0x08, onCalendarDone},
    ReplyRow{0x13, 3, 0x0C, onCalendarDone},
    ReplyRow{0x13, 3, 0x65, nokia::onCalendarWritten},
    ReplyRow{0x13, 3, 0x69, nokia::onCalendarDeleted},
    // Profiles: every answer ends the wait.
    ReplyRow{0x39, 0, kAnySubCode, onProfileAnswer},
    // Start-up logo, call diverts, WAP bookmarks.
    ReplyRow{0x7A, 0, kAnySubCode, onStartupLogo},
    ReplyRow{0x06, 3, 0x02, nokia::onDivert},
    ReplyRow{0x06, 3, 0x03, nokia::onDivertRefused},
    ReplyRow{0x3F, 0, kAnySubCode, onWapAnswer},
};

}  // namespace

void Dispatch(uint8_t messageType) {
    dispatchReceived(kReplies, messageType);
}

}  // namespace phonelib::nokia7110
