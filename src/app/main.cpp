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
#include "app/start_errors.h"
#include "ui/translate.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace volna;

// What the command line settles before any window opens: a refusal (2),
// --help or --version (0). -1 when the program goes on.
int answerCommandLine(const Options& options, const PortTable& ports) {
    if (!options.error.empty()) {
        std::fprintf(stderr, "volna144: %s\n\n%s", options.error.c_str(), usage(ports).c_str());
        return 2;
    }
    if (options.help) {
        std::printf("%s", usage(ports).c_str());
        return 0;
    }
    if (options.version) {
        std::printf("volna144 %s\n", VOLNA144_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    const PortTable ports = portBackEnds();
    const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), ports);
    if (const int status = answerCommandLine(options, ports); status >= 0) {
        return status;
    }
    if (options.csvAction != CsvAction::None) {
        const QCoreApplication app(argc, argv); // no display needed
        LanguageSwitch languages;
        return runCsvCommand(options, languages);
    }

    auto displayWatch = std::make_unique<DisplayWatch>(); // no display: one line, status 1
    QApplication app(argc, argv);
    displayWatch.reset();
    Application application(options, ports);
    return application.run();
}
