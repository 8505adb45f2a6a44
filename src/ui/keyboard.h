// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard map of console/keyboard_shortcuts.h put on a window's view: the
// shortcuts heard anywhere in the window, and Enter and Escape when the focused
// control leaves them unused. A key acts as the operator's click on its control
// does, through the Program, so a disabled or hidden control refuses it.

#include "console/keyboard_shortcuts.h"

#include <functional>
#include <string>

class QKeyEvent;
class QWidget;

namespace volna {

class Control;
class Program;
class Window;

// Clicks control as the operator would (a button, label, check box or option
// button); false when it refuses the click or is of another kind.
bool clickControl(Program& program, Control& control);

// Puts the window-wide rows of model's window on view as shortcuts. A Click row
// clicks its control; a row of another action calls other with it.
void installShortcuts(QWidget& view, Window& model, const std::function<void(KeyAction)>& other);

// Enter or Escape that reached the window unused: a focused push button (not a
// check box: the "TX" switch keys only on a click, Space or its shortcut) takes Enter
// as a click; otherwise the window's row for the key (for the focused control
// when it has one) clicks its control. False when nothing took the key.
bool pressUnusedKey(Window& model, const QKeyEvent& event, QWidget* focused);

} // namespace volna
