// The standard AT phonebooks of the Siemens phones:
//
//   AT+CPBS="SM"            select: "SM" SIM, "ME" phone memory, "LD" dialled,
//                           "RC" received, "MC" missed calls
//   AT+CPBR=<index>         +CPBR: <index>,"<number>",<type>,"<name>"  (empty: OK alone)
//   AT+CPBW=<index>,"<number>",<type>,"<name>"    write; AT+CPBW=<index> clears
//   AT+CPBR=?               +CPBR: (1-<last index>),<number length>,<name length>
//   AT^SPBG=?               ^SPBG: (1-<used>),...   entries in use
// Names travel in the GSM default alphabet; a call list's location n is
// index n + 1.
#pragma once

#include <cstdint>
#include <string>

namespace phonelib::siemens {

// Selects the memory unless it is the one selected last: 1, a status byte,
// or 2 for a memory without an AT phonebook name. Only a selection the phone
// confirmed is remembered.
uint8_t selectmemory(uint8_t memory);

// A name for a write command: mapped to the GSM default alphabet (a
// character it lacks becomes '?'), then backslash, double quote and '@'
// (GSM code 0) as \5C, \22 and \00.
std::string escapetext(std::string text);

}  // namespace phonelib::siemens
