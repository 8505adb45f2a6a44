// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program at a time on a settings store: an exclusive flock(2) on a lock
// file next to the store, kept open for the life of the holder. The kernel
// releases it when the holder ends however it ends (kill -9 too), so a killed
// program's lock is taken at once by the next start. The file is never
// deleted: a deleted flock file would let two holders lock two files.

#include <string>

namespace volna {

// The lock file of the store file storeFile: "<storeFile>.volna144-lock".
std::string lockFilePath(const std::string& storeFile);

class InstanceLock {
public:
    enum class State {
        Taken,      // this object holds the lock
        Held,       // another open file holds it
        Unavailable // the lock file cannot be opened (reason in error())
    };

    // Opens (creating it in its existing folder) the lock file at path and
    // tries to lock it once, without waiting.
    explicit InstanceLock(std::string path);
    // Releases the lock by closing the file; the file stays.
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries once more, without waiting, unless the lock is already taken.
    State tryTake();
    State state() const { return state_; }
    // Why the lock file could not be opened; empty otherwise.
    const std::string& error() const { return error_; }

private:
    const std::string path_;
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string error_;
};

} // namespace volna
