// SPDX-License-Identifier: GPL-3.0-or-later
// The rig control server over real loopback sockets: a full table of clients
// never turns a new one away (the client idle longest is closed instead, and
// if it had keyed the transmitter the transmitter goes back to receive), and
// which listening addresses keep other machines out.

#include "remote/rig_protocol.h"
#include "support/accepting_rig.h"
#include "support/row_names.h"
#include "ui/rigctld_server.h"

#include <QApplication>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace volna::test {
namespace {

class RigctldServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(server.listen("127.0.0.1", 0), ""); }

    // A new connection, once the server has taken it into its table or closed
    // another to make room.
    QTcpSocket* connectClient() {
        const std::size_t before = server.clientCount();
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost("127.0.0.1", port());
        EXPECT_TRUE(socket->waitForConnected(2000));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return server.clientCount() > before || before == RigctldServer::kMaxClients; }));
        clients.push_back(std::move(socket));
        return clients.back().get();
    }
    // Sends one line and returns the first line of the reply ("" without one).
    static QByteArray ask(QTcpSocket* socket, const char* line) {
        socket->write(line);
        socket->write("\n");
        if (!QTest::qWaitFor([&] { return socket->canReadLine(); }, 2000)) {
            return {};
        }
        return socket->readLine().trimmed();
    }
    static bool closedByServer(QTcpSocket* socket) {
        return QTest::qWaitFor([&] { return socket->state() == QAbstractSocket::UnconnectedState; },
                               2000);
    }
    quint16 port() const {
        const std::string where = server.where();
        return static_cast<quint16>(std::stoi(where.substr(where.rfind(':') + 1)));
    }
    int openClients() const {
        int open = 0;
        for (const auto& client : clients) {
            open += client->state() == QAbstractSocket::ConnectedState ? 1 : 0;
        }
        return open;
    }

    AcceptingRig rig;
    RigctldServer server{rig};
    std::vector<std::unique_ptr<QTcpSocket>> clients;
};

TEST_F(RigctldServerTest, AFullTableClosesTheClientIdleLongestAndServesTheNewOne) {
    for (std::size_t n = 0; n < RigctldServer::kMaxClients; ++n) {
        connectClient();
    }
    ASSERT_EQ(server.clientCount(), RigctldServer::kMaxClients);
    // Every client but number 5 speaks, in order: 5 is now idle longest, then 0.
    for (std::size_t n = 0; n < clients.size(); ++n) {
        if (n != 5) {
            ASSERT_EQ(ask(clients[n].get(), "f"), "145000000") << n;
        }
    }
    QTcpSocket* newcomer = connectClient();
    EXPECT_EQ(ask(newcomer, "f"), "145000000");
    EXPECT_TRUE(closedByServer(clients[5].get()));
    EXPECT_EQ(server.clientCount(), RigctldServer::kMaxClients);

    QTcpSocket* another = connectClient();
    EXPECT_EQ(ask(another, "f"), "145000000");
    EXPECT_TRUE(closedByServer(clients[0].get()));
    for (std::size_t n = 1; n < RigctldServer::kMaxClients; ++n) {
        if (n != 5) {
            EXPECT_EQ(clients[n]->state(), QAbstractSocket::ConnectedState) << n;
        }
    }
}

TEST_F(RigctldServerTest, ClosingAnIdleClientThatKeyedDropsTheTransmitter) {
    QTcpSocket* keyer = connectClient();
    ASSERT_EQ(ask(keyer, "T 1"), "RPRT 0");
    ASSERT_TRUE(rig.transmitting());
    for (std::size_t n = 1; n < RigctldServer::kMaxClients; ++n) {
        ASSERT_EQ(ask(connectClient(), "t"), "1");
    }
    EXPECT_TRUE(rig.transmitting());
    QTcpSocket* newcomer = connectClient();
    EXPECT_TRUE(closedByServer(keyer));
    EXPECT_FALSE(rig.transmitting());
    EXPECT_EQ(ask(newcomer, "t"), "0");
}

