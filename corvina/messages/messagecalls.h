// The library calls of the message centre, gathered so that tests (and the
// benchmark) can put a fake phone in their place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/typendefinitionen.h"

namespace corvina {

struct MessageCalls {
    std::function<uint8_t(tsmsinfo&)> folders;
    std::function<uint8_t(uint8_t folder, int32_t location, GSMSMS&)> read;
    std::function<uint8_t(const GSMSMS&, int32_t recipient, int32_t recipients)> send;
    std::function<uint8_t(uint8_t folder, int32_t location)> remove;
    std::function<uint8_t(uint8_t folder, int32_t location, const GSMSMS&)> write;
    std::function<uint8_t(std::string&)> centre;

    static MessageCalls library();
};

// Which way a phone's messages are read.
enum class MessageFamily {
    Siemens,      // model numbers 0-9: by location, the end answers 20
    Nokia61xx,    // 10-17: by location, the end answers 17
    FolderPhone,  // the 7110 family and the 8310 (18-21): folder by folder, the
                  // locations the list names
};
MessageFamily messageFamilyOf(uint8_t modelNumber);
// Model numbers 18-21 (and 24 before the first connection): folders with
// moving and copying.
bool hasMessageFolders(uint8_t modelNumber);

}  // namespace corvina
