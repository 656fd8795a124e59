// Feeds a raw byte stream from an AT phone to the AT line assembler, in two
// pieces split where the first byte says. Each carriage return dispatches
// once or (after "+CMS ERROR") twice, each prompt once; the AT status is
// always one of the codes a result line can give.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "phonelib/api/status.h"
#include "phonelib/frames/atlines.h"

using namespace phonelib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<std::string> lines;
    std::atomic<uint8_t> atStatus{0};
    size_t dispatched = 0;
    AtLineAssembler assembler(lines, atStatus, [&] { ++dispatched; });
    const size_t split = std::min<size_t>(data[0], size - 1);
    assembler.OnReceiveData(data + 1, split);
    assembler.OnReceiveData(data + 1 + split, size - 1 - split);

    const auto ends = static_cast<size_t>(std::count(data + 1, data + size, '\r'));
    const auto prompts = static_cast<size_t>(std::count(data + 1, data + size, '>'));
    if (dispatched < ends + prompts || dispatched > 2 * ends + prompts) std::abort();
    if (lines.size() > dispatched) std::abort();
    const uint8_t status = atStatus;
    const bool known = status == 0 || status == stDone || status == stNoServiceCentre ||
                       (status >= stMemoryFailure && status <= stNoNetwork);
    if (!known) std::abort();
    return 0;
}
