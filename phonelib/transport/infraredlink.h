// The infrared link: one stream socket to a service of the first phone in
// infrared range (see infrareddevices.h), "IrDA:IrCOMM" for AT commands or
// "Nokia:PhoNet" for FBUS messages in PhoNet framing.
//
// A 100 ms poll reads up to 3000 bytes at a time and hands them to the
// receive handler, also an empty chunk when the phone has closed its end;
// after that the link neither reads nor sends, and the keep-alive finds the
// phone gone.
// Nothing is sent while the library's SocketOpen is false or LinkLost is
// true: the keep-alive clears SocketOpen when it declares the link lost,
// and the link stays quiet until the next OpenInfrared.
//
// The link belongs to the library thread: create, use and destroy it there.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>

#include "phonelib/api/librarystate.h"
#include "phonelib/api/porterror.h"
#include "phonelib/transport/transport.h"

namespace phonelib {

class InfraredLink : public QObject, public Transport {
    Q_OBJECT

  public:
    // The poll runs ten times per library tick: every 100 ms at the
    // tick of 1000 ms.
    static constexpr int kPollsPerTick = 10;
    static constexpr size_t kReceiveSize = 3000;
    // How long the close-first drain waits for the phone's last bytes.
    static constexpr int kDrainMs = 20000;
    static constexpr size_t kDrainSize = 200;
    // How long a send may make no progress before it gives up.
    static constexpr int kSendTimeoutMs = 500;

    explicit InfraredLink(LibraryState& state);
    ~InfraredLink() override;

    void setOnReceiveData(ReceiveHandler handler) { onReceiveData_ = std::move(handler); }

    // Connects to the service of the connection kind (3 IrCOMM, 4 PhoNet) on
    // the device named, or on the first device in range when the name is
    // empty. With closeFirst the old socket is shut down and drained first.
    // 1 when connected, 3 otherwise.
    uint8_t OpenInfrared(uint8_t kind, bool closeFirst, const std::string& deviceId = {});
    // Shuts the socket down, drains what the phone still sends (at most
    // 200 bytes, waiting at most 20 s) and closes it.
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    // The device of the last successful OpenInfrared.
    const std::string& deviceId() const { return deviceId_; }

    int64_t write(const uint8_t* data, size_t size) override;

    // One poll, as the timer runs it.
    void poll();
    // Follows the library's tick period (a tick of 0 keeps the poll as it is).
    void setTickPeriod(int milliseconds);

    PortOpenError lastOpenError() const { return lastOpenError_; }
    const std::string& lastOpenErrorText() const { return lastOpenErrorText_; }

  private:
    uint8_t refuse(PortOpenError error, std::string text);
    void peerGone();

    LibraryState& state_;
    int fd_ = -1;
    std::string deviceId_;
    QTimer pollTimer_;
    bool ended_ = false;
    ReceiveHandler onReceiveData_;
    PortOpenError lastOpenError_ = PortOpenError::None;
    std::string lastOpenErrorText_;
};

}  // namespace phonelib
