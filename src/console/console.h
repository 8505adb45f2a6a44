// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operator console Form1: the console state shared by tuning, channels,
// transmit and scanning, the controls of the main window, and their handlers.
// Handlers are defined in the folder of their subsystem (console/, scan/);
// every member is declared here. What the console does now (receive or
// transmit, the running scan, the tuned frequency, the indicated channel) is
// held as values, and the captions that show it are drawn from them
// (console/console_state.cpp). The console reaches the radio through its
// synthesizer link, the operator through the prompter, and the other windows
// only through the settings store.

#include "domain/band.h"
#include "domain/lockouts.h"
#include "domain/scan_hold.h"
#include "settings/channel_store.h"
#include "settings/store_layout.h"
#include "synth/parallel_port.h"
#include "synth/synth_link.h"
#include "toolkit/controls.h"
#include "toolkit/event.h"
#include "toolkit/window.h"
#include "version.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace volna {

class Prompter;
class SettingsStore;

inline constexpr const char* kConsoleTitle = "VOLNA144  v" VOLNA144_VERSION;
// The title while the simulated radio stands in for the real one.
inline constexpr const char* kSimulatedConsoleTitle =
    "VOLNA144  v" VOLNA144_VERSION " (simulated radio)";
// The channel indicator when no memory channel is on the read-out.
inline constexpr const char* kNoChannel = "NONE";
inline constexpr const char* kChannelOutOfBand = "Данный канал не входит в заданный диапазан!";
// The box after the transmit time-out has ended a transmission.
inline constexpr const char* kTransmitTimedOut =
    "Передача прекращена: она длилась дольше тайм-аута передачи, заданного в «Config».";
// Scan status in Label9 and the caption of a scan button while its scan runs.
inline constexpr const char* kScanning = "Scanning...";
inline constexpr const char* kStopCaption = "Stop";
// The two scan buttons while no scan runs.
inline constexpr const char* kScanCaption = "Scan";
inline constexpr const char* kChannelScanCaption = "Channel scan";
// The lower panel's link to the wire diagram, and that window's title.
inline constexpr const char* kWireDiagramTitle = "Диаграмма передачи";
// Window height with the lower panel hidden and shown, in twips.
inline constexpr int kConsoleHeightTwips = 3720;
inline constexpr int kConsoleHeightWithPanelTwips = 4785;
inline constexpr int kConsoleWidthTwips = 11490;

class Form1 : public Window {
public:
    Form1(Program& program, ParallelPort& port, SettingsStore& store, Prompter& prompter);

    // --- console state ---
    double upperBound = 0;       // kHz
    std::int32_t lowerBound = 0; // kHz, frequency of slider position 0
    int scanCount = 0;           // entries of scanList in use
    int scanIndex = 0;           // entry of scanList the next channel-scan tick tunes
    std::int16_t stepFactor = 1; // rasters per slider notch: 1, 2 or 4
    int rasterKHz = 25;          // synthesizer raster, kHz
    std::array<std::int32_t, kChannelCount> scanList{}; // kHz
    std::array<std::string, kChannelCount> rxComments;
    std::array<std::int32_t, kChannelCount> rxChannels{}; // kHz, 0 = empty
    std::array<std::int32_t, kChannelCount> txChannels{}; // kHz, 0 = none
    int currentChannel = 0;        // channel last chosen with a channel button, 0 = none
    std::int32_t scanPosition = 0; // next slider position of the whole-band scan
    bool extraPanelShown = false;  // lower panel "Дополнительно" revealed

    // The caption every activation sets.
    std::string title = kConsoleTitle;

