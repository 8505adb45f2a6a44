// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's keyboard map in one table: each row is a key, the window it
// works in and what it does there, as a click on one of that window's
// controls or as one of the few actions without a control. The Qt layer
// installs the rows; --help, the README and the man page list them.

#include <span>

namespace volna {

// What a row does: a click on its control (refused as a click is when the
// control is disabled or hidden), the console's typed-frequency input, the
// lockout of the frequency a scan holds on, or the scanner window.
enum class KeyAction { Click, TypeFrequency, LockOut, OpenScanner };

// Where a row's key is heard: anywhere in its window, or only when the focused
// control leaves the key unused (Enter and Escape: a focused button, label or
// list acts on them first).
enum class KeyReach { Window, Unused };

struct KeyboardShortcut {
    const char* keys;    // Qt's portable spelling: "Alt+1", "Ctrl+Shift+T", "Esc"
    const char* window;  // the window's name: "Form1", "Form2", ...
    const char* control; // the control a click goes to; nullptr for another action
    const char* what;    // one line of help, in English
    KeyAction action = KeyAction::Click;
    KeyReach reach = KeyReach::Window;
    const char* focus = nullptr; // a KeyReach::Unused row only for this focused control
};

// Every row, the console's first, then each side window's.
std::span<const KeyboardShortcut> keyboardShortcuts();

// The row of a key heard only when the focused control leaves it unused: the
// row for that focused control when there is one, else the window's row for
// the key; nullptr when the window has none.
const KeyboardShortcut* unusedKeyRow(const char* window, const char* keys, const char* focused);

} // namespace volna
