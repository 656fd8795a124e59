#include "phonelib/api/loadtimeslots.h"

namespace phonelib::loadtime {

void Dispatch(uint8_t) {}

uint8_t getcalinfo(TCalendarInfo& info) {
    info.used = 0;
    info.maximum = 1500;
    return 1;
}

}  // namespace phonelib::loadtime
