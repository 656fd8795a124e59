#include "phonelib/transport/infraredlink.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLoggingCategory>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "phonelib/api/status.h"
#include "phonelib/transport/infrareddevices.h"

namespace phonelib {

namespace {

// Enable with QT_LOGGING_RULES="corvina.infrared.debug=true".
Q_LOGGING_CATEGORY(infraredLog, "corvina.infrared", QtInfoMsg)

std::string systemError() {
    return std::strerror(errno);
}

bool connectTo(int fd, const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

}  // namespace

InfraredLink::InfraredLink(LibraryState& state) : state_(state) {
    setTickPeriod(1000);
    connect(&pollTimer_, &QTimer::timeout, this, &InfraredLink::poll);
}

InfraredLink::~InfraredLink() {
    if (fd_ >= 0) ::close(fd_);
}

uint8_t InfraredLink::refuse(PortOpenError error, std::string text) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    state_.SocketOpen = false;
    lastOpenError_ = error;
    lastOpenErrorText_ = std::move(text);
    return stNoAnswer;
}

uint8_t InfraredLink::OpenInfrared(uint8_t kind, bool closeFirst, const std::string& deviceId) {
    if (closeFirst) Close();
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return refuse(PortOpenError::Other, systemError());

    const InfraredScan scan = scanInfrared();
    if (!scan.refusal.empty()) {
        // Said once, not on every pass of a search.
        if (scan.refusal != lastOpenErrorText_) {
            qCWarning(infraredLog, "not searched: %s", scan.refusal.c_str());
        }
        return refuse(PortOpenError::Other, scan.refusal);
    }
    const auto& devices = scan.devices;
    if (devices.empty() || (!deviceId.empty() &&
                            std::find(devices.begin(), devices.end(), deviceId) == devices.end())) {
        qCDebug(infraredLog, "no device %s in range", deviceId.c_str());
        return refuse(PortOpenError::NotFound, {});
    }
    const std::string device = deviceId.empty() ? devices.front() : deviceId;

    // Infrared COM ports ask for nine-wire mode here; a local socket has no
    // modem lines, so what the link sets is its send time-out.
    const timeval sendTimeout{0, kSendTimeoutMs * 1000};
    if (::setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout) != 0) {
        const std::string text = "Socket Error: SetSockOpt: " + systemError();
        qCWarning(infraredLog, "%s", text.c_str());
        return refuse(PortOpenError::Other, text);
    }

    const char* service = kind == ckFbusInfrared ? kPhoNetService : kIrCommService;
    if (!connectTo(fd_, infraredServicePath(device, service))) {
        // The phone does not offer the service, or it just went away.
        qCDebug(infraredLog, "device %s: %s: %s", device.c_str(), service, systemError().c_str());
        return refuse(PortOpenError::None, {});
    }
    qCDebug(infraredLog, "device %s: %s connected", device.c_str(), service);
    lastOpenError_ = PortOpenError::None;
    lastOpenErrorText_.clear();
    deviceId_ = device;
    ended_ = false;
    pollTimer_.start();
    state_.SocketOpen = true;
    return stDone;
}

void InfraredLink::Close() {
    state_.SocketOpen = false;
    pollTimer_.stop();
    if (fd_ < 0) return;
    ::shutdown(fd_, SHUT_RDWR);
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, kDrainMs) > 0) {
        uint8_t discarded[kDrainSize];
        [[maybe_unused]] const auto n = ::recv(fd_, discarded, sizeof discarded, MSG_DONTWAIT);
    }
    ::close(fd_);
    fd_ = -1;
}

void InfraredLink::poll() {
    if (!state_.SocketOpen || fd_ < 0 || ended_) {
        pollTimer_.stop();  // a lost or closed link is read again only after the next set-up
        return;
    }
    uint8_t buffer[kReceiveSize];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0) {
        if (errno == ECONNRESET || errno == ENOTCONN) peerGone();
        return;  // nothing there yet, or a passing error: the next poll tries again
    }
    // An empty chunk (the phone closed its end) changes nothing there.
    if (onReceiveData_) onReceiveData_(buffer, static_cast<size_t>(n));
    if (n == 0) peerGone();
}

void InfraredLink::setTickPeriod(int milliseconds) {
    if (milliseconds > 0) pollTimer_.setInterval(std::max(1, milliseconds / kPollsPerTick));
}

void InfraredLink::peerGone() {
    if (ended_) return;
    ended_ = true;
    pollTimer_.stop();
    qCInfo(infraredLog, "device %s closed the link", deviceId_.c_str());
}

int64_t InfraredLink::write(const uint8_t* data, size_t size) {
    // Sends over a lost link are dropped until the next set-up.
    if (fd_ < 0 || ended_ || state_.LinkLost || !state_.SocketOpen) return 0;
    size_t total = 0;
    while (total < size) {
        const ssize_t n = ::send(fd_, data + total, size - total, MSG_NOSIGNAL);
        if (n > 0) {
            total += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EPIPE || errno == ECONNRESET)) peerGone();
        break;  // EAGAIN: no progress within the send time-out
    }
    return static_cast<int64_t>(total);
}

}  // namespace phonelib
