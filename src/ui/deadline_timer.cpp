// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/deadline_timer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace volna {

namespace {

std::chrono::nanoseconds monotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

std::chrono::nanoseconds nextDue(std::chrono::nanoseconds due, std::chrono::nanoseconds now,
                                 std::chrono::nanoseconds interval) {
    return std::max(due + interval, now + interval - interval / 10);
}

DeadlineTimer::DeadlineTimer(std::function<void()> onTimeout)
    : onTimeout_(std::move(onTimeout)),
      fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { expired(); });
    } else {
        fallback_.setTimerType(Qt::PreciseTimer);
        connect(&fallback_, &QTimer::timeout, this, [this] { onTimeout_(); });
    }
}

DeadlineTimer::~DeadlineTimer() {
    notifier_.reset();
    if (fd_ >= 0) {
        close(fd_);
    }
}

void DeadlineTimer::start(int intervalMs) {
    active_ = true;
    if (fd_ < 0) {
        fallback_.start(intervalMs);
        return;
    }
    interval_ = std::chrono::milliseconds(intervalMs < 1 ? 1 : intervalMs);
    due_ = monotonicNow() + interval_;
    arm();
}

void DeadlineTimer::stop() {
    active_ = false;
    if (fd_ < 0) {
        fallback_.stop();
        return;
    }
    itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr); // also voids an expiry not yet read
}

// Armed to repeat every interval from due_: a tick on time needs no system
// call to arm the next one.
void DeadlineTimer::arm() {
    itimerspec at{};
    at.it_value.tv_sec = static_cast<time_t>(due_.count() / 1'000'000'000);
    at.it_value.tv_nsec = static_cast<long>(due_.count() % 1'000'000'000);
    at.it_interval.tv_sec = static_cast<time_t>(interval_.count() / 1'000'000'000);
    at.it_interval.tv_nsec = static_cast<long>(interval_.count() % 1'000'000'000);
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &at, nullptr);
}

// The next timeout is settled before this one runs, so the time the tick
// takes does not push the ones after it back. The timer repeats one interval
// after the due time read; only a tick so late that the next would come too
// soon after it (or one that missed a timeout) moves it.
void DeadlineTimer::expired() {
    std::uint64_t expirations = 0;
    if (read(fd_, &expirations, sizeof expirations) != sizeof expirations || !active_) {
        return; // nothing due (stopped or rearmed since)
    }
    const std::chrono::nanoseconds next = nextDue(due_, monotonicNow(), interval_);
    const bool onTheGrid = expirations == 1 && next == due_ + interval_;
    due_ = next;
    if (!onTheGrid) {
        arm();
    }
    onTimeout_();
}

} // namespace volna
