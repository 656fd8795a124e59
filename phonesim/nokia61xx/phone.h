// What a request handler of the Nokia 61xx family works with: the fixture,
// the phone's own state, and the way back to the PC.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "phonesim/fixture/fixture.h"
#include "phonesim/wire/message.h"

namespace phonesim::nokia61xx {

// One part of a message the PC sent, as the phone read it.
struct IncomingPart {
    ReceivedMessage message;  // this part's text or data; parts = how many the message has
    int reference = -1;       // concatenated messages: reference and part number
    int number = 1;
};

struct Phone {
    Fixture& fixture;
    std::function<void(Message)> answer;
    // Set by type 0x40 00 01 64 01; the other 0x40 commands need it. Kept
    // for the phone's life like a real phone until it is switched off.
    bool extendedCommands = false;
    // Cell broadcasts switched on by the PC (type 0x02 20 01 …).
    bool cellBroadcast = false;
    // Parts of concatenated messages whose other parts have not come yet.
    std::vector<IncomingPart> incomingParts = {};
};

using RequestHandler = void (*)(Phone& phone, std::span<const uint8_t> body);

constexpr int kAnySubCode = -1;

// One row of the request table: message type, where the sub-command sits in
// the body, its value, and the handler.
struct RequestRow {
    uint8_t type;
    int subCodeAt;
    int subCode;  // kAnySubCode: the type alone decides
    RequestHandler handle;
};

// Runs the handler of the first matching row. False when no row matches:
// the phone has acknowledged the request and stays silent.
bool dispatchRequest(Phone& phone, const Message& request);
// The same over another family's table.
bool dispatchRequest(std::span<const RequestRow> rows, Phone& phone, const Message& request);

}  // namespace phonesim::nokia61xx
