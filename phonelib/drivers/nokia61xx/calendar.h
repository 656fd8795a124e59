// Calendar notes of the Nokia 61xx family (type 0x13).
//
// Model ids 11 to 13 keep reminders only: a note there is a text with an
// alarm, and its date is the alarm time.
#pragma once

#include <cstdint>
#include <span>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia {

// How many notes the model holds: 10 for ids 11 and 12, else 50.
int32_t calendarCapacity(uint8_t modelId);

Request calendarReadRequest(uint8_t location);
Request calendarDeleteRequest(uint8_t location);
// The write message of a note as the model keeps it. stTooLong when the
// text or the number does not fit its length byte.
uint8_t calendarWriteRequest(uint8_t modelId, const TCalendarEntry& entry, Request& request);

// Answer 0x67 with d[4] = 01: the note into `entry` (status 2). False, and
// the entry unchanged, when the body is too short for its fixed part; a
// text or number longer than the body comes back empty.
bool decodeCalendarNote(std::span<const uint8_t> body, uint8_t modelId, TCalendarEntry& entry);

void onCalendarNote(std::span<const uint8_t> body);
void onCalendarWritten(std::span<const uint8_t> body);
void onCalendarDeleted(std::span<const uint8_t> body);

uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location);
uint8_t WriteCalendarEntry(TCalendarEntry& entry);
uint8_t DeleteCalendarentry(int32_t location);
uint8_t getcalinfo(TCalendarInfo& info);

}  // namespace phonelib::nokia
