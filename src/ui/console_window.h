#pragma once
// The console window: the black display panel with its LCD-style
// read-outs on the left, the step options and channel buttons in the middle,
// the scan and exit controls on the right, and the lower panel below.

#include "ui/form_view.h"

namespace volna {

class Form1;

class ConsoleWindow : public FormView {
public:
    explicit ConsoleWindow(Form1& console);

private:
    void addOutline(int left, int top, int width, int height);
    void styleDisplay();
    void styleLink(const char* name);
};

} // namespace volna
