// GetSMS, deletesms, getsmsinfos, writesms and the folder creation of the
// 7110 family, and the dispatcher's handlers of their answers.
#include "phonelib/drivers/nokia7110/messages.h"

#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/messages.h"

namespace phonelib::nokia7110 {

namespace {

constexpr int32_t kWait = 5;

uint8_t exchange(const Request& request) {
    auto& box = nokia::mailboxes();
    box.smsFlag = 0;
    send(request);
    return lib().waitForFlag(box.smsFlag, kWait);
}

}  // namespace

void onStoredMessage(std::span<const uint8_t> body) {
    if (decodeStoredMessage(body, nokia::mailboxes().sms)) nokia::mailboxes().smsFlag = 1;
}

void onMessageDone(std::span<const uint8_t>) {
    nokia::mailboxes().smsFlag = 1;
}

void onMessageRefused(std::span<const uint8_t>) {
    nokia::mailboxes().smsFlag = stRefused;
}

void onFolderList(std::span<const uint8_t> body) {
    if (decodeFolderList(body, mailboxes().folderList)) nokia::mailboxes().smsFlag = 1;
}

void onMessageArrived(std::span<const uint8_t> body) {
    if (body.size() < 7) return;
    const int location = body[5] << 8 | body[6];
    if (location == 0) return;
    lib().post(nfSmsArrived, location, body[4]);
}

void onFolderStatus(std::span<const uint8_t> body) {
    if (decodeFolderStatus(body, mailboxes().folderStatus)) nokia::mailboxes().smsFlag = 1;
}

uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message) {
    Request request;
    if (const uint8_t refused = messageReadRequest(folder, location, request); refused != stDone) {
        return refused;
    }
    auto& box = nokia::mailboxes();
    // No field of an earlier message may stay behind.
    box.sms = GSMSMS{};
    const uint8_t result = exchange(request);
    if (result == stDone) message = box.sms;
    return result;
}

uint8_t deletesms(uint8_t folder, int32_t location) {
    Request request;
    if (const uint8_t refused = messageDeleteRequest(folder, location, request);
        refused != stDone) {
        return refused;
    }
    return exchange(request);
}

uint8_t getsmsinfos(tsmsinfo& info) {
    auto& folders = mailboxes().folderList;
    folders = tsmsinfo{};
    uint8_t result = exchange(folderListRequest());
    if (result != stDone) return result;
    for (int32_t i = 0; i < folders.folderCount && result == stDone; ++i) {
        tsmsfolder& folder = folders.folders[static_cast<size_t>(i)];
        result = exchange(folderStatusRequest(static_cast<uint8_t>(folder.folderId)));
        if (result != stDone) break;
        folder.messageCount = mailboxes().folderStatus.messageCount;
        folder.locations = mailboxes().folderStatus.locations;
    }
    info = folders;
    return result;
}

uint8_t writesms(uint8_t folder, int32_t location, GSMSMS& message) {
    Request request;
    if (const uint8_t refused = messageWriteRequest(folder, location, message, request);
        refused != stDone) {
        return refused;
    }
    return exchange(request);
}

uint8_t createFolder(const std::string& name) {
    return exchange(folderCreateRequest(name));
}

}  // namespace phonelib::nokia7110
