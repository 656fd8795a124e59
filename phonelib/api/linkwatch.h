// Notices a phone that has gone silent in the middle of a transfer.
//
// The keep-alive stays quiet while an operation runs, so a transfer of
// back-to-back calls would never learn that the phone is gone. The library
// therefore counts the requests of a connected phone that end without any
// frame from it, not even an acknowledgement. After two such requests in a
// row it probes the phone once with the family's keep-alive request; when
// that is not answered either, the link is over (Library::endLink). Anything
// heard from the phone starts the count again, so one request lost to a
// damaged frame ends nothing.
#pragma once

#include <cstdint>

namespace phonelib {

class LinkWatch {
  public:
    // Requests in a row that end without a frame before the phone is probed.
    static constexpr int kSilentRequests = 2;
    // How long the probe waits for any frame, in ticks.
    static constexpr int32_t kProbeTicks = 2;

    // Every frame (FBUS) or line (AT) that comes from the phone.
    void heard() { ++heard_; }
    uint64_t heardCount() const { return heard_; }

    // A request of a connected phone has ended; heardBefore is heardCount()
    // when it was sent. True when the phone is to be probed now.
    bool requestEnded(bool answered, uint64_t heardBefore);

    // The link is over until the next connection set-up: nothing more can
    // come from the phone, and nothing goes to it.
    void end() { ended_ = true; }
    bool ended() const { return ended_; }

    // A connection set-up starts.
    void restart();

  private:
    uint64_t heard_ = 0;
    int silentRequests_ = 0;
    bool ended_ = false;
};

}  // namespace phonelib
