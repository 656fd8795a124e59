// A DLR-3 cable starts out as a modem: the PC switches it to FBUS with AT
// commands ("AT&F\r", then "AT*NOKIAFBUS\r"). Until then the phone answers
// command lines like a modem; after "AT*NOKIAFBUS", or as soon as a good
// FBUS frame arrives (a plain FBUS cable needs no switching), it is in FBUS
// mode and command text is no longer answered.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace phonesim {

class ModemPrelude {
  public:
    // Returns the modem's reply when the byte ends a command line.
    std::optional<std::string> feed(uint8_t byte);
    void switchToFbus() { fbus_ = true; }
    bool inFbusMode() const { return fbus_; }
    void reset();

  private:
    std::string line_;
    bool fbus_ = false;
};

}  // namespace phonesim
