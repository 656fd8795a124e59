// Calendar notes, stored as vCalendar objects (see objects.h, vcalendar.h):
//
//   AT^SBNR="vcs",<location>           read
//   AT^SBNW="vcs",<location>,<part>,<parts>   write, after the prompt
//   AT^SBNW="vcs",<location>,0         delete
// The phone is not asked for its capacity: 50 notes on the SL45, SLIK, ME45,
// C45 and S45, 30 on the others.
#include "codecs/tools/hextext.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/request.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/objects.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"
#include "phonelib/drivers/siemens/vcalendar.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kReadTicks = 2;
constexpr int32_t kDeleteTicks = 5;

int32_t calendarCapacity() {
    const uint8_t model = lib().state.ModelId;
    return model >= 4 && model <= 8 ? 50 : 30;
}

}  // namespace

void onCalendarRead(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.calendarFlag = errorFlag();
        return;
    }
    const std::string hex = objectHex(lines);
    if (hex.empty()) {
        driver.calendarFlag = stEmptyLocation;
        return;
    }
    driver.calendar = parsevcal(tools::hextobytes(hex));
    driver.calendarFlag = 1;
}

void onCalendarWritten(const Lines& lines) {
    atdriver().calendarFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location) {
    auto& driver = atdriver();
    const uint8_t result = atcommand(
        driver.calendarFlag, "AT^SBNR=\"vcs\"," + std::to_string(location) + "\r", kReadTicks);
    entry = driver.calendar;
    return result;
}

uint8_t WriteCalendarEntry(TCalendarEntry& entry) {
    TENTRY parts;
    if (!splitparts(tools::bytestohex(writevcal(entry)), kCardPartLength, okVcs, parts)) {
        return stTooLong;
    }
    return sendobject(parts, entry.location);
}

uint8_t DeleteCalendarentry(int32_t location) {
    if (!fitsOneByte(location)) return stNoSuchLocation;
    return atcommand(atdriver().calendarFlag,
                     "AT^SBNW=\"vcs\"," + std::to_string(location) + ",0\r", kDeleteTicks);
}

uint8_t getcalinfo(TCalendarInfo& info) {
    const int32_t capacity = calendarCapacity();
    info.used = capacity;
    info.maximum = capacity;
    for (int32_t i = 0; i < capacity; ++i) info.locations[static_cast<size_t>(i)] = i + 1;
    return stDone;
}

}  // namespace phonelib::siemens
