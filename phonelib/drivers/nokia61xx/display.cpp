// Display text that a 61xx phone sends by itself; the host is told that it
// arrived.
#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/nokia61xx/replies.h"

namespace phonelib::nokia {

void onDisplayText(std::span<const uint8_t>) {
    lib().post(nfDisplayText);
}

}  // namespace phonelib::nokia