    // --- controls: the display panel ---
    Label Label1{*this, "Label1"}; // frequency read-out, kHz
    Label Label2{*this, "Label2"}; // slider position
    Label Label3{*this, "Label3"}; // step, kHz
    Label Label4{*this, "Label4"}; // "kHz"
    Label Label5{*this, "Label5"}; // "RX" / "TX"
    Label Label6{*this, "Label6"}; // black background of the display
    Label Label7{*this, "Label7", "Channel"};
    Label Label8{*this, "Label8", "CMT:"};
    Label Label9{*this, "Label9"};   // channel comment or scan status
    Label Label10{*this, "Label10"}; // "BUSY"
    Label Label11{*this, "Label11", "kHz"};
    Label Label12{*this, "Label12", "ADDition"};
    Label Label17{*this, "Label17", kNoChannel}; // channel on the read-out
    Label Label18{*this, "Label18", "BAND"};     // opens the band-activity picture
    // --- the lower panel ---
    Frame Frame3{*this, "Frame3", "Дополнительно"};
    Label Label13{*this, "Label13", "Управляющее слово:"};
    Label Label14{*this, "Label14"}; // the control word, sending order
    Label Label15{*this, "Label15", "Частота гетеродина:"};
    Label Label16{*this, "Label16"}; // synthesizer frequency, kHz
    Label Label19{*this, "Label19", kWireDiagramTitle};
    // --- tuning ---
    Slider Slider1{*this, "Slider1"};
    OptionGroup stepOptions;
    OptionButton Option2{*this, "Option2", stepOptions, "Шаг 25 kHz"};
    OptionButton Option1{*this, "Option1_0", stepOptions, "Шаг 50 kHz"};
    OptionButton Option3{*this, "Option3", stepOptions, "Шаг 100 kHz"};
    // --- channels ---
    CheckBox Check3{*this, "Check3", "Сканирование по каналам"};
    Button Command3{*this, "Command3", "1"};
    Button Command5{*this, "Command5", "2"};
    Button Command6{*this, "Command6", "3"};
    Button Command7{*this, "Command7", "4"};
    Button Command8{*this, "Command8", "5"};
    Button Command9{*this, "Command9", "6"};
    Button Command10{*this, "Command10", "7"};
    Button Command11{*this, "Command11", "8"};
    Button Command12{*this, "Command12", "9"};
    Button Command13{*this, "Command13", "10"};
    ControlArray<CheckBox, kChannelCount> Check2{*this, "Check2"};
    Button Command14{*this, "Command14", "Добавить канал"};
    // --- scanning ---
    CheckBox Check1{*this, "Check1", "Сканирование \"от\" и \"до\""};
    Frame Frame1{*this, "Frame1", "от"};
    TextBox Text2{*this, "Text2", 6};
    Frame Frame2{*this, "Frame2", "до"};
    TextBox Text6{*this, "Text6", 6};
    Button Command2{*this, "Command2", kScanCaption};
    Button Command4{*this, "Command4", kChannelScanCaption};
    Button Command17{*this, "Command17", "Config"};
    Button Command15{*this, "Command15", "<-"};
    Button Command16{*this, "Command16", "->"};
    CheckBox Check4{*this, "Check4", "TX"};
    Button Command1{*this, "Command1", "Exit"};
    TextBox Text990{*this, "Text990"};
    Timer Timer1{*this, "Timer1"}; // whole-band scan
    Timer Timer2{*this, "Timer2"}; // from/to scan
    Timer Timer3{*this, "Timer3"}; // channel scan
    Timer Timer5{*this, "Timer5"}; // channel indicator
    // Ends a transmission at the transmit time-out (console/transmit_timeout.cpp).
    Timer transmitTimer{*this, "TransmitTimer"};
    // Readable names over the control names: alias, control, role. The
    // handlers and the tests use the aliases; the control names stay the
    // object names the windows and the store know.
    // clang-format off
    Label& readOut                     = Label1;    // frequency read-out, kHz
    Label& positionReadOut             = Label2;    // slider position
    Label& stepReadOut                 = Label3;    // step, kHz
    Label& modeIndicator               = Label5;    // "RX" or "TX"
    Label& channelHeading              = Label7;    // "Channel": a click opens the channel editor
    Label& statusLine                  = Label9;    // channel comment or scan status
    Label& busyIndicator               = Label10;   // "BUSY" while the receiver hears a signal
    Label& additionLabel               = Label12;   // "ADDition": a click shows or hides the lower panel
    Label& channelIndicator            = Label17;   // memory channel on the read-out, or "NONE"
    Label& bandActivityLabel           = Label18;   // "BAND": a click opens the band-activity picture
    Frame& extraPanel                  = Frame3;    // the lower panel "Дополнительно"
    Label& controlWordReadOut          = Label14;   // the last control word, sending order
    Label& synthesizerReadOut          = Label16;   // synthesizer frequency, kHz
    Label& wireDiagramLabel            = Label19;   // "Диаграмма передачи": a click opens the wire diagram
    Slider& tuningSlider               = Slider1;   // the tuning slider, one notch a step
    OptionButton& step25               = Option2;   // "Шаг 25 kHz"
    OptionButton& step50               = Option1;   // "Шаг 50 kHz"
    OptionButton& step100              = Option3;   // "Шаг 100 kHz"
    CheckBox& channelScanMode          = Check3;    // "Сканирование по каналам": shows the channel boxes
    decltype(Check2)& channelScanBoxes = Check2;    // which channels the channel scan visits
    Button& addChannelButton           = Command14; // "Добавить канал"
    CheckBox& rangeScanMode            = Check1;    // "Сканирование "от" и "до""
    TextBox& scanFrom                  = Text2;     // "от": first frequency of the from/to scan, kHz
    TextBox& scanTo                    = Text6;     // "до": last frequency of the from/to scan, kHz
    Button& bandScanButton             = Command2;  // "Scan" / "Stop": whole-band or from/to scan
    Button& channelScanButton          = Command4;  // "Channel scan" / "Stop"
    Button& configButton               = Command17; // "Config": the settings dialog
    Button& previousChannelButton      = Command15; // "<-"
    Button& nextChannelButton          = Command16; // "->"
    CheckBox& transmitSwitch           = Check4;    // "TX" / "RX": the transmit switch
    Button& exitButton                 = Command1;  // "Exit"
    TextBox& scanIndexBox              = Text990;   // hidden: the channel scan's next entry
    Timer& bandScanTimer               = Timer1;    // steps the whole-band scan
    Timer& rangeScanTimer              = Timer2;    // steps the from/to scan
    Timer& channelScanTimer            = Timer3;    // steps the channel scan
    Timer& indicatorTimer              = Timer5;    // refreshes the channel indicator
    // clang-format on
    // How often Timer5 refreshes the indicator, ms; it also runs after every event.
    static constexpr int kIndicatorIntervalMs = 100;

