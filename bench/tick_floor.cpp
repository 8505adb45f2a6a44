// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of the 1 ms scan's CPU. By default the least a Qt Widgets
// program pays to wake every millisecond: a window of the console's size is
// shown and never redrawn; a repeating timerfd, watched by Qt's event loop as
// the program's tick timer is, is read at each expiry and nothing else is
// done. With --raw, no Qt at all: a plain loop that blocks reading the same
// timerfd, what the kernel alone charges a process for a thousand wakes a
// second. With --frames, the Qt window also shows what a scan shows, at the
// screen's rate: each wake counts a notch, and every 16 ms a read-out in the
// console's seven-segment face, a slider and the slider's position, opaque on
// a black panel where the console has them, are set to the count. That is
// the least a Qt Widgets program pays to show a 1 ms scan. bench/scan_cpu.sh
// runs all three beside the program and prints their share of a core.

#include "ui/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <QSocketNotifier>
#include <QTimer>
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

// An opaque label on the panel, at the console's place for it.
QLabel* panelLabel(QWidget* panel, const QRect& place, const QFont& font) {
    auto* label = new QLabel(panel);
    label->setGeometry(place);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::green);
    label->setPalette(colours);
    return label;
}

// Pixels from the console's twips, 15 to a pixel.
constexpr int px(int twips) {
    return twips / 15;
}

// The read-out, the slider and its position, set to the count every 16 ms,
// in the console's faces and places: the panel (Label6) at 360, 240, 6495 x
// 1815 twips, the read-out (Label1) at 1200, 480, 3495 x 1095, the position
// (Label2) at 4920, 360, 735 x 615, the slider at 360, 2400, 6495 x 495.
void showScan(QWidget& window, const int& notches) {
    auto* panel = new QWidget(&window);
    panel->setGeometry(px(360), px(240), px(6495), px(1815));
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(Qt::black));
    const QPoint inPanel(px(360), px(240));
    QLabel* readOut =
        panelLabel(panel, QRect(px(1200), px(480), px(3495), px(1095)).translated(-inPanel),
                   volna::readOutFont());
    readOut->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* position =
        panelLabel(panel, QRect(px(4920), px(360), px(735), px(615)).translated(-inPanel),
                   volna::terminalFont());
    auto* slider = new QSlider(Qt::Horizontal, &window);
    slider->setGeometry(px(360), px(2400), px(6495), px(495));
    slider->setMaximum(7999);
    slider->setAutoFillBackground(true);
    auto* frame = new QTimer(&window);
    QObject::connect(frame, &QTimer::timeout, [=, &notches] {
        const int notch = notches % 8000;
        readOut->setText(QString::number(100.0 + notch * 0.025, 'f', 3));
        position->setText(QString::number(notch % 100));
        slider->setValue(notch);
    });
    frame->start(16);
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
    int notches = 0;
    if (argc > 1 && std::strcmp(argv[1], "--frames") == 0) {
        showScan(window, notches);
    }
    window.show();
    const int fd = everyMillisecond(TFD_NONBLOCK);
    if (fd < 0) {
        return 1;
    }
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [fd, &notches] {
        std::uint64_t expirations = 0;
        if (read(fd, &expirations, sizeof expirations) == sizeof expirations) {
            notches += static_cast<int>(expirations);
        }
    });
    return QApplication::exec();
}
