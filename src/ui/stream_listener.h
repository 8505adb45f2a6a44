// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A listening socket on the program's event loop: TCP on one IPv4 or IPv6
// address, or a local (Unix domain) socket at a path that only this user may
// reach. Each connection that comes is handed over as a connected socket's
// descriptor, for a StreamConnection. Talks to the socket calls and a Qt
// socket notifier (Qt Core only).

#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <string>

#include <sys/socket.h>

namespace volna {

class StreamListener {
public:
    // accepted takes each new connection's descriptor and must close it.
    explicit StreamListener(std::function<void(int descriptor)> accepted);
    ~StreamListener(); // stops listening; a local socket's file is removed
    StreamListener(const StreamListener&) = delete;
    StreamListener& operator=(const StreamListener&) = delete;

    // Listens on address (an IPv4 or IPv6 literal, an IPv6 one with its
    // scope after %) and port (0: any free one). Empty, or why it cannot.
    std::string listenTcp(const std::string& address, int port);
    // Listens at path, mode 0600, after removing what a killed listener left
    // there. Empty, or why it cannot.
    std::string listenLocal(const std::string& path);

    bool listening() const { return descriptor_ >= 0; }
    // The address a TCP listener is bound to, with its port.
    sockaddr_storage boundAddress() const;

private:
    std::string listenOn(int family, const sockaddr* address, socklen_t size);
    void acceptAll();

    std::function<void(int)> accepted_;
    int descriptor_ = -1;
    std::string localPath_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace volna
