// The AT command engine of the Siemens driver: send a command, let the AT
// line assembler collect the reply lines, interpret them by the command the
// phone echoes, and wait on a completion flag.
//
// What is built so far is what connection set-up and the keep-alive need:
// echo on, identity (model, firmware, IMEI) and the baud-rate answer.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace phonelib::siemens {

// Empties the AT line list and sends the command (it ends in "\r").
void atsend(const std::string& command);

// AtStatus := 1, then waits up to `seconds` ticks for the flag. Returns the
// flag, or 3 when the time ran out.
uint8_t atwait(const std::atomic<uint8_t>& flag, int32_t seconds);

// The AT dispatcher: runs once per finished reply line.
void Dispatch(uint8_t unused);

}  // namespace phonelib::siemens
