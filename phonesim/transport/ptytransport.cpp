#include "phonesim/transport/ptytransport.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace phonesim {

namespace {

constexpr size_t kMaxPending = 64 * 1024;
constexpr int kReopenCheckMs = 100;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QString::fromUtf8(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

}  // namespace

PtyTransport::PtyTransport(QObject* parent) : QObject(parent) {
    // Not inherited by programs started meanwhile (a tool under test): a copy
    // there would keep the line up after the phone hangs up.
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = systemError("Pseudo-Terminal lässt sich nicht anlegen");
        return;
    }
    char name[128];
    termios mode{};
    if (grantpt(fd_) != 0 || unlockpt(fd_) != 0 || ptsname_r(fd_, name, sizeof name) != 0 ||
        tcgetattr(fd_, &mode) != 0) {
        error_ = systemError("Pseudo-Terminal lässt sich nicht einrichten");
        ::close(fd_);
        fd_ = -1;
        return;
    }
    // On the master these calls set the terminal the PC will open.
    cfmakeraw(&mode);
    tcsetattr(fd_, TCSANOW, &mode);
    slavePath_ = QString::fromLocal8Bit(name);

    readNotifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(readNotifier_.get(), &QSocketNotifier::activated, this, &PtyTransport::readAvailable);
    writeNotifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_.get(), &QSocketNotifier::activated, this, &PtyTransport::flushPending);
    reopenCheck_.setInterval(kReopenCheckMs);
    connect(&reopenCheck_, &QTimer::timeout, this, &PtyTransport::checkPeerBack);
}

PtyTransport::~PtyTransport() {
    close();
}

void PtyTransport::close() {
    if (fd_ < 0) return;
    reopenCheck_.stop();
    // close() may run inside a notifier's own signal: let Qt delete them later.
    for (auto* notifier : {readNotifier_.release(), writeNotifier_.release()}) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    ::close(fd_);
    fd_ = -1;
    pending_.clear();
}

void PtyTransport::readAvailable() {
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            deliver({buffer, static_cast<size_t>(n)});
            if (fd_ < 0) return;  // hung up while handling the bytes
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // EIO (or end of file): no process has the slave open any more.
        if (n == 0 || errno != EAGAIN) peerClosed();
        return;
    }
}

void PtyTransport::peerClosed() {
    peerAbsent_ = true;
    readNotifier_->setEnabled(false);
    writeNotifier_->setEnabled(false);
    pending_.clear();
    tcflush(fd_, TCIOFLUSH);
    reopenCheck_.start();
    endSession();
}

void PtyTransport::checkPeerBack() {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0 || (p.revents & POLLHUP) != 0) return;
    peerAbsent_ = false;
    reopenCheck_.stop();
    readNotifier_->setEnabled(true);
}

void PtyTransport::write(std::span<const uint8_t> bytes) {
    if (fd_ < 0 || peerAbsent_) return;
    if (pending_.size() + bytes.size() > kMaxPending)
        return;  // a line that nobody reads loses data
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    flushPending();
}

void PtyTransport::flushPending() {
    while (!pending_.empty()) {
        const ssize_t n = ::write(fd_, pending_.data(), pending_.size());
        if (n > 0) {
            pending_.erase(pending_.begin(), pending_.begin() + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) pending_.clear();  // the line is gone; so are the bytes
        break;  // otherwise wait until the terminal takes more
    }
    writeNotifier_->setEnabled(!pending_.empty());
}

}  // namespace phonesim
