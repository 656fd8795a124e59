// The AT command engine of the Siemens driver: send a command, let the AT
// line assembler collect the reply lines, interpret them by the command the
// phone echoes, and wait on the completion flag of the command's group.
//
// A reply is complete when the line list holds a line "OK" or "ERROR" (the
// line assembler adds "ERROR" after a "+CMS ERROR" or "+CME ERROR" line and
// sets AtStatus from its code). The dispatcher then runs the branch of the
// echoed command, which parses the answer into the driver's records and sets
// the group's flag, and empties the line list.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace phonelib::siemens {

using Lines = std::vector<std::string>;

// Empties the AT line list and sends the command (it ends in "\r").
void atsend(const std::string& command);

// AtStatus := 1, then waits up to `seconds` ticks for the flag. Returns the
// flag, or 3 when the time ran out.
uint8_t atwait(const std::atomic<uint8_t>& flag, int32_t seconds);

// The usual round: the flag := 0, atsend, atwait.
uint8_t atcommand(std::atomic<uint8_t>& flag, const std::string& command, int32_t seconds);

// Commands that take data after the phone's "> " prompt (messages, objects):
// sends the command and waits up to 4 s for the prompt. When it does not
// come (or the phone answers the command with an error instead), the flag
// gets that outcome and the data is not sent. Otherwise the data is written
// and the flag awaited for `seconds`. Returns the flag's final value.
uint8_t atsendprompt(const std::string& command, const std::string& data,
                     std::atomic<uint8_t>& flag, int32_t seconds);

// The AT dispatcher: runs once per finished reply line.
void Dispatch(uint8_t unused);

// --- Helpers of the reply branches -------------------------------------------

std::string upper(std::string_view text);
// True when a whole line equals `wanted`, compared without regard to case.
bool holdsLine(const Lines& lines, std::string_view wanted);
// The first line that contains `key`; nullptr when none does.
const std::string* lineContaining(const Lines& lines, std::string_view key);

// The flag of a reply holding "ERROR": AtStatus, that is the code of an
// error line, or 1 for a plain "ERROR".
uint8_t errorFlag();
// The same for replies to commands that write: a plain "ERROR" means the
// phone refused (4), not success.
uint8_t writeErrorFlag();

// The common pattern of a reply: "ERROR" gives errorFlag(), a reply without
// an answer line 18; otherwise the answer (the line after the echo) is
// stored and the flag becomes 1.
template <class Store>
void answer(const Lines& lines, std::atomic<uint8_t>& flag, Store store) {
    if (holdsLine(lines, "ERROR")) {
        flag = errorFlag();
    } else if (lines.size() < 2) {
        flag = 18;
    } else {
        store(lines[1]);
        flag = 1;
    }
}

}  // namespace phonelib::siemens
