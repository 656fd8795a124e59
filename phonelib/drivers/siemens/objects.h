// Objects of the Siemens phones (address-book vCards, calendar vCalendars,
// logo bitmaps, MIDI ringtones) travel as hex text cut into parts:
//
//   read    AT^SBNR="vcf",<index>         the phone answers header lines
//                                          ^SBNR: "vcf",<index>,<part>,<parts>
//                                          each followed by a line of hex
//   write   AT^SBNW="vcf",<index>,<part>,<parts>   then after the "> " prompt
//                                          the part's hex text and Ctrl-Z
//   delete  AT^SBNW="vcf",<index>,0[,0]
//
// Index and part numbers are single bytes on the phone (0..255).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "phonelib/drivers/siemens/atengine.h"
#include "records/typendefinitionen.h"

namespace phonelib::siemens {

enum ObjectKind : int32_t { okVcf = 0, okVcs = 1, okBmp = 3, okMid = 4 };

// The part length of address-book and calendar objects, and of logos and
// ringtones.
constexpr size_t kCardPartLength = 200;
constexpr size_t kMediaPartLength = 300;

// Cuts the hex text into parts of `partLength` characters. False, and the
// entry untouched, when that takes more parts than the buffer holds (201).
bool splitparts(std::string_view hex, size_t partLength, ObjectKind kind, TENTRY& entry);

// The address book's cut: parts of 200 characters, but never a last part
// shorter than 13 (which the phone does not confirm): then the parts are cut
// again to an even length of ceil(length / (parts - 1)).
bool splitcardparts(std::string_view hex, TENTRY& entry);

// Sends the parts with AT^SBNW at the index, each after the phone's prompt,
// and waits 3 s for each part's answer on the flag of the object's kind.
// Stops at the first part that fails and returns its result. An index
// outside 0..255 gives 17 and a buffer without parts 23, with nothing sent.
// A last part shorter than 13 characters counts as taken once it is written.
uint8_t sendobject(const TENTRY& entry, int32_t index);

// The hex text of an object read: every line but the echo, the ^SBNR header
// lines, "OK" and "ERROR", joined.
std::string objectHex(const Lines& lines);

}  // namespace phonelib::siemens
