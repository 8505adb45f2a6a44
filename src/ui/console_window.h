// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console window: the black display panel with its LCD-style
// read-outs on the left, the step options and channel buttons in the middle,
// the scan and exit controls on the right, and the lower panel below. The
// keyboard reaches every control in reading order; F2 asks for a frequency and
// the wheel over the read-out tunes, both through the console's handlers.

#include "ui/form_view.h"

namespace volna {

class Form1;

class ConsoleWindow : public FormView {
public:
    explicit ConsoleWindow(Form1& console);

protected:
    // The wheel over the read-out tunes one notch a step.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void orderTabs();
    // Asks for a frequency in a small box and hands it to the console.
    void typeFrequency();
    void wheelTune(int angleDelta);
    void addOutline(int left, int top, int width, int height);
    void styleDisplay();
    void styleLink(const char* name);

    Form1& console_;
    int wheelRemainder_ = 0; // eighths of a degree not yet a whole wheel step
};

} // namespace volna
