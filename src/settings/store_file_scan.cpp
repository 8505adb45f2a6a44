// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/store_file_scan.h"

#include "toolkit/text.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace volna {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class LineKind { Blank, Header, BrokenHeader, Pair, Damaged };

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

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The number of `digits` hex digits at text[at], or -1.
long hexNumber(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size()) {
        return -1;
    }
    long value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0) {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A section or key name as the reader decodes it: %XX and %UXXXX are
// characters, a backslash is "/"; the rest stands for itself.
std::string decodedName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const long wide = name.substr(i, 2) == "%U" ? hexNumber(name, i + 2, 4) : -1;
        const long narrow = name[i] == '%' ? hexNumber(name, i + 1, 2) : -1;
        if (wide >= 0) {
            appendUtf8(out, static_cast<std::uint32_t>(wide));
            i += 5;
        } else if (narrow >= 0) {
            appendUtf8(out, static_cast<std::uint32_t>(narrow));
            i += 2;
        } else {
            out += name[i] == '\\' ? '/' : name[i];
        }
    }
    return out;
}

std::string foldedCase(std::string text) {
    for (char& c : text) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

// The name of the section a sound header opens.
std::string sectionOf(std::string_view header) {
    const std::string_view line = trimmed(header);
    return decodedName(line.substr(1, line.find(']') - 1));
}

// The name of the key of a sound pair: what stands before the first "=".
std::string keyOf(std::string_view pair) {
    return decodedName(trimmed(pair.substr(0, pair.find('='))));
}

// What the sound lines of a file hold, header by header, with the last of
// each repeated key kept and every repetition noted.
class SoundLines {
public:
    void header(std::string_view line) {
        section_ = sectionOf(line);
        if (!sections_.insert(foldedCase(section_)).second) {
            note("[" + section_ + "]");
        }
        const std::string_view header = trimmed(line);
        lines_.emplace_back(header.substr(0, header.find(']') + 1));
    }
    void pair(std::string_view line) {
        const std::string key = keyOf(line);
        const std::string name = foldedCase(section_) + '\0' + foldedCase(key);
        const auto [seen, first] = keys_.try_emplace(name, lines_.size());
        if (!first) {
            lines_[seen->second].clear(); // the reader keeps the last value
            seen->second = lines_.size();
            note(section_ + "/" + key);
        }
        lines_.emplace_back(line);
    }
    std::string text() const {
        std::string text;
        for (const std::string& line : lines_) {
            if (!line.empty()) {
                text.append(line).append("\n");
            }
        }
        return text;
    }
    const std::vector<std::string>& duplicates() const { return duplicates_; }

private:
    void note(const std::string& name) {
        for (const std::string& noted : duplicates_) {
            if (noted == name) {
                return;
            }
        }
        duplicates_.push_back(name);
    }

    std::string section_; // keys before any header are in the unnamed section
    std::vector<std::string> lines_;
    std::unordered_set<std::string> sections_;
    std::unordered_map<std::string, std::size_t> keys_; // folded name to its line
    std::vector<std::string> duplicates_;
};

} // namespace

StoreFileScan scanStoreFile(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    StoreFileScan scan;
    SoundLines sound;
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
            sound.header(line);
        } else if (kind == LineKind::Pair) {
            sound.pair(line);
        } else if (kind != LineKind::Blank) {
            ++scan.damagedLines;
        }
    }
    scan.soundText = sound.text();
    scan.duplicates = sound.duplicates();
    return scan;
}

} // namespace volna
