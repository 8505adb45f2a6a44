// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/language.h"

#include "settings/settings_store.h"
#include "settings/store_layout.h"

namespace volna {

std::string_view languageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

std::optional<Language> languageOfCode(std::string_view code) {
    if (code == "en") {
        return Language::English;
    }
    if (code == "ru") {
        return Language::Russian;
    }
    return std::nullopt;
}

Language storedLanguage(SettingsStore& store) {
    return languageOfCode(store.readSetting(kSectionProgram, kKeyLanguage, ""))
        .value_or(Language::Russian);
}

Language chooseLanguage(SettingsStore& store, std::optional<Language> asked) {
    return asked ? *asked : storedLanguage(store);
}

void keepLanguage(SettingsStore& store, Language language) {
    if (store.readSetting(kSectionProgram, kKeyLanguage, "") != languageCode(language)) {
        store.writeSetting(kSectionProgram, kKeyLanguage, languageCode(language));
    }
}

} // namespace volna
