// The phone's side of PhoNet (infrared stand-in): every message is one frame,
// with no acknowledgements, sequence numbers or resends. Acknowledgement
// frames a PC sends anyway are taken and ignored.
#pragma once

#include "phonesim/engine/journal.h"
#include "phonesim/link/linkoutput.h"
#include "phonesim/link/messagelink.h"
#include "phonesim/wire/phonetframe.h"

namespace phonesim {

class PhonetLink : public MessageLink {
  public:
    PhonetLink(LinkOutput& output, Journal& journal) : output_(output), journal_(journal) {}

    void receiveByte(uint8_t byte) override;
    void send(const Message& answer) override;
    void reset() override { deframer_.reset(); }
    void dropPartialInput() override { deframer_.reset(); }

  private:
    LinkOutput& output_;
    Journal& journal_;
    PhonetDeframer deframer_;
};

}  // namespace phonesim
