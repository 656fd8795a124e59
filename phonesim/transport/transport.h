// The byte link between the simulated phone and the PC. A transport moves
// bytes and reports when a PC comes and goes; it knows nothing of frames.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace phonesim {

class Transport {
  public:
    using Receiver = std::function<void(std::span<const uint8_t>)>;
    using SessionHandler = std::function<void()>;

    virtual ~Transport() = default;

    // Bytes from the PC, delivered on the simulator's thread as they arrive.
    void setReceiver(Receiver receiver) { receiver_ = std::move(receiver); }
    // Called when a PC has closed the link and another one may open it: the
    // phone starts a fresh session (no half frames, nothing left to send).
    void setSessionHandler(SessionHandler handler) { sessionEnded_ = std::move(handler); }
    // Called before the first bytes of a session reach the receiver.
    void setSessionStartHandler(SessionHandler handler) { sessionStarted_ = std::move(handler); }

    // Bytes to the PC. Written in order; bytes the PC cannot take yet wait.
    virtual void write(std::span<const uint8_t> bytes) = 0;
    // Hangs up: closes the link for good.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

  protected:
    void deliver(std::span<const uint8_t> bytes) {
        if (!inSession_) {
            inSession_ = true;
            if (sessionStarted_) sessionStarted_();
        }
        if (receiver_) receiver_(bytes);
    }
    void endSession() {
        inSession_ = false;
        if (sessionEnded_) sessionEnded_();
    }

  private:
    Receiver receiver_;
    SessionHandler sessionEnded_;
    SessionHandler sessionStarted_;
    bool inSession_ = false;
};

}  // namespace phonesim
