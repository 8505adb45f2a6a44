// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console program once its command line is read: takes the store for this
// console, opens the port and the store, makes the console with its window,
// side windows, band activity, wire diagram, rig control and stop signals,
// runs the event loop, and at its end drops the transmit line and syncs the
// store. Owns everything it makes; members are made in the order declared.

#include "app/options.h"
#include "app/port_factory.h"
#include "app/radio_port.h"
#include "app/side_windows.h"
#include "synth/emergency_drop.h"
#include "toolkit/event.h"
#include "toolkit/program.h"
#include "ui/message_box_prompter.h"
#include "ui/translate.h"

#include <QString>

#include <memory>
#include <vector>

namespace volna {

class BandActivity;
class BandActivityFeed;
class BandActivityWindow;
class BandPicture;
class ConsoleWindow;
class FileDialogChooser;
class Form1;
class FormView;
class PortLossWatch;
class ScannerWindow;
class QSettingsStore;
class SingleConsole;
class StderrPrompter;
class StopSignals;
class StoreSync;
class TransmitLineGuard;
class UiBinding;
class WireWindow;

class Application final : private SideWindows::Observer {
public:
    // A QApplication must exist already and outlive this object.
    Application(const Options& options, const PortTable& ports);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program from the store's claim to its end; returns the exit status.
    int run();

private:
    int claimStore();
    bool openRadio();
    void openStore();
    void startProgram();
    void makeConsole();
    void makeWindows();
    void makeSideWindows();
    void makeBandActivity();
    void watchStopSignals();
    int runConsole();
    void finish();

    void showWireDiagram();
    void openBandActivity();
    void openScanner();
    void created(Form2& channelEditor) override;
    void created(Form3& addChannelDialog) override;
    void created(Form5& settingsDialog) override;
    void created(Form6& channelLibrary) override;
    void addSideView(std::unique_ptr<FormView> view);

    const Options& options_;
    const PortTable& ports_;
    LanguageSwitch languages_;
    MessageBoxPrompter prompter_;
    QString storeFile_;
    std::unique_ptr<SingleConsole> single_;
    RadioPort radio_;
    EmergencyDrop drop_;
    std::unique_ptr<TransmitLineGuard> lineGuard_;
    std::unique_ptr<QSettingsStore> store_;
    Program program_;
    std::unique_ptr<StoreSync> storeSync_;
    Subscription storeSyncAfterEvents_;
    std::unique_ptr<Form1> console_;
    std::unique_ptr<PortLossWatch> portLoss_;
    Subscription portCheck_;
    std::unique_ptr<ConsoleWindow> consoleWindow_;
    std::unique_ptr<UiBinding> binding_;
    std::unique_ptr<WireWindow> wireWindow_; // made at the first click
    std::unique_ptr<FileDialogChooser> fileChooser_;
    std::unique_ptr<SideWindows> sideWindows_;
    std::vector<std::unique_ptr<FormView>> sideViews_;
    std::unique_ptr<BandActivity> activity_;
    std::unique_ptr<BandActivityFeed> activityFeed_;
    std::unique_ptr<BandPicture> bandPicture_;
    std::unique_ptr<BandActivityWindow> bandWindow_; // made at the first click
    std::unique_ptr<ScannerWindow> scannerWindow_;   // made at the first F10 or click
    std::unique_ptr<StderrPrompter> standardError_;
    std::unique_ptr<StopSignals> stopSignals_;
};

} // namespace volna
