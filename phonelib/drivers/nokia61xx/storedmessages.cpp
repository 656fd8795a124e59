// Reading and deleting stored messages, and the two message folders of the
// 61xx family (it has no folder list of its own; messages are read by
// location from 1 up).
#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/request.h"

namespace phonelib::nokia {

namespace {

constexpr int32_t kWaitTicks = 5;

}  // namespace

void onStoredMessage(std::span<const uint8_t> body) {
    if (decodeStoredMessage(body, mailboxes().sms)) mailboxes().smsFlag = 1;
}

void onMessageReadError(std::span<const uint8_t> body) {
    if (const auto status = decodeReadError(body)) mailboxes().smsFlag = *status;
}

void onMessageDeleted(std::span<const uint8_t>) {
    mailboxes().smsFlag = 1;
}

uint8_t GetSMS(uint8_t, int32_t location, GSMSMS& message) {
    if (!fitsOneByte(location)) return stNoSuchLocation;
    auto& box = mailboxes();
    box.smsFlag = 0;
    lib().frames.SendFbusMessage(
        0x02, {0x00, 0x01, 0x00, 0x07, 0x02, static_cast<uint8_t>(location), 0x01, 0x64});
    const uint8_t result = lib().waitForFlag(box.smsFlag, kWaitTicks);
    if (result == stDone) message = box.sms;
    return result;
}

uint8_t deletesms(uint8_t, int32_t location) {
    if (!fitsOneByte(location)) return stNoSuchLocation;
    auto& box = mailboxes();
    box.smsFlag = 0;
    lib().frames.SendFbusMessage(0x14,
                                 {0x00, 0x01, 0x00, 0x0A, 0x02, static_cast<uint8_t>(location)});
    lib().waitForFlag(box.smsFlag, kWaitTicks);
    // No answer is 0 here, not 3.
    return box.smsFlag;
}

uint8_t getsmsinfos(tsmsinfo& info) {
    const auto names = lib().groupNames.folderNames();
    info.folderCount = 2;
    info.folders[0].folderName = names[0];
    info.folders[1].folderName = names[1];
    return stDone;
}

}  // namespace phonelib::nokia
