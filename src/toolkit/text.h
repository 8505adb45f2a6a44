// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers over the program's texts, UTF-8 in std::string: blanks cut
// off, digits recognised, characters counted and taken. Used by the controls,
// the CSV files, the settings file and the dialogs alike. No locale is
// involved: a digit is 0 to 9, a blank is a space or a tab.

#include <functional>
#include <string>
#include <string_view>

namespace volna {

// A text of the program in the language chosen; empty: as written.
using TextTranslation = std::function<std::string(std::string_view)>;

// text without the blanks and tabs at its start and end; empty when it holds
// nothing else. A view into text.
std::string_view trimmed(std::string_view text);

// Whether every byte of text is an ASCII digit; true for the empty text, so
// callers that need a digit check for that themselves.
bool allDigits(std::string_view text);

// Whether c continues a UTF-8 character rather than starting one.
bool isContinuationByte(char c);

// The number of characters (not bytes) of a UTF-8 text: its bytes that are
// not continuation bytes.
int characterCount(std::string_view text);

// The first count characters of a UTF-8 text (a character is a lead byte with
// its continuation bytes), or the whole text when it is shorter.
std::string firstCharacters(std::string_view text, int count);

} // namespace volna
