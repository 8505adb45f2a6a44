// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band-activity picture in a window of its own: a strip across the band,
// one column per notch, lit by how busy the scans found it lately, the tuned
// frequency marked in red and the memory channels ticked below. It redraws a
// few times a second while shown and not at all while hidden. The line under
// the strip names the column under the pointer; a click tunes there as the
// slider would. The window's place is kept in the store between runs.
//
// It is not one of the program's forms: bringing it to the front is not an
// activation of the console.

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace volna {

class BandPicture;
class SettingsStore;

class BandActivityWindow : public QWidget {
public:
    static constexpr int kRedrawMs = 250;

    BandActivityWindow(BandPicture& picture, SettingsStore& store);

    // Shows the window at its kept place, or the first time without one just
    // below the console's frame `below`, and brings it forward.
    void open(const QRect& below);
    // Writes the window's place to the store when it has been shown; the
    // caller syncs the store (the window does on hiding).
    void keepPlace();
    // The strip's area inside the window, pixels (for the tests' image checks).
    QRect stripArea() const;
    // Opens the scanner's window: "Сканер…" at the bottom right, or F10.
    std::function<void()> openScanner;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Escape closes the window
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void restorePlace(const QRect& below);
    std::optional<int> columnAt(int x) const;
    void drawStrip(QPainter& painter, const QRect& strip) const;
    void drawMarks(QPainter& painter, const QRect& strip) const;
    void drawScale(QPainter& painter, const QRect& strip) const;

    BandPicture& picture_;
    SettingsStore& store_;
    QTimer redraw_;
    QPushButton* scanner_ = nullptr;
    bool placed_ = false;
    std::string line_;               // under the strip: the pointer's column or a refusal
    std::optional<int> hoverColumn_; // the column under the pointer
};

} // namespace volna
