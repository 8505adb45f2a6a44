// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/band_activity_window.h"

#include "scan/band_picture.h"
#include "settings/settings_store.h"
#include "settings/window_place.h"
#include "ui/translate.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace volna {

namespace {

constexpr std::string_view kPlaceName = "BandActivity";
constexpr int kMargin = 12;
constexpr int kScaleHeight = 34; // ticks and kHz under the strip
constexpr int kLineHeight = 22;  // the text line at the bottom
const QColor kBackground(0, 0, 0);
const QColor kTuned(255, 40, 40);
const QColor kChannel(255, 220, 0);
const QColor kText(0, 230, 0);
const QColor kLocked(150, 150, 150);
constexpr const char* kScannerButton = "Сканер…";

// Black-green for a quiet notch up to full green for one busy at every test.
QColor columnColour(double brightness) {
    const double level = std::clamp(brightness, 0.0, 1.0);
    return QColor(0, 40 + static_cast<int>(std::lround(level * 215)), 0);
}

// A round distance between scale marks, kHz, giving at most about eight marks.
double scaleStep(double spanKHz) {
    for (const double step : {25.0, 50.0, 100.0, 250.0, 500.0, 1000.0, 2500.0, 5000.0}) {
        if (spanKHz / step <= 8) {
            return step;
        }
    }
    return std::ceil(spanKHz / 8 / 10000) * 10000;
}

} // namespace

BandActivityWindow::BandActivityWindow(BandPicture& picture, SettingsStore& store)
    : picture_(picture), store_(store) {
    setWindowTitle(shown(kBandActivityTitle));
    setMinimumSize(360, 150);
    resize(820, 190);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    redraw_.setInterval(kRedrawMs);
    connect(&redraw_, &QTimer::timeout, this, [this] { update(); });
    scanner_ = new QPushButton(shown(kScannerButton), this);
    scanner_->setAccessibleName(shown(kScannerButton));
    scanner_->setCursor(Qt::ArrowCursor);
    connect(scanner_, &QPushButton::clicked, this, [this] {
        if (openScanner) {
            openScanner();
        }
    });
}

// "Сканер…" at the right end of the line under the scale.
void BandActivityWindow::resizeEvent(QResizeEvent* event) {
    const QSize size = scanner_->sizeHint();
    scanner_->setGeometry(width() - kMargin - size.width(),
                          height() - kMargin - kLineHeight + (kLineHeight - size.height()) / 2,
                          size.width(), size.height());
    QWidget::resizeEvent(event);
}

