// The phone's side of FBUS on the serial cable.
//
// Receiving: every frame with good checksums is acknowledged at once (type
// 7F, data [type, low nibble of its sequence byte]) except acknowledgements
// themselves; frames are put together into messages by their frames-to-go
// count. A frame that fails its checksums is not acknowledged, so the PC
// may send it again.
//
// Sending: answers are cut into frames of at most 120 message bytes and
// queued. One frame is in flight at a time; the next one goes when the PC
// acknowledges it. Without an acknowledgement within the time-out the frame
// is sent again, up to the given number of tries in all; then the rest of
// that message is given up.
#pragma once

#include <deque>

#include "phonesim/engine/journal.h"
#include "phonesim/link/linkoutput.h"
#include "phonesim/link/messagelink.h"
#include "phonesim/link/scheduler.h"
#include "phonesim/wire/cableframe.h"
#include "phonesim/wire/messagesplit.h"

namespace phonesim {

struct LinkTiming {
    Millis ackTimeout{100};
    int tries = 3;  // sends of one frame in all, the first included
};

class CableLink : public MessageLink {
  public:
    CableLink(LinkOutput& output, Scheduler& scheduler, Journal& journal, LinkTiming timing);
    ~CableLink() override;

    void receiveByte(uint8_t byte) override;
    void send(const Message& answer) override;
    void reset() override;
    void dropPartialInput() override;

  private:
    struct OutgoingFrame {
        uint64_t message;  // frames of one answer share this number
        uint8_t type;
        uint8_t sequence;
        std::vector<uint8_t> bytes;
    };

    void handleFrame(const CableFrame& frame);
    void ackIn(const CableFrame& ack);
    void transmit();
    void ackTimedOut();
    void stopTimer();

    LinkOutput& output_;
    Scheduler& scheduler_;
    Journal& journal_;
    LinkTiming timing_;
    CableDeframer deframer_;
    MessageAssembler assembler_;
    SequenceCounter sequence_;
    std::deque<OutgoingFrame> queue_;  // the front one is in flight while the timer runs
    uint64_t messages_ = 0;
    int sends_ = 0;  // sends of the front frame so far
    Scheduler::TimerId timer_ = 0;
};

}  // namespace phonesim
