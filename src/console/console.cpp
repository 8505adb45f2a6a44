// SPDX-License-Identifier: GPL-3.0-or-later
// The console's life: start-up, the reload at every activation, the tooltips
// and comments of the channels, "Exit", and the lower panel.

#include "console/console.h"

#include "domain/numbers.h"
#include "settings/first_run.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "settings/stored_band.h"
#include "toolkit/program.h"

#include <algorithm>
#include <cmath>

namespace volna {

Form1::Form1(Program& program, ParallelPort& port, SettingsStore& store, Prompter& prompter)
    : Window(program, "Form1"), link_(port), store_(store), channelStore_(store),
      prompter_(prompter), channelButtons_{&Command3,  &Command5, &Command6,  &Command7,
                                           &Command8,  &Command9, &Command10, &Command11,
                                           &Command12, &Command13} {
    heightTwips = kConsoleHeightTwips;
    widthTwips = kConsoleWidthTwips;
    modeIndicator.foreColour = kRed;
    busyIndicator.foreColour = kRed;
    channelIndicator.foreColour = kRed;
    step25.setInitiallySelected();
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].caption = std::to_string(i + 1);
    }
    scanIndexBox.visible = false;
    indicatorTimer.setInterval(kIndicatorIntervalMs);
    indicatorTimer.setEnabled(true);
    indicatorTimer.onTick = [this] { Timer5_Timer(); };
    indicatorTimer.refreshedByEvents = true;
    indicatorRefresh_ = program.addAfterEvent([this] { Timer5_Timer(); });

    exitButton.onClick = [this] { Command1_Click(); };
    tuningSlider.onScroll = [this] { Slider1_Scroll(); };
    step50.onClick = [this] { Option1_Click(0); };
    step25.onClick = [this] { Option2_Click(); };
    step100.onClick = [this] { Option3_Click(); };
    for (int k = 1; k <= kChannelCount; ++k) {
        channelButton(k).onClick = [this, k] { selectChannel(k); };
    }
    previousChannelButton.onClick = [this] { Command15_Click(); };
    nextChannelButton.onClick = [this] { Command16_Click(); };
    addChannelButton.onClick = [this] { Command14_Click(); };
    transmitSwitch.onClick = [this] { Check4_Click(); };
    transmitTimer.onTick = [this] { transmitTimer_Timer(); };
    rangeScanMode.onClick = [this] { Check1_Click(); };
    bandScanButton.onClick = [this] { Command2_Click(); };
    bandScanTimer.onTick = [this] { Timer1_Timer(); };
    rangeScanTimer.onTick = [this] { Timer2_Timer(); };
    channelScanMode.onClick = [this] { Check3_Click(); };
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].onClick = [this, i] { Check2_Click(i); };
    }
    channelScanButton.onClick = [this] { Command4_Click(); };
    channelScanTimer.onTick = [this] { Timer3_Timer(); };
    configButton.onClick = [this] { Command17_Click(); };
    channelHeading.onClick = [this] { Label7_Click(); };
    additionLabel.onClick = [this] { Label12_Click(); };
    bandActivityLabel.onClick = [this] { Label18_Click(); };
    wireDiagramLabel.onClick = [this] { Label19_Click(); };
}

Button& Form1::channelButton(int k) {
    return *channelButtons_.at(k - 1);
}

Band Form1::band() const {
    return {static_cast<double>(lowerBound), upperBound, rasterKHz, stepFactor};
}

// The lower edge is a whole kHz, so every notch is one too.
std::int64_t Form1::frequencyAt(std::int32_t position) const {
    return static_cast<std::int64_t>(volna::frequencyAt(band(), position));
}

// Band, offsets, scan speeds and delays from the store; missing keys read as 0.
void Form1::loadSettings() {
    auto number = [this](std::string_view key) {
        return leadingNumber(store_.readSetting(kSectionSettings, key, ""));
    };
    const Band stored = storedBand(store_, rasterKHz, stepFactor);
    lowerBound = static_cast<std::int32_t>(stored.lowerKHz);
    upperBound = stored.upperKHz;
    link_.ifOffset = number(kKeyIfOffset);
    link_.txShift = toInt16(number(kKeyTxShift));
    rangeScanTimer.setInterval(toInt32(number(kKeyRangeScanSpeed)));
    channelScanTimer.setInterval(toInt32(number(kKeyChannelScanSpeed)));
    link_.delay1 = number(kKeyDelay1);
    link_.delay2 = number(kKeyDelay2Read);
    bandScanTimer.setInterval(toInt32(number(kKeyBandScanSpeed)));
    lockouts_ = Lockouts::fromText(store_.readSetting(kSectionProgram, kKeyLockouts, ""));
    auto seconds = [this](std::string_view key) {
        return std::clamp<std::int64_t>(
                   toInt32(leadingNumber(store_.readSetting(kSectionProgram, key, ""))), 0,
                   kLongestHoldSeconds) *
               1000;
    };
    holdRules_ = {seconds(kKeyScanResume), seconds(kKeyScanHang)};
}

