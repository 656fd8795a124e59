// An in-process link for unit tests: the test feeds the PC's bytes in and
// takes the phone's bytes out.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "phonesim/transport/transport.h"

namespace phonesim {

class PipeTransport : public Transport {
  public:
    void feed(std::span<const uint8_t> bytes) { deliver(bytes); }
    void feed(std::initializer_list<uint8_t> bytes) { deliver({bytes.begin(), bytes.size()}); }
    // Everything the phone wrote since the last call.
    std::vector<uint8_t> takeOutput() { return std::exchange(output_, {}); }
    // Sizes of the single writes since the last call (to see chunking).
    std::vector<size_t> takeWriteSizes() { return std::exchange(writeSizes_, {}); }
    // The PC closed the link.
    void disconnectPeer() { endSession(); }

    void write(std::span<const uint8_t> bytes) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }

  private:
    std::vector<uint8_t> output_;
    std::vector<size_t> writeSizes_;
    bool open_ = true;
};

}  // namespace phonesim
