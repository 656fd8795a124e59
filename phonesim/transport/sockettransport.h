// The phone behind a Unix-domain socket: a service of the infrared stand-in
// (see infrareddevice.h). One PC at a time: a connection becomes the
// phone's partner when it sends its first bytes, and then replaces the one
// before. A connection that closes without a byte (a PC looking for devices
// in range) disturbs nobody. The socket file is private to the user and
// removed when the transport closes.
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QString>

#include "phonesim/transport/transport.h"

namespace phonesim {

class SocketTransport : public QObject, public Transport {
    Q_OBJECT

  public:
    explicit SocketTransport(QObject* parent = nullptr);
    ~SocketTransport() override;

    // False with errorString() when the path is taken by a live socket or
    // cannot be listened on. A stale socket file is replaced.
    bool listen(const QString& path);
    QString errorString() const { return error_; }

    void write(std::span<const uint8_t> bytes) override;
    void close() override;
    bool isOpen() const override { return server_.isListening(); }

  private:
    void accept();
    void readFrom(QLocalSocket* connection);
    void dropClient();

    QLocalServer server_;
    QPointer<QLocalSocket> client_;
    QString error_;
};

}  // namespace phonesim
