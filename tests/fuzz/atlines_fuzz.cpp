// Feeds a raw byte stream from an AT phone to the AT line assembler, in two
// pieces split where the first byte says. Each carriage return dispatches
// once or (after an error line) twice, each prompt at the start of a line
// once (a ">" inside a line is text); the AT status is always one of the
// codes a result line can give.
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
    size_t prompts = 0;
    bool lineStart = true;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == '\r') {
            lineStart = true;
        } else if (data[i] == '>') {
            prompts += lineStart ? 1 : 0;
        } else if (data[i] != '\n' && data[i] != 0x08) {
            lineStart = false;
        }
    }
    if (dispatched < ends + prompts || dispatched > 2 * ends + prompts) std::abort();
    if (lines.size() > dispatched) std::abort();
    const uint8_t status = atStatus;
    const bool known = status == 0 || status == stDone || status == stRefused ||
                       status == stNoServiceCentre || status == stEmptyLocation ||
                       (status >= stMemoryFailure && status <= stTooLong);
    if (!known) std::abort();
    return 0;
}
