// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display fonts of the console. Each names the LCD-style or classic face
// the windows are laid out for and falls back to a readable face of the system when it
// is missing, never failing.

#include <QFont>

namespace volna {

QFont controlFont();                   // captions of buttons, boxes and frames
QFont readOutFont();                   // the frequency read-out: seven-segment digits
QFont crystalFont(int pixelSize = 10); // display captions: fourteen-segment letters
QFont terminalFont();                  // slider position and step: monospace
QFont commentFont();                   // the channel comment: sans
QFont channelNumberFont();             // the channel indicator: bold sans

} // namespace volna
