// The mailboxes in which the Nokia dispatchers leave decoded answers. A
// requester clears the mailbox's completion flag, sends, waits until the
// dispatcher sets the flag (1 = success, other values an error code) and
// copies the record. The identity answers go to the library's phone
// information record and use the library's ReplyState as their flag.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "records/typendefinitionen.h"

namespace phonelib::nokia {

struct Mailboxes {
    TPhoneStatus status;
    std::atomic<uint8_t> statusFlag{0};

    TNetWorkInfo network;
    std::atomic<uint8_t> networkFlag{0};

    TPhoneBookEntry phonebook;
    TCapacity capacity;
    std::atomic<uint8_t> phonebookFlag{0};

    GSMSMS sms;
    std::string smsCentre;
    std::atomic<uint8_t> smsFlag{0};

    GSMBitmap logo;
    std::atomic<uint8_t> logoFlag{0};

    TProfile profile;
    std::atomic<uint8_t> profileFlag{0};

    TDivert divert;
    std::atomic<uint8_t> divertFlag{0};

    TCalendarEntry calendar;
    TCalendarInfo calendarInfo;
    std::atomic<uint8_t> calendarFlag{0};

    TWap wap;
    std::atomic<uint8_t> wapFlag{0};

    TDateTimeRec date;
    std::atomic<uint8_t> dateFlag{0};
};

// The library-wide mailboxes; library thread only.
Mailboxes& mailboxes();

}  // namespace phonelib::nokia
