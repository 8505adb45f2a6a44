// SPDX-License-Identifier: GPL-3.0-or-later
// The transmit switch transmitSwitch. The console's mode says whether it
// transmits; the switch's caption names the mode the next click switches to
// ("TX" while receiving, "RX" while transmitting); the tick is never read. Going to transmit raises
// the transmit line, locks the tuning and channel controls and sends the transmit word; coming back
// unlocks them, drops the line and sends the receive word. While transmitting, the switch takes the
// click even when another window disables the console: the way back to receive is never held.

#include "console/console.h"
#include "toolkit/prompter.h"

namespace volna {

std::uint64_t Form1::transmission() const {
    return transmitting() ? switchesToTransmit_ : 0;
}

// A change of the tick from code runs the click handler, as the operator's click does.
void Form1::dropToReceive() {
    if (transmitting()) {
        transmitSwitch.setChecked(!transmitSwitch.checked());
    }
}

void Form1::Check4_Click() {
    if (transmitting()) {
        switchToReceive();
    } else {
        switchToTransmit();
    }
}

bool Form1::onChannel() const {
    return currentChannel >= 1 && currentChannel <= kChannelCount;
}

// F: the channel's stored transmit frequency on the step grid, or the tuned one.
std::int32_t Form1::transmitPosition() const {
    return onChannel() ? positionOf(txChannels[currentChannel - 1]) : tuningSlider.value();
}

// The transmitter goes to F + txShift. A channel needs a transmit frequency
// inside the band, and the shifted frequency that actually goes on the air
// must lie inside the band the operator set too.
bool Form1::transmitAllowed() const {
    if (onChannel()) {
        const std::int32_t transmit = txChannels[currentChannel - 1];
        if (transmit == 0 || outsideBand(transmit)) {
            return false;
        }
    }
    const std::int64_t onAir = frequencyAt(transmitPosition()) + link_.txShift;
    return !outsideBand(static_cast<double>(onAir));
}

void Form1::switchToTransmit() {
    // Never on the air outside the band: a transmit frequency missing or
    // outside the band refuses the switch and nothing changes.
    if (!transmitAllowed()) {
        transmitSwitch.restore(!transmitSwitch.checked());
        prompter_.ask(errorBox(kChannelOutOfBand));
        return;
    }
    link_.key();
    ++switchesToTransmit_;
    startTransmitTimeout();
    showMode(Mode::Transmit);
    tuningSlider.enabled = false;
    transmitSwitch.usableInDisabledWindow = true;
    for (Control* control : std::initializer_list<Control*>{&step50,
                                                            &step25,
                                                            &step100,
                                                            &channelScanMode,
                                                            &rangeScanMode,
                                                            &addChannelButton,
                                                            &bandScanButton,
                                                            &Command3,
                                                            &Command5,
                                                            &configButton,
                                                            &previousChannelButton,
                                                            &nextChannelButton,
                                                            &Command6,
                                                            &Command7,
                                                            &Command8,
                                                            &Command9,
                                                            &Command10,
                                                            &Command11,
                                                            &Command12,
                                                            &Command13}) {
        control->enabled = false;
    }
    sent2(transmitPosition());
}

void Form1::switchToReceive() {
    transmitTimer.setEnabled(false);
    transmitSwitch.usableInDisabledWindow = false;
    showMode(Mode::Receive);
    for (Control* control : std::initializer_list<Control*>{
             &step50, &step25, &step100, &tuningSlider, &channelScanMode, &previousChannelButton,
             &configButton, &nextChannelButton, &rangeScanMode, &bandScanButton}) {
        control->enabled = true;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        if (storedChannel(n)) {
            channelButton(n).enabled = true;
        }
    }
    addChannelButton.enabled = true;
    if (onChannel()) {
        sent1(positionOf(rxChannels[currentChannel - 1]));
    }
    link_.unkey();
    sent1(tuningSlider.value());
}

} // namespace volna
