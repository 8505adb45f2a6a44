// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drops the transmit line however the process ends while it is armed: on every
// signal whose default action ends the process (SIGHUP, SIGQUIT, SIGABRT,
// SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE and the
// rest) it runs the port's EmergencyDrop and then lets the signal take its
// default action; on exit() without a return from main (as Qt does when the X
// connection breaks) an exit handler runs the same drop. SIGINT and SIGTERM
// are covered until the caller puts its orderly ending in their place;
// SIGKILL cannot be caught. A signal the process was started with ignored (nohup) stays ignored.

#include "synth/emergency_drop.h"

namespace volna {

class TransmitLineGuard {
public:
    // Arms the guard with the drop of the port in use. Only one guard may be
    // armed at a time; it must be destroyed before the port it drops.
    explicit TransmitLineGuard(const EmergencyDrop& drop);
    // Disarms: the port is closed in order from here on, and its descriptors
    // may be reused.
    ~TransmitLineGuard();
    TransmitLineGuard(const TransmitLineGuard&) = delete;
    TransmitLineGuard& operator=(const TransmitLineGuard&) = delete;

    // Runs the armed guard's drop now, for a signal handler that ends the
    // process itself; does nothing while no guard is armed. Async-signal-safe.
    static void dropNow() noexcept;
};

} // namespace volna
