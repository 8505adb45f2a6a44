// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/rig_sessions.h"

#include <algorithm>
#include <utility>

namespace volna {

RigSessions::RigSessions(RigControl& rig, std::function<bool()> boxOpen, MakeProtocol makeProtocol)
    : rig_(rig, std::move(boxOpen)), makeProtocol_(std::move(makeProtocol)) {}

RigSessions::Opened RigSessions::open() {
    Opened opened;
    if (sessions_.size() >= kMaxSessions) {
        opened.evicted = idlest();
        close(*opened.evicted);
    }
    opened.id = ++lastId_;
    sessions_.emplace(opened.id, Session{makeProtocol_(rig_), ++activity_});
    return opened;
}

// The session that has sent nothing for the longest time; the table is not empty.
SessionId RigSessions::idlest() const {
    return std::min_element(sessions_.begin(), sessions_.end(),
                            [](const auto& a, const auto& b) {
                                return a.second.lastActive < b.second.lastActive;
                            })
        ->first;
}

std::string RigSessions::feed(SessionId id, std::string_view bytes) {
    const auto found = sessions_.find(id);
    if (found == sessions_.end()) {
        return {};
    }
    found->second.lastActive = ++activity_;
    const std::uint64_t before = rig_.transmission();
    const std::shared_ptr<LineProtocol> protocol = found->second.protocol;
    std::string reply = protocol->feed(bytes);
    const std::uint64_t after = rig_.transmission();
    if (after != before) {
        keyer_ = after != 0 ? std::optional(Keyer{id, after}) : std::nullopt;
    }
    if (sessions_.count(id) == 0) { // closed while it answered
        release(id, *protocol);
    }
    return reply;
}

bool RigSessions::closing(SessionId id) const {
    const auto found = sessions_.find(id);
    return found != sessions_.end() && found->second.protocol->closing();
}

void RigSessions::close(SessionId id) {
    const auto found = sessions_.find(id);
    if (found == sessions_.end()) {
        return;
    }
    const std::shared_ptr<LineProtocol> protocol = std::move(found->second.protocol);
    sessions_.erase(found);
    release(id, *protocol);
}

// A closed session's transmission back to receive if it keyed the one still
// on the air and did not ask to close.
void RigSessions::release(SessionId id, const LineProtocol& protocol) {
    const bool keyed = keyer_ && keyer_->session == id;
    const bool abandoned =
        keyed && !protocol.closing() && rig_.transmission() == keyer_->transmission;
    if (keyed) {
        keyer_.reset();
    }
    if (abandoned) {
        rig_.setTransmit(false);
    }
}

} // namespace volna
