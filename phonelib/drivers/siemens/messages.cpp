// Short messages in PDU mode:
//
//   AT+CMGR=<index>     +CMGR: <stat>,,<length>  then the PDU line; an empty
//                       location answers +CMGR: 0,,0 and no PDU
//   AT+CMGS=<length>    "> " prompt, then the PDU and Ctrl-Z; +CMGS: <reference>
//   AT+CMGD=<index>     OK
//   AT+CSCA?            +CSCA: "<number>",<type>
// <stat>: 0 received unread, 1 received read, 2 stored unsent, 3 stored sent.
#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/messagereference.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/pdu.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kMessageTicks = 3;
constexpr int32_t kSendTicks = 10;

uint8_t messageCommand(const std::string& command) {
    return atcommand(atdriver().messageFlag, command, kMessageTicks);
}

// Sending progress: the part plus ten times the parts, plus the recipient's
// number and the count of recipients; lParam 0 before, then 1 sent, 3 no
// answer, 2 failed.
intptr_t progressTag(int part, int parts, int32_t recipient, int32_t recipients) {
    return part + 10 * parts + 100 * static_cast<intptr_t>(recipient) +
           100000 * static_cast<intptr_t>(recipients);
}

intptr_t progressOutcome(uint8_t result) {
    return result == stDone ? 1 : result == stNoAnswer ? 3 : 2;
}

}  // namespace

void onMessageRead(const Lines& lines) {
    auto& driver = atdriver();
    auto& message = driver.sms;
    if (holdsLine(lines, "ERROR")) {
        driver.messageFlag = errorFlag();
        return;
    }
    if (lines.size() < 3) {
        driver.messageFlag = stInvalidPdu;
        return;
    }
    const int stored = storageStatus(lines[1]);
    message.unread = stored == 0 || stored == 3 ? 1 : 0;
    message.status = stored >= 2 ? 2 : 0;
    if (upper(lines[2]) == "OK") {
        driver.messageFlag = stEmptyLocation;
        return;
    }
    driver.messageFlag = readstoredpdu(lines[2], message);
}

void onMessageDeleted(const Lines&) {
    atdriver().messageFlag = 1;
}

void onMessageSent(const Lines& lines) {
    atdriver().messageFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onServiceCentre(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.messageFlag = errorFlag();
    } else if (lines.size() < 2) {
        driver.messageFlag = 18;
    } else {
        const std::string number = readServiceCentre(lines[1]);
        if (!number.empty()) driver.smsCentre = number;
        driver.messageFlag = number.empty() ? uint8_t{stEmptyLocation} : uint8_t{1};
    }
}

uint8_t GetSMS(uint8_t, int32_t location, GSMSMS& message) {
    auto& driver = atdriver();
    driver.sms = GSMSMS{};
    driver.sms.location = location;
    const uint8_t result = messageCommand("AT+CMGR=" + std::to_string(location) + "\r");
    message = driver.sms;
    return result;
}

// Sends the parts one after the other and stops at the first one the phone
// does not take.
uint8_t SendSMS(GSMSMS& message, const std::string&, int32_t recipient, int32_t recipients) {
    const uint8_t reference = nextReference();
    const SubmitPdu first = buildpdu(message, reference, 1);
    if (first.status != stDone) return first.status;
    uint8_t result = stDone;
    for (int part = 1; part <= first.parts && result == stDone; ++part) {
        const SubmitPdu pdu = part == 1 ? first : buildpdu(message, reference, part);
        const intptr_t tag = progressTag(part, first.parts, recipient, recipients);
        lib().post(nfSmsProgress, tag, 0);
        result = atsendprompt("AT+CMGS=" + std::to_string(tpdulength(pdu.hex)) + "\r",
                              pdu.hex + "\x1A", atdriver().messageFlag, kSendTicks);
        lib().post(nfSmsProgress, tag, progressOutcome(result));
    }
    return result;
}

uint8_t deletesms(uint8_t, int32_t location) {
    return messageCommand("AT+CMGD=" + std::to_string(location) + "\r");
}

uint8_t GetSMSCenter(std::string& number) {
    const uint8_t result = messageCommand("AT+CSCA?\r");
    if (result == stDone) number = atdriver().smsCentre;
    return result;
}

uint8_t getsmsinfos(tsmsinfo& info) {
    const auto names = lib().groupNames.folderNames();
    info = tsmsinfo{};
    info.folderCount = 2;
    for (size_t i = 0; i < names.size(); ++i) {
        info.folders[i].folderId = static_cast<int32_t>(i);
        info.folders[i].folderName = names[i];
    }
    return stDone;
}

}  // namespace phonelib::siemens
