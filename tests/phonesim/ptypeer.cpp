#include "tests/phonesim/ptypeer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <chrono>

namespace phonesim_test {

using Clock = std::chrono::steady_clock;

PtyPeer::PtyPeer(const QString& device) {
    fd_ = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) return;
    termios mode{};
    tcgetattr(fd_, &mode);
    cfmakeraw(&mode);
    tcsetattr(fd_, TCSANOW, &mode);
}

PtyPeer::~PtyPeer() {
    close();
}

void PtyPeer::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void PtyPeer::write(const Bytes& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else {
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

Bytes PtyPeer::readUntil(const std::function<bool(const Bytes&)>& done, phonesim::Millis timeout) {
    Bytes bytes;
    const auto end = Clock::now() + timeout;
    while (!done(bytes)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        uint8_t buffer[512];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

std::vector<PhoneFrame> PtyPeer::readFrames(size_t count, phonesim::Millis timeout) {
    return splitPhoneFrames(readUntil(
        [count](const Bytes& b) { return splitPhoneFrames(b).size() >= count; }, timeout));
}

bool PtyPeer::waitForHangUp(phonesim::Millis timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        pollfd p{fd_, POLLIN, 0};
        ::poll(&p, 1, 50);
        if ((p.revents & (POLLHUP | POLLERR)) != 0) return true;
        uint8_t byte;
        if ((p.revents & POLLIN) != 0 && ::read(fd_, &byte, 1) <= 0) return true;
    }
    return false;
}

}  // namespace phonesim_test
