// The phone on a pseudo-terminal: the PC opens the slave device like a
// serial port. The terminal is raw (no echo, no line editing) from the start.
//
// When the PC closes the device the master reports a hang-up; until a PC
// opens it again nothing is written (the bytes would wait in the terminal
// and reach the next PC stale), and a 100 ms check watches for the reopen.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "phonesim/transport/transport.h"

class QSocketNotifier;

namespace phonesim {

class PtyTransport : public QObject, public Transport {
    Q_OBJECT

  public:
    // Opens a new pseudo-terminal; check isOpen() and errorString().
    explicit PtyTransport(QObject* parent = nullptr);
    ~PtyTransport() override;

    QString slavePath() const { return slavePath_; }
    QString errorString() const { return error_; }

    void write(std::span<const uint8_t> bytes) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

  private:
    void readAvailable();
    void flushPending();
    void peerClosed();
    void checkPeerBack();

    int fd_ = -1;
    QString slavePath_;
    QString error_;
    bool peerAbsent_ = false;
    std::unique_ptr<QSocketNotifier> readNotifier_;
    std::unique_ptr<QSocketNotifier> writeNotifier_;
    QTimer reopenCheck_;
    std::vector<uint8_t> pending_;  // bytes the terminal could not take yet
};

}  // namespace phonesim
