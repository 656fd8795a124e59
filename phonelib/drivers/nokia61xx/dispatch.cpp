// The receive dispatcher of the Nokia 61xx family: message type and sub-code
// select one small handler.
#include <array>

#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/diverts.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/profiles.h"
#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/nokia7110/wap.h"
#include "phonelib/drivers/replytable.h"

namespace phonelib::nokia {

namespace {

// WAP answers are decoded alike for every Nokia model.
using nokia7110::onWapAnswer;

constexpr std::array kReplies = {
    ReplyRow{0x04, 3, 0x02, onPhoneStatus},
    ReplyRow{0x0A, 0, kAnySubCode, onNetwork},
    ReplyRow{0x0D, 3, 0x50, onDisplayText},
    ReplyRow{0x64, 0, kAnySubCode, onIdentity64},
    ReplyRow{0xD2, 0, kAnySubCode, onVersionText},
    // Short messages: send result and message centre, stored messages.
    ReplyRow{0x02, 3, 0x02, onMessageSent},
    ReplyRow{0x02, 3, 0x03, onMessageRefused},
    ReplyRow{0x02, 3, 0x34, onMessageCentre},
    ReplyRow{0x02, 3, 0x10, onMessageArrived},
    ReplyRow{0x14, 3, 0x08, onStoredMessage},
    ReplyRow{0x14, 3, 0x09, onMessageReadError},
    ReplyRow{0x14, 3, 0x0B, onMessageDeleted},
    // Phonebook: entries, writes, memory status, caller groups, speed dials.
    ReplyRow{0x03, 3, 0x02, onPhonebookEntry},
    ReplyRow{0x03, 3, 0x05, onPhonebookWritten},
    ReplyRow{0x03, 3, 0x08, onMemoryStatus},
    ReplyRow{0x03, 3, 0x11, onCallerGroup},
    ReplyRow{0x03, 3, 0x17, onSpeedDial},
    ReplyRow{0x03, 3, 0x1A, onPhonebookWritten},
    // Logos and profiles.
    ReplyRow{0x05, 3, 0x34, onOperatorLogo},
    ReplyRow{0x05, 3, 0x17, onStartupLogo},
    ReplyRow{0x05, 3, 0x1B, onProfileName},
    ReplyRow{0x05, 3, 0x14, onProfileFeature},
    ReplyRow{0x05, 3, 0x11, onProfileWritten},
    ReplyRow{0x05, 3, 0x1D, onProfileWritten},
    // Call diverts, calendar, WAP bookmarks.
    ReplyRow{0x06, 3, 0x02, onDivert},
    ReplyRow{0x06, 3, 0x03, onDivertRefused},
    ReplyRow{0x13, 3, 0x65, onCalendarWritten},
    ReplyRow{0x13, 3, 0x67, onCalendarNote},
    ReplyRow{0x13, 3, 0x69, onCalendarDeleted},
    ReplyRow{0x3F, 0, kAnySubCode, onWapAnswer},
};

}  // namespace

void Dispatch(uint8_t messageType) {
    dispatchReceived(kReplies, messageType);
}

}  // namespace phonelib::nokia
