// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the 1 ms scan's CPU: the least a Qt Widgets program pays
// to wake every millisecond. A window of the console's size is shown and
// never redrawn; a repeating timerfd, watched by Qt's event loop as the
// program's tick timer is, is read at each expiry and nothing else is done.
// bench/scan_cpu.sh runs it beside the program and prints its share of a core.

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("tick floor");
    window.setFixedSize(766, 216);
    window.show();
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) {
        return 1;
    }
    itimerspec every{};
    every.it_value.tv_nsec = 1'000'000;
    every.it_interval.tv_nsec = 1'000'000;
    timerfd_settime(fd, 0, &every, nullptr);
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [fd] {
        std::uint64_t expirations = 0;
        [[maybe_unused]] const auto got = read(fd, &expirations, sizeof expirations);
    });
    return QApplication::exec();
}
