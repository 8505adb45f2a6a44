// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/plural.h"

#include "toolkit/text_templates.h"

#include <cstdlib>

namespace volna {

namespace {

struct Group {
    std::size_t begin; // the '{'
    std::size_t end;   // past the '}'
    std::vector<std::string> forms;
};

// The plural group starting at or after from; none when forms.empty(). A
// group has two or three forms without spaces around the bars.
Group nextGroup(std::string_view text, std::size_t from) {
    for (std::size_t open = text.find('{', from); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) {
            break;
        }
        std::vector<std::string> forms;
        std::size_t start = open + 1;
        for (std::size_t bar = text.find('|', start); bar < close; bar = text.find('|', start)) {
            forms.emplace_back(text.substr(start, bar - start));
            start = bar + 1;
        }
        forms.emplace_back(text.substr(start, close - start));
        if (forms.size() == 2 || forms.size() == 3) {
            return {open, close + 1, std::move(forms)};
        }
    }
    return {std::string_view::npos, std::string_view::npos, {}};
}

// The piece of the last place (%1..%9) in templ before at, or nullptr.
const std::string* pieceBefore(std::string_view templ, std::size_t at,
                               const std::vector<std::string>& pieces) {
    for (std::size_t mark = templ.rfind('%', at); mark != std::string_view::npos && mark < at;
         mark = mark == 0 ? std::string_view::npos : templ.rfind('%', mark - 1)) {
        if (mark + 1 < templ.size() && templ[mark + 1] >= '1' && templ[mark + 1] <= '9') {
            const auto index = static_cast<std::size_t>(templ[mark + 1] - '1');
            return index < pieces.size() ? &pieces[index] : nullptr;
        }
    }
    return nullptr;
}

const std::string& formFor(const Group& group, const std::string* piece) {
    char* end = nullptr;
    const long long count = piece == nullptr ? -1 : std::strtoll(piece->c_str(), &end, 10);
    if (piece == nullptr || end == piece->c_str()) {
        return group.forms.back();
    }
    if (group.forms.size() == 2) {
        return group.forms[count == 1 ? 0 : 1];
    }
    return group.forms[static_cast<std::size_t>(russianPlural(count))];
}

} // namespace

RussianPlural russianPlural(long long count) {
    const long long n = count < 0 ? -count : count;
    if (n % 10 == 1 && n % 100 != 11) {
        return RussianPlural::One;
    }
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) {
        return RussianPlural::Few;
    }
    return RussianPlural::Many;
}

std::string choosePluralForms(std::string_view templ, const std::vector<std::string>& pieces) {
    std::string result;
    std::size_t done = 0;
    for (Group group = nextGroup(templ, 0); !group.forms.empty();
         group = nextGroup(templ, group.end)) {
        result += templ.substr(done, group.begin - done);
        result += formFor(group, pieceBefore(templ, group.begin, pieces));
        done = group.end;
    }
    return result + std::string(templ.substr(done));
}

std::string countText(std::string_view templ, const std::vector<std::string>& pieces) {
    return fillText(choosePluralForms(templ, pieces), pieces);
}

std::vector<std::string> pluralVariants(std::string_view templ) {
    const Group group = nextGroup(templ, 0);
    if (group.forms.empty()) {
        return {std::string(templ)};
    }
    std::vector<std::string> variants;
    const std::string head(templ.substr(0, group.begin));
    for (const std::string& rest : pluralVariants(templ.substr(group.end))) {
        for (const std::string& form : group.forms) {
            variants.push_back(head + form + rest);
        }
    }
    return variants;
}

} // namespace volna
