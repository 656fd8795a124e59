#include "phonesim/link/cablelink.h"

#include <algorithm>

namespace phonesim {

CableLink::CableLink(LinkOutput& output, Scheduler& scheduler, Journal& journal, LinkTiming timing)
    : output_(output), scheduler_(scheduler), journal_(journal), timing_(timing) {}

CableLink::~CableLink() {
    stopTimer();
}

void CableLink::reset() {
    stopTimer();
    dropPartialInput();
    queue_.clear();
    sends_ = 0;
}

void CableLink::dropPartialInput() {
    deframer_.reset();
    assembler_.reset();
}

void CableLink::receiveByte(uint8_t byte) {
    if (auto frame = deframer_.feed(byte)) handleFrame(*frame);
}

void CableLink::handleFrame(const CableFrame& frame) {
    if (!frame.checksumsOk) {
        journal_.count(&Counters::badChecksums);
        return;
    }
    journal_.count(&Counters::framesReceived);
    frameIn();
    if (frame.type == kAckType) {
        ackIn(frame);
        return;
    }
    if (frame.data.size() < 2)
        return;  // no room for frames-to-go and sequence: not a message frame
    output_.writePlain(buildCableAck(frame.type, frame.data.back()));
    journal_.count(&Counters::acksSent);
    if (auto message = assembler_.add(frame.type, frame.data)) messageIn(*message);
}

void CableLink::ackIn(const CableFrame& ack) {
    if (timer_ == 0 || queue_.empty() || ack.data.size() < 2) return;
    const OutgoingFrame& inFlight = queue_.front();
    if (ack.data[0] != inFlight.type || (ack.data[1] & 0x0F) != (inFlight.sequence & 0x0F)) return;
    journal_.count(&Counters::acksReceived);
    stopTimer();
    queue_.pop_front();
    sends_ = 0;
    transmit();
}

void CableLink::send(const Message& answer) {
    const uint64_t number = ++messages_;
    for (auto& block : splitMessage(answer.body, sequence_)) {
        const uint8_t sequence = block.back();
        queue_.push_back({number, answer.type, sequence, buildCableFrame(answer.type, block)});
    }
    if (timer_ == 0) transmit();
}

void CableLink::transmit() {
    if (queue_.empty() || timer_ != 0) return;
    ++sends_;
    journal_.count(sends_ == 1 ? &Counters::framesSent : &Counters::resends);
    // The timer runs before the write: the PC may acknowledge inside it.
    timer_ = scheduler_.after(timing_.ackTimeout, [this] { ackTimedOut(); });
    output_.writeAnswerFrame(queue_.front().bytes);
}

void CableLink::ackTimedOut() {
    timer_ = 0;
    if (sends_ >= timing_.tries) {
        // Give up this frame and the frames of its message after it.
        const uint64_t message = queue_.front().message;
        journal_.count(&Counters::framesGivenUp);
        std::erase_if(queue_, [message](const OutgoingFrame& f) { return f.message == message; });
        sends_ = 0;
    }
    transmit();
}

void CableLink::stopTimer() {
    if (timer_ != 0) scheduler_.cancel(timer_);
    timer_ = 0;
}

}  // namespace phonesim
