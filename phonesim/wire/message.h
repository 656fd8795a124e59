// One Nokia message as the phone sees it: a type byte and a body. Frames,
// acknowledgements and sequence numbers belong to the link below it.
#pragma once

#include <cstdint>
#include <vector>

namespace phonesim {

struct Message {
    uint8_t type = 0;
    std::vector<uint8_t> body;

    bool operator==(const Message&) const = default;
};

}  // namespace phonesim
