// What a 61xx phone tells by itself: display text, and a short message it
// has just received and stored. The host is told; it reads the message
// itself.
//
//   0x0D: 00 01 00 50 …        display text
//   0x02: 00 01 00 10 M L      a message came in and lies at location L of
//                              memory M (02, the SIM)
#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/nokia61xx/replies.h"

namespace phonelib::nokia {

void onDisplayText(std::span<const uint8_t>) {
    lib().post(nfDisplayText);
}

void onMessageArrived(std::span<const uint8_t> body) {
    if (body.size() < 6 || body[5] == 0) return;
    lib().post(nfSmsArrived, body[5], 0);
}

}  // namespace phonelib::nokia
