// volna144: the console of the VHF radio. Reads the command line, takes the
// settings store for this console (or brings the one already running on it
// forward), opens the port and the store, puts the console on screen and runs
// the event loop; or, asked for a CSV export or import, does that without a
// window.
// However the program ends, the transmit line is dropped and the store is
// synced.

#include "app/csv_command.h"
#include "app/options.h"
#include "app/port_factory.h"
#include "app/single_console.h"
#include "app/start_errors.h"
#include "app/stop_signals.h"
#include "console/console.h"
#include "console/port_loss.h"
#include "console/side_windows.h"
#include "platform/qsettings/qsettings_store.h"
#include "platform/qsettings/save_leftovers.h"
#include "remote/console_rig.h"
#include "scan/band_activity.h"
#include "scan/band_picture.h"
#include "settings/first_run.h"
#include "synth/port_trace.h"
#include "synth/simulated_radio.h"
#include "synth/transmit_line_guard.h"
#include "synth/wire_recorder.h"
#include "toolkit/program.h"
#include "ui/band_activity_window.h"
#include "ui/console_window.h"
#include "ui/file_dialog_chooser.h"
#include "ui/form_view.h"
#include "ui/message_box_prompter.h"
#include "ui/rigctld_server.h"
#include "ui/side_views.h"
#include "ui/translate.h"
#include "ui/ui_binding.h"
#include "ui/wire_window.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace volna;

constexpr const char* kPortNotOpened = "Порт не открыт: %1";
constexpr const char* kNoRigControl = "Управление по сети (rigctld) на %1 не запущено: %2";

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

// The port the console drives: the back end the options chose, which can be
// swapped for the simulated radio when its hardware is lost, the recorder of
// the last transfer for the wire diagram, and the trace that
// VOLNA144_PORT_TRACE asks for, outermost.
struct RadioPort {
    OpenedPort hardware;
    std::unique_ptr<SwitchablePort> switchable;
    std::unique_ptr<WireRecorder> recorder;
    std::unique_ptr<PortTrace> trace;

    ParallelPort& port() const { return trace ? static_cast<ParallelPort&>(*trace) : *recorder; }
};

// Opens the port, saying on standard error why it did not open or why auto
// fell back to the simulated radio. hardware.port is nullptr when it did not.
RadioPort openRadioPort(const Options& options, const PortTable& ports) {
    RadioPort radio{openPort(ports, options.port, options.device, options.pins), nullptr, nullptr,
                    nullptr};
    if (!radio.hardware.message.empty()) {
        std::fprintf(stderr, "volna144: %s\n", radio.hardware.message.c_str());
    }
    if (radio.hardware.port) {
        radio.switchable = std::make_unique<SwitchablePort>(*radio.hardware.port);
        radio.recorder = std::make_unique<WireRecorder>(*radio.switchable);
        radio.trace = openTrace(*radio.recorder);
    }
    return radio;
}

// Opens the wire diagram on the console's "Диаграмма передачи": the window is
// made at the first click and shown and raised at every one.
void offerWireDiagram(Form1& console, WireRecorder& recorder, std::unique_ptr<WireWindow>& window) {
    console.openWireDiagram = [&recorder, &window] {
        if (!window) {
            window = std::make_unique<WireWindow>(recorder);
        }
        window->show();
        window->raise();
        window->activateWindow();
    };
}

// Opens the band-activity picture on the console's "BAND": the window is made
// at the first click, placed where it was kept (or under the console) and
// brought forward at every one.
void offerBandActivity(Form1& console, const QWidget& consoleWindow, BandPicture& picture,
                       SettingsStore& store, std::unique_ptr<BandActivityWindow>& window) {
    console.openBandActivity = [&consoleWindow, &picture, &store, &window] {
        if (!window) {
            window = std::make_unique<BandActivityWindow>(picture, store);
        }
        window->open(consoleWindow.frameGeometry());
    };
}

// Milliseconds since the call, on a clock that never steps back: the
// program's time for the band activity.
std::function<std::int64_t()> monotonicClock() {
    return [start = std::chrono::steady_clock::now()] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
}

// Speaks language, or says on standard error why it stays Russian.
void speak(LanguageSwitch& languages, Language language) {
    if (!languages.speak(language)) {
        std::fprintf(stderr, "volna144: the English translation is missing from this build\n");
        languages.speak(Language::Russian);
    }
}

