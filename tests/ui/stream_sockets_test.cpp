// SPDX-License-Identifier: GPL-3.0-or-later
// The sockets under rig control and the one-console call: what a listener
// refuses and how it leaves its local socket, and a connection that delivers
// everything written before it closes, whichever side ends it.

#include "ui/stream_connection.h"
#include "ui/stream_listener.h"

#include <QDeadlineTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volna::test {
namespace {

namespace fs = std::filesystem;

struct RefusalCase {
    const char* address;
    int port;
    const char* error;
};

TEST(StreamListener, RefusesWhatItCannotListenOnWithTheReason) {
    const RefusalCase cases[] = {
        {"145.5", 4532, "'145.5' is not an IP address"},
        {"::1%no-such-interface", 4532, "'::1%no-such-interface' is not an IP address"},
        {"127.0.0.1", 65536, "port 65536 is out of range"},
        {"127.0.0.1", -1, "port -1 is out of range"},
    };
    for (const RefusalCase& c : cases) {
        StreamListener listener([](int descriptor) { ::close(descriptor); });
        EXPECT_EQ(listener.listenTcp(c.address, c.port), c.error);
        EXPECT_FALSE(listener.listening());
    }
    StreamListener first([](int descriptor) { ::close(descriptor); });
    ASSERT_EQ(first.listenTcp("127.0.0.1", 0), "");
    const sockaddr_storage bound = first.boundAddress();
    const int port = ntohs(reinterpret_cast<const sockaddr_in&>(bound).sin_port);
    StreamListener second([](int descriptor) { ::close(descriptor); });
    EXPECT_EQ(second.listenTcp("127.0.0.1", port), "Address already in use");
}

// A killed listener's socket file is taken over; the new one is the user's
// alone and goes when the listener does.
TEST(StreamListener, ALocalSocketIsTheUsersAloneAndLeavesNothingBehind) {
    const fs::path folder =
        fs::temp_directory_path() / ("volna144-listener-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / "socket").string();
    {
        StreamListener killed([](int descriptor) { ::close(descriptor); });
        ASSERT_EQ(killed.listenLocal(path), "");
        ASSERT_EQ(::rename(path.c_str(), (path + ".kept").c_str()), 0); // as a SIGKILL leaves it
    }
    ASSERT_EQ(::rename((path + ".kept").c_str(), path.c_str()), 0);
    {
        StreamListener listener([](int descriptor) { ::close(descriptor); });
        ASSERT_EQ(listener.listenLocal(path), "");
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u);
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_NE(StreamListener([](int) {}).listenLocal(std::string(200, 'x')), "");
    fs::remove_all(folder);
}

// One end of a socket pair served as a connection; the other read plainly.
struct Pair {
    Pair() { ::socketpair(AF_UNIX, SOCK_STREAM, 0, ends); }
    ~Pair() { ::close(ends[1]); }
    // All the peer gets until the connection closes its end (or 5 s pass).
    std::string peerReadsToTheEnd() const {
        std::string all;
        char bytes[65536];
        const QDeadlineTimer deadline(5000);
        for (ssize_t got; !deadline.hasExpired() &&
                          (got = ::recv(ends[1], bytes, sizeof bytes, MSG_DONTWAIT)) != 0;) {
            if (got > 0) {
                all.append(bytes, static_cast<std::size_t>(got));
            } else {
                QTest::qWait(1);
            }
        }
        return all;
    }
    int ends[2] = {-1, -1};
};

TEST(StreamConnection, EverythingWrittenArrivesBeforeItCloses) {
    Pair pair;
    int ended = 0;
    auto* connection = new StreamConnection(pair.ends[0], {{}, {}, [&] { ++ended; }});
    const std::string big(1 << 20, 'w'); // more than the system takes at once
    connection->write(big);
    connection->write("last\n");
    connection->closeAfterWriting();
    EXPECT_EQ(pair.peerReadsToTheEnd(), big + "last\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 1; }, 2000));
    EXPECT_FALSE(connection->isOpen());
    delete connection;
}

TEST(StreamConnection, ThePeerClosingEndsItOnceItsRepliesAreOut) {
    Pair pair;
    int ended = 0;
    std::string heard;
    StreamConnection* connection = nullptr;
    connection = new StreamConnection(pair.ends[0], {[&] {
                                                         const std::string bytes =
                                                             connection->read(4096);
                                                         heard += bytes;
                                                         connection->write(bytes);
                                                     },
                                                     {},
                                                     [&] { ++ended; }});
    ASSERT_EQ(::send(pair.ends[1], "f\n", 2, 0), 2);
    ::shutdown(pair.ends[1], SHUT_WR);
    EXPECT_EQ(pair.peerReadsToTheEnd(), "f\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 1; }, 2000));
    QTest::qWait(20);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(heard, "f\n");
    delete connection;
}

} // namespace
} // namespace volna::test
