#include "phonelib/drivers/replytable.h"

#include <vector>

#include "phonelib/api/library.h"

namespace phonelib {

void dispatchReceived(std::span<const ReplyRow> rows, uint8_t type) {
    const auto body = lib().receiveBuffer.body();
    const std::vector<uint8_t> copy(body.begin(), body.end());
    dispatchReply(rows, type, copy);
}

}  // namespace phonelib
