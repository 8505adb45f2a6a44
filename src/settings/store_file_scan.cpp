#include "settings/store_file_scan.h"

namespace volna {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class LineKind { Blank, Header, BrokenHeader, Pair, Damaged };

std::string_view trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Length of the UTF-8 sequence that starts with lead, 0 for a byte that cannot
// start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Valid UTF-8 without control bytes (a tab is allowed). Overlong three- and
// four-byte forms are let through: the reader decodes them to U+FFFD, no worse
// than any other unexpected character.
bool isCleanText(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return false;
        }
        const int length = sequenceLength(byte);
        if (length == 0 || i + length > line.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// "key=value" as the INI reader sees it: a backslash escapes the next
// character, quotes hide "=" and ";", and ";" outside quotes starts a comment.
// An open quote or a backslash at the end would join the next line to this one.
bool isSoundPair(std::string_view line) {
    bool inQuotes = false;
    bool hasEquals = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            if (i + 1 == line.size()) {
                return false;
            }
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '=' && !inQuotes) {
            hasEquals = true;
        } else if (c == ';' && !inQuotes) {
            break;
        }
    }
    return hasEquals && !inQuotes;
}

LineKind kindOf(std::string_view rawLine) {
    const std::string_view line = trimmed(rawLine);
    if (line.empty() || line.front() == ';') {
        return LineKind::Blank;
    }
    if (!isCleanText(line)) {
        return line.front() == '[' ? LineKind::BrokenHeader : LineKind::Damaged;
    }
    if (line.front() == '[') {
        // As QSettings reads it: the name ends at the first ']', and whatever
        // follows on the line (a "; comment") is ignored.
        const std::size_t close = line.find(']');
        return close != std::string_view::npos && close > 1 ? LineKind::Header
                                                            : LineKind::BrokenHeader;
    }
    return isSoundPair(line) ? LineKind::Pair : LineKind::Damaged;
}

} // namespace

StoreFileScan scanStoreFile(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    StoreFileScan scan;
    bool inBrokenSection = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);

        LineKind kind = kindOf(line);
        if (kind == LineKind::Header || kind == LineKind::BrokenHeader) {
            inBrokenSection = kind == LineKind::BrokenHeader;
        } else if (kind == LineKind::Pair && inBrokenSection) {
            kind = LineKind::Damaged;
        }
        if (kind == LineKind::Header) {
            const std::string_view header = trimmed(line);
            scan.soundText.append(header.substr(0, header.find(']') + 1)).append("\n");
        } else if (kind == LineKind::Pair) {
            scan.soundText.append(line).append("\n");
        } else if (kind != LineKind::Blank) {
            ++scan.damagedLines;
        }
    }
    return scan;
}

} // namespace volna
