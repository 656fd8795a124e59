// What the Siemens AT driver keeps between a reply and the routine that
// waits for it: one completion flag per command group (0 while waiting, 1
// done, otherwise a status byte) and the records the dispatcher fills. The
// identity group uses the library's ReplyState, which the keep-alive reads
// too; identity answers go to the library's phone information record.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

// No phonebook memory selected yet: the next access selects one.
constexpr uint8_t kNoMemory = 0xFF;

struct AtDriver {
    std::atomic<uint8_t> statusFlag{0};
    TPhoneStatus status;

    std::atomic<uint8_t> networkFlag{0};
    TNetWorkInfo network;

    std::atomic<uint8_t> phonebookFlag{0};
    TPhoneBookEntry phonebook;
    TCapacity capacity;
    uint8_t selectedMemory = kNoMemory;

    // Address book, calendar and logo objects as the phone delivered them.
    std::string objectBytes;

    std::atomic<uint8_t> calendarFlag{0};
    TCalendarEntry calendar;

    std::atomic<uint8_t> messageFlag{0};
    GSMSMS sms;
    std::string smsCentre;

    std::atomic<uint8_t> logoFlag{0};
    std::atomic<uint8_t> ringtoneFlag{0};
    std::atomic<uint8_t> promptFlag{0};

    std::atomic<uint8_t> divertFlag{0};
    TDivert divert;

    std::atomic<uint8_t> profileFlag{0};
    TProfile profile;
};

// The driver's state; library thread only.
AtDriver& atdriver();

// Connection set-up: the next phonebook access selects its memory again.
void forgetSelectedMemory();

}  // namespace phonelib::siemens
