// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What ends the program at its start, said where the operator sees it: a
// missing display in one line on standard error instead of Qt's abort, and
// every other reason on standard error and, when there is a display, in an
// error box too (a start from the desktop menu has no terminal).

#include "settings/language.h"
#include "toolkit/prompter.h"
#include "toolkit/text.h"

#include <QString>

#include <string>

namespace volna {

// Watches Qt's messages while the QApplication is made. When Qt finds no
// display it would abort (SIGABRT, a core dump and "Reinstalling the
// application may fix this problem"); the watch instead prints one line,
// "volna144: no display: ...", in language, and ends the process with status
// 1. Any other message is held and passed on when the watch ends. One watch
// at a time.
class DisplayWatch {
public:
    explicit DisplayWatch(Language language);
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;
};

// The message that says there is no display, after the environment: the Qt
// platform asked for, the X display, the Wayland display (nullptr when
// unset); its template through translate.
std::string noDisplayLine(const char* platform, const char* display, const char* wayland,
                          const TextTranslation& translate = {});

// Whether the program's windows reach a screen someone looks at; false on
// Qt's offscreen and minimal platforms (tests and scripts), where a box
// would wait for a click that never comes.
bool hasDisplay();

// Shows text, already in the program's language, in an error box when there
// is a display. The caller says it on standard error as well.
void showStartError(Prompter& prompter, const QString& text);

} // namespace volna
