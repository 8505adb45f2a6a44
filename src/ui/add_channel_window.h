// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The add-channel dialog's window.

#include "ui/form_view.h"

namespace volna {

class Form3;

// Draws Form3: the frame "Параметры канала" with the receive, transmit and
// comment boxes under their headings and the transmit slider below them, and
// the four command buttons under the frame.
class AddChannelWindow : public FormView {
public:
    explicit AddChannelWindow(Form3& dialog);
};

} // namespace volna
