// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/store_file_text.h"

#include <cstdint>
#include <string_view>

namespace volna {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The next code point of UTF-8 text at i, i moved past it; a byte that does
// not start a valid sequence stands for itself.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    std::uint32_t code = more == 0 ? lead : lead & (0x3F >> more);
    for (int k = 0; k < more && i < text.size(); ++k) {
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

void appendHex(std::string& out, std::uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += kHexDigits[(value >> shift) & 0xF];
    }
}

bool isPlainNameCharacter(std::uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// A section or key name: "/" (a subgroup) as "\", other characters beyond
// letters, digits, "_", "-" and "." as %XX or, past U+00FF, as %UXXXX per
// UTF-16 unit.
std::string escapedName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const std::uint32_t c = nextCodePoint(name, i);
        if (c == '/') {
            out += '\\';
        } else if (isPlainNameCharacter(c)) {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            appendHex(out, c, 2);
        } else if (c <= 0xFFFF) {
            out += "%U";
            appendHex(out, c, 4);
        } else {
            const std::uint32_t offset = c - 0x10000;
            out += "%U";
            appendHex(out, 0xD800 + (offset >> 10), 4);
            out += "%U";
            appendHex(out, 0xDC00 + (offset & 0x3FF), 4);
        }
    }
    return out;
}

std::string sectionHeader(std::string_view section) {
    if (section.empty()) {
        return "[General]";
    }
    // "[General]" holds the keys outside any section; a section of that name
    // is told apart by its escaped first letter.
    if (section == "General") {
        return "[%General]";
    }
    return "[" + escapedName(section) + "]";
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the reader would take value as it stands: no character it treats
// specially, no blank at either end (it trims them).
bool readsAsItStands(std::string_view value) {
    if (value.front() == ' ' || value.back() == ' ') {
        return false;
    }
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\' || c == ',' || c == ';' ||
            c == '=') {
            return false;
        }
    }
    return true;
}

// value in double quotes, with quotes, backslashes and control characters
// escaped. A \x escape reads every hex digit after it, so a hex digit that
// follows one is escaped too.
std::string quoted(std::string_view value) {
    std::string out = "\"";
    bool afterHexEscape = false;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool control = byte < 0x20 || byte == 0x7F;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n' || c == '\r' || c == '\t') {
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
        } else if (control || (afterHexEscape && isHexDigit(c))) {
            out += "\\x";
            appendHex(out, byte, 2);
            afterHexEscape = true;
            continue;
        } else {
            out += c;
        }
        afterHexEscape = false;
    }
    return out + "\"";
}

std::string escapedValue(std::string_view value) {
    if (value.empty()) {
        return {};
    }
    // The reader turns "@Type(...)" into other kinds of value, and "@@" into "@".
    const std::string text = value.front() == '@' ? "@" + std::string(value) : std::string(value);
    return readsAsItStands(text) ? text : quoted(text);
}

} // namespace

std::string storeFileText(const std::vector<MemoryStore::Entry>& entries) {
    std::vector<std::string_view> sections;
    for (const MemoryStore::Entry& entry : entries) {
        bool known = false;
        for (std::string_view section : sections) {
            known = known || section == entry.section;
        }
        if (!known) {
            sections.push_back(entry.section);
        }
    }
    std::string text;
    for (std::string_view section : sections) {
        text += (text.empty() ? "" : "\n") + sectionHeader(section) + "\n";
        for (const MemoryStore::Entry& entry : entries) {
            if (entry.section == section) {
                text += escapedName(entry.key) + "=" + escapedValue(entry.value) + "\n";
            }
        }
    }
    return text;
}

} // namespace volna
