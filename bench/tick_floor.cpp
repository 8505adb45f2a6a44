// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of the 1 ms scan's CPU. By default the least a Qt Widgets
// program pays to wake every millisecond: a window of the console's size is
// shown and never redrawn; a repeating timerfd, watched by Qt's event loop as
// the program's tick timer is, is read at each expiry and nothing else is
// done. With --raw, no Qt at all: a plain loop that blocks reading the same
// timerfd, what the kernel alone charges a process for a thousand wakes a
// second. bench/scan_cpu.sh runs both beside the program and prints their
// share of a core.

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// A timerfd that expires every millisecond, or -1.
int everyMillisecond(int flags) {
    const int fd = timerfd_create(CLOCK_MONOTONIC, flags | TFD_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    itimerspec every{};
    every.it_value.tv_nsec = 1'000'000;
    every.it_interval.tv_nsec = 1'000'000;
    timerfd_settime(fd, 0, &every, nullptr);
    return fd;
}

int rawLoop() {
    const int fd = everyMillisecond(0);
    if (fd < 0) {
        return 1;
    }
    std::uint64_t expirations = 0;
    while (read(fd, &expirations, sizeof expirations) == sizeof expirations) {
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--raw") == 0) {
        return rawLoop();
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("tick floor");
    window.setFixedSize(766, 216);
    window.show();
    const int fd = everyMillisecond(TFD_NONBLOCK);
    if (fd < 0) {
        return 1;
    }
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [fd] {
        std::uint64_t expirations = 0;
        [[maybe_unused]] const auto got = read(fd, &expirations, sizeof expirations);
    });
    return QApplication::exec();
}
