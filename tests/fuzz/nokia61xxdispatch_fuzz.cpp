// Feeds phone messages to the Nokia 61xx dispatcher the way the frame layer
// hands them over: the message in the receive buffer, its type as argument.
// The first byte picks the model (ids 10 to 17: some decoders differ by
// model), the second is the message type, the rest the body. Every decoder
// behind the reply table runs on whatever a phone may send.
#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/procedures.h"

using phonelib::lib;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    // The library thread stays idle meanwhile: no tick, no keep-alive, and
    // whatever a handler sends goes nowhere.
    lib().setTickPeriod(0);
    lib().runJob([] { lib().setTransport(nullptr); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    auto& library = lib();
    library.state.ModelId = static_cast<uint8_t>(10 + data[0] % 8);
    auto& buffer = library.receiveBuffer;
    const size_t length = std::min(size - 2, buffer.data.size());
    std::copy(data + 2, data + 2 + length, buffer.data.begin());
    buffer.messageType = data[1];
    buffer.length = static_cast<int32_t>(length);
    phonelib::nokia::Dispatch(data[1]);
    return 0;
}
