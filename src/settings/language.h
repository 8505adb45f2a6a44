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

// The language to speak: asked (from --lang) is written to the store and
// applies; without it, the stored one, Russian when none or a damaged value
// is stored.
Language chooseLanguage(SettingsStore& store, std::optional<Language> asked);

} // namespace volna
