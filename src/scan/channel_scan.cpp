// SPDX-License-Identifier: GPL-3.0-or-later
// The channel scan: in channel-scan mode the ten boxes take the place of the
// channel buttons, and "Channel scan" visits the ticked stored channels one per
// tick, always at the 25 kHz step, holding while the receiver is busy.

#include "console/console.h"
#include "domain/numbers.h"
#include "toolkit/prompter.h"

#include <string>

namespace volna {

namespace {

constexpr const char* kNoChannelTicked = "Нужно выбрать хотябы отдин канал!";

} // namespace

void Form1::Check3_Click() {
    const bool modeOn = channelScanMode.checked();
    if (modeOn) {
        setEnabled({&addChannelButton, &step25, &step50, &step100, &rangeScanMode, &bandScanButton,
                    &transmitSwitch},
                   false);
        channelScanButton.enabled = true;
    } else {
        addChannelButton.enabled = true;
        disableEmptyChannelButtons();
        setEnabled({&step25, &step50, &step100, &transmitSwitch, &rangeScanMode, &bandScanButton},
                   true);
        channelScanButton.enabled = false;
    }
    for (int i = 0; i < kChannelCount; ++i) {
        channelScanBoxes[i].visible = modeOn;
        channelButton(i + 1).visible = !modeOn;
    }
}

// The list of the scan: the receive frequencies, read from the store, of the
// ticked channels that are stored, in channel order from entry scanCount on.
void Form1::buildScanList() {
    for (int n = 1; n <= kChannelCount; ++n) {
        const double frequency = leadingNumber(channelStore_.channel(n).receive);
        if (frequency != 0 && channelScanBoxes[n - 1].checked() && scanCount < kChannelCount) {
            scanList[scanCount] = toInt32(frequency);
            ++scanCount;
        }
    }
}

void Form1::Check2_Click(int /*index*/) {
    scanCount = 0;
    scanIndex = 0;
    scanList.fill(0);
    if (!channelScanTimer.enabled()) {
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
    stepReadOut.caption = "25";
    step25.select();
    rasterKHz = 25;
    stepFactor = 1;
    scanCount = 0;
    if (channelScanRunning()) {
        stopChannelScan();
    } else if (channelScanMode.checked()) {
        startChannelScan();
    }
}

void Form1::stopChannelScan() {
    endHold();
    scanList.fill(0);
    busyIndicator.caption.clear();
    channelScanTimer.setEnabled(false);
    setEnabled({&tuningSlider, &previousChannelButton, &nextChannelButton, &configButton,
                &channelScanMode},
               true);
    statusLine.caption.clear();
    channelScanStopped_ = true;
    showScan(Scan::None);
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
    channelScanTimer.setEnabled(true);
    setEnabled({&tuningSlider, &previousChannelButton, &nextChannelButton, &configButton,
                &channelScanMode},
               false);
    statusLine.caption = kScanning;
    showScan(Scan::Channel);
}

void Form1::Timer3_Timer() {
    if (scanHolds()) {
        return;
    }
    // A listed channel outside the band (the band changed since it was
    // stored) or locked out is passed over; with none left, nothing is retuned.
    for (int tried = 0; tried < scanCount; ++tried) {
        if (scanIndex >= scanCount) {
            scanIndex = 0;
        }
        const std::int32_t frequency = scanList[scanIndex];
        if (outsideBand(frequency) || lockouts_.contains(frequency)) {
            ++scanIndex;
            continue;
        }
        scanIndexBox.setText(std::to_string(scanIndex));
        tuningSlider.setValue(positionOf(frequency));
        receiveTransfer();
        ++scanIndex;
        return;
    }
}

} // namespace volna