// A message box never holds the way back to receive.
TEST_F(RigctldServerTest, AKeyerThatVanishesWhileABoxIsOpenIsUnkeyedAtOnce) {
    QTcpSocket* keyer = connectClient();
    ASSERT_EQ(ask(keyer, "T 1"), "RPRT 0");
    QWidget box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    keyer->abort();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.transmitting(); }, 2000));
    EXPECT_NE(QApplication::activeModalWidget(), nullptr);
}

// The server's end of each connection: keepalive on, so that a lost client is
// noticed within half a minute, replies in flight or not.
TEST_F(RigctldServerTest, EveryConnectionNoticesALostClientWithinHalfAMinute) {
    const quint16 clientPort = connectClient()->localPort();
    int fd = 0;
    for (sockaddr_in peer{}; fd < 1024; ++fd) {
        socklen_t size = sizeof peer;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &size) == 0 &&
            ntohs(peer.sin_port) == clientPort) {
            break;
        }
    }
    auto option = [fd](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        getsockopt(fd, level, name, &value, &size);
        return value;
    };
    EXPECT_EQ(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    EXPECT_LE(option(IPPROTO_TCP, TCP_KEEPIDLE) +
                  option(IPPROTO_TCP, TCP_KEEPINTVL) * option(IPPROTO_TCP, TCP_KEEPCNT),
              30);
    const int unacknowledgedMs = option(IPPROTO_TCP, TCP_USER_TIMEOUT);
    EXPECT_TRUE(unacknowledgedMs > 0 && unacknowledgedMs <= 30000) << unacknowledgedMs;
}

TEST_F(RigctldServerTest, AHundredClientsThatStayConnectedAreEachServed) {
    constexpr int kClients = 100;
    for (int n = 0; n < kClients; ++n) {
        ASSERT_EQ(ask(connectClient(), "f"), "145000000") << n;
        ASSERT_LE(server.clientCount(), RigctldServer::kMaxClients);
    }
    const int kept = static_cast<int>(RigctldServer::kMaxClients);
    EXPECT_TRUE(QTest::qWaitFor([&] { return openClients() == kept; }, 2000)) << openClients();
    // The survivors are the newest ones.
    for (int n = kClients - kept; n < kClients; ++n) {
        EXPECT_EQ(ask(clients[n].get(), "t"), "0") << n;
    }
}

// A client that sends a flood of requests and reads none of the replies is
// held back while the others are served, and gets every reply once it reads.
TEST_F(RigctldServerTest, AClientThatDoesNotReadItsRepliesHoldsUpNobody) {
    constexpr int kRequests = 100000;
    QTcpSocket* flooder = connectClient();
    flooder->setReadBufferSize(4096); // the client's side fills and stops taking replies
    QByteArray flood;
    for (int n = 0; n < kRequests; ++n) {
        flood += "f\n";
    }
    flooder->write(flood);
    QTest::qWait(200);
    EXPECT_EQ(ask(connectClient(), "f"), "145000000");
    flooder->setReadBufferSize(0);
    QByteArray replies;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            replies += flooder->readAll();
            return replies.count('\n') >= kRequests;
        },
        20000));
    EXPECT_EQ(replies.count('\n'), kRequests);
    EXPECT_EQ(replies.count("145000000\n"), kRequests);
}

struct AddressCase {
    const char* name;
    const char* address;
    bool loopback;
};

// A server listening on the row's address.
class RigctldServerAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(RigctldServerAddress, OnlyLoopbackAddressesKeepOtherMachinesOut) {
    const AddressCase& c = GetParam();
    AcceptingRig rig;
    RigctldServer server(rig);
    const std::string error = server.listen(c.address, 0);
    const bool ipv6 = std::string(c.address).find(':') != std::string::npos;
    if (ipv6 && !error.empty()) {
        GTEST_SKIP() << "no IPv6 on this machine: cannot listen on " << c.address << ": " << error;
    }
    ASSERT_EQ(error, "");
    EXPECT_EQ(server.loopbackOnly(), c.loopback);
}

