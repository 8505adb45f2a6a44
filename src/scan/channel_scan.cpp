// The channel scan: in channel-scan mode the ten boxes take the place of the
// channel buttons, and "Channel scan" visits the ticked stored channels one per
// tick, always at the 25 kHz step, holding while the receiver is busy.

#include "console/console.h"
#include "settings/numbers.h"
#include "toolkit/prompter.h"

#include <string>

namespace volna {

namespace {

constexpr const char* kRestartCaption = "Channel Scan";
constexpr const char* kNoChannelTicked = "Нужно выбрать хотябы отдин канал!";

} // namespace

void Form1::Check3_Click() {
    const bool modeOn = Check3.checked();
    if (modeOn) {
        setEnabled({&Command14, &Option2, &Option1, &Option3, &Check1, &Command2, &Check4}, false);
        Command4.enabled = true;
    } else {
        Command14.enabled = true;
        disableEmptyChannelButtons();
        setEnabled({&Option2, &Option1, &Option3, &Check4, &Check1, &Command2}, true);
        Command4.enabled = false;
    }
    for (int i = 0; i < kChannelCount; ++i) {
        Check2[i].visible = modeOn;
        channelButton(i + 1).visible = !modeOn;
    }
}

// The list of the scan: the receive frequencies, read from the store, of the
// ticked channels that are stored, in channel order from entry scanCount on.
void Form1::buildScanList() {
    for (int n = 1; n <= kChannelCount; ++n) {
        const double frequency = leadingNumber(channelStore_.channel(n).receive);
        if (frequency != 0 && Check2[n - 1].checked() && scanCount < kChannelCount) {
            scanList[scanCount] = toInt32(frequency);
            ++scanCount;
        }
    }
}

void Form1::Check2_Click(int /*index*/) {
    scanCount = 0;
    scanIndex = 0;
    scanList.fill(0);
    if (!Timer3.enabled()) {
        return;
    }
    buildScanList();
    // Every box unticked while scanning: nothing is left to scan, so the scan
    // stops as its "Stop" would.
    if (scanCount == 0) {
        Command4_Click();
    }
}

void Form1::Command4_Click() {
    currentChannel = 0;
    Label3.caption = "25";
    Option2.select();
    rasterKHz = 25;
    stepFactor = 1;
    scanCount = 0;
    if (Command4.caption == kStopCaption) {
        stopChannelScan();
    } else if (Check3.checked()) {
        startChannelScan();
    }
}

void Form1::stopChannelScan() {
    scanList.fill(0);
    Label10.caption.clear();
    Timer3.setEnabled(false);
    setEnabled({&Slider1, &Command15, &Command16, &Command17, &Check3}, true);
    Label9.caption.clear();
    Command4.caption = kRestartCaption;
}

void Form1::startChannelScan() {
    buildScanList();
    bool anyEntry = false;
    for (std::int32_t entry : scanList) {
        anyEntry = anyEntry || entry != 0;
    }
    if (!anyEntry) {
        prompter_.ask(errorBox(kNoChannelTicked));
        return;
    }
    Timer3.setEnabled(true);
    setEnabled({&Slider1, &Command15, &Command16, &Command17, &Check3}, false);
    Label9.caption = kScanning;
    Command4.caption = kStopCaption;
}

void Form1::Timer3_Timer() {
    if (busyTest()) {
        return;
    }
    // A listed channel outside the band (the band changed since it was
    // stored) is passed over; with none inside, nothing is retuned.
    for (int tried = 0; tried < scanCount; ++tried) {
        if (scanIndex >= scanCount) {
            scanIndex = 0;
        }
        const std::int32_t frequency = scanList[scanIndex];
        if (outsideBand(frequency)) {
            ++scanIndex;
            continue;
        }
        Text990.setText(std::to_string(scanIndex));
        Slider1.setValue(positionOf(frequency));
        receiveTransfer();
        ++scanIndex;
        return;
    }
}

} // namespace volna
