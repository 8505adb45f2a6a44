// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns SIGINT and SIGTERM into a call on the event loop. The signal handler
// only writes one byte to a socket pair; a socket notifier on the other end
// runs the stop action, where Qt and the form models may be used. The first
// stop signal also arms a watchdog: if the process has not ended a few
// seconds later (the event thread is stuck in a transfer or a blocking call,
// or the ending itself hangs), it drops the transmit line through the
// TransmitLineGuard and ends the process as that signal would.

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace volna {

class StopSignals {
public:
    // From here on SIGINT and SIGTERM call onStop from the event loop. Without
    // a socket pair (out of descriptors) the signals keep their handlers.
    explicit StopSignals(std::function<void()> onStop);
    // Stops calling onStop. The handlers stay: a signal that arrives while the
    // program finishes its orderly ending is swallowed rather than cutting the
    // ending short; an armed watchdog stays armed until the process ends.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    std::function<void()> onStop_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace volna