INSTANTIATE_TEST_SUITE_P(Addresses, RigctldServerAddress,
                         ::testing::Values(AddressCase{"Ipv4Loopback", "127.0.0.1", true},
                                           AddressCase{"Ipv4LoopbackNet", "127.0.0.2", true},
                                           AddressCase{"Localhost", "localhost", true},
                                           AddressCase{"Ipv6Loopback", "::1", true},
                                           AddressCase{"Ipv4Any", "0.0.0.0", false},
                                           AddressCase{"Ipv6Any", "::", false}),
                         rowNameOf<AddressCase>);

// A second line protocol: every line comes back upper-cased; "bye" ends;
// "box" opens a message box first, as a request can: its event loop runs the
// server for 300 ms, and `meanwhile` 100 ms into it.
class ShoutProtocol : public LineProtocol {
public:
    static inline std::function<void()> meanwhile;

protected:
    std::string answerLine(std::string_view line) override {
        if (line == "bye") {
            endSession();
            return "BYE\n";
        }
        if (line == "box") {
            QEventLoop box;
            QTimer::singleShot(300, &box, &QEventLoop::quit);
            QTimer::singleShot(100, &box, [] { meanwhile(); });
            box.exec();
        }
        std::string reply(line);
        for (char& c : reply) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return reply + "\n";
    }
    std::string lineTooLong() override { return "TOO LONG\n"; }
};

TEST_F(RigctldServerTest, EveryRequestRunsThroughTheRunnerTheConsoleGivesIt) {
    int requests = 0;
    server.setRequestRunner([&](const std::function<void()>& request) {
        ++requests;
        request();
    });
    QTcpSocket* client = connectClient();
    EXPECT_EQ(ask(client, "F 145000000"), "RPRT 0");
    EXPECT_EQ(ask(client, "f"), "145000000");
    EXPECT_EQ(requests, 3) << "the connection (it may evict a keyer), then two requests";
}

// While a box a client's request opened is up, its next request waits for
// the reply, and its vanishing ends the session without harm.
TEST(RigctldServerProtocol, ARequestUnderAMessageBoxKeepsItsClientsRepliesInOrder) {
    AcceptingRig rig;
    RigctldServer server(rig, [](RigControl&) { return std::make_unique<ShoutProtocol>(); });
    ASSERT_EQ(server.listen("127.0.0.1", 0), "");
    const std::string where = server.where();
    const auto port = static_cast<quint16>(std::stoi(where.substr(where.rfind(':') + 1)));
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", port);
    ASSERT_TRUE(socket.waitForConnected(2000));
    ShoutProtocol::meanwhile = [&] { socket.write("f\n"); };
    socket.write("box\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.bytesAvailable() >= 6; }, 2000));
    EXPECT_EQ(socket.readAll(), "BOX\nF\n");

    QTcpSocket vanishing;
    vanishing.connectToHost("127.0.0.1", port);
    ASSERT_TRUE(vanishing.waitForConnected(2000));
    ShoutProtocol::meanwhile = [&] { vanishing.abort(); };
    vanishing.write("box\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.clientCount() == 1; }, 2000));
    socket.write("f\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.canReadLine(); }, 2000));
    ShoutProtocol::meanwhile = nullptr;
}

TEST(RigctldServerProtocol, AnotherLineProtocolIsServedThroughTheSameSockets) {
    AcceptingRig rig;
    RigctldServer server(rig, [](RigControl&) { return std::make_unique<ShoutProtocol>(); });
    ASSERT_EQ(server.listen("127.0.0.1", 0), "");
    const std::string where = server.where();
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1",
                         static_cast<quint16>(std::stoi(where.substr(where.rfind(':') + 1))));
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write("f\nhello\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.bytesAvailable() >= 8; }, 2000));
    EXPECT_EQ(socket.readAll(), "F\nHELLO\n");
    socket.write("bye\n");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 2000));
    EXPECT_EQ(socket.readAll(), "BYE\n");
}

} // namespace
} // namespace volna::test
