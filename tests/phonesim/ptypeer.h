// The PC's end of a real pseudo-terminal for the simulator's tests.
#pragma once

#include <QString>
#include <functional>

#include "phonesim/link/scheduler.h"
#include "tests/phonesim/pcside.h"

namespace phonesim_test {

class PtyPeer {
  public:
    // Opens the device raw and non-blocking, as a serial port driver does.
    explicit PtyPeer(const QString& device);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void write(const Bytes& bytes);
    // Reads until the condition holds for everything read so far, or the
    // time runs out; returns what was read.
    Bytes readUntil(const std::function<bool(const Bytes&)>& done, phonesim::Millis timeout);
    // Reads until this many complete phone frames have arrived.
    std::vector<PhoneFrame> readFrames(size_t count,
                                       phonesim::Millis timeout = phonesim::Millis(5000));
    // True once the phone has hung up (reading fails).
    bool waitForHangUp(phonesim::Millis timeout);
    void close();

  private:
    int fd_ = -1;
};

}  // namespace phonesim_test
