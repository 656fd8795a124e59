// Feeds a raw byte stream from the phone to the FBUS assembler, on the cable
// or over PhoNet, in pieces of changing size. The first byte picks the link
// (bit 0: PhoNet) and the largest piece; the rest is the stream. Whatever
// arrives, each dispatched message lies within the receive buffer under the
// type it was dispatched with, and acknowledgements name a 4-bit sequence.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "phonelib/frames/fbusassembler.h"

using namespace phonelib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    LibraryState state;
    const bool phoNet = data[0] & 1;
    state.ConnectionKind = phoNet ? ckFbusInfrared : ckFbusCable;
    state.FrameStartByte = phoNet ? kPhoNetStartByte : kCableStartByte;
    ReceiveBuffer buffer;
    FbusAssembler assembler(
        state, buffer,
        [](uint8_t, uint8_t sequence) {
            if (sequence > 0x0F) std::abort();
        },
        [&](uint8_t type) {
            if (type != buffer.messageType || buffer.length <= 0 ||
                buffer.length > kReceiveBufferBytes) {
                std::abort();
            }
        });
    const size_t largestPiece = (data[0] >> 1) + 1u;
    size_t piece = 1;
    for (size_t offset = 1; offset < size; offset += piece) {
        piece = std::min(size - offset, 1 + (offset * 7) % largestPiece);
        assembler.OnReceiveData(data + offset, piece);
    }
    return 0;
}
