// Feeds untrusted text to the number, network-code, timestamp and operator
// table routines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codecs/tools/operatortable.h"
#include "codecs/tools/phonenumbers.h"
#include "codecs/tools/timestamps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::string number = text;
    const int8_t type = tools::formatnumber(number);
    if (type == -1 && number != text) std::abort();

    if (tools::makenetcode(text).size() > 8) std::abort();

    int64_t seconds = 0;
    std::memcpy(&seconds, data, std::min(size, sizeof seconds));
    tools::timestampdiff(text, text.substr(std::min<size_t>(size, 12)));
    tools::timestampadd(text, seconds);

    const tools::OperatorTable table = tools::parseoperatortable(text);
    TOperator op;
    op.countryCode = static_cast<int32_t>(seconds);
    op.networkNumber = static_cast<int32_t>(seconds >> 32);
    int32_t row = -1;
    tools::findoperator(table, op, row);
    row = static_cast<int32_t>(size % 8) - 1;
    tools::findoperator(table, op, row);
    return 0;
}