void Form1::loadReceiveChannels() {
    for (int n = 1; n <= kChannelCount; ++n) {
        rxChannels[n - 1] = toInt32(leadingNumber(channelStore_.channel(n).receive));
    }
}

void Form1::disableEmptyChannelButtons() {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (rxChannels[n - 1] == 0) {
            channelButton(n).enabled = false;
        }
    }
}

void Form1::Form_Load() {
    if (!initialiseStoreOnFirstRun(store_, prompter_)) {
        program().quit();
        return;
    }
    store_.writeSetting(kSectionFlags, kKeyLock, "1");
    CoMMent();
    loadSettings();
    loadReceiveChannels();
    disableEmptyChannelButtons();
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].visible = false;
    }
    channelScanButton.enabled = false;
    showTuned(lowerBound);
    positionReadOut.caption = "0";
    stepReadOut.caption = "25";
    Label4.caption = "kHz";
    showMode(Mode::Receive);
    rasterKHz = 25;
    stepFactor = 1;
    tuningSlider.setMaximum(sliderMaximum(band()));
    const double back = leadingNumber(store_.readSetting(kSectionFlags, kKeyBack, ""));
    if (!(back < lowerBound) && !(back > upperBound)) {
        tuningSlider.setValue(positionOf(back));
    }
    link_.outputEnabled = true;
    sent1(tuningSlider.value());
}

void Form1::Form_Activate() {
    caption = title;
    currentChannel = 0;
    TopT();
    CoMMent();
    loadSettings();
    for (int n = 1; n <= kChannelCount; ++n) {
        txChannels[n - 1] = toInt32(leadingNumber(channelStore_.channel(n).transmit));
    }
    // While transmitting the channel buttons stay locked: one of them would run
    // a receive transfer and drop the transmit line behind the operator's back.
    if (!transmitting()) {
        for (int n = 1; n <= kChannelCount; ++n) {
            channelButton(n).enabled = true;
        }
    }
    loadReceiveChannels();
    disableEmptyChannelButtons();
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].setChecked(false);
    }
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].enabled = rxChannels[i] != 0;
    }
    if (leadingNumber(store_.readSetting(kSectionFlags, kKeyLock, "")) == 0) {
        tuningSlider.setValue(0);
        sent1(0);
        tuningSlider.setMaximum(sliderMaximum(band()));
        store_.writeSetting(kSectionFlags, kKeyLock, "1");
    }
}

void Form1::TopT() {
    for (int n = 1; n <= kChannelCount; ++n) {
        channelButton(n).toolTip.clear();
        channelScanBoxes[n - 1].toolTip.clear();
    }
    for (int i = 0; i < kChannelCount; ++i) {
        if (rxChannels[i] != 0) {
            channelScanBoxes[i].toolTip = std::to_string(rxChannels[i]);
        }
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        if (rxChannels[n - 1] != 0) {
            channelButton(n).toolTip = std::to_string(rxChannels[n - 1]);
        }
    }
}

void Form1::CoMMent() {
    for (int i = 0; i < kChannelCount; ++i) {
        rxComments[i] = channelStore_.channel(i + 1).comment;
    }
}

void Form1::Command1_Click() {
    store_.writeSetting(kSectionFlags, kKeyBack, std::to_string(tunedKHz_));
    endProgram();
}

void Form1::endProgram() {
    releaseTransmitLine();
    program().quit();
}

void Form1::closeRequested() {
    endProgram();
}

void Form1::Command17_Click() {
    if (!openSettings) {
        return; // no settings dialog to go to: the console must not vanish
    }
    hide();
    bandScanTimer.setEnabled(false);
    rangeScanTimer.setEnabled(false);
    channelScanTimer.setEnabled(false);
    openSettings();
}

void Form1::Label7_Click() {
    if (openChannelEditor) {
        openChannelEditor();
    }
}

void Form1::Label12_Click() {
    if (extraPanelShown) {
        additionLabel.foreColour = kGreen;
        extraPanelShown = false;
        heightTwips = kConsoleHeightTwips;
    } else {
        extraPanelShown = true;
        additionLabel.foreColour = kRed;
        heightTwips = kConsoleHeightWithPanelTwips;
    }
}

// "BAND": the picture of where the scans found the band busy.
void Form1::Label18_Click() {
    if (openBandActivity) {
        openBandActivity();
    }
}

// "Диаграмма передачи": the lines of the last transfer, drawn in time.
void Form1::Label19_Click() {
    if (openWireDiagram) {
        openWireDiagram();
    }
}

bool startConsole(Form1& console) {
    console.program().runEvent([&] {
        console.Form_Load();
        if (!console.program().quitting()) {
            console.show();
        }
    });
    return !console.program().quitting();
}

} // namespace volna
