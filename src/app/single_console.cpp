// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_console.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <unistd.h>

namespace volna {

namespace {

constexpr char kRequest[] = "come forward\n";
constexpr char kAnswer[] = "ok\n";
// A request is one short line; a peer that sends more is not one of ours.
constexpr qint64 kLongestRequest = 64;
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

enum class Reply { NoServer, CameForward, Silent };

// Asks the console listening on name to come forward, waiting until deadline.
Reply askToComeForward(const QString& name, const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(remainingMs(deadline))) {
        return Reply::NoServer; // not listening yet, or a killed holder's name
    }
    socket.write(kRequest);
    while (!socket.canReadLine() && !deadline.hasExpired() &&
           socket.waitForReadyRead(remainingMs(deadline))) {
    }
    return socket.canReadLine() && socket.readLine(kLongestRequest) == kAnswer ? Reply::CameForward
                                                                               : Reply::Silent;
}

} // namespace

SingleConsole::SingleConsole(const QString& storeFile) : storeFile_(storeFile) {}

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

void SingleConsole::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(serverName_); // a killed holder's; the lock is ours now
    if (!server_.listen(serverName_)) {
        problem_ = fillText(kNoCallMessage, {server_.errorString().toStdString()});
        return;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { answer(); });
}

// Answers every waiting request: the console comes forward, then "ok".
void SingleConsole::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine() && socket->bytesAvailable() < kLongestRequest) {
                return; // the rest of the line is on its way
            }
            if (socket->readLine(kLongestRequest) == kRequest) {
                if (comeForward_) {
                    comeForward_();
                }
                socket->write(kAnswer);
            }
            socket->disconnectFromServer();
        });
    }
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
