// Slot contents from loading until the first connection set-up.
#pragma once

#include <cstdint>

#include "records/typendefinitionen.h"

namespace phonelib::loadtime {

// Ignores every message until a driver is installed.
void Dispatch(uint8_t messageType);

// Reports an empty calendar of 1500 notes without asking the phone.
uint8_t getcalinfo(TCalendarInfo& info);

}  // namespace phonelib::loadtime
