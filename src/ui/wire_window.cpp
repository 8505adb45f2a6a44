// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wire_window.h"

#include "console/console.h"
#include "synth/wire_diagram.h"
#include "synth/wire_recorder.h"
#include "ui/translate.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <string>

namespace volna {

namespace {

inline constexpr const char* kNoTransfer = "Передач ещё не было";
inline constexpr const char* kReadBack = "Слово с линий: ";
inline constexpr const char* kPulseCount = "  импульсов: ";
inline constexpr const char* kFrameOpen = "  кадр не закрыт";
inline constexpr const char* kTruncated = "  (показано начало)";
inline constexpr const char* kMs = " мс";
inline constexpr const char* kDelayRow = "мс";

// Pixels.
constexpr int kLeft = 64; // the line names sit left of this
constexpr int kRight = 16;
constexpr int kTop = 28;        // below the read-back word
constexpr int kBottom = 22;     // the delays' milliseconds
constexpr int kWaveHeight = 22; // from low to high level
constexpr int kNumberGap = 14;  // under the clock pulses

const QColor kWaveColour(0, 0, 170);
// Neighbouring delays (the two waits of a bit) alternate between two shades.
const QColor kDelayBands[2] = {QColor(255, 236, 190), QColor(255, 214, 150)};
const QColor kDelayText(150, 70, 0);
const QColor kNumberText(90, 90, 90);

// Where the diagram lies in the window and how time maps onto it.
struct Axis {
    double left;
    double pixelsPerSlot;
    int rowHeight;

    int x(double time) const { return static_cast<int>(left + time * pixelsPerSlot + 0.5); }
    int rowTop(int row) const { return kTop + row * rowHeight; }
    int high(int row) const { return rowTop(row) + (rowHeight - kWaveHeight - kNumberGap) / 2; }
    int low(int row) const { return high(row) + kWaveHeight; }
};

Axis axisFor(const QWidget& window, const WireDiagram& diagram) {
    const double width = window.width() - kLeft - kRight;
    const int rowHeight = (window.height() - kTop - kBottom) / 4;
    return {static_cast<double>(kLeft), width / diagram.length, rowHeight};
}

// The shaded band of every delay across all rows.
void drawDelayBands(QPainter& painter, const WireDiagram& diagram, const Axis& frame) {
    const int top = frame.rowTop(0);
    const int height = frame.rowTop(4) - top;
    for (std::size_t i = 0; i < diagram.delays.size(); ++i) {
        const WireDelay& delay = diagram.delays[i];
        const int left = frame.x(delay.start);
        const int width = frame.x(delay.start + delay.width) - left;
        painter.fillRect(left, top, std::max(width, 1), height, kDelayBands[i % 2]);
    }
}

// One line as a square wave: a level for each segment, an edge between them.
void drawLine(QPainter& painter, const WireLine& line, int row, const Axis& frame) {
    painter.setPen(Qt::black);
    painter.drawText(8, frame.high(row), kLeft - 12, kWaveHeight, Qt::AlignVCenter,
                     QString::fromLatin1(line.name));
    painter.setPen(QPen(kWaveColour, 2));
    int previousY = -1;
    for (const LevelSegment& segment : line.segments) {
        const int y = segment.high ? frame.high(row) : frame.low(row);
        const int left = frame.x(segment.start);
        if (previousY >= 0) {
            painter.drawLine(left, previousY, left, y);
        }
        painter.drawLine(left, y, frame.x(segment.end), y);
        previousY = y;
    }
}

// The bit number centred under each pulse, left out where it would run into
// the one before.
void drawBitNumbers(QPainter& painter, const WireDiagram& diagram, const Axis& frame, int row) {
    painter.setPen(kNumberText);
    const QFontMetrics metrics = painter.fontMetrics();
    int freeFrom = 0;
    for (const ClockPulse& pulse : diagram.pulses) {
        if (pulse.bit == 0) {
            continue;
        }
        const QString number = QString::number(pulse.bit);
        const int width = metrics.horizontalAdvance(number);
        const int centre = (frame.x(pulse.rise) + frame.x(pulse.fall)) / 2;
        if (centre - width / 2 < freeFrom) {
            continue;
        }
        painter.drawText(centre - width / 2, frame.low(row) + metrics.ascent() + 2, number);
        freeFrom = centre + width / 2 + 3;
    }
}

// Each delay's milliseconds under its band: "2 мс" where it fits, "2" where
// only that does, nothing where neither does.
void drawDelayTimes(QPainter& painter, const WireDiagram& diagram, const Axis& frame) {
    painter.setPen(kDelayText);
    const QFontMetrics metrics = painter.fontMetrics();
    const int baseline = frame.rowTop(4) + metrics.ascent() + 3;
    if (!diagram.delays.empty()) {
        painter.drawText(8, baseline, shown(kDelayRow));
    }
    int freeFrom = 0;
    for (const WireDelay& delay : diagram.delays) {
        const int left = frame.x(delay.start);
        const int room = frame.x(delay.start + delay.width) - left + 4;
        QString text = QString::number(delay.ms) + shown(kMs);
        if (metrics.horizontalAdvance(text) > room) {
            text = QString::number(delay.ms);
        }
        const int width = metrics.horizontalAdvance(text);
        const int start = left + (room - 4 - width) / 2; // centred under the band
        if (width > room || start < freeFrom) {
            continue;
        }
        painter.drawText(start, baseline, text);
        freeFrom = start + width + 3;
    }
}

QString headline(const WireDiagram& diagram) {
    QString text = shown(kReadBack) + QString::fromStdString(diagram.readBack);
    if (diagram.framePulses != 24) {
        text += shown(kPulseCount) + QString::number(diagram.framePulses);
    }
    if (diagram.framePulses > 0 && !diagram.frameEnded) {
        text += shown(kFrameOpen);
    }
    if (diagram.truncated) {
        text += shown(kTruncated);
    }
    return text;
}

} // namespace

WireWindow::WireWindow(WireRecorder& recorder) : QWidget(nullptr), recorder_(recorder) {
    setWindowTitle(shown(kWireDiagramTitle));
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(320, 180);
    resize(kDefaultWidth, kDefaultHeight);
    redraw_.setSingleShot(true);
    redraw_.setInterval(kRedrawMs);
    connect(&redraw_, &QTimer::timeout, this, [this] { update(); });
}

void WireWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    transfers_ = recorder_.transferRecorded.subscribe([this] {
        if (!redraw_.isActive()) {
            redraw_.start();
        }
    });
    update();
}

void WireWindow::hideEvent(QHideEvent* event) {
    transfers_.reset();
    redraw_.stop();
    QWidget::hideEvent(event);
}

void WireWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WireWindow::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    const WireDiagram diagram = wireDiagram(recorder_.lastTransfer());
    if (diagram.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, shown(kNoTransfer));
        return;
    }
    painter.setPen(Qt::black);
    painter.drawText(kLeft, 4, width() - kLeft - kRight, kTop - 8, Qt::AlignVCenter,
                     headline(diagram));
    const Axis frame = axisFor(*this, diagram);
    drawDelayBands(painter, diagram, frame);
    for (int row = 0; row < 4; ++row) {
        drawLine(painter, diagram.lines[row], row, frame);
    }
    drawBitNumbers(painter, diagram, frame, 1);
    drawDelayTimes(painter, diagram, frame);
}

} // namespace volna
