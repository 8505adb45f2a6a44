// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's own extra windows were last left on the screen, kept in
// a section of the store that belongs to the program alone (the shared
// sections and keys stay as they are): left, top, width and height in pixels.

#include "settings/store_layout.h"

#include <optional>
#include <string_view>

namespace volna {

class SettingsStore;

struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlace&) const = default;
};

// The place kept under the keys name + "Left", "Top", "Width", "Height"; none
// when a key is missing or is not a whole number, or a size is below 1 (a
// damaged store gives the window its default place, not a broken one).
std::optional<WindowPlace> readWindowPlace(SettingsStore& store, std::string_view name);
void writeWindowPlace(SettingsStore& store, std::string_view name, const WindowPlace& place);

} // namespace volna
