// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The network clients of the radio, one session each, without sockets: the
// bounded table of sessions, which one keyed which transmission, and the rule
// that a keyer that vanishes leaves the transmitter in receive if its own
// transmission is still on the air.

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

    // boxOpen tells whether a message box is open now: tunes and keying
    // are refused meanwhile.
    RigSessions(RigControl& rig, std::function<bool()> boxOpen, MakeProtocol makeProtocol);

    // A new client is always served: when the table is full, the session that
    // has been idle longest is closed first.
    Opened open();
    // The replies to a batch of bytes from the client (empty for a session
    // that is unknown or has asked to close). The session may be closed while
    // it answers (a message box its request opened runs the event loop, and
    // the client vanishes meanwhile): the answer ends all the same, and a
    // transmission it keyed goes back to receive as the close would have done.
    std::string feed(SessionId id, std::string_view bytes);
    // The client asked to close ("q"): write its last reply, then close.
    bool closing(SessionId id) const;
    // The client is gone. If it keyed the transmission still on the air and
    // did not ask to close (it crashed, or its network went away), nobody is
    // left to unkey it: the transmitter goes back to receive at once, whatever
    // window or box is open. A transmission keyed after its own (by the
    // operator, or another client) stays on.
    void close(SessionId id);
    std::size_t size() const { return sessions_.size(); }

private:
    struct Session {
        std::shared_ptr<LineProtocol> protocol; // held by feed() too while it answers
        std::uint64_t lastActive = 0;           // activity_ when opened or last fed
    };
    // The session whose "T 1" keyed a transmission, and that transmission.
    struct Keyer {
        SessionId session = 0;
        std::uint64_t transmission = 0;
    };

    SessionId idlest() const;
    void release(SessionId id, const LineProtocol& protocol);

    HeldWhileModal rig_;
    MakeProtocol makeProtocol_;
    std::map<SessionId, Session> sessions_;
    SessionId lastId_ = 0;
    std::uint64_t activity_ = 0; // counts opened sessions and fed batches
    std::optional<Keyer> keyer_; // the last transmission a session keyed
};

} // namespace volna