    // The button of channel k (1..10).
    Button& channelButton(int k);

    // --- what the console does now ---
    enum class Mode { Receive, Transmit };
    // The scan started last and not stopped since: the whole-band or from/to
    // scan of "Scan", or the channel scan. "Config" pauses a scan's timer
    // without ending the scan.
    enum class Scan { None, Band, Range, Channel };
    Scan runningScan() const { return scan_; }
    // A whole-band or from/to scan runs (its button offers "Stop").
    bool bandScanRunning() const { return scan_ == Scan::Band || scan_ == Scan::Range; }
    // The channel scan runs (its button offers "Stop").
    bool channelScanRunning() const { return scan_ == Scan::Channel; }
    // The frequency of the last transfer's slider position, kHz: the one on
    // the read-out while receiving (while transmitting the read-out shows the
    // carrier, this plus the transmit offset).
    std::int64_t tunedKHz() const { return tunedKHz_; }
    // The memory channel (1..10) the channel indicator shows; 0 for "NONE".
    int shownChannel() const { return shownChannel_; }

    // --- start-up, activation, exit ---
    void Form_Load();
    void Form_Activate() override;
    void TopT();
    void CoMMent();
    void Command1_Click();  // "Exit"
    void Command17_Click(); // "Config"
    void Label7_Click();    // "Channel"
    void Label12_Click();   // "ADDition"
    void Label18_Click();   // "BAND"
    void Label19_Click();   // "Диаграмма передачи"

    // --- the channel indicator ---
    void Timer5_Timer();

