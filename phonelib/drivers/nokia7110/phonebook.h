// The phonebook of the 7110 family (message type 0x03): entries as lists of
// typed sub-blocks with 16-bit characters, 16-bit locations, caller groups
// as memory 0x10 at group + 1, speed dials as memory 0x0E with block 04.
//
// A block: id, 00 00, its length in bytes (all of it, trailer included),
// a running number (the speed-dial block has the key there instead), the
// content, and 00 00. Requests declare and send the same number of bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

// The phone's memory byte of a memory code: SIM 06, phone 05, caller groups
// 10, speed dials 0E, dialled 01, received 03, missed 02.
std::optional<uint8_t> phoneMemoryOf(uint8_t memoryCode);

// --- Requests (pure) ---------------------------------------------------------

// Reading the entry's memory and location (caller groups: location + 1).
// stNotAvailable for a memory this family has not, stNoSuchLocation for a
// location its 16 bits cannot name.
uint8_t entryReadRequest(const TPhoneBookEntry& entry, Request& request);

// The write of an entry, a speed dial (memory 4) or a caller group's name
// (memory 3, at group + 1); an entry without name and first number (not a
// speed dial) deletes its location instead. stTooLong for a name, number or
// text beyond the 123 characters a length byte can carry.
uint8_t entryWriteRequest(const TPhoneBookEntry& entry, Request& request);

// The caller-group write of a caller-group logo: name, group, ringtone,
// logo switch and picture as blocks into memory 0x10 at group + 1.
uint8_t groupLogoWriteRequest(const GSMBitmap& bitmap, Request& request);

// The memory status; stNotAvailable for caller groups and unknown memories.
uint8_t memoryStatusRequest(uint8_t memoryCode, Request& request);

// --- Answers (pure) ------------------------------------------------------------

// What an entry answer names beside the entry's own fields.
struct EntryFindings {
    std::optional<int32_t> group;     // 1E: caller group (from 0)
    std::optional<uint8_t> ringtone;  // 0C: a caller group's ringtone id
};

// Sub-code 08, an entry: its memory, location (caller groups from 0) and
// blocks into `entry`. An answer with 0F at byte 6 names an empty location
// and changes nothing. A block that does not fit the body ends the reading.
EntryFindings decodeEntry(std::span<const uint8_t> body, TPhoneBookEntry& entry);

// Sub-code 04: used and free locations (the answer gives used and total).
bool decodeMemoryStatus(std::span<const uint8_t> body, TCapacity& capacity);

// A write (0C) or delete (10) answer refused by the phone: 0F at byte 6.
bool refusedByPhone(std::span<const uint8_t> body);

// Every type 0x03 answer ends the wait of a phonebook request.
void onPhonebookAnswer(std::span<const uint8_t> body);

// --- Driver-table procedures ----------------------------------------------------

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry);
uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry);
uint8_t GetCapacity(TCapacity& capacity);

}  // namespace phonelib::nokia7110
