// Calendar notes of the 7110 family (type 0x13): four typed layouts with
// 16-bit characters, 16-bit locations, and the phone naming the location at
// which the next note is to be written.
//
// Note types of the record and their codes in the body: reminder 0 (memo,
// 08), call 1 (02), meeting 2 (01), birthday 3 (04). Meetings and calls
// carry the alarm as its lead in minutes before the note, birthdays in
// seconds; memos have no time and no alarm.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

// --- Requests (pure) ---------------------------------------------------------

Request calendarInfoRequest();
Request nextLocationRequest();
// stNoSuchLocation for a location its 16 bits cannot name.
uint8_t calendarReadRequest(int32_t location, Request& request);
uint8_t calendarDeleteRequest(int32_t location, Request& request);
// The write of the entry at its location. stTooLong for a text or number
// beyond 255 characters or an alarm its lead field cannot carry (after the
// note, or too long before it); stNotAvailable for a type this family has
// not.
uint8_t calendarWriteRequest(const TCalendarEntry& entry, Request& request);

// --- Answers (pure) ------------------------------------------------------------

// 3B: used notes and their locations (at most 1000 kept).
bool decodeCalendarInfo(std::span<const uint8_t> body, TCalendarInfo& info);
// 32: the location for the next note, at bytes 4-5.
std::optional<int32_t> decodeNextLocation(std::span<const uint8_t> body);
// 1A: the note. False, and the entry unchanged, when the body is too short
// for the fixed part of its type or names an empty location (93 at byte 4).
bool decodeCalendarNote(std::span<const uint8_t> body, TCalendarEntry& entry);

void onCalendarInfo(std::span<const uint8_t> body);
void onNextLocation(std::span<const uint8_t> body);
void onCalendarNote(std::span<const uint8_t> body);
void onCalendarDone(std::span<const uint8_t> body);  // written (02 04 06 08), deleted (0C)

// --- Driver-table procedures ----------------------------------------------------

uint8_t getcalinfo(TCalendarInfo& info);
uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location);
uint8_t WriteCalendarEntry(TCalendarEntry& entry);
uint8_t DeleteCalendarentry(int32_t location);

}  // namespace phonelib::nokia7110
