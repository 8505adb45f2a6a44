// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/csv_command.h"
#include "app/single_console.h"
#include "app/start_errors.h"
#include "app/stop_signals.h"
#include "app/store_sync.h"
#include "console/console.h"
#include "console/port_loss.h"
#include "platform/qsettings/qsettings_store.h"
#include "platform/qsettings/save_leftovers.h"
#include "remote/console_rig.h"
#include "scan/band_activity.h"
#include "scan/band_picture.h"
#include "settings/first_run.h"
#include "synth/simulated_radio.h"
#include "synth/transmit_line_guard.h"
#include "ui/band_activity_window.h"
#include "ui/console_window.h"
#include "ui/file_dialog_chooser.h"
#include "ui/form_view.h"
#include "ui/rigctld_server.h"
#include "ui/scanner_window.h"
#include "ui/side_views.h"
#include "ui/style_pictures.h"
#include "ui/ui_binding.h"
#include "ui/wire_window.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace volna {

namespace {

constexpr const char* kPortNotOpened = "Порт не открыт: %1";
constexpr const char* kNoRigControl = "Управление по сети (rigctld) на %1 не запущено: %2";

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
        std::fprintf(
            stderr, "volna144: %s\n",
            shown("the English translation is missing from this build").toStdString().c_str());
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
        std::fprintf(stderr, "volna144: %s\n",
                     shown("no rig control on %1 port %2: %3")
                         .arg(QString::fromStdString(options.rigctldAddress))
                         .arg(options.rigctldPort)
                         .arg(QString::fromStdString(error))
                         .toStdString()
                         .c_str());
        const QString where = QString::fromStdString(options.rigctldAddress) + u':' +
                              QString::number(options.rigctldPort);
        showStartError(prompter, shown(kNoRigControl).arg(where, QString::fromStdString(error)));
        return nullptr;
    }
    const QString where = QString::fromStdString(server->where());
    std::fprintf(stderr, "volna144: %s\n",
                 shown("rig control (rigctld protocol) on %1").arg(where).toStdString().c_str());
    if (!server->loopbackOnly()) {
        std::fprintf(stderr, "volna144: %s\n",
                     shown("warning: %1 is not a loopback address: anyone who can reach it over "
                           "the network can tune the radio and key the transmitter")
                         .arg(where)
                         .toStdString()
                         .c_str());
    }
    return server;
}

} // namespace

Application::Application(const Options& options, const PortTable& ports)
    : options_(options), ports_(ports) {}

Application::~Application() = default;

int Application::run() {
    // The language asked for speaks from the start (a damaged store is told
    // in it); the one kept in the store once the store is open.
    speak(languages_, options_.language.value_or(Language::Russian));
    if (const int status = claimStore(); status >= 0) {
        return status;
    }
    if (!openRadio()) {
        return 1;
    }
    openStore();
    startProgram();
    makeConsole();
    makeWindows();
    makeSideWindows();
    makeBandActivity();
    watchStopSignals();
    repairStore(*store_, prompter_);
    const int result = runConsole();
    finish();
    return result;
}

// Takes the store for this console before anything of it is opened. When
// another console holds it, that one is brought forward (0), or, where it
// cannot be reached, the operator is told the program is already running (1).
// -1 when this start goes on.
int Application::claimStore() {
    storeFile_ = storeFilePath();
    single_ = std::make_unique<SingleConsole>(storeFile_);
    switch (single_->claim()) {
    case SingleConsole::Start::RaisedOther:
        return 0;
    case SingleConsole::Start::OtherUnreachable:
        std::fprintf(stderr, "volna144: %s\n", shown(kAlreadyRunning).toStdString().c_str());
        showStartError(prompter_, shown(kAlreadyRunning));
        return 1;
    case SingleConsole::Start::First:
        break;
    }
    if (!single_->problem().empty()) {
        std::fprintf(stderr, "volna144: %s\n", shown(single_->problem()).toStdString().c_str());
    }
    return -1;
}

// Opens the port and arms the drop of its transmit line before anything can
// key; false (the operator told why) when the port did not open.
bool Application::openRadio() {
    radio_ = openRadioPort(options_, ports_,
                           [](std::string_view text) { return shown(text).toStdString(); });
    if (!radio_.hardware.port) {
        showStartError(prompter_, shown(kPortNotOpened).arg(shown(radio_.hardware.message)));
        return false;
    }
    radio_.port().addEmergencyDrop(drop_);
    lineGuard_ = std::make_unique<TransmitLineGuard>(drop_);
    return true;
}

// Opens the store, then speaks the language it keeps unless --lang asked for one.
void Application::openStore() {
    if (single_->holdsStore()) { // another console's temporary file may be a save in progress
        removeSaveLeftovers(storeFile_);
    }
    store_ = std::make_unique<QSettingsStore>(prompter_);
    if (const Language language = chooseLanguage(*store_, options_.language);
        language != options_.language.value_or(Language::Russian)) {
        speak(languages_, language);
    }
}

void Application::startProgram() {
    program_.setClock(monotonicClock());
    storeSync_ = std::make_unique<StoreSync>(*store_);
    storeSyncAfterEvents_ = program_.addAfterEvent([this] {
        // The last save is made once the event loop has ended, where a
        // box saying that it failed can still be shown.
        if (!program_.quitting()) {
            storeSync_->afterEvent();
        }
    });
}

