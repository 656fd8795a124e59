// Calendar arithmetic on compact timestamp texts YYYYMMDDhhmm (no seconds).
//
// Fields that are missing or not digits read as 0; such texts give a result
// without meaning but never fail.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tools {

// 30 for April, June, September and November, 28 or 29 for February
// (Gregorian leap years), 31 for every other month number.
int daysinmonth(int month, int year);

// Seconds from a to b: negative when a is later than b.
int64_t timestampdiff(std::string_view a, std::string_view b);

// The timestamp `seconds` later (earlier when negative); remaining seconds
// below a whole minute are dropped. The year is written with as many digits
// as it has, the other fields with two.
std::string timestampadd(std::string_view timestamp, int64_t seconds);

}  // namespace tools