    // --- tuning ---
    void Slider1_Scroll();
    void Option1_Click(int index); // "Шаг 50 kHz" (element 0 of its array)
    void Option2_Click();          // "Шаг 25 kHz"
    void Option3_Click();          // "Шаг 100 kHz"
    // Tunes to a frequency the operator typed, as a drag of the slider to its
    // notch would. The text is a number alone: kHz ("145500"), or MHz when the
    // value is below 1000 ("145.5", "145,5"). Refused with an error box during a
    // transmission or a scan, for a text that is no such number, outside the
    // band and off the step's notches. True when the slider moved or already
    // stood on that notch.
    bool tuneTypedFrequency(std::string_view text);

    // --- channel buttons ---
    // Tunes memory channel k (1..10): the handler of all ten channel buttons.
    void selectChannel(int k);
    void Command15_Click(); // "<-"
    void Command16_Click(); // "->"
    void Command14_Click(); // "Добавить канал"

    // --- transmit ---
    void Check4_Click();
    // True while the console is in transmit (the switch offers "RX").
    bool transmitting() const;
    // The synthesizer link the console tunes and keys through.
    SynthLink& link() { return link_; }
    const SynthLink& link() const { return link_; }
    // Whether switching to transmit now would key the transmitter: false when
    // the current channel has no transmit frequency inside the band, or when
    // the frequency on the air (the channel's transmit frequency, or the tuned
    // one, plus txShift) lies outside it.
    bool transmitAllowed() const;
    // Back to receive exactly as the transmit switch's click to receive does
    // (tick, captions, controls, the receive word, the transmit line dropped),
    // whatever holds the console's input now: a message box waiting for its
    // answer, a window that disables the console. Nothing while receiving.
    // Holding back the end of a transmission is never safe; holding keying is.
    void dropToReceive();
    // The transmission on the air: the count of switches to transmit since the
    // start, so a later transmission never has the number of an earlier one;
    // 0 while receiving.
    std::uint64_t transmission() const;

    // --- the transmit time-out ---
    // Ends the transmission on the air and says why in a box.
    void transmitTimer_Timer();

    // --- band scans ---
    void Check1_Click();   // "Сканирование "от" и "до""
    void Command2_Click(); // "Scan" / "Stop"
    void Timer1_Timer();   // one step of the whole-band scan
    void Timer2_Timer();   // one step of the from/to scan
    // Reads the receiver's busy signal: true (and "BUSY" shown) while the
    // status register reads above 127. Raises scanStep with the result.
    bool busyTest();
    // Raised by each of the three scans after every busy test, with the
    // read-out frequency the receiver was tested on (kHz) and whether it was
    // busy there.
    Event<double, bool> scanStep;

    // --- lockouts: frequencies the three scans pass without a word or a busy test ---
    // Locks out the frequency a running scan holds on ("BUSY" shown) and
    // keeps the list in the store; false when no scan holds or the list is full.
    bool lockOutHeld();
    // Takes kHz back into the scans; false when it was not locked out.
    bool takeBackLockout(std::int64_t kHz);
    void takeBackAllLockouts();
    const Lockouts& lockouts() const { return lockouts_; }

    // --- how long the scans hold, and the holds of this run ---
    HoldRules holdRules() const { return holdRules_; }
    // Takes new rules and keeps them in the store (whole seconds).
    void setHoldRules(const HoldRules& rules);
    const ScanHits& hits() const { return hits_; }

    // --- channel scan ---
    void Check3_Click();          // "Сканирование по каналам"
    void Check2_Click(int index); // any of the ten channel boxes
    void Command4_Click();        // "Channel scan" / "Stop"
    void Timer3_Timer();          // one step of the channel scan

    // --- the side windows, set by whoever creates them; empty: nothing opens ---
    std::function<void()> openSettings;               // the settings dialog
    std::function<void()> openChannelEditor;          // the channel editor
    std::function<void(std::int64_t)> openAddChannel; // the add-channel dialog, kHz
    std::function<void()> openBandActivity;           // the band-activity picture
    std::function<void()> openWireDiagram;            // the diagram of the last transfer
    std::function<void()> openScanner;                // lockouts, hold rules, hits

