// ReadPhoneBookEntry, WritePhoneBookEntry and GetCapacity of the 7110
// family: build the request, send it, wait for the phonebook flag.
#include "phonelib/drivers/nokia7110/phonebook.h"

#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia7110 {

namespace {

constexpr int32_t kReadWait = 3;
constexpr int32_t kWriteWait = 5;
constexpr int32_t kDeleteWait = 3;
// A wait of one tick may end at once, so the status gets two.
constexpr int32_t kStatusWait = 2;

uint8_t exchange(const Request& request, int32_t limit) {
    auto& box = nokia::mailboxes();
    box.phonebookFlag = 0;
    send(request);
    return lib().waitForFlag(box.phonebookFlag, limit);
}

bool deletes(const Request& request) {
    return request.body.size() > 3 && request.body[3] == 0x0F;
}

}  // namespace

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry) {
    auto& box = nokia::mailboxes();
    entry.group.groupName.clear();
    // An entry without a group block belongs to no group (5), so that
    // writing it back does not put it into group 0.
    entry.group.groupIndex = 5;
    entry.numberCount = 0;
    entry.textCount = 0;
    entry.numbers.clear();
    entry.texts.clear();
    entry.name.clear();
    entry.empty = 1;
    box.phonebook = entry;
    Request request;
    if (const uint8_t refused = entryReadRequest(entry, request); refused != stDone) {
        return refused;
    }
    const uint8_t result = exchange(request, kReadWait);
    // Also after a time-out: the entry then comes back as prepared, empty.
    entry = box.phonebook;
    return result;
}

uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry) {
    Request request;
    if (const uint8_t refused = entryWriteRequest(entry, request); refused != stDone) {
        return refused;
    }
    return exchange(request, deletes(request) ? kDeleteWait : kWriteWait);
}

uint8_t GetCapacity(TCapacity& capacity) {
    auto& box = nokia::mailboxes();
    box.capacity = TCapacity{.memory = capacity.memory};
    Request request;
    if (const uint8_t refused = memoryStatusRequest(capacity.memory, request); refused != stDone) {
        capacity = box.capacity;
        return refused;
    }
    const uint8_t result = exchange(request, kStatusWait);
    capacity = box.capacity;
    return result;
}

}  // namespace phonelib::nokia7110
