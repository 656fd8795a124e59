// How the Nokia dispatchers read: a table of rows {message type, position of
// the sub-code, sub-code, handler}. The first row that matches an incoming
// message handles it; a message that no row matches is ignored, so a waiting
// request runs into its time limit.
#pragma once

#include <cstdint>
#include <span>

namespace phonelib {

using ReplyHandler = void (*)(std::span<const uint8_t> body);

constexpr int kAnySubCode = -1;

struct ReplyRow {
    uint8_t type;
    int subCodeAt;  // index of the sub-code byte in the body
    int subCode;    // kAnySubCode: the type alone decides
    ReplyHandler handle;
};

// Runs the handler of the first matching row. A body too short to hold the
// sub-code matches no row that tests one.
inline void dispatchReply(std::span<const ReplyRow> rows, uint8_t type,
                          std::span<const uint8_t> body) {
    for (const auto& row : rows) {
        if (row.type != type) continue;
        if (row.subCode != kAnySubCode && (static_cast<size_t>(row.subCodeAt) >= body.size() ||
                                           body[row.subCodeAt] != row.subCode)) {
            continue;
        }
        row.handle(body);
        return;
    }
}

// Dispatches the message that the frame layer has just completed. The
// handlers get a copy of its body: they may send, and the next message
// reuses the receive buffer.
void dispatchReceived(std::span<const ReplyRow> rows, uint8_t type);

}  // namespace phonelib
