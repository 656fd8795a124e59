// Battery and signal of a 61xx phone, refreshed by the status request that
// the keep-alive sends every cycle.
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/replies.h"

namespace phonelib::nokia {

std::optional<TPhoneStatus> decodePhoneStatus(std::span<const uint8_t> body) {
    if (body.size() < 9) return std::nullopt;
    TPhoneStatus status;
    status.signal = body[5];
    status.battery = body[8];
    return status;
}

void onPhoneStatus(std::span<const uint8_t> body) {
    const auto status = decodePhoneStatus(body);
    if (!status) return;
    mailboxes().status = *status;
    mailboxes().statusFlag = 1;
}

uint8_t GetPhoneStatus(TPhoneStatus& status) {
    status = mailboxes().status;
    return stDone;
}

}  // namespace phonelib::nokia
