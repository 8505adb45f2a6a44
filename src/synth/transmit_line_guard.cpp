// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/transmit_line_guard.h"

#include <csignal>
#include <cstdlib>
#include <vector>

#include <signal.h>

namespace volna {

namespace {

// The one piece of process-wide state: a signal handler can reach nothing else.
// Written only while no handler of ours is installed or while it is disarmed.
EmergencyDrop armedDrop;
volatile std::sig_atomic_t armed = 0;

// Every signal whose default action ends the process, except SIGKILL and
// SIGSTOP (uncatchable). SIGINT and SIGTERM are here too, for the time before
// the caller installs its orderly ending (and in case it cannot).
std::vector<int> fatalSignals() {
    std::vector<int> signals = {SIGINT,  SIGTERM, SIGHUP, SIGQUIT,  SIGABRT, SIGSEGV,
                                SIGBUS,  SIGFPE,  SIGILL, SIGUSR1,  SIGUSR2, SIGALRM,
                                SIGPIPE, SIGTRAP, SIGSYS, SIGXCPU,  SIGXFSZ, SIGVTALRM,
                                SIGPROF, SIGIO,   SIGPWR, SIGSTKFLT};
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        signals.push_back(signal);
    }
    return signals;
}

void dropIfArmed() {
    if (armed != 0) {
        armedDrop.run();
    }
}

// SA_RESETHAND has put the default action back; the signal raised again is
// delivered when the handler returns (a fault simply recurs) and ends the
// process exactly as it would have without us.
void onFatalSignal(int signal) {
    dropIfArmed();
    ::raise(signal);
}

// A handler stack of its own, so a stack overflow still reaches the drop.
void useOwnSignalStack() {
    static std::vector<char> stack(64 * 1024);
    stack_t alternate{};
    alternate.ss_sp = stack.data();
    alternate.ss_size = stack.size();
    ::sigaltstack(&alternate, nullptr);
}

void installHandlers() {
    useOwnSignalStack();
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const int signal : fatalSignals()) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
            (current.sa_flags & SA_SIGINFO) == 0) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

} // namespace

TransmitLineGuard::TransmitLineGuard(const EmergencyDrop& drop) {
    armed = 0;
    armedDrop = drop;
    static const int exitHandler = std::atexit(dropIfArmed); // registered once
    (void)exitHandler;
    installHandlers();
    armed = 1;
}

TransmitLineGuard::~TransmitLineGuard() {
    armed = 0;
}

void TransmitLineGuard::dropNow() noexcept {
    dropIfArmed();
}

} // namespace volna
