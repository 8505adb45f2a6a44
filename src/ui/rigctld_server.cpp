// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rigctld_server.h"

#include "remote/rig_protocol.h"
#include "ui/translate.h"

#include <QApplication>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace volna {

namespace {

// Bytes taken from one client per turn, so that clients take turns.
constexpr qint64 kChunkBytes = 4096;
// Replies a client has not read yet; beyond this its input waits.
constexpr qint64 kWriteBacklogBytes = 64 * 1024;

bool messageBoxOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

} // namespace

std::unique_ptr<LineProtocol> rigctldProtocol(RigControl& rig) {
    return std::make_unique<RigProtocol>(rig);
}

std::string keepAliveOnLostPeers(qintptr descriptor) {
    const auto fd = static_cast<int>(descriptor);
    auto set = [fd](int level, int option, int value) {
        return setsockopt(fd, level, option, &value, sizeof value) == 0;
    };
    if (set(SOL_SOCKET, SO_KEEPALIVE, 1) && set(IPPROTO_TCP, TCP_KEEPIDLE, kKeepAliveIdleSeconds) &&
        set(IPPROTO_TCP, TCP_KEEPINTVL, kKeepAliveIntervalSeconds) &&
        set(IPPROTO_TCP, TCP_KEEPCNT, kKeepAliveProbes) &&
        set(IPPROTO_TCP, TCP_USER_TIMEOUT, kUnacknowledgedLimitMs)) {
        return {};
    }
    return std::strerror(errno);
}

RigctldServer::RigctldServer(RigControl& rig, RigSessions::MakeProtocol makeProtocol)
    : sessions_(rig, messageBoxOpen, std::move(makeProtocol)) {
    connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
}

RigctldServer::~RigctldServer() {
    server_.close();
    for (auto& [id, socket] : sockets_) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

std::string RigctldServer::listen(const std::string& address, int port) {
    QHostAddress host;
    if (address == "localhost") {
        host = QHostAddress(QHostAddress::LocalHost);
    } else if (!host.setAddress(QString::fromStdString(address))) {
        return "'" + address + "' is not an IP address";
    }
    if (port < 0 || port > 65535) {
        return "port " + std::to_string(port) + " is out of range";
    }
    if (!server_.listen(host, static_cast<quint16>(port))) {
        return server_.errorString().toStdString();
    }
    return {};
}

bool RigctldServer::loopbackOnly() const {
    return server_.serverAddress().isLoopback();
}

std::string RigctldServer::where() const {
    const QHostAddress host = server_.serverAddress();
    const std::string address = host.toString().toStdString();
    const bool ipv6 = host.protocol() == QAbstractSocket::IPv6Protocol;
    return (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(server_.serverPort());
}

void RigctldServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        RigSessions::Opened opened;
        runRequest_([&] { opened = sessions_.open(); }); // may end an evicted keyer's transmission
        if (opened.evicted) {
            closeSocket(*opened.evicted);
        }
        socket->setParent(nullptr);
        socket->setReadBufferSize(4 * kChunkBytes);
        if (const std::string error = keepAliveOnLostPeers(socket->socketDescriptor());
            !error.empty()) {
            std::fprintf(stderr, "volna144: %s\n",
                         shown("rig control: a lost client may go unnoticed: %1")
                             .arg(QString::fromStdString(error))
                             .toStdString()
                             .c_str());
        }
        const SessionId id = opened.id;
        sockets_.emplace(id, socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { serve(id); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, id] { serve(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { drop(id); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, id] { drop(id); });
    }
}

// Answers one chunk of the client's input; the rest waits for the next turn.
void RigctldServer::serve(SessionId id) {
    const auto found = sockets_.find(id);
    if (found == sockets_.end() || sessions_.closing(id)) {
        return;
    }
    QTcpSocket* socket = found->second;
    if (socket->bytesAvailable() == 0 || socket->bytesToWrite() > kWriteBacklogBytes) {
        return; // more input, or the client reading its replies, calls again
    }
    const QByteArray bytes = socket->read(kChunkBytes);
    std::string reply;
    runRequest_([&] {
        reply = sessions_.feed(id, {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    });
    if (!reply.empty()) {
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
    }
    if (sessions_.closing(id)) {
        socket->disconnectFromHost();
    } else if (socket->bytesAvailable() > 0) {
        QTimer::singleShot(0, socket, [this, id] { serve(id); });
    }
}

// The connection is gone (or failed): its session ends.
void RigctldServer::drop(SessionId id) {
    // As a request: a vanished keyer's drop to receive is drawn even while a
    // message box is open.
    runRequest_([&] { sessions_.close(id); });
    const auto found = sockets_.find(id);
    if (found != sockets_.end()) {
        found->second->disconnect(this);
        found->second->deleteLater();
        sockets_.erase(found);
    }
}

// Closes the connection of a session the sessions have already closed.
void RigctldServer::closeSocket(SessionId id) {
    const auto found = sockets_.find(id);
    if (found == sockets_.end()) {
        return;
    }
    QTcpSocket* socket = found->second;
    sockets_.erase(found);
    socket->disconnect(this);
    socket->disconnectFromHost();
    socket->deleteLater();
}

} // namespace volna
