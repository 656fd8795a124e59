// The old calendar file (".cl2"): the note records one after another, 228
// bytes each, no header. Numbers are little-endian; bytes no field uses
// are zero.
//
//     0  31  text (length byte, up to 30 characters)
//    31  31  reminder text
//    62  34  unused
//    96  28  start (seven 32-bit values: year, month, day, hour, minute,
//            second, 0)
//   124  28  alarm (Siemens with an end: the end)
//   152  28  end
//   180   1  no end       181  1  no start      182  1  no alarm
//   183   1  type         184  4  unused        188  1  alarm on
//   189   1  unused       190  2  birth year    192  1  silent
//   193   1  status       194 31  number        225  1  unused
//   226   2  repeat in hours
#pragma once

#include <string>
#include <string_view>

#include "corvina/calendar/notefile.h"

namespace corvina {

constexpr int kCl2RecordSize = 228;

// `cut` counts the notes whose text or number had to be cut to 30
// characters.
std::string writeCl2File(const std::vector<CalendarNote>& notes, int& cut);

// Every record read sets status 2, a valid start and alarm and no end.
// Refused: a size that is not a multiple of 228, more than 440 records,
// a length byte above 30, a type above 4 (each named by its byte).
NoteFileRead readCl2File(std::string_view bytes);

}  // namespace corvina
