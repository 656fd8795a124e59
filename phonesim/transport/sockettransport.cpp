#include "phonesim/transport/sockettransport.h"

#include <QFileInfo>

namespace phonesim {

SocketTransport::SocketTransport(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SocketTransport::accept);
}

SocketTransport::~SocketTransport() {
    close();
}

bool SocketTransport::listen(const QString& path) {
    if (QFileInfo::exists(path)) {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(100)) {
            error_ = QStringLiteral("An %1 wartet schon ein anderes Programm").arg(path);
            return false;
        }
        QLocalServer::removeServer(path);
    }
    if (!server_.listen(path)) {
        error_ = QStringLiteral("Socket %1 lässt sich nicht öffnen: %2")
                     .arg(path, server_.errorString());
        return false;
    }
    return true;
}

void SocketTransport::accept() {
    while (QLocalSocket* incoming = server_.nextPendingConnection()) {
        incoming->setParent(this);
        connect(incoming, &QLocalSocket::readyRead, this, [this, incoming] { readFrom(incoming); });
        connect(incoming, &QLocalSocket::disconnected, this, [this, incoming] {
            incoming->deleteLater();
            if (client_ != incoming) return;  // it never spoke
            client_ = nullptr;
            endSession();
        });
    }
}

void SocketTransport::readFrom(QLocalSocket* connection) {
    const QByteArray bytes = connection->readAll();
    if (bytes.isEmpty()) return;
    if (client_ != connection) {
        dropClient();
        client_ = connection;
    }
    deliver(
        {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())});
}

void SocketTransport::dropClient() {
    if (!client_) return;
    client_->disconnect(this);
    client_->abort();
    client_->deleteLater();
    client_ = nullptr;
    endSession();
}

void SocketTransport::write(std::span<const uint8_t> bytes) {
    if (!client_) return;
    client_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void SocketTransport::close() {
    // Hanging up is not a PC leaving: no new session follows.
    for (QLocalSocket* connection : findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly)) {
        connection->disconnect(this);
        connection->abort();
        connection->deleteLater();
    }
    client_ = nullptr;
    if (server_.isListening()) {
        const QString path = server_.fullServerName();
        server_.close();
        QLocalServer::removeServer(path);
    }
}

}  // namespace phonesim
