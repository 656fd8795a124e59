// Identity by the type 0x40 requests. The phone answers them only after
// connection set-up has switched its extended commands on (00 01 64 01).
//
// The answers complete a flag of their own: the 7110 keep-alive pings while
// an operation runs, and its version answers (and its clearing of
// ReplyState) must neither end these waits early nor hide an answer.
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia7110/mailboxes.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/nokia7110/replies.h"

namespace phonelib::nokia7110 {

void onIdentity40(std::span<const uint8_t> body) {
    if (body.size() < 3) return;
    auto& box = lib().phoneInfo;
    switch (body[2]) {
        case 0x66:
            box.serialNumber = textUntil(body, 4, 0x00);
            break;
        case 0xC8:
            box.hardwareVersion = textUntil(body, 5, 0x00);
            break;
        case 0xCA:
            box.productionData = textUntil(body, 5, 0x00);
            break;
        default:
            return;
    }
    mailboxes().identityFlag = 1;
    // Still a sign of life for the keep-alive.
    lib().state.ReplyState = 1;
}

uint8_t GetPhoneInfos40(TPhoneInfo& info) {
    auto& library = lib();
    // This family's dispatcher decodes the answers, whichever family is
    // connected; the previous one comes back afterwards.
    const auto previousDispatch = library.table.Dispatch;
    library.table.Dispatch = Dispatch;
    uint8_t result = 0;
    for (const auto& request : {std::initializer_list<uint8_t>{0x00, 0x01, 0x66},
                                std::initializer_list<uint8_t>{0x00, 0x01, 0xCA, 0x01},
                                std::initializer_list<uint8_t>{0x00, 0x01, 0xC8, 0x05}}) {
        mailboxes().identityFlag = 0;
        library.frames.SendFbusMessage(0x40, request);
        result = library.waitForFlag(mailboxes().identityFlag, 3);
    }
    info = library.phoneInfoRecord();
    library.table.Dispatch = previousDispatch;
    return result;
}

}  // namespace phonelib::nokia7110
