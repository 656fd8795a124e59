// The calendar file readers (.cal, .cl2, .ics) on any bytes: they must
// refuse or read, never crash or read past the input.
#include <libical/ical.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "corvina/calendar/calfile.h"
#include "corvina/calendar/cl2file.h"
#include "corvina/calendar/icalendarnotes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    corvina::readCalFile(bytes);
    corvina::readCl2File(bytes);
    corvina::readIcsFile(bytes, 14, QDate(2024, 1, 1));
    // libical keeps its temporary strings in a ring that outlives the call;
    // emptying it keeps every input's allocations balanced, so the fuzzer's
    // leak check runs only when something really stays allocated.
    icalmemory_free_ring();
    return 0;
}
