// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The TCP side of network rig control, on the program's one event thread: it
// accepts, reads, writes and closes connections for RigSessions, which holds
// every rule; a message box is any open Qt modal widget. Every connection
// carries TCP keepalive, so a client whose network went away is noticed and
// its session closed like any vanished client's.

#include "remote/rig_sessions.h"
#include "ui/stream_listener.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace volna {

class RigControl;
class StreamConnection;

// A session speaking the rigctld protocol (Hamlib's NET rigctl).
std::unique_ptr<LineProtocol> rigctldProtocol(RigControl& rig);

// A connection that has been silent this long is probed; after this many
// unanswered probes this far apart, or data unacknowledged for the limit, the
// system closes it with an error: a lost client is noticed within about 25 s.
inline constexpr int kKeepAliveIdleSeconds = 10;
inline constexpr int kKeepAliveIntervalSeconds = 5;
inline constexpr int kKeepAliveProbes = 3;
inline constexpr int kUnacknowledgedLimitMs = 25000;
// Sets those on a connected TCP socket; empty, or why the system refused.
std::string keepAliveOnLostPeers(int descriptor);

class RigctldServer : public QObject {
public:
    // makeProtocol gives each client its session's protocol: the rigctld one
    // unless another line protocol is served.
    explicit RigctldServer(RigControl& rig,
                           RigSessions::MakeProtocol makeProtocol = rigctldProtocol);
    ~RigctldServer() override;

    // Listens on address (an IPv4 or IPv6 literal, or "localhost") and port
    // (0: any free port). Returns an empty text, or why it cannot listen.
    std::string listen(const std::string& address, int port);
    // Where it listens: "127.0.0.1:4532", "[::1]:4532".
    std::string where() const;
    // False when clients on other machines can reach it (a wildcard or an
    // outside address): anyone there can then key the transmitter.
    bool loopbackOnly() const;
    std::size_t clientCount() const { return sockets_.size(); }

    // Runs each piece of a client's input that the sessions answer (by
    // default at once): the console's binding runs it so that the reply goes
    // out before the window is redrawn.
    using RequestRunner = std::function<void(const std::function<void()>&)>;
    void setRequestRunner(RequestRunner runner) { runRequest_ = std::move(runner); }

    // Clients served at once; one more closes the client idle longest.
    static constexpr std::size_t kMaxClients = RigSessions::kMaxSessions;

private:
    void accept(int descriptor);
    void serve(SessionId id);
    void drop(SessionId id);
    void closeSocket(SessionId id);
    void retire(SessionId id);

    RigSessions sessions_;
    StreamListener listener_;
    RequestRunner runRequest_ = [](const std::function<void()>& request) { request(); };
    std::map<SessionId, StreamConnection*> sockets_;
    std::set<SessionId> answering_;                  // their request is running
    std::map<SessionId, StreamConnection*> retired_; // let go of while answering
};

} // namespace volna
