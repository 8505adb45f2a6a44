// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stream_connection.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace volna {

namespace {

// A buffer this far sent is moved down before more is added to it.
constexpr std::size_t kCompactFrom = 64 * 1024;

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

} // namespace

StreamConnection::StreamConnection(int descriptor, Handlers handlers)
    : descriptor_(descriptor), handlers_(std::move(handlers)),
      reading_(descriptor, QSocketNotifier::Read), writing_(descriptor, QSocketNotifier::Write) {
    ::fcntl(descriptor_, F_SETFL, ::fcntl(descriptor_, F_GETFL) | O_NONBLOCK);
    writing_.setEnabled(false);
    connect(&reading_, &QSocketNotifier::activated, this, [this] { whenReadable(); });
    connect(&writing_, &QSocketNotifier::activated, this, [this] { whenWritable(); });
}

StreamConnection::~StreamConnection() {
    reading_.setEnabled(false);
    writing_.setEnabled(false);
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

std::string StreamConnection::read(std::size_t max) {
    if (descriptor_ < 0 || closing_) {
        return {};
    }
    std::string bytes(max, '\0');
    ssize_t got = -1;
    do {
        got = ::recv(descriptor_, bytes.data(), max, 0);
    } while (got < 0 && errno == EINTR);
    if (got > 0) {
        bytes.resize(static_cast<std::size_t>(got));
        return bytes;
    }
    if (got < 0 && wouldBlock(errno)) {
        return {};
    }
    if (got < 0) {
        unsent_.clear(); // a failed connection takes nothing more
        sentFrom_ = 0;
    }
    closeAfterWriting(); // the end of the stream: the replies still go out
    return {};
}

void StreamConnection::write(std::string_view bytes) {
    if (descriptor_ < 0 || bytes.empty()) {
        return;
    }
    if (sentFrom_ >= kCompactFrom) {
        unsent_.erase(0, sentFrom_);
        sentFrom_ = 0;
    }
    unsent_.append(bytes);
    flush();
}

void StreamConnection::setReading(bool on) {
    reading_.setEnabled(on && descriptor_ >= 0 && !closing_);
}

// The end is told from the write notifier, which a socket being closed or
// failed wakes at once, never from within a call of the owner.
void StreamConnection::closeAfterWriting() {
    closing_ = true;
    reading_.setEnabled(false);
    if (descriptor_ >= 0) {
        writing_.setEnabled(true);
    }
}

void StreamConnection::closeNow() {
    reading_.setEnabled(false);
    writing_.setEnabled(false);
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    unsent_.clear();
    sentFrom_ = 0;
}

void StreamConnection::whenReadable() {
    if (handlers_.readable) {
        handlers_.readable();
    }
}

void StreamConnection::whenWritable() {
    flush();
    if (unsent() > 0) {
        return;
    }
    if (closing_) {
        endIfDone();
        return;
    }
    if (handlers_.written) {
        handlers_.written();
    }
}

// Sends what the system takes now; the write notifier waits for the rest.
void StreamConnection::flush() {
    while (unsent() > 0) {
        const ssize_t sent =
            ::send(descriptor_, unsent_.data() + sentFrom_, unsent(), MSG_NOSIGNAL);
        if (sent > 0) {
            sentFrom_ += static_cast<std::size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && wouldBlock(errno)) {
            writing_.setEnabled(true);
            return;
        } else {
            unsent_.clear(); // the peer is gone: nothing more reaches it
            sentFrom_ = 0;
            closeAfterWriting();
            return;
        }
    }
    unsent_.clear();
    sentFrom_ = 0;
    writing_.setEnabled(closing_);
}

void StreamConnection::endIfDone() {
    if (descriptor_ < 0) {
        return;
    }
    reading_.setEnabled(false);
    writing_.setEnabled(false);
    ::close(descriptor_);
    descriptor_ = -1;
    if (handlers_.ended) {
        handlers_.ended(); // last: the owner may let go of this connection
    }
}

} // namespace volna
