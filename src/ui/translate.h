// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts in the language it speaks. The core keeps its Russian
// texts; here, at the edge to Qt, a text is looked up whole in the installed
// translation, and a text filled from a template (toolkit/text_templates.h)
// is shown as the translated template filled with the same, translated,
// pieces. Without a translation the text stays as it is.

#include "settings/language.h"

#include <QString>
#include <QTranslator>

#include <string>
#include <string_view>
#include <vector>

namespace volna {

// The one context of every translated text.
inline constexpr const char* kTranslationContext = "volna144";
// The Russian renderings of the texts the program keeps in English (the
// console's "Scanning...", the command line's messages and --help, the port
// back ends' messages).
inline constexpr const char* kRussianTranslationFile = ":/i18n/volna144_ru.qm";

// text as the operator reads it in the program's language. Only program texts
// (captions, titles, messages) go through here, never operator data.
QString shown(std::string_view text);
// A program text with places of its own to fill later ("Частота %1 kHz"),
// looked up whole only: no template of the table can have filled it, and
// searching them all for each such text costs the start of every window.
QString shownTemplate(std::string_view text);

// The pieces the places of templ stand for in text (%1 first), when text is
// templ filled; false when it is not. A place takes the shortest run that
// lets the rest match.
bool matchTemplate(std::string_view templ, std::string_view text, std::vector<std::string>& pieces);

// The translators of one language for the whole application: the program's
// own translation for English (volna144_en: Russian keys to English); in
// Russian, Qt's Russian for the standard buttons (Qt's own texts are English
// without it) and volna144_ru, the Russian renderings of the few texts the
// program keeps in English (English keys to Russian). Whatever the system
// locale, nothing else is installed.
class LanguageSwitch {
public:
    LanguageSwitch() = default;
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Installs the translators of language in place of those of the last
    // one; false when the program's translation could not be loaded.
    bool speak(Language language);

private:
    void removeAll();

    QTranslator program_;
    QTranslator qtbase_;
    bool installed_ = false;
};

} // namespace volna
