// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/keyboard_shortcuts.h"

#include <array>
#include <string_view>

namespace volna {

namespace {

using enum KeyAction;
using enum KeyReach;

// Memory channels take Alt with a digit (Alt+0 is channel 10): plain digits
// type into the boxes. The windows open with function keys, which no box
// takes for itself (a text box takes several Ctrl keys); F3 is the channel
// editor and F7 the library wherever they open from. Transmit takes three keys at once so that no
// stray key keys the transmitter.
constexpr std::array kShortcuts{
    KeyboardShortcut{"Alt+1", "Form1", "Command3", "memory channel 1"},
    KeyboardShortcut{"Alt+2", "Form1", "Command5", "memory channel 2"},
    KeyboardShortcut{"Alt+3", "Form1", "Command6", "memory channel 3"},
    KeyboardShortcut{"Alt+4", "Form1", "Command7", "memory channel 4"},
    KeyboardShortcut{"Alt+5", "Form1", "Command8", "memory channel 5"},
    KeyboardShortcut{"Alt+6", "Form1", "Command9", "memory channel 6"},
    KeyboardShortcut{"Alt+7", "Form1", "Command10", "memory channel 7"},
    KeyboardShortcut{"Alt+8", "Form1", "Command11", "memory channel 8"},
    KeyboardShortcut{"Alt+9", "Form1", "Command12", "memory channel 9"},
    KeyboardShortcut{"Alt+0", "Form1", "Command13", "memory channel 10"},
    KeyboardShortcut{"Alt+Left", "Form1", "Command15", "previous stored channel (\"<-\")"},
    KeyboardShortcut{"Alt+Right", "Form1", "Command16", "next stored channel (\"->\")"},
    KeyboardShortcut{"F2", "Form1", nullptr, "type a frequency and tune to it", TypeFrequency},
    KeyboardShortcut{"F5", "Form1", "Command2", "start or stop the scan (\"Scan\" / \"Stop\")"},
    KeyboardShortcut{"F6", "Form1", "Command4",
                     "start or stop the channel scan (\"Channel scan\" / \"Stop\")"},
    KeyboardShortcut{"Ctrl+Shift+T", "Form1", "Check4", "transmit / receive (the \"TX\" switch)"},
    KeyboardShortcut{"F8", "Form1", "Command17", "the settings (\"Config\")"},
    KeyboardShortcut{"F9", "Form1", nullptr, "lock out the frequency a scan holds on", LockOut},
    KeyboardShortcut{"F10", "Form1", nullptr, "the scanner: lockouts, resume, hang time, hits",
                     OpenScanner},
    KeyboardShortcut{"F3", "Form1", "Label7", "the channel editor (\"Channel\")"},
    KeyboardShortcut{"F4", "Form1", "Command14", "add a channel"},
    KeyboardShortcut{"F7", "Form2", "Command14", "channel editor: the library"},
    KeyboardShortcut{"Return", "Form2", "Command1", "channel editor: save and close", Click,
                     Unused},
    KeyboardShortcut{"Esc", "Form2", "Command3", "channel editor: close without saving", Click,
                     Unused},
    KeyboardShortcut{"F3", "Form3", "Command2", "add channel: the channel editor"},
    KeyboardShortcut{"F7", "Form3", "Command4", "add channel: the library"},
    KeyboardShortcut{"Return", "Form3", "Command1", "add channel: save and close", Click, Unused},
    KeyboardShortcut{"Esc", "Form3", "Command3", "add channel: close without saving", Click,
                     Unused},
    KeyboardShortcut{"Return", "Form5", "Command1", "settings: save and close", Click, Unused},
    KeyboardShortcut{"Esc", "Form5", "Command2", "settings: close without saving", Click, Unused},
    KeyboardShortcut{"Return", "Form6", "Command8", "library: in the search box, find the next",
                     Click, Unused, "Text1"},
    KeyboardShortcut{"Return", "Form6", "Command6", "library: store the lists", Click, Unused},
    KeyboardShortcut{"Esc", "Form6", "Command5", "library: close (asks to store changes)", Click,
                     Unused},
};

} // namespace

std::span<const KeyboardShortcut> keyboardShortcuts() {
    return kShortcuts;
}

const KeyboardShortcut* unusedKeyRow(const char* window, const char* keys, const char* focused) {
    const KeyboardShortcut* windowRow = nullptr;
    for (const KeyboardShortcut& row : kShortcuts) {
        if (row.reach != Unused || std::string_view(row.window) != window ||
            std::string_view(row.keys) != keys) {
            continue;
        }
        if (row.focus == nullptr) {
            windowRow = windowRow == nullptr ? &row : windowRow;
        } else if (focused != nullptr && std::string_view(row.focus) == focused) {
            return &row;
        }
    }
    return windowRow;
}

} // namespace volna
