// The phone behind a Unix-domain socket, one PC at a time (a new connection
// replaces the old one); the stand-in for
// the infrared link, so frames on it use PhoNet framing. The socket file is
// private to the user and removed when the transport closes.
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

    QLocalServer server_;
    QPointer<QLocalSocket> client_;
    QString error_;
};

}  // namespace phonesim
