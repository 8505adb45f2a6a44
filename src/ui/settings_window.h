// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog window: inside the frame "Настройки:" the band
// and offsets, the scan speeds and the transfer delays, each in its own frame
// with every box on its label's row, then the transmit time-out in a frame of
// its own, and the two command buttons below.

#include "ui/form_view.h"

namespace volna {

class Form5;

class SettingsWindow : public FormView {
public:
    explicit SettingsWindow(Form5& dialog);
};

} // namespace volna
