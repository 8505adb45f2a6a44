#pragma once
// The network clients of the radio, one session each, without sockets: the
// bounded table of sessions, which one keyed the transmitter, and the rule that
// a keyer that vanishes leaves the transmitter in receive.

#include "remote/held_while_modal.h"
#include "remote/line_protocol.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace volna {

using SessionId = std::uint64_t;

class RigSessions {
public:
    // Sessions served at once; one more closes the session idle longest.
    static constexpr std::size_t kMaxSessions = 32;

    // The language one client speaks, over the rig as clients reach it.
    using MakeProtocol = std::function<std::unique_ptr<LineProtocol>(RigControl&)>;

    struct Opened {
        SessionId id = 0;
        // A session closed to make room, as if its client had vanished; the
        // socket side closes its connection.
        std::optional<SessionId> evicted;
    };

    // boxOpen tells whether a message box is open now: tunes and switching
    // are refused meanwhile.
    RigSessions(RigControl& rig, std::function<bool()> boxOpen, MakeProtocol makeProtocol);

    // A new client is always served: when the table is full, the session that
    // has been idle longest is closed first.
    Opened open();
    // The replies to a batch of bytes from the client (empty for a session
    // that is unknown or has asked to close).
    std::string feed(SessionId id, std::string_view bytes);
    // The client asked to close ("q"): write its last reply, then close.
    bool closing(SessionId id) const;
    // The client is gone. If it keyed the transmitter and did not ask to close
    // (it crashed, or its network went away), nobody is left to unkey it: the
    // transmitter goes back to receive, or as soon as the box holding the
    // switch has closed (see retryPendingUnkey).
    void close(SessionId id);
    // Tries a held unkey again; true while it is still held. It is given up
    // when a client has keyed again meanwhile or the transmitter is off.
    bool retryPendingUnkey();
    bool unkeyPending() const { return unkeyPending_; }
    std::size_t size() const { return sessions_.size(); }

private:
    struct Session {
        std::unique_ptr<LineProtocol> protocol;
        std::uint64_t lastActive = 0; // activity_ when opened or last fed
    };

    SessionId idlest() const;

    HeldWhileModal rig_;
    MakeProtocol makeProtocol_;
    std::map<SessionId, Session> sessions_;
    SessionId lastId_ = 0;
    std::uint64_t activity_ = 0;     // counts opened sessions and fed batches
    std::optional<SessionId> keyer_; // the session whose "T 1" keyed the transmitter
    bool unkeyPending_ = false;      // a vanished keyer's unkey waits for the box to close
};

} // namespace volna
