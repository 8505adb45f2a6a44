// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translate.h"

#include "toolkit/english_messages.h"
#include "toolkit/plural.h"
#include "toolkit/text_templates.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <array>
#include <vector>

namespace volna {

namespace {

constexpr const char* kEnglishTranslation = ":/i18n/volna144_en.qm";

// English texts filled at run time, for the Russian side: the version in the
// title, the port names in the first line of --help. The port back ends'
// messages are in toolkit/english_messages.h.
constexpr std::array<std::string_view, 2> kEnglishTemplates{
    "VOLNA144  v%1 (simulated radio)",
    "Usage: volna144 [--port=%1]",
};

// The translation of a whole text, or a null string when there is none.
QString lookUp(const std::string& text) {
    const QString source = QString::fromStdString(text);
    const QString found = QCoreApplication::translate(kTranslationContext, text.c_str());
    return found == source ? QString() : found;
}

// Matches text from 'at' against templ from 'from', filling pieces.
bool matchFrom(std::string_view templ, std::size_t from, std::string_view text, std::size_t at,
               std::vector<std::string>& pieces) {
    const std::size_t mark = templ.find('%', from);
    const bool place = mark != std::string_view::npos && mark + 1 < templ.size() &&
                       templ[mark + 1] >= '1' && templ[mark + 1] <= '9';
    const std::string_view literal =
        templ.substr(from, place ? mark - from : std::string_view::npos);
    if (text.substr(at, literal.size()) != literal) {
        return false;
    }
    at += literal.size();
    if (!place) {
        return at == text.size();
    }
    const auto index = static_cast<std::size_t>(templ[mark + 1] - '1');
    for (std::size_t end = at + 1; end <= text.size(); ++end) {
        if (matchFrom(templ, mark + 2, text, end, pieces)) {
            pieces.resize(std::max(pieces.size(), index + 1));
            pieces[index] = std::string(text.substr(at, end - at));
            return true;
        }
    }
    return false;
}

// Whether text begins with what templ begins with before its first place or
// plural group, and ends with what it ends with after its last. Compared a
// character at a time from each end, it stops at the first difference, which
// for nearly every template is the first character: a test that costs next
// to nothing and rules out all but the templates that may match.
bool couldFill(std::string_view templ, std::string_view text) {
    const auto special = [](char c) { return c == '%' || c == '{' || c == '}'; };
    std::size_t head = 0;
    for (; head < templ.size() && !special(templ[head]); ++head) {
        if (head >= text.size() || text[head] != templ[head]) {
            return false;
        }
    }
    if (head == templ.size()) {
        return text.size() == templ.size();
    }
    // From the end back to the last group's brace or the digit of the last place.
    for (std::size_t tail = 1; tail <= templ.size() - head; ++tail) {
        const char c = templ[templ.size() - tail];
        if (special(c) || (c >= '1' && c <= '9' && templ[templ.size() - tail - 1] == '%')) {
            return true;
        }
        if (tail > text.size() - head || text[text.size() - tail] != c) {
            return false;
        }
    }
    return true;
}

// Whether text is templ filled, its plural groups chosen one way or another.
bool matchCounted(std::string_view templ, std::string_view text, std::vector<std::string>& pieces) {
    if (!couldFill(templ, text)) {
        return false;
    }
    for (const std::string& variant : pluralVariants(templ)) {
        if (matchTemplate(variant, text, pieces)) {
            return true;
        }
    }
    return false;
}

// text filled from a template of the table, shown as its translation filled
// with the translated pieces; a null string when no template matches.
QString shownFromTemplate(const std::string& text) {
    std::vector<std::string_view> templates(kTextTemplates.begin(), kTextTemplates.end());
    templates.insert(templates.end(), kEnglishTemplates.begin(), kEnglishTemplates.end());
    templates.insert(templates.end(), kEnglishMessages.begin(), kEnglishMessages.end());
    for (const std::string_view templ : templates) {
        std::vector<std::string> pieces;
        if (!matchCounted(templ, text, pieces)) {
            continue;
        }
        // A template without a translation, or one the same in English
        // ("  Location %1: %2"), still has its pieces translated.
        const QString translated = lookUp(std::string(templ));
        const std::string shownTemplate =
            translated.isNull() ? std::string(templ) : translated.toStdString();
        for (std::string& piece : pieces) {
            piece = shown(piece).toStdString();
        }
        return QString::fromStdString(countText(shownTemplate, pieces));
    }
    return {};
}

// Whether text has a letter in it. A text without one (a frequency, a
// channel number) fills no template with words, so it reads the same in
// every language.
bool hasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// A text of several lines, each shown on its own.
QString shownByLines(std::string_view text) {
    QStringList lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines << shown(text.substr(start));
            return lines.join('\n');
        }
        lines << shown(text.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace

bool matchTemplate(std::string_view templ, std::string_view text,
                   std::vector<std::string>& pieces) {
    pieces.clear();
    return matchFrom(templ, 0, text, 0, pieces);
}

QString shown(std::string_view text) {
    const std::string whole(text);
    if (whole.empty()) {
        return {};
    }
    const QString source = QString::fromStdString(whole);
    if (!hasLetter(source)) {
        return source;
    }
    if (QString found = lookUp(whole); !found.isNull()) {
        return found;
    }
    if (whole.find('\n') != std::string::npos) {
        return shownByLines(whole);
    }
    if (QString filled = shownFromTemplate(whole); !filled.isNull()) {
        return filled;
    }
    return source;
}

QString shownTemplate(std::string_view text) {
    const std::string whole(text);
    const QString found = lookUp(whole);
    return found.isNull() ? QString::fromStdString(whole) : found;
}

LanguageSwitch::~LanguageSwitch() {
    removeAll();
}

void LanguageSwitch::removeAll() {
    if (installed_) {
        QCoreApplication::removeTranslator(&program_);
        QCoreApplication::removeTranslator(&qtbase_);
        installed_ = false;
    }
}

bool LanguageSwitch::speak(Language language) {
    removeAll();
    installed_ = true;
    if (language == Language::Russian) {
        if (qtbase_.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qtbase_);
        }
        // Without it the English-keyed texts stay English; the rest is Russian.
        if (program_.load(kRussianTranslationFile)) {
            QCoreApplication::installTranslator(&program_);
        }
        return true;
    }
    if (!program_.load(kEnglishTranslation)) {
        return false;
    }
    QCoreApplication::installTranslator(&program_);
    return true;
}

} // namespace volna
