// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wire diagram window: draws the last transfer the wire recorder kept as a
// timing diagram of the frame, clock, data and transmit lines, with the bit
// numbers under the clock pulses, the delays to scale and the word read back.
// A plain top-level window outside the form models: focusing it never counts
// as an activation of the console. Hidden, it listens to nothing; shown, it
// redraws at most every kRedrawMs, however fast the transfers come (a scan
// at a 1 ms interval sends a thousand words a second).

#include "toolkit/event.h"

#include <QTimer>
#include <QWidget>

namespace volna {

class WireRecorder;
struct WireDiagram;

class WireWindow : public QWidget {
public:
    explicit WireWindow(WireRecorder& recorder);

    // Default size, pixels.
    static constexpr int kDefaultWidth = 900;
    static constexpr int kDefaultHeight = 260;
    // The shortest time between two redraws for new transfers, ms.
    static constexpr int kRedrawMs = 50;

protected:
    // Listens to the recorder while shown and draws the last transfer at once.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape closes the window, as it would a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    WireRecorder& recorder_;
    Subscription transfers_;
    QTimer redraw_; // runs from a transfer to the redraw that shows it
};

} // namespace volna
