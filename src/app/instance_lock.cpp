// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace volna {

std::string lockFilePath(const std::string& storeFile) {
    return storeFile + ".volna144-lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {
    tryTake();
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

InstanceLock::State InstanceLock::tryTake() {
    if (state_ == State::Taken) {
        return state_;
    }
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    }
    if (fd_ < 0) { // a lock file someone else made read-only still locks
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        error_ = path_ + ": " + std::strerror(errno);
        state_ = State::Unavailable;
        return state_;
    }
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Taken;
    } else if (errno == EWOULDBLOCK) {
        state_ = State::Held;
    } else {
        error_ = path_ + ": " + std::strerror(errno);
        state_ = State::Unavailable;
    }
    return state_;
}

} // namespace volna
