// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the program speaks: Russian, the language of its own texts,
// or English through the translation. The choice given on the command line is
// kept in the program's own section of the store; without one the kept choice
// applies, and with nothing (or nothing sensible) kept, Russian.

#include <optional>
#include <string>
#include <string_view>

namespace volna {

class SettingsStore;

enum class Language { Russian, English };

// "ru" or "en".
std::string_view languageCode(Language language);

// The language of a code as the command line or the store spells it; none for
// anything else.
std::optional<Language> languageOfCode(std::string_view code);

// The language kept in the store: Russian when none or a damaged value is
// kept.
Language storedLanguage(SettingsStore& store);

// The language to speak: asked (from --lang) when given, else the kept one.
Language chooseLanguage(SettingsStore& store, std::optional<Language> asked);

// Keeps language in the store for later starts (writes only a change). The
// program keeps what --lang asked once the store is set up, so that a first
// run answered No leaves no store behind.
void keepLanguage(SettingsStore& store, Language language);

} // namespace volna
