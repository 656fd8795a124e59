// The link layer of the phone: turns received bytes into requests and sends
// answers, in the framing of its transport (cable FBUS or PhoNet).
#pragma once

#include <cstdint>
#include <functional>

#include "phonesim/wire/message.h"

namespace phonesim {

class MessageLink {
  public:
    using MessageHandler = std::function<void(const Message&)>;
    using FrameHandler = std::function<void()>;

    virtual ~MessageLink() = default;

    void setMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
    // Called for every well-formed frame from the PC, before its message.
    void setFrameHandler(FrameHandler handler) { onFrame_ = std::move(handler); }

    virtual void receiveByte(uint8_t byte) = 0;
    virtual void send(const Message& answer) = 0;
    // A new session: no half-read frame, no half-built message, nothing to send.
    virtual void reset() = 0;
    // Forgets a half-read frame and a half-built message (after bytes were lost).
    virtual void dropPartialInput() = 0;

  protected:
    void messageIn(const Message& message) {
        if (onMessage_) onMessage_(message);
    }
    void frameIn() {
        if (onFrame_) onFrame_();
    }

  private:
    MessageHandler onMessage_;
    FrameHandler onFrame_;
};

}  // namespace phonesim