// The console on the port, and the watch that offers the simulated radio
// when the port's hardware is lost.
void Application::makeConsole() {
    console_ = std::make_unique<Form1>(program_, radio_.port(), *store_, prompter_);
    if (radio_.hardware.simulated) {
        console_->title = kSimulatedConsoleTitle;
    }
    portLoss_ = std::make_unique<PortLossWatch>(*console_, *radio_.switchable, prompter_, [this] {
        std::string error;
        return simulatedRadioBackEnd(radio_.band).open("", PinMap{}, error);
    });
    portCheck_ = program_.addAfterEvent([this] { portLoss_->check(); });
}

// The console's window, brought forward by a later start on the same store,
// and the binding that runs the models on Qt's event loop. The wire diagram
// opens on the console's "Диаграмма передачи".
void Application::makeWindows() {
    preloadStylePictures();
    consoleWindow_ = std::make_unique<ConsoleWindow>(*console_);
    single_->onRequest([this] { bringForward(*consoleWindow_); });
    binding_ = std::make_unique<UiBinding>(program_);
    binding_->addView(*consoleWindow_);
    console_->openWireDiagram = [this] { showWireDiagram(); };
}

// The wire diagram's window is made at the first click and shown and raised
// at every one.
void Application::showWireDiagram() {
    if (!wireWindow_) {
        wireWindow_ = std::make_unique<WireWindow>(*radio_.recorder);
    }
    wireWindow_->show();
    wireWindow_->raise();
    wireWindow_->activateWindow();
}

void Application::makeSideWindows() {
    fileChooser_ = std::make_unique<FileDialogChooser>();
    sideWindows_ = std::make_unique<SideWindows>(*console_, *store_, prompter_, fileChooser_.get());
    sideWindows_->setObserver(this);
}

void Application::created(Form2& channelEditor) {
    addSideView(makeSideView(channelEditor));
}

void Application::created(Form3& addChannelDialog) {
    addSideView(makeSideView(addChannelDialog));
}

void Application::created(Form5& settingsDialog) {
    addSideView(makeSideView(settingsDialog));
}

void Application::created(Form6& channelLibrary) {
    addSideView(makeSideView(channelLibrary));
}

void Application::addSideView(std::unique_ptr<FormView> view) {
    binding_->addView(*view);
    sideViews_.push_back(std::move(view));
}

// The band activity fed by the console, and its picture, opened on the
// console's "BAND".
void Application::makeBandActivity() {
    activity_ = std::make_unique<BandActivity>();
    activityFeed_ = std::make_unique<BandActivityFeed>(*console_, *activity_);
    bandPicture_ = std::make_unique<BandPicture>(*console_, *activity_);
    console_->openBandActivity = [this] { openBandActivity(); };
    console_->openScanner = [this] { openScanner(); };
}

// The band activity's window is made at the first click, placed where it was
// kept (or under the console) and brought forward at every one.
void Application::openBandActivity() {
    if (!bandWindow_) {
        bandWindow_ = std::make_unique<BandActivityWindow>(*bandPicture_, *store_);
        bandWindow_->openScanner = [this] { openScanner(); };
    }
    bandWindow_->open(consoleWindow_->frameGeometry());
}

// The scanner's window, made at the first F10 or click on "Сканер…".
void Application::openScanner() {
    if (!scannerWindow_) {
        scannerWindow_ = std::make_unique<ScannerWindow>(*console_, *fileChooser_, prompter_);
    }
    scannerWindow_->open();
}

void Application::watchStopSignals() {
    standardError_ = std::make_unique<StderrPrompter>();
    stopSignals_ = std::make_unique<StopSignals>([this] {
        // Nobody may be there to answer a box: the last save's trouble goes
        // to standard error.
        store_->tellThrough(*standardError_);
        program_.runEvent([this] { console_->endProgram(); });
        QCoreApplication::exit(0);
    });
}

// Starts the console (the first-run question, the store checks), keeps the
// language --lang asked for, and runs the event loop, with network rig
// control when the options ask for it. Returns the exit status.
int Application::runConsole() {
    if (!startConsole(*console_)) {
        return 0;
    }
    // The event loop's first turn sends the window to the X server first.
    QTimer::singleShot(0, [this] { storeSync_->open(); });
    if (options_.language) { // kept only in a store that is set up
        keepLanguage(*store_, *options_.language);
    }
    ConsoleRig rig(*console_, "VOLNA144 " VOLNA144_VERSION ", " + radio_.hardware.name);
    std::unique_ptr<RigctldServer> rigctld;
    if (options_.rigctld && !(rigctld = startRigctld(options_, rig, *binding_, prompter_))) {
        program_.runEvent([this] { console_->endProgram(); });
        return 1;
    }
    return QApplication::exec();
}

// After the event loop: the transmit line down, the band window's place kept,
// and the last save, where a box saying that it failed can still be shown.
void Application::finish() {
    console_->releaseTransmitLine();
    if (bandWindow_ && bandWindow_->isVisible()) {
        bandWindow_->keepPlace();
    }
    store_->sync();
}

} // namespace volna
