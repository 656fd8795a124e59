// Why the serial port of the last connection set-up could not be opened.
#pragma once

#include <cstdint>

namespace phonelib {

enum class PortOpenError : uint8_t {
    None,              // opened, or not tried
    NotFound,          // no such device
    PermissionDenied,  // the user may not use it (not in the dialout group)
    Busy,              // another program holds it
    Other,
};

}  // namespace phonelib
