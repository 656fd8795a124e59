// The process-wide state of the library.
//
// Everything phone-related runs on the library thread; the flags and
// counters that callers on other threads read or set (setping, GetModelName,
// the connection state) are atomics.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace phonelib {

enum ConnectionKind : uint8_t {
    ckAtCable = 0,
    ckFbusCable = 1,
    ckDlr3Cable = 2,
    ckAtInfrared = 3,
    ckFbusInfrared = 4,
};

constexpr uint8_t kCableStartByte = 0x1E;
constexpr uint8_t kPhoNetStartByte = 0x14;

struct LibraryState {
    std::atomic<bool> Connected{false};
    // True while an export is inside a driver call or a connection set-up
    // runs; the keep-alive stays quiet meanwhile.
    std::atomic<bool> Busy{true};
    std::atomic<uint8_t> ConnectionKind{ckAtCable};
    std::atomic<uint8_t> ModelId{0};
    std::string ModelCode;  // library thread only
    std::atomic<int32_t> TickCount{0};
    std::atomic<int32_t> WaitLimit{3};
    // Reply flag: 0 before a request, set by the dispatcher when the answer
    // arrives; any non-zero value ends a wait.
    std::atomic<uint8_t> ReplyState{0};
    std::atomic<uint8_t> AtStatus{0};
    std::atomic<bool> LinkUp{false};
    std::atomic<bool> LinkLost{false};
    std::atomic<int32_t> MissCount{0};
    std::atomic<bool> SocketOpen{false};
    std::atomic<uint8_t> FrameStartByte{0};

    bool phoNet() const { return ConnectionKind == ckFbusInfrared; }
};

}  // namespace phonelib
