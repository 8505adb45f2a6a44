// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/window_place.h"

#include "domain/numbers.h"
#include "settings/settings_store.h"

#include <string>

namespace volna {

namespace {

constexpr int kMostDigits = 6; // a million pixels is beyond any screen

// A whole number written as digits with an optional minus; none otherwise.
std::optional<int> wholeNumber(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t digits = text.size() - start;
    if (digits == 0 || digits > kMostDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return start == 1 ? -value : value;
}

std::string keyOf(std::string_view name, std::string_view part) {
    return std::string(name) + std::string(part);
}

} // namespace

std::optional<WindowPlace> readWindowPlace(SettingsStore& store, std::string_view name) {
    auto read = [&](std::string_view part) {
        return wholeNumber(store.readSetting(kSectionProgram, keyOf(name, part), ""));
    };
    const auto left = read("Left");
    const auto top = read("Top");
    const auto width = read("Width");
    const auto height = read("Height");
    if (!left || !top || !width || !height || *width < 1 || *height < 1) {
        return std::nullopt;
    }
    return WindowPlace{*left, *top, *width, *height};
}

void writeWindowPlace(SettingsStore& store, std::string_view name, const WindowPlace& place) {
    store.writeSetting(kSectionProgram, keyOf(name, "Left"), std::to_string(place.left));
    store.writeSetting(kSectionProgram, keyOf(name, "Top"), std::to_string(place.top));
    store.writeSetting(kSectionProgram, keyOf(name, "Width"), std::to_string(place.width));
    store.writeSetting(kSectionProgram, keyOf(name, "Height"), std::to_string(place.height));
}

} // namespace volna