// Network rig control on the address the options give, with one notice on
// standard error (and a warning when other machines can reach it); nullptr (and
// the reason on standard error) when it cannot listen. A client's reply goes
// out before the console is redrawn for it.
std::unique_ptr<RigctldServer> startRigctld(const Options& options, RigControl& rig,
                                            UiBinding& binding, Prompter& prompter) {
    auto server = std::make_unique<RigctldServer>(rig);
    server->setRequestRunner(
        [&binding](const std::function<void()>& request) { binding.runRequest(request); });
    const std::string error = server->listen(options.rigctldAddress, options.rigctldPort);
    if (!error.empty()) {
        std::fprintf(stderr, "volna144: no rig control on %s port %d: %s\n",
                     options.rigctldAddress.c_str(), options.rigctldPort, error.c_str());
        const QString where = QString::fromStdString(options.rigctldAddress) + u':' +
                              QString::number(options.rigctldPort);
        showStartError(prompter, shown(kNoRigControl).arg(where, QString::fromStdString(error)));
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

// Syncs the store after every event, except while the console starts: the
// start's writes are synced by open() once the window is on its way to the
// screen, so the disk's flush (tens of ms on a busy disk) does not hold the
// window back.
class StoreSync {
public:
    explicit StoreSync(QSettingsStore& store) : store_(store) {}

    void afterEvent() {
        if (open_) {
            store_.syncChanges();
        }
    }
    void open() {
        open_ = true;
        store_.sync();
    }

private:
    QSettingsStore& store_;
    bool open_ = false;
};

// Starts the console (the first-run question, the store checks), keeps the
// language --lang asked for, and runs the event loop, with network rig
// control when the options ask for it. Returns the exit status.
int runConsole(const Options& options, Program& program, Form1& console, SettingsStore& store,
               StoreSync& storeSync, UiBinding& binding, Prompter& prompter,
               const std::string& portName) {
    if (!startConsole(console)) {
        return 0;
    }
    // The event loop's first turn sends the window to the X server first.
    QTimer::singleShot(0, [&storeSync] { storeSync.open(); });
    if (options.language) { // kept only in a store that is set up
        keepLanguage(store, *options.language);
    }
    ConsoleRig rig(console, "VOLNA144 " VOLNA144_VERSION ", " + portName);
    std::unique_ptr<RigctldServer> rigctld;
    if (options.rigctld && !(rigctld = startRigctld(options, rig, binding, prompter))) {
        program.runEvent([&] { console.endProgram(); });
        return 1;
    }
    return QApplication::exec();
}

// Takes the store for this console before anything of it is opened. When
// another console holds it, that one is brought forward (0), or, where it
// cannot be reached, the operator is told the program is already running (1).
// -1 when this start goes on.
int claimStore(SingleConsole& single, Prompter& prompter) {
    switch (single.claim()) {
    case SingleConsole::Start::RaisedOther:
        return 0;
    case SingleConsole::Start::OtherUnreachable:
        std::fprintf(stderr, "volna144: %s\n", shown(kAlreadyRunning).toStdString().c_str());
        showStartError(prompter, shown(kAlreadyRunning));
        return 1;
    case SingleConsole::Start::First:
        break;
    }
    if (!single.problem().empty()) {
        std::fprintf(stderr, "volna144: %s\n", single.problem().c_str());
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
    // The language asked for speaks from the start (a damaged store is told
    // in it); the one kept in the store once the store is open.
    LanguageSwitch languages;
    speak(languages, options.language.value_or(Language::Russian));
    MessageBoxPrompter prompter;
    const QString storeFile = storeFilePath();
    SingleConsole single(storeFile);
    if (const int status = claimStore(single, prompter); status >= 0) {
        return status;
    }

    const RadioPort radio = openRadioPort(options, ports);
    if (!radio.hardware.port) {
        showStartError(prompter,
                       shown(kPortNotOpened).arg(QString::fromStdString(radio.hardware.message)));
        return 1;
    }
    ParallelPort& port = radio.port();
    EmergencyDrop drop;
    port.addEmergencyDrop(drop);
    const TransmitLineGuard lineGuard(drop);

    if (single.holdsStore()) { // another console's temporary file may be a save in progress
        removeSaveLeftovers(storeFile);
    }
    QSettingsStore store(prompter);
    if (const Language language = chooseLanguage(store, options.language);
        language != options.language.value_or(Language::Russian)) {
        speak(languages, language);
    }
    Program program;
    program.setClock(monotonicClock());
    StoreSync storeSync(store);
    const Subscription storeSyncAfterEvents = program.addAfterEvent([&storeSync, &program] {
        // The last save is made once the event loop has ended, where a
        // box saying that it failed can still be shown.
        if (!program.quitting()) {
            storeSync.afterEvent();
        }
    });
    Form1 console(program, port, store, prompter);
    if (radio.hardware.simulated) {
        console.title = kSimulatedConsoleTitle;
    }
    PortLossWatch portLoss(console, *radio.switchable, prompter, [] {
        std::string error;
        return simulatedRadioBackEnd().open("", PinMap{}, error);
    });
    const Subscription portCheck = program.addAfterEvent([&portLoss] { portLoss.check(); });
    ConsoleWindow consoleWindow(console);
    single.onRequest([&consoleWindow] { bringForward(consoleWindow); });
    UiBinding binding(program);
    binding.addView(consoleWindow);
    std::unique_ptr<WireWindow> wireWindow;
    offerWireDiagram(console, *radio.recorder, wireWindow);
    FileDialogChooser fileChooser;
    SideWindows sideWindows(console, store, prompter, &fileChooser);
    std::vector<std::unique_ptr<FormView>> sideViews;
    sideWindows.onCreated = [&](Window& window) {
        if (auto view = makeSideView(window)) {
            binding.addView(*view);
            sideViews.push_back(std::move(view));
        }
    };
    BandActivity activity;
    const BandActivityFeed activityFeed(console, activity);
    BandPicture bandPicture(console, activity);
    std::unique_ptr<BandActivityWindow> bandWindow;
    offerBandActivity(console, consoleWindow, bandPicture, store, bandWindow);
    StderrPrompter standardError;
    const StopSignals stopSignals([&] {
        // Nobody may be there to answer a box: the last save's trouble goes
        // to standard error.
        store.tellThrough(standardError);
        program.runEvent([&] { console.endProgram(); });
        QCoreApplication::exit(0);
    });

    repairStore(store, prompter);
    const int result = runConsole(options, program, console, store, storeSync, binding, prompter,
                                  radio.hardware.name);
    console.releaseTransmitLine();
    if (bandWindow && bandWindow->isVisible()) {
        bandWindow->keepPlace();
    }
    store.sync();
    return result;
}
