#pragma once
// The wire diagram window: draws the last transfer the wire recorder kept as a
// timing diagram of the frame, clock, data and transmit lines, with the bit
// numbers under the clock pulses, the delays to scale and the word read back.
// A plain top-level window outside the form models: focusing it never counts
// as an activation of the console. Hidden, it listens to nothing.

#include "toolkit/event.h"

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

protected:
    // Listens to the recorder while shown and draws the last transfer at once.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    WireRecorder& recorder_;
    Subscription transfers_;
};

} // namespace volna
