// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_line.h"

#include "toolkit/text.h"

namespace volna {

std::string helpLine(const std::string& option, const std::string& help) {
    std::string line = "  " + option;
    const auto width = static_cast<std::size_t>(characterCount(line));
    if (width < kHelpColumn) {
        line.append(kHelpColumn - width, ' ');
    } else {
        line += "\n" + std::string(kHelpColumn, ' ');
    }
    std::size_t column = kHelpColumn;
    std::size_t start = 0;
    while (start < help.size()) {
        std::size_t end = help.find(' ', start);
        end = end == std::string::npos ? help.size() : end;
        const std::size_t bytes = end - start;
        const auto word = static_cast<std::size_t>(characterCount(help.substr(start, bytes)));
        if (column > kHelpColumn && column + 1 + word > kHelpWidth) {
            line += "\n" + std::string(kHelpColumn, ' ');
            column = kHelpColumn;
        } else if (column > kHelpColumn) {
            line += ' ';
            ++column;
        }
        line += help.substr(start, bytes);
        column += word;
        start = end + 1;
    }
    return line + "\n";
}

} // namespace volna
