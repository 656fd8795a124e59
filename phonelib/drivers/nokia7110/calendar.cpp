// getcalinfo, ReadCalendarEntry, WriteCalendarEntry and DeleteCalendarentry
// of the 7110 family, and the dispatcher's handlers of their answers.
#include "phonelib/drivers/nokia7110/calendar.h"

#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia7110 {

namespace {

constexpr int32_t kInfoWait = 2;
constexpr int32_t kReadWait = 2;
constexpr int32_t kWriteWait = 4;
constexpr int32_t kMaximum = 100;

uint8_t exchange(const Request& request, int32_t limit) {
    auto& box = nokia::mailboxes();
    box.calendarFlag = 0;
    send(request);
    return lib().waitForFlag(box.calendarFlag, limit);
}

}  // namespace

void onCalendarInfo(std::span<const uint8_t> body) {
    if (decodeCalendarInfo(body, nokia::mailboxes().calendarInfo)) {
        nokia::mailboxes().calendarFlag = 1;
    }
}

void onNextLocation(std::span<const uint8_t> body) {
    if (const auto next = decodeNextLocation(body)) {
        nokia::mailboxes().calendarInfo.nextLocation = *next;
        nokia::mailboxes().calendarFlag = 1;
    }
}

void onCalendarNote(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    if (decodeCalendarNote(body, box.calendar)) {
        box.calendarFlag = 1;
    } else if (body.size() > 4 && body[4] == 0x93) {
        box.calendarFlag = stEmptyLocation;
    }
}

void onCalendarDone(std::span<const uint8_t>) {
    nokia::mailboxes().calendarFlag = 1;
}

uint8_t getcalinfo(TCalendarInfo& info) {
    auto& box = nokia::mailboxes();
    if (exchange(calendarInfoRequest(), kInfoWait) == stDone) {
        const int32_t next = info.nextLocation;
        info = box.calendarInfo;
        info.nextLocation = next;
    }
    const uint8_t next = exchange(nextLocationRequest(), kInfoWait);
    if (next == stDone) info.nextLocation = box.calendarInfo.nextLocation;
    info.maximum = kMaximum;
    return next == stDone ? stDone : stRefused;
}

uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location) {
    Request request;
    if (const uint8_t refused = calendarReadRequest(location, request); refused != stDone) {
        return refused;
    }
    auto& box = nokia::mailboxes();
    box.calendar = entry;
    box.calendar.location = location;
    const uint8_t result = exchange(request, kReadWait);
    if (result == stDone) entry = box.calendar;
    return result;
}

uint8_t WriteCalendarEntry(TCalendarEntry& entry) {
    Request request;
    if (const uint8_t refused = calendarWriteRequest(entry, request); refused != stDone) {
        return refused;
    }
    return exchange(request, kWriteWait);
}

uint8_t DeleteCalendarentry(int32_t location) {
    Request request;
    if (const uint8_t refused = calendarDeleteRequest(location, request); refused != stDone) {
        return refused;
    }
    return exchange(request, kWriteWait);
}

}  // namespace phonelib::nokia7110
