// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stop_signals.h"

#include "synth/transmit_line_guard.h"

#include <csignal>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace volna {

namespace {

// How long the orderly ending may take after SIGINT or SIGTERM, in seconds,
// before the watchdog ends the process: the event thread may be stuck in a
// transfer or a blocking call and never read the byte.
constexpr unsigned kGraceSeconds = 3;

// The process-wide state the signal handlers need: the socket pair they
// write to, made once and kept open until the process ends, so a late signal
// never writes to a descriptor that has been reused; and the first stop
// signal, once the watchdog is armed.
int signalPair[2] = {-1, -1};
volatile std::sig_atomic_t stopSignal = 0;

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

// The orderly ending did not finish in time: the transmit line is dropped,
// then the process ends as the stop signal ends a process without a handler.
void onWatchdog(int) {
    TransmitLineGuard::dropNow();
    const int signal = stopSignal;
    setHandler(signal, SIG_DFL);
    ::raise(signal);
    ::_exit(128 + signal); // only if the signal could not end the process
}

// Asks the event loop for the orderly ending and, at the first stop signal,
// arms the watchdog on SIGALRM (until then the transmit line guard's).
void onSignal(int signal) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPair[1], &byte, 1);
    if (stopSignal == 0) {
        stopSignal = signal;
        setHandler(SIGALRM, onWatchdog);
        ::alarm(kGraceSeconds);
    }
}

bool makeSignalPair() {
    return signalPair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPair) == 0;
}

} // namespace

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    if (!makeSignalPair()) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(signalPair[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char byte = 0;
        [[maybe_unused]] auto got = ::read(signalPair[0], &byte, 1);
        onStop_();
    });
    setHandler(SIGINT, onSignal);
    setHandler(SIGTERM, onSignal);
}

StopSignals::~StopSignals() = default;

} // namespace volna
