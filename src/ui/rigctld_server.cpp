// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rigctld_server.h"

#include "remote/rig_protocol.h"
#include "ui/stream_connection.h"
#include "ui/translate.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace volna {

namespace {

// Bytes taken from one client per turn, so that clients take turns.
constexpr std::size_t kChunkBytes = 4096;
// Replies a client has not read yet; beyond this its input waits.
constexpr std::size_t kWriteBacklogBytes = 64 * 1024;

bool messageBoxOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

} // namespace

std::unique_ptr<LineProtocol> rigctldProtocol(RigControl& rig) {
    return std::make_unique<RigProtocol>(rig);
}

std::string keepAliveOnLostPeers(int descriptor) {
    auto set = [descriptor](int level, int option, int value) {
        return setsockopt(descriptor, level, option, &value, sizeof value) == 0;
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
    : sessions_(rig, messageBoxOpen, std::move(makeProtocol)),
      listener_([this](int descriptor) { accept(descriptor); }) {}

RigctldServer::~RigctldServer() {
    for (auto& [id, socket] : sockets_) {
        delete socket; // closed at once, without telling the sessions
    }
    for (auto& [id, socket] : retired_) {
        delete socket;
    }
}

std::string RigctldServer::listen(const std::string& address, int port) {
    return listener_.listenTcp(address == "localhost" ? "127.0.0.1" : address, port);
}

bool RigctldServer::loopbackOnly() const {
    const sockaddr_storage bound = listener_.boundAddress();
    if (bound.ss_family == AF_INET6) {
        sockaddr_in6 v6{};
        std::memcpy(&v6, &bound, sizeof v6);
        return IN6_IS_ADDR_LOOPBACK(&v6.sin6_addr) ||
               (IN6_IS_ADDR_V4MAPPED(&v6.sin6_addr) && v6.sin6_addr.s6_addr[12] == 127);
    }
    sockaddr_in v4{};
    std::memcpy(&v4, &bound, sizeof v4);
    return (ntohl(v4.sin_addr.s_addr) >> 24) == 127;
}

std::string RigctldServer::where() const {
    const sockaddr_storage bound = listener_.boundAddress();
    char text[INET6_ADDRSTRLEN] = {};
    if (bound.ss_family == AF_INET6) {
        sockaddr_in6 v6{};
        std::memcpy(&v6, &bound, sizeof v6);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        return "[" + std::string(text) + "]:" + std::to_string(ntohs(v6.sin6_port));
    }
    sockaddr_in v4{};
    std::memcpy(&v4, &bound, sizeof v4);
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(v4.sin_port));
}

void RigctldServer::accept(int descriptor) {
    RigSessions::Opened opened;
    runRequest_([&] { opened = sessions_.open(); }); // may end an evicted keyer's transmission
    if (opened.evicted) {
        closeSocket(*opened.evicted);
    }
    if (const std::string error = keepAliveOnLostPeers(descriptor); !error.empty()) {
        std::fprintf(stderr, "volna144: %s\n",
                     shown("rig control: a lost client may go unnoticed: %1")
                         .arg(QString::fromStdString(error))
                         .toStdString()
                         .c_str());
    }
    const SessionId id = opened.id;
    auto* socket =
        new StreamConnection(descriptor, {[this, id] { serve(id); }, [this, id] { serve(id); },
                                          [this, id] { drop(id); }});
    socket->setParent(this);
    sockets_.emplace(id, socket);
}

// Answers one chunk of the client's input; the rest waits for the next turn
// of the event loop, the other clients' chunks between.
void RigctldServer::serve(SessionId id) {
    const auto found = sockets_.find(id);
    if (found == sockets_.end() || answering_.count(id) > 0) {
        return;
    }
    StreamConnection* socket = found->second;
    // Input waits while the session is closing or the client is not reading
    // its replies; the replies going out call again.
    const bool reading = !sessions_.closing(id) && socket->unsent() <= kWriteBacklogBytes;
    socket->setReading(reading);
    const std::string bytes = reading ? socket->read(kChunkBytes) : std::string();
    if (bytes.empty()) {
        return; // nothing yet, or the end of the stream: the drop follows
    }
    // A request may open a message box, whose event loop serves the others
    // meanwhile; this client's next input waits for its reply, which keeps
    // the replies in order, and its connection outlives the request.
    socket->setReading(false);
    answering_.insert(id);
    std::string reply;
    runRequest_([&] { reply = sessions_.feed(id, bytes); });
    answering_.erase(id);
    if (const auto gone = retired_.find(id); gone != retired_.end()) {
        gone->second->deleteLater(); // it ended, or was closed for a newcomer, meanwhile
        retired_.erase(gone);
        return;
    }
    socket->write(reply);
    if (sessions_.closing(id)) {
        socket->closeAfterWriting();
    } else {
        socket->setReading(socket->unsent() <= kWriteBacklogBytes);
    }
}

// The connection is gone (or failed): its session ends.
void RigctldServer::drop(SessionId id) {
    // As a request: a vanished keyer's drop to receive is drawn even while a
    // message box is open.
    runRequest_([&] { sessions_.close(id); });
    retire(id);
}

// Closes the connection of a session the sessions have already closed.
void RigctldServer::closeSocket(SessionId id) {
    const auto found = sockets_.find(id);
    if (found != sockets_.end()) {
        found->second->closeNow();
        retire(id);
    }
}

// Lets go of a connection: at once, or once the request it is answering
// (under a message box) has returned.
void RigctldServer::retire(SessionId id) {
    const auto found = sockets_.find(id);
    if (found == sockets_.end()) {
        return;
    }
    StreamConnection* socket = found->second;
    sockets_.erase(found);
    if (answering_.count(id) > 0) {
        retired_.emplace(id, socket);
    } else {
        socket->deleteLater(); // one of its handlers may be running
    }
}

} // namespace volna
