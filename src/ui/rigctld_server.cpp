#include "ui/rigctld_server.h"

#include "remote/rig_protocol.h"

#include <QApplication>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace volna {

namespace {

// Bytes taken from one client per turn, so that clients take turns.
constexpr qint64 kChunkBytes = 4096;
// Replies a client has not read yet; beyond this its input waits.
constexpr qint64 kWriteBacklogBytes = 64 * 1024;
// How often a transmitter left keyed by a vanished client is tried again while
// a message box holds the switch, in ms.
constexpr int kUnkeyRetryMs = 100;

// The console's rig as clients reach it: while a message box is open the
// operator cannot touch the console and the handler that opened the box has not
// returned, so a tune or a switch is refused; reads go through.
class HeldWhileModal : public RigControl {
public:
    explicit HeldWhileModal(RigControl& rig) : rig_(rig) {}
    std::int64_t frequencyHz() override { return rig_.frequencyHz(); }
    Result tune(double hz) override { return held() ? Result::Rejected : rig_.tune(hz); }
    bool transmitting() override { return rig_.transmitting(); }
    Result setTransmit(bool on) override {
        return held() ? Result::Rejected : rig_.setTransmit(on);
    }
    bool busy() override { return rig_.busy(); }
    std::int64_t lowestHz() const override { return rig_.lowestHz(); }
    std::int64_t highestHz() const override { return rig_.highestHz(); }
    std::int64_t stepHz() const override { return rig_.stepHz(); }

private:
    static bool held() { return QApplication::activeModalWidget() != nullptr; }
    RigControl& rig_;
};

} // namespace

RigctldServer::RigctldServer(RigControl& rig) : rig_(std::make_unique<HeldWhileModal>(rig)) {
    connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
}

RigctldServer::~RigctldServer() {
    server_.close();
    for (auto& [socket, client] : clients_) {
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
        if (clients_.size() >= kMaxClients) {
            makeRoom();
        }
        socket->setParent(nullptr);
        socket->setReadBufferSize(4 * kChunkBytes);
        clients_.emplace(socket, Client{std::make_unique<RigProtocol>(*rig_), ++activity_});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { drop(socket); });
    }
}

// Closes the client that has sent nothing for the longest time, as if it had
// vanished: if it keyed the transmitter, the transmitter goes back to receive.
void RigctldServer::makeRoom() {
    const auto idlest =
        std::min_element(clients_.begin(), clients_.end(), [](const auto& a, const auto& b) {
            return a.second.lastActive < b.second.lastActive;
        });
    if (idlest == clients_.end()) {
        return;
    }
    QTcpSocket* socket = idlest->first;
    drop(socket);
    socket->disconnectFromHost();
}

// Answers one chunk of the client's input; the rest waits for the next turn.
void RigctldServer::serve(QTcpSocket* socket) {
    const auto found = clients_.find(socket);
    if (found == clients_.end() || found->second.protocol->closing()) {
        return;
    }
    if (socket->bytesAvailable() == 0 || socket->bytesToWrite() > kWriteBacklogBytes) {
        return; // more input, or the client reading its replies, calls again
    }
    found->second.lastActive = ++activity_;
    RigProtocol& protocol = *found->second.protocol;
    const QByteArray bytes = socket->read(kChunkBytes);
    const bool wasTransmitting = rig_->transmitting();
    const std::string reply =
        protocol.feed({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (rig_->transmitting() != wasTransmitting) {
        keyer_ = rig_->transmitting() ? socket : nullptr;
    }
    const bool closing = protocol.closing();
    if (!reply.empty()) {
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
    }
    if (closing) {
        socket->disconnectFromHost();
    } else if (socket->bytesAvailable() > 0) {
        QTimer::singleShot(0, socket, [this, socket] { serve(socket); });
    }
}

// Goes back to receive for a keyer that is gone. While a message box is open
// the switch is held, so it is tried again until the box has closed, unless a
// client has keyed again meanwhile.
void RigctldServer::unkeyAbandoned() {
    if (keyer_ != nullptr || !rig_->transmitting()) {
        return;
    }
    if (rig_->setTransmit(false) == RigControl::Result::Rejected) {
        QTimer::singleShot(kUnkeyRetryMs, this, [this] { unkeyAbandoned(); });
    }
}

// A client that keyed the transmitter and then vanished without "q" (it
// crashed, or its network went away) leaves nobody to unkey it: the
// transmitter goes back to receive rather than stay on the air.
void RigctldServer::drop(QTcpSocket* socket) {
    const auto found = clients_.find(socket);
    if (found != clients_.end() && socket == keyer_) {
        keyer_ = nullptr;
        if (!found->second.protocol->closing()) {
            unkeyAbandoned();
        }
    }
    if (clients_.erase(socket) > 0) {
        socket->disconnect(this);
        socket->deleteLater();
    }
}

} // namespace volna
