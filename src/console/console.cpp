// The console's life: start-up, the reload at every activation, the tooltips
// and comments of the channels, "Exit", and the lower panel.

#include "console/console.h"

#include "settings/first_run.h"
#include "settings/numbers.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "toolkit/program.h"

#include <cmath>

namespace volna {

Form1::Form1(Program& program, ParallelPort& port, SettingsStore& store, Prompter& prompter)
    : Window(program, "Form1"), port_(port), store_(store), channelStore_(store),
      prompter_(prompter), channelButtons_{&Command3,  &Command5, &Command6,  &Command7,
                                           &Command8,  &Command9, &Command10, &Command11,
                                           &Command12, &Command13} {
    heightTwips = kConsoleHeightTwips;
    widthTwips = kConsoleWidthTwips;
    Label5.foreColour = kRed;
    Label10.foreColour = kRed;
    Label17.foreColour = kRed;
    Option2.setInitiallySelected();
    for (int i = 0; i < kChannelCount; ++i) {
        Check2[i].caption = std::to_string(i + 1);
    }
    Text990.visible = false;
    Timer5.setInterval(kIndicatorIntervalMs);
    Timer5.setEnabled(true);
    Timer5.onTick = [this] { Timer5_Timer(); };
    indicatorRefresh_ = program.addAfterEvent([this] { Timer5_Timer(); });

    Command1.onClick = [this] { Command1_Click(); };
    Slider1.onScroll = [this] { Slider1_Scroll(); };
    Option1.onClick = [this] { Option1_Click(0); };
    Option2.onClick = [this] { Option2_Click(); };
    Option3.onClick = [this] { Option3_Click(); };
    for (int k = 1; k <= kChannelCount; ++k) {
        channelButton(k).onClick = [this, k] { selectChannel(k); };
    }
    Command15.onClick = [this] { Command15_Click(); };
    Command16.onClick = [this] { Command16_Click(); };
    Command14.onClick = [this] { Command14_Click(); };
    Check4.onClick = [this] { Check4_Click(); };
    Check1.onClick = [this] { Check1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Timer1.onTick = [this] { Timer1_Timer(); };
    Timer2.onTick = [this] { Timer2_Timer(); };
    Check3.onClick = [this] { Check3_Click(); };
    for (int i = 0; i < kChannelCount; ++i) {
        Check2[i].onClick = [this, i] { Check2_Click(i); };
    }
    Command4.onClick = [this] { Command4_Click(); };
    Timer3.onTick = [this] { Timer3_Timer(); };
    Command17.onClick = [this] { Command17_Click(); };
    Label7.onClick = [this] { Label7_Click(); };
    Label12.onClick = [this] { Label12_Click(); };
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
    lowerBound = toInt32(number(kKeyLowerBound));
    upperBound = number(kKeyUpperBound);
    ifOffset = number(kKeyIfOffset);
    txShift = toInt16(number(kKeyTxShift));
    Timer2.setInterval(toInt32(number(kKeyRangeScanSpeed)));
    Timer3.setInterval(toInt32(number(kKeyChannelScanSpeed)));
    delay1 = number(kKeyDelay1);
    delay2 = number(kKeyDelay2Read);
    Timer1.setInterval(toInt32(number(kKeyBandScanSpeed)));
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
        Check2[i].visible = false;
    }
    Command4.enabled = false;
    Label1.caption = std::to_string(lowerBound);
    Label2.caption = "0";
    Label3.caption = "25";
    Label4.caption = "kHz";
    Label5.caption = "RX";
    rasterKHz = 25;
    stepFactor = 1;
    Slider1.setMaximum(sliderMaximum(band()));
    const double back = leadingNumber(store_.readSetting(kSectionFlags, kKeyBack, ""));
    if (!(back < lowerBound) && !(back > upperBound)) {
        Slider1.setValue(positionOf(back));
    }
    outputEnabled = 1;
    sent1(Slider1.value());
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
        Check2[i].setChecked(false);
    }
    for (int i = 0; i < kChannelCount; ++i) {
        Check2[i].enabled = rxChannels[i] != 0;
    }
    if (leadingNumber(store_.readSetting(kSectionFlags, kKeyLock, "")) == 0) {
        Slider1.setValue(0);
        sent1(0);
        Slider1.setMaximum(sliderMaximum(band()));
        store_.writeSetting(kSectionFlags, kKeyLock, "1");
    }
}

void Form1::TopT() {
    for (int n = 1; n <= kChannelCount; ++n) {
        channelButton(n).toolTip.clear();
        Check2[n - 1].toolTip.clear();
    }
    for (int i = 0; i < kChannelCount; ++i) {
        if (rxChannels[i] != 0) {
            Check2[i].toolTip = std::to_string(rxChannels[i]);
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
    store_.writeSetting(kSectionFlags, kKeyBack, Label1.caption);
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
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer3.setEnabled(false);
    openSettings();
}

void Form1::Label7_Click() {
    if (openChannelEditor) {
        openChannelEditor();
    }
}

void Form1::Label12_Click() {
    if (extraPanelShown) {
        Label12.foreColour = kGreen;
        extraPanelShown = false;
        heightTwips = kConsoleHeightTwips;
    } else {
        extraPanelShown = true;
        Label12.foreColour = kRed;
        heightTwips = kConsoleHeightWithPanelTwips;
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
