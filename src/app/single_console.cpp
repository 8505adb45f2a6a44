// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_console.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"
#include "ui/stream_connection.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace volna {

namespace {

constexpr std::string_view kRequest = "come forward\n";
constexpr std::string_view kAnswer = "ok\n";
// A request is one short line; a peer that sends more is not one of ours.
constexpr std::size_t kLongestRequest = 64;
// Between two tries while the holder is not listening yet.
constexpr unsigned long kRetryMs = 100;

std::string lockPathOf(const QString& storeFile) {
    return lockFilePath(QFile::encodeName(storeFile).toStdString());
}

// The socket of the console on storeFile: in the user's runtime folder (the
// temporary folder without one), named by a hash of the store's real path and
// the user, so every spelling of one store meets one console.
QString serverNameOf(const QString& storeFile) {
    const QFileInfo store(storeFile);
    const QString folder = QFileInfo(store.absolutePath()).canonicalFilePath();
    const QByteArray key = (folder + u'/' + store.fileName()).toUtf8() + '\n' +
                           QByteArray::number(static_cast<qulonglong>(::getuid()));
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo(runtime).isDir()) {
        runtime = QDir::tempPath();
    }
    return runtime + QLatin1String("/volna144-") + QString::fromLatin1(hash.left(16));
}

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

// Waits until the socket can take events (POLLIN or POLLOUT), or the deadline.
bool waitFor(int socket, short events, const QDeadlineTimer& deadline) {
    pollfd watched{socket, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&watched, 1, remainingMs(deadline));
    } while (ready < 0 && errno == EINTR && !deadline.hasExpired());
    return ready > 0;
}

enum class Reply { NoServer, CameForward, Silent };

// Connects to the local socket at path; -1 when nobody listens there or it
// takes no more connections now.
int connectTo(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        return -1;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return -1;
    }
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return socket;
    }
    // Nobody there, or a listener whose queue is full (EAGAIN): tried again.
    ::close(socket);
    return -1;
}

// Asks the console listening on name to come forward, waiting until deadline.
Reply askToComeForward(const QString& name, const QDeadlineTimer& deadline) {
    const int socket = connectTo(name);
    if (socket < 0) {
        return Reply::NoServer; // not listening yet, or a killed holder's name
    }
    std::string answer;
    if (::send(socket, kRequest.data(), kRequest.size(), MSG_NOSIGNAL) ==
        static_cast<ssize_t>(kRequest.size())) {
        char bytes[kLongestRequest];
        while (answer.find('\n') == std::string::npos && answer.size() < kLongestRequest &&
               waitFor(socket, POLLIN, deadline)) {
            const ssize_t got = ::recv(socket, bytes, kLongestRequest - answer.size(), 0);
            if (got <= 0 && !(got < 0 && (errno == EINTR || errno == EAGAIN))) {
                break;
            }
            answer.append(bytes, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        }
    }
    ::close(socket);
    return answer == kAnswer ? Reply::CameForward : Reply::Silent;
}

} // namespace

SingleConsole::SingleConsole(const QString& storeFile)
    : storeFile_(storeFile), server_([this](int descriptor) { answer(descriptor); }) {}

SingleConsole::~SingleConsole() = default;

SingleConsole::Start SingleConsole::claim(int waitMs) {
    QDir().mkpath(QFileInfo(storeFile_).absolutePath());
    serverName_ = serverNameOf(storeFile_);
    lock_ = std::make_unique<InstanceLock>(lockPathOf(storeFile_));
    const QDeadlineTimer deadline(waitMs);
    while (lock_->state() == InstanceLock::State::Held) {
        const Reply reply = askToComeForward(serverName_, deadline);
        if (reply == Reply::CameForward) {
            return Start::RaisedOther;
        }
        if (reply == Reply::Silent || deadline.hasExpired()) {
            return Start::OtherUnreachable;
        }
        QThread::msleep(kRetryMs);
        lock_->tryTake();
    }
    if (lock_->state() == InstanceLock::State::Unavailable) {
        problem_ = fillText(kNoStoreLockMessage, {lock_->error()});
        return Start::First;
    }
    listen();
    return Start::First;
}

void SingleConsole::onRequest(std::function<void()> comeForward) {
    comeForward_ = std::move(comeForward);
}

// The lock is ours: a socket left at the name is a killed holder's.
void SingleConsole::listen() {
    if (const std::string error = server_.listenLocal(QFile::encodeName(serverName_).toStdString());
        !error.empty()) {
        problem_ = fillText(kNoCallMessage, {error});
    }
}

// Answers a later start's request: the console comes forward, then "ok".
void SingleConsole::answer(int descriptor) {
    auto request = std::make_shared<std::string>();
    auto* connection = new StreamConnection(descriptor);
    connection->setParent(&answering_);
    const auto readable = [this, connection, request] {
        const std::string bytes = connection->read(kLongestRequest - request->size());
        request->append(bytes);
        if (request->find('\n') == std::string::npos && request->size() < kLongestRequest) {
            return; // the rest of the line is on its way, or the end of the stream
        }
        if (*request == kRequest) {
            if (comeForward_) {
                comeForward_();
            }
            connection->write(kAnswer);
        }
        connection->closeAfterWriting();
    };
    connection->setHandlers({readable, {}, [connection] { connection->deleteLater(); }});
}

std::unique_ptr<InstanceLock> lockStoreForCommand(const QString& storeFile) {
    auto lock = std::make_unique<InstanceLock>(lockPathOf(storeFile));
    return lock->state() == InstanceLock::State::Held ? nullptr : std::move(lock);
}

void bringForward(QWidget& console) {
    console.setWindowState(console.windowState() & ~Qt::WindowMinimized);
    console.raise();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &console && window->isVisible()) {
            window->raise(); // the side windows stay in front of the console
        }
    }
    QWidget* modal = QApplication::activeModalWidget();
    (modal != nullptr ? modal : &console)->activateWindow();
}

} // namespace volna
