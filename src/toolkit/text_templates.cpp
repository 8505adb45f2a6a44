// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/text_templates.h"

namespace volna {

std::string fillText(std::string_view templ, const std::vector<std::string>& args) {
    std::string text;
    text.reserve(templ.size() + 16);
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const bool place =
            templ[i] == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9';
        const std::size_t n = place ? static_cast<std::size_t>(templ[i + 1] - '1') : 0;
        if (place && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += templ[i];
        }
    }
    return text;
}

std::string fillText(std::string_view templ, std::initializer_list<std::string> args) {
    return fillText(templ, std::vector<std::string>(args));
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

} // namespace volna
