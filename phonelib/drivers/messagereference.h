// The reference that ties the parts of one concatenated message together:
// it counts up from a random start, so the messages of one send (one per
// recipient) and of sends shortly after each other differ.
#pragma once

#include <cstdint>

namespace phonelib {

// 0 to 254, the next one at each call.
uint8_t nextReference();

}  // namespace phonelib
