// Feeds untrusted phone answers to the decoders of the Nokia 61xx phonebook
// and short messages: whatever the bytes, no decoder reads past the body.
// The first byte picks the decoder; the rest is the body.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"

using namespace phonelib::nokia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // A copy of exactly the body, so reading past it is caught.
    const std::vector<uint8_t> body(data + 1, data + size);
    TPhoneBookEntry entry;
    TCapacity capacity;
    GSMSMS message;
    switch (data[0] % 7) {
        case 0:
            decodeEntry(body, entry);
            break;
        case 1:
            decodeMemoryStatus(body, capacity);
            break;
        case 2:
            decodeCallerGroup(body, entry);
            if (entry.group.size > kBitmapBytes) std::abort();
            break;
        case 3:
            decodeSpeedDial(body, entry);
            break;
        case 4:
            decodeStoredMessage(body, message);
            if (message.text.size() > 2 * body.size()) std::abort();
            break;
        case 5:
            decodeReadError(body);
            break;
        default:
            decodeMessageCentre(body);
            break;
    }
    return 0;
}
