// WAP bookmarks (type 0x3F), the same for every Nokia model: both families'
// dispatchers hand these answers to onWapAnswer.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

Request wapOpenRequest();
Request bookmarkReadRequest(uint8_t index);
Request bookmarkClearRequest(uint8_t index);
// Name and link as 16-bit characters; stTooLong when either has more
// characters than its length byte counts.
uint8_t bookmarkWriteRequest(const std::string& name, const std::string& link, Request& request);

// Answer 07, one bookmark, appended to `bookmarks` (name and link with
// their NUL bytes removed). False when the body is too short for it or the
// record is full.
bool decodeBookmark(std::span<const uint8_t> body, TWap& bookmarks);

// Every type 0x3F answer completes the waiting request; 07 also brings a
// bookmark.
void onWapAnswer(std::span<const uint8_t> body);

uint8_t GetWAPlink(TWap& bookmarks);
uint8_t WriteWAPlink(TWap& bookmarks);

}  // namespace phonelib::nokia7110
