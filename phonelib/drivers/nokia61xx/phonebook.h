// The phonebook of the Nokia 61xx family, all over message type 0x03:
// entries of the SIM, the phone memory and the three call lists, caller
// groups, speed dials and the memory status.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/typendefinitionen.h"

namespace phonelib::nokia {

// --- Memories --------------------------------------------------------------

// The phone's memory byte for a memory code that is read entry by entry:
// SIM 03, phone 02, dialled 07, received 08, missed 09.
std::optional<uint8_t> phoneMemoryOf(uint8_t memoryCode);
// The memory code of a memory byte in an answer; 8 for a byte no memory has.
uint8_t memoryCodeOf(uint8_t phoneMemory);

// Models 10 to 13 and 15 have no caller groups.
bool hasCallerGroups(uint8_t modelId);

// --- Requests (pure) ---------------------------------------------------------

// Model ids 11 to 13 (the 3310 class) keep names as 16-bit characters.
bool wideNames(uint8_t modelId);
// The name as those models store it: 00 c for every character, then 00 00.
std::string wideName(const std::string& name);

// Most bytes of name and number one entry write can carry.
constexpr size_t kMaxNameAndNumber = 192;

// The read request for the entry's memory and location: 1, or 2 for a memory
// this family does not read this way, 17 for a location outside 0..255.
uint8_t buildEntryRead(const TPhoneBookEntry& entry, std::vector<uint8_t>& body);

// The write request of an entry (or, for memory code 4, of a speed dial).
// An entry with empty name and empty first number clears its location.
// 1; 2 for a memory that cannot be written; 17 for a location (or speed-dial
// target) outside 0..255; 23 when name and number bytes exceed 192.
uint8_t buildEntryWrite(const TPhoneBookEntry& entry, uint8_t modelId, std::vector<uint8_t>& body);

// --- Answers (pure; they read only what the body holds) ---------------------

// Sub-code 02: name, number and caller group. The entry gets the name (NUL
// bytes removed), exactly one number item holding the number as default,
// and empty = 1 when both are empty. Returns the caller-group byte, or
// nothing when the body ends before it.
std::optional<uint8_t> decodeEntry(std::span<const uint8_t> body, TPhoneBookEntry& entry);

// Sub-code 08: memory byte, free and used locations.
void decodeMemoryStatus(std::span<const uint8_t> body, TCapacity& capacity);

// Sub-code 11: the caller group's name (as the entry's name), size and
// picture (into the entry's group). Returns the ringtone id, or nothing when
// the body ends before it.
std::optional<uint8_t> decodeCallerGroup(std::span<const uint8_t> body, TPhoneBookEntry& entry);

// Sub-code 17: the target memory and location of a speed-dial key go to the
// entry's memory and location.
void decodeSpeedDial(std::span<const uint8_t> body, TPhoneBookEntry& entry);

// --- Handlers of the dispatcher ---------------------------------------------------

void onPhonebookEntry(std::span<const uint8_t> body);
void onPhonebookWritten(std::span<const uint8_t> body);  // sub-codes 05 and 1A
void onMemoryStatus(std::span<const uint8_t> body);
void onCallerGroup(std::span<const uint8_t> body);
void onSpeedDial(std::span<const uint8_t> body);

// --- Procedures of the driver table -------------------------------------------------

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry);
uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry);
uint8_t GetCapacity(TCapacity& capacity);

}  // namespace phonelib::nokia
