#include "phonesim/link/phonetlink.h"

#include "phonesim/wire/cableframe.h"

namespace phonesim {

void PhonetLink::receiveByte(uint8_t byte) {
    const auto message = deframer_.feed(byte);
    if (!message) return;
    journal_.count(&Counters::framesReceived);
    frameIn();
    if (message->type != kAckType) messageIn(*message);
}

void PhonetLink::send(const Message& answer) {
    journal_.count(&Counters::framesSent);
    output_.writePlain(buildPhonetFrame(answer.type, answer.body));
}

}  // namespace phonesim