void BandActivityWindow::open(const QRect& below) {
    if (!placed_) {
        restorePlace(below);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void BandActivityWindow::restorePlace(const QRect& below) {
    const auto place = readWindowPlace(store_, kPlaceName);
    if (!place) {
        move(below.left(), below.bottom() + 1);
        return;
    }
    const QRect kept(place->left, place->top, place->width, place->height);
    QScreen* screen = QGuiApplication::screenAt(kept.center());
    if (screen == nullptr) {
        // Its screen is gone (a monitor unplugged): the kept size, a default place.
        screen = QGuiApplication::primaryScreen();
        resize(kept.size().boundedTo(screen->availableSize()));
        return;
    }
    setGeometry(QRect(kept.topLeft(), kept.size().boundedTo(screen->availableSize())));
}

void BandActivityWindow::keepPlace() {
    if (!placed_) {
        return;
    }
    const QRect place = geometry();
    writeWindowPlace(store_, kPlaceName, {place.x(), place.y(), place.width(), place.height()});
}

QRect BandActivityWindow::stripArea() const {
    return QRect(kMargin, kMargin, width() - 2 * kMargin,
                 height() - 2 * kMargin - kScaleHeight - kLineHeight);
}

std::optional<int> BandActivityWindow::columnAt(int x) const {
    const QRect strip = stripArea();
    return columnAtPixel(x - strip.left(), strip.width(), picture_.columnCount());
}

void BandActivityWindow::paintEvent(QPaintEvent* /*event*/) {
    picture_.refresh();
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QRect strip = stripArea();
    drawStrip(painter, strip);
    drawMarks(painter, strip);
    drawScale(painter, strip);
    painter.setPen(kText);
    const QRect line(kMargin, height() - kMargin - kLineHeight, width() - 2 * kMargin, kLineHeight);
    const std::string text =
        line_.empty() && hoverColumn_ ? picture_.describe(*hoverColumn_) : line_;
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, shown(text));
}

void BandActivityWindow::drawStrip(QPainter& painter, const QRect& strip) const {
    const std::vector<double> pixels = picture_.pixelBrightness(strip.width());
    for (int x = 0; x < static_cast<int>(pixels.size()); ++x) {
        painter.setPen(columnColour(pixels[static_cast<std::size_t>(x)]));
        painter.drawLine(strip.left() + x, strip.top(), strip.left() + x, strip.bottom());
    }
}

// The memory channels as yellow ticks under the strip, the locked-out
// frequencies as grey bars over its top, the tuned frequency as a red line
// through it.
void BandActivityWindow::drawMarks(QPainter& painter, const QRect& strip) const {
    const std::int32_t count = picture_.columnCount();
    auto middle = [&](std::int32_t column) {
        const auto [first, next] = columnPixels(column, strip.width(), count);
        return strip.left() + (first + std::max(next, first + 1) - 1) / 2;
    };
    for (const std::int32_t column : picture_.channelColumns()) {
        const int x = middle(column);
        painter.fillRect(x - 1, strip.bottom() + 2, 3, 8, kChannel);
    }
    for (const std::int32_t column : picture_.lockedColumns()) {
        const auto [first, next] = columnPixels(column, strip.width(), count);
        painter.fillRect(strip.left() + first, strip.top(), std::max(next - first, 3), 8, kLocked);
    }
    if (const auto tuned = picture_.tunedColumn()) {
        painter.fillRect(middle(*tuned) - 1, strip.top() - 4, 3, strip.height() + 8, kTuned);
    }
}

void BandActivityWindow::drawScale(QPainter& painter, const QRect& strip) const {
    const double lower = picture_.lowerKHz();
    const double upper = picture_.upperKHz();
    if (!(upper > lower) || !std::isfinite(upper - lower)) {
        return;
    }
    painter.setPen(kText);
    const double step = scaleStep(upper - lower);
    const int top = strip.bottom() + 12;
    for (double kHz = std::ceil(lower / step) * step; kHz <= upper; kHz += step) {
        const int x =
            strip.left() +
            static_cast<int>(std::lround((kHz - lower) / (upper - lower) * (strip.width() - 1)));
        painter.drawLine(x, top, x, top + 4);
        const QString text = QString::number(static_cast<long long>(std::llround(kHz)));
        // Centred under its mark, but inside the window.
        const int left = std::clamp(x - 40, 0, std::max(width() - 80, 0));
        const QRect box(left, top + 5, 80, 16);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

void BandActivityWindow::mouseMoveEvent(QMouseEvent* event) {
    const auto column = columnAt(static_cast<int>(event->position().x()));
    if (column != hoverColumn_) {
        hoverColumn_ = column;
        line_.clear();
        update();
    }
}

void BandActivityWindow::leaveEvent(QEvent* /*event*/) {
    hoverColumn_.reset();
    update();
}

void BandActivityWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QRect strip = stripArea();
    const QPoint at = event->position().toPoint();
    if (at.y() < strip.top() || at.y() > strip.bottom()) {
        return;
    }
    if (const auto column = columnAt(at.x())) {
        line_ = picture_.click(*column);
        update();
    }
}

void BandActivityWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F10 && openScanner) {
        openScanner();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BandActivityWindow::showEvent(QShowEvent* /*event*/) {
    redraw_.start();
}

void BandActivityWindow::hideEvent(QHideEvent* /*event*/) {
    redraw_.stop();
    keepPlace();
    store_.sync();
}

} // namespace volna
