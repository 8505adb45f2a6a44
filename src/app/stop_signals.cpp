#include "app/stop_signals.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace volna {

namespace {

// The one piece of process-wide state a signal handler needs: the socket pair
// it writes to. Made once and kept open until the process ends, so a late
// signal never writes to a descriptor that has been reused.
int signalPair[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPair[1], &byte, 1);
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
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

StopSignals::~StopSignals() = default;

} // namespace volna
