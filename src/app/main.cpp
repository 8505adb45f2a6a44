// volna144: the console of the VHF radio. Picks the port, opens the settings
// store, puts the console on screen and runs the event loop. However the
// program ends, the transmit line is dropped and the store is synced.

#include "app/options.h"
#include "console/console.h"
#include "console/side_windows.h"
#include "remote/console_rig.h"
#include "settings/qsettings_store.h"
#include "synth/port_trace.h"
#include "synth/ppdev_port.h"
#include "synth/simulated_radio.h"
#include "synth/transmit_line_guard.h"
#include "toolkit/program.h"
#include "ui/console_window.h"
#include "ui/form_view.h"
#include "ui/message_box_prompter.h"
#include "ui/rigctld_server.h"
#include "ui/side_views.h"
#include "ui/ui_binding.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace volna;

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM reach the event loop through a socket pair.
void watchSignals(const std::function<void()>& onStop) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [onStop] {
        char byte = 0;
        [[maybe_unused]] auto got = ::read(signalPipe[0], &byte, 1);
        onStop();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

// The port the options ask for. Auto takes the parallel port when it can be
// claimed and the simulated radio otherwise, saying so once.
std::unique_ptr<ParallelPort> openPort(const Options& options) {
    if (options.port != Options::Port::Simulated) {
        std::string error;
        if (auto port = PpdevPort::open(options.device, error)) {
            return port;
        }
        if (options.port == Options::Port::Ppdev) {
            std::fprintf(stderr, "volna144: %s\n", error.c_str());
            return nullptr;
        }
        std::fprintf(stderr, "volna144: %s; running the simulated radio\n", error.c_str());
    }
    auto radio = std::make_unique<SimulatedRadio>(SimulatedRadio::History::Nothing);
    if (const char* status = std::getenv("VOLNA144_SIM_STATUS")) {
        radio->setStatusFile(status);
    }
    return radio;
}

// The port trace that VOLNA144_PORT_TRACE asks for around hardware; nullptr
// when none is asked for, or (said on standard error) when it cannot be opened.
std::unique_ptr<PortTrace> openTrace(ParallelPort& hardware) {
    const char* path = std::getenv("VOLNA144_PORT_TRACE");
    if (path == nullptr) {
        return nullptr;
    }
    auto trace = std::make_unique<PortTrace>(hardware, path);
    if (!trace->ok()) {
        std::fprintf(stderr, "volna144: no port trace: %s\n", trace->error().c_str());
        return nullptr;
    }
    return trace;
}

void installRussianButtons(QApplication& app, QTranslator& translator) {
    if (translator.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

// Network rig control on the address the options give, with one notice on
// standard error (and a warning when other machines can reach it); nullptr (and
// the reason on standard error) when it cannot listen.
std::unique_ptr<RigctldServer> startRigctld(const Options& options, RigControl& rig) {
    auto server = std::make_unique<RigctldServer>(rig);
    const std::string error = server->listen(options.rigctldAddress, options.rigctldPort);
    if (!error.empty()) {
        std::fprintf(stderr, "volna144: no rig control on %s port %d: %s\n",
                     options.rigctldAddress.c_str(), options.rigctldPort, error.c_str());
        return nullptr;
    }
    std::fprintf(stderr, "volna144: rig control (rigctld protocol) on %s\n",
                 server->where().c_str());
    if (!server->loopbackOnly()) {
        std::fprintf(stderr,
                     "volna144: warning: %s is not a loopback address: anyone who can reach "
                     "it over the network can tune the radio and key the transmitter\n",
                     server->where().c_str());
    }
    return server;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "volna144: %s\n\n%s", options.error.c_str(), kUsage);
        return 2;
    }
    if (options.help || options.version) {
        std::printf("%s", options.help ? kUsage : "volna144 2.03\n");
        return 0;
    }

    QApplication app(argc, argv);
    QTranslator translator;
    installRussianButtons(app, translator);

    std::unique_ptr<ParallelPort> hardware = openPort(options);
    if (!hardware) {
        return 1;
    }
    const std::unique_ptr<PortTrace> trace = openTrace(*hardware);
    ParallelPort* port = trace ? static_cast<ParallelPort*>(trace.get()) : hardware.get();
    EmergencyDrop drop;
    port->addEmergencyDrop(drop);
    const TransmitLineGuard lineGuard(drop);

    MessageBoxPrompter prompter;
    QSettingsStore store(prompter);
    Program program;
    const Subscription storeSync = program.addAfterEvent([&store] { store.sync(); });
    Form1 console(program, *port, store, prompter);
    if (dynamic_cast<SimulatedRadio*>(hardware.get()) != nullptr) {
        console.title = kSimulatedConsoleTitle;
    }
    ConsoleWindow consoleWindow(console);
    UiBinding binding(program);
    binding.addView(consoleWindow);
    SideWindows sideWindows(console, store, prompter);
    std::vector<std::unique_ptr<FormView>> sideViews;
    sideWindows.onCreated = [&](Window& window) {
        if (auto view = makeSideView(window)) {
            binding.addView(*view);
            sideViews.push_back(std::move(view));
        }
    };
    watchSignals([&] {
        program.runEvent([&] { console.endProgram(); });
        QCoreApplication::exit(0);
    });

    int result = 0;
    if (startConsole(console)) {
        ConsoleRig rig(console);
        std::unique_ptr<RigctldServer> rigctld;
        if (options.rigctld && !(rigctld = startRigctld(options, rig))) {
            program.runEvent([&] { console.endProgram(); });
            result = 1;
        } else {
            result = app.exec();
        }
    }
    console.releaseTransmitLine();
    store.sync();
    return result;
}
