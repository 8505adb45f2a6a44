// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A repeating timer for the models' timers that keeps its interval to the
// microsecond. Each timeout is due one interval after the previous one was
// due, and the wait for it is not rounded: Qt's own timers round every wait up
// to a whole millisecond, which stretched a 1 ms scan's ticks by about a tenth,
// and then ran late ticks almost back to back, so that a notch could be
// listened to for a few microseconds. Here a timeout never comes sooner than
// nine tenths of the interval after the previous one ran: a late tick moves
// the ones after it instead of being caught up. Built on a Linux timerfd
// watched by Qt's event loop; where none can be had, a Qt precise timer does
// the work.

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace volna {

// When the timeout after one due at `due` and run at `now` is due: one
// interval after `due`, but no sooner than nine tenths of it after `now`.
std::chrono::nanoseconds nextDue(std::chrono::nanoseconds due, std::chrono::nanoseconds now,
                                 std::chrono::nanoseconds interval);

class DeadlineTimer : public QObject {
public:
    explicit DeadlineTimer(std::function<void()> onTimeout);
    ~DeadlineTimer() override;
    DeadlineTimer(const DeadlineTimer&) = delete;
    DeadlineTimer& operator=(const DeadlineTimer&) = delete;

    // (Re)starts the count: the first timeout is one interval from now.
    void start(int intervalMs);
    void stop();
    bool isActive() const { return active_; }

private:
    void expired();
    void arm();

    std::function<void()> onTimeout_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_; // only where no timerfd could be created
    std::chrono::nanoseconds interval_{};
    std::chrono::nanoseconds due_{}; // on the monotonic clock
    bool active_ = false;
};

} // namespace volna
