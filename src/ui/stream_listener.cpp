// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stream_listener.h"

#include <QTimer>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace volna {

namespace {

// Connections waiting to be taken, as Qt's servers keep them.
constexpr int kBacklog = 50;
// Out of descriptors, the listener waits this long before taking more.
constexpr int kPauseWhenFullMs = 100;

std::string systemError() {
    return std::strerror(errno);
}

// The IPv6 scope after '%': an interface's name or number; 0 when there is none.
bool parseScope(const std::string& scope, std::uint32_t& id) {
    if (scope.empty()) {
        id = 0;
        return true;
    }
    id = ::if_nametoindex(scope.c_str());
    if (id == 0 && scope.find_first_not_of("0123456789") == std::string::npos &&
        scope.size() < 10) {
        id = static_cast<std::uint32_t>(std::strtoul(scope.c_str(), nullptr, 10));
    }
    return id != 0;
}

} // namespace

StreamListener::StreamListener(std::function<void(int)> accepted)
    : accepted_(std::move(accepted)) {}

StreamListener::~StreamListener() {
    notifier_.reset();
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!localPath_.empty()) {
        ::unlink(localPath_.c_str());
    }
}

std::string StreamListener::listenTcp(const std::string& address, int port) {
    if (port < 0 || port > 65535) {
        return "port " + std::to_string(port) + " is out of range";
    }
    sockaddr_in v4{};
    v4.sin_family = AF_INET;
    v4.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::inet_pton(AF_INET, address.c_str(), &v4.sin_addr) == 1) {
        return listenOn(AF_INET, reinterpret_cast<const sockaddr*>(&v4), sizeof v4);
    }
    const std::size_t percent = address.find('%');
    sockaddr_in6 v6{};
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(static_cast<std::uint16_t>(port));
    const std::string host = address.substr(0, percent);
    const std::string scope = percent == std::string::npos ? "" : address.substr(percent + 1);
    if (::inet_pton(AF_INET6, host.c_str(), &v6.sin6_addr) != 1 ||
        (percent != std::string::npos && !parseScope(scope, v6.sin6_scope_id))) {
        return "'" + address + "' is not an IP address";
    }
    return listenOn(AF_INET6, reinterpret_cast<const sockaddr*>(&v6), sizeof v6);
}

std::string StreamListener::listenLocal(const std::string& path) {
    sockaddr_un local{};
    local.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof local.sun_path) {
        return "'" + path + "' is too long for a local socket";
    }
    std::memcpy(local.sun_path, path.c_str(), path.size() + 1);
    ::unlink(path.c_str()); // a killed listener's
    std::string error = listenOn(AF_UNIX, reinterpret_cast<const sockaddr*>(&local), sizeof local);
    if (error.empty()) {
        localPath_ = path;
        if (::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0) {
            error = systemError();
        }
    }
    return error;
}

std::string StreamListener::listenOn(int family, const sockaddr* address, socklen_t size) {
    const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return systemError();
    }
    const int on = 1;
    if (family != AF_UNIX) {
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    }
    if (family == AF_INET6) {
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    }
    if (::bind(fd, address, size) != 0 || ::listen(fd, kBacklog) != 0) {
        const std::string error = systemError();
        ::close(fd);
        return error;
    }
    descriptor_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { acceptAll(); });
    return {};
}

sockaddr_storage StreamListener::boundAddress() const {
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (descriptor_ >= 0) {
        ::getsockname(descriptor_, reinterpret_cast<sockaddr*>(&address), &size);
    }
    return address;
}

void StreamListener::acceptAll() {
    while (true) {
        const int fd = ::accept4(descriptor_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            accepted_(fd);
        } else if (errno == EINTR || errno == ECONNABORTED) {
            continue;
        } else if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The waiting connection would wake the notifier at once again.
            notifier_->setEnabled(false);
            QTimer::singleShot(kPauseWhenFullMs, notifier_.get(),
                               [this] { notifier_->setEnabled(true); });
            return;
        } else {
            return; // none waiting (EAGAIN), or one that went before it was taken
        }
    }
}

} // namespace volna
