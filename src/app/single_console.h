// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One console per settings store. The first start takes the store's lock
// (app/instance_lock.h) and listens on a local socket named after the store;
// a later start on the same store finds the lock held, asks the running
// console through that socket to come to the front, and ends. Talks to the
// lock, a local socket (ui/stream_listener.h) and the console's window.

#include "app/instance_lock.h"
#include "ui/stream_listener.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace volna {

// What a start tells the operator when the console on its store cannot be
// reached.
inline constexpr const char* kAlreadyRunning = "VOLNA144 уже запущена";

class SingleConsole {
public:
    enum class Start {
        First,           // this start holds the store (or runs without a lock, see problem())
        RaisedOther,     // the running console came to the front: end with status 0
        OtherUnreachable // the store is held, and its holder did not answer in time
    };

    // How long a later start keeps trying, in ms: the first start of a double
    // click may still be opening its window.
    static constexpr int kReachWaitMs = 3000;

    // storeFile: the store file, whether or not it exists yet.
    explicit SingleConsole(const QString& storeFile);
    ~SingleConsole();
    SingleConsole(const SingleConsole&) = delete;
    SingleConsole& operator=(const SingleConsole&) = delete;

    // Takes the store (making its folder when missing) or, while another
    // start holds it, asks that one to come to the front, trying for up to
    // waitMs. Touches nothing of the store itself.
    Start claim(int waitMs = kReachWaitMs);
    // From here on a later start's request runs comeForward; until then it
    // is answered all the same (a starting console comes up in front).
    void onRequest(std::function<void()> comeForward);
    // Why this start runs without the lock or cannot be reached by later
    // starts; empty when all is well.
    const std::string& problem() const { return problem_; }
    // Whether this start holds the store's lock.
    bool holdsStore() const { return lock_ && lock_->state() == InstanceLock::State::Taken; }

private:
    void listen();
    void answer(int descriptor);

    const QString storeFile_;
    QString serverName_;
    std::unique_ptr<InstanceLock> lock_;
    StreamListener server_;
    QObject answering_; // the parent of the connections being answered
    std::function<void()> comeForward_;
    std::string problem_;
};

// The store's lock for a command that writes the store without a console,
// held while the returned object lives; nullptr while a console (or another
// command) holds it. A store whose folder does not exist is not locked: it
// has not been set up, and the command refuses it itself.
std::unique_ptr<InstanceLock> lockStoreForCommand(const QString& storeFile);

// Brings the console window and the program's other windows in front of the
// desktop's, and activates the modal box when one is open, else the console.
void bringForward(QWidget& console);

} // namespace volna
