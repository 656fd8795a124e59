// Date and time request. No answer of the phone is decoded, so the request
// ends when its time limit runs out and the caller's record stays as it was.
#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/procedures.h"

namespace phonelib::nokia {

uint8_t getdate(TDateTimeRec& dateTime) {
    auto& library = lib();
    auto& box = mailboxes();
    box.dateFlag = 0;
    library.frames.SendFbusMessage(0x11, {0x00, 0x01, 0x00, 0x62, 0x00});
    const uint8_t result = library.waitForFlag(box.dateFlag, 3);
    if (result == 1) dateTime = box.date;
    return result;
}

}  // namespace phonelib::nokia
