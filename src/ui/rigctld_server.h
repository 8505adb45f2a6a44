#pragma once
// The TCP side of network rig control, on the program's one event thread: each
// client gets its own RigProtocol session over the shared RigControl, and each
// batch of bytes it sends is answered in one write. While a message box is open
// the console is inside another event, so tunes and switching are refused then.
// The table of clients is bounded: a new client is always served, and when the
// table is full the client that has been idle longest is closed to make room.

#include <QObject>
#include <QTcpServer>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class QTcpSocket;

namespace volna {

class RigControl;
class RigProtocol;

class RigctldServer : public QObject {
public:
    explicit RigctldServer(RigControl& rig);
    ~RigctldServer() override;

    // Listens on address (an IPv4 or IPv6 literal, or "localhost") and port
    // (0: any free port). Returns an empty text, or why it cannot listen.
    std::string listen(const std::string& address, int port);
    // Where it listens: "127.0.0.1:4532", "[::1]:4532".
    std::string where() const;
    // False when clients on other machines can reach it (a wildcard or an
    // outside address): anyone there can then key the transmitter.
    bool loopbackOnly() const;
    std::size_t clientCount() const { return clients_.size(); }

    // Clients served at once; one more closes the client idle longest.
    static constexpr std::size_t kMaxClients = 32;

private:
    struct Client {
        std::unique_ptr<RigProtocol> protocol;
        std::uint64_t lastActive = 0; // activity_ when accepted or when it last sent bytes
    };

    void accept();
    void makeRoom();
    void serve(QTcpSocket* socket);
    void drop(QTcpSocket* socket);
    void unkeyAbandoned();

    std::unique_ptr<RigControl> rig_; // the console's, held while a message box is open
    QTcpServer server_;
    std::map<QTcpSocket*, Client> clients_;
    std::uint64_t activity_ = 0;  // counts accepted connections and received batches
    QTcpSocket* keyer_ = nullptr; // the client whose "T 1" keyed the transmitter
};

} // namespace volna
