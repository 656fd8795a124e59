// The library calls of the phonebook window; tests replace them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "corvina/common/callergroupchoices.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct PhonebookCalls {
    GroupNameCalls groups;                                  // DownloadGroupnames, GetGroupname
    std::function<int32_t(const std::string&)> groupIndex;  // GetGroupIndex
    std::function<uint8_t(TCapacity&)> capacity;            // GetCapacity
    std::function<uint8_t(TPhoneInfo&)> phoneInfos;         // GetPhoneInfos
    std::function<uint8_t(TPhoneBookEntry&)> read;          // ReadPhoneBookEntry
    std::function<uint8_t(const TPhoneBookEntry&)> write;   // WritePhoneBookEntry
    std::function<uint8_t(TWap&)> wapRead;                  // GetWAPlink
    std::function<uint8_t(TWap&)> wapWrite;                 // WriteWAPlink

    static PhonebookCalls library();
};

}  // namespace corvina
