// SPDX-License-Identifier: GPL-3.0-or-later
// volna144: the console of the VHF radio. Reads the command line, answers
// --help and --version, runs a CSV export or import without a window when
// asked for one, or else makes the application (app/application.h), which
// puts the console on screen and runs it to its end.
// However the program ends, the transmit line is dropped and the store is
// synced.

#include "app/application.h"
#include "app/csv_command.h"
#include "app/options.h"
#include "app/port_factory.h"
#include "app/shortcut_help.h"
#include "app/start_errors.h"
#include "platform/qsettings/qsettings_store.h"
#include "settings/store_layout.h"
#include "toolkit/text_templates.h"
#include "ui/translate.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace volna;

constexpr const char* kLicenceNotice =
    "Copyright 2026 The VOLNA144 developers.\n"
    "Free software under the GNU General Public License, version 3 or later\n"
    "(GPL-3.0-or-later): you may change and share it; it comes with no warranty.";

// The refusal or the --help text in the language chosen: a QCoreApplication
// carries the translation for as long as it is printed.
void printAnswer(const Options& options, const PortTable& ports, std::optional<Language> language,
                 int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    LanguageSwitch languages;
    languages.speak(language.value_or(Language::Russian));
    const TextTranslation translate = [](std::string_view text) {
        return shown(text).toStdString();
    };
    const std::string help = translate(usage(ports, false, translate)) + shortcutHelp(translate);
    if (options.error.empty()) {
        std::printf("%s", help.c_str());
        return;
    }
    const std::string refusal =
        fillText(shown(options.errorTemplate).toStdString(), options.errorPieces);
    std::fprintf(stderr, "volna144: %s\n\n%s", refusal.c_str(), help.c_str());
}

// The version on its own line (scripts read it), then the licence in the
// language chosen.
void printVersion(std::optional<Language> language, int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    LanguageSwitch languages;
    languages.speak(language.value_or(Language::Russian));
    std::printf("volna144 %s\n%s\n", VOLNA144_VERSION, shown(kLicenceNotice).toStdString().c_str());
}

// What the command line settles before any window opens: a refusal (2),
// --help or --version (0). -1 when the program goes on. Before any store is
// read the language is the one --lang asks for, else Russian.
int answerCommandLine(const Options& options, const PortTable& ports,
                      const std::vector<std::string>& arguments, int argc, char** argv) {
    if (!options.error.empty() || options.help) {
        printAnswer(options, ports, languageAsked(arguments), argc, argv);
        return options.error.empty() ? 0 : 2;
    }
    if (options.version) {
        printVersion(languageAsked(arguments), argc, argv);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    const PortTable ports = portBackEnds();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const Options options = parseOptions(arguments, ports);
    if (const int status = answerCommandLine(options, ports, arguments, argc, argv); status >= 0) {
        return status;
    }
    if (options.csvAction != CsvAction::None) {
        const QCoreApplication app(argc, argv); // no display needed
        LanguageSwitch languages;
        return runCsvCommand(options, languages);
    }

    // No display: one line, status 1, in the language asked for or kept.
    auto displayWatch = std::make_unique<DisplayWatch>(options.language.value_or(
        languageOfCode(peekSetting(kSectionProgram, kKeyLanguage)).value_or(Language::Russian)));
    QApplication app(argc, argv);
    displayWatch.reset();
    Application application(options, ports);
    return application.run();
}
