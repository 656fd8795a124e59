// Call diverts of the Nokia phones (type 0x06), for every Nokia model.
//
// Reasons and call classes travel as GSM service codes: reasons 0 to 3 as
// 15 (all calls), 43 (busy), 3E (not reachable), 3D (no reply); classes
// 0 to 2 as 0B (voice), 19 (data; the phone answers 10) and 0D (fax).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia {

// The service codes of a divert; nothing for a class or reason outside
// the ranges above.
struct DivertCodes {
    uint8_t reason = 0;
    uint8_t callClass = 0;
};
std::optional<DivertCodes> divertCodes(const TDivert& divert);

// 00 01 00 01 05 00 reason class 00.
Request divertQuery(DivertCodes codes);
// Register (active) or erase: stTooLong when the number has more digits
// than the message holds.
uint8_t divertWrite(const TDivert& divert, DivertCodes codes, Request& request);

// Answer 02, the divert's state: false (divert unchanged) when the body is
// too short. A reason or class code the table does not know leaves that
// field unchanged.
bool decodeDivert(std::span<const uint8_t> body, TDivert& divert);

void onDivert(std::span<const uint8_t> body);
void onDivertRefused(std::span<const uint8_t> body);

uint8_t GetDiverts(TDivert& divert);
uint8_t SetDiverts(TDivert& divert);

}  // namespace phonelib::nokia
