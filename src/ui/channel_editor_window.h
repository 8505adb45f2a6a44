// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor's window.

#include "ui/form_view.h"

namespace volna {

class Form2;

// Draws Form2 as a table: the frame "Каналы" with ten evenly spaced rows in
// channel order (clear button, receive, transmit, comment) under their
// headings, the four command buttons below it and the two CSV buttons in a
// row of their own at the bottom.
class ChannelEditorWindow : public FormView {
public:
    explicit ChannelEditorWindow(Form2& editor);
};

} // namespace volna
