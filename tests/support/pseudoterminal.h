// A bare pseudo-terminal: the code under test opens the slave device, the
// test reads and writes the master side itself (a port with nobody on it,
// or a phone played by hand).
#pragma once

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace testing_support {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        ::grantpt(master_);
        ::unlockpt(master_);
        slave_ = ::ptsname(master_);
        termios raw{};
        ::tcgetattr(master_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(master_, TCSANOW, &raw);
    }
    ~PseudoTerminal() { hangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& slave() const { return slave_; }

    // Everything that has arrived so far.
    std::string read() {
        char buffer[4096];
        std::string all;
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
            all.append(buffer, static_cast<size_t>(n));
        return all;
    }
    bool write(const std::string& text) {
        return ::write(master_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }

    // Closes the master side: whoever holds the device sees the line hang up.
    void hangUp() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string slave_;
};

}  // namespace testing_support