    // --- the synthesizer link ---
    // Receive transfer: slider to position, read-outs, word clocked out.
    void sent1(std::int32_t position);
    // Transmit transfer: as sent1 with the transmit divider, transmit line high.
    void sent2(std::int32_t position);
    // The receive transfer for the slider's current position, the slider untouched.
    void receiveTransfer();

    // Drops the transmit line if this program left it high. Runs before the
    // program ends, however it ends.
    void releaseTransmitLine();
    // Ends the program: the transmit line dropped, no further event.
    void endProgram();
    // Closing the console through its frame ends the program like "Exit",
    // without storing the read-out.
    void closeRequested() override;

    // The band and step the console tunes in now, built from the fields above.
    Band band() const;
    // Slider position of frequency kHz at the current step, rounded half to even.
    std::int32_t positionOf(double kHz) const { return volna::positionOf(band(), kHz); }
    // Frequency (kHz) of a slider position at the current step.
    std::int64_t frequencyAt(std::int32_t position) const;
    // What moveSliderTo did.
    enum class SliderMove { Moved, AlreadyThere, BeyondEnds, Refused };
    // Moves the slider to position as the operator's drag would, its scroll
    // handler included. Nothing happens beyond the slider's ends, on the
    // position already set, or while the slider takes no input (a scan or a
    // transmission holds it, a dialog is open).
    SliderMove moveSliderTo(std::int32_t position);

private:
    // Keep the value and draw the captions that show it.
    void showMode(Mode mode);
    void showScan(Scan scan);
    // kHz is the slider position's frequency; onAirKHz, given while
    // transmitting, is the carrier, which the read-out shows instead.
    void showTuned(std::int64_t kHz, std::optional<std::int64_t> onAirKHz = std::nullopt);
    void showChannel(int k);
    void transfer(bool transmit);
    void chooseStep(std::int16_t factor, const char* stepText);
    bool outsideBand(double kHz) const { return volna::outsideBand(band(), kHz); }
    void refuseOutOfBandChannel();
    void stepToChannel(int j);
    bool storedChannel(int n) const { return rxChannels[n - 1] != 0; }
    // The first stored channel met going from channel `from` to channel `to`
    // by step (+1 up, -1 down), both included; 0 when there is none (also
    // when the range is empty).
    int firstStored(int from, int to, int step) const;
    void switchToTransmit();
    // A memory channel (1..10) is current.
    bool onChannel() const;
    // The slider position the transmit word is built for.
    std::int32_t transmitPosition() const;
    void switchToReceive();
    // Starts the time-out's count for the transmission just begun, from the
    // limit stored now; no count while the limit is 0.
    void startTransmitTimeout();
    void startBandScan();
    void stopBandScan();
    void startRangeScan();
    void stopRangeScan();
    std::int32_t rangeStartPosition() const;
    void buildScanList();
    bool anyChannelOffReadOut() const;
    void stopChannelScan();
    void startChannelScan();
    void loadSettings();
    void keepLockouts();
    void endHold();
    bool scanHolds();
    bool skipLockedBandPositions();
    std::int32_t nextRangePosition(std::int32_t position) const;
    void loadReceiveChannels();
    void disableEmptyChannelButtons();

    SynthLink link_;
    Mode mode_ = Mode::Receive;
    Scan scan_ = Scan::None;
    std::int64_t tunedKHz_ = 0;
    int shownChannel_ = 0;
    Lockouts lockouts_;
    HoldRules holdRules_;
    ScanHold hold_;
    ScanHits hits_;
    bool channelScanStopped_ = false;      // "Channel Scan" from its first stop on
    std::uint64_t switchesToTransmit_ = 0; // numbers the transmissions
    SettingsStore& store_;
    ChannelStore channelStore_;
    Prompter& prompter_;
    std::array<Button*, kChannelCount> channelButtons_;
    Subscription indicatorRefresh_; // Timer5_Timer after every event
};

// Creates the console's start: Form_Load, then shows the window, whose
// activation follows. False when the program ended during the load.
bool startConsole(Form1& console);

} // namespace volna
