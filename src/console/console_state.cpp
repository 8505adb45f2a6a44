// SPDX-License-Identifier: GPL-3.0-or-later
// The console's state as values: receive or transmit, the scan that runs, the
// tuned frequency and the channel on the indicator. Each setter keeps its
// value and draws the captions that show it; nothing reads a caption back.

#include "console/console.h"

#include <string>

namespace volna {

namespace {

// The transmit switch names the mode its next click switches to.
constexpr const char* kToTransmit = "TX";
constexpr const char* kToReceive = "RX";
// "Channel scan" until the channel scan has stopped once, then this.
constexpr const char* kChannelScanAgainCaption = "Channel Scan";

} // namespace

bool Form1::transmitting() const {
    return mode_ == Mode::Transmit;
}

void Form1::showMode(Mode mode) {
    mode_ = mode;
    const bool transmit = mode == Mode::Transmit;
    modeIndicator.caption = transmit ? "TX" : "RX";
    transmitSwitch.caption = transmit ? kToReceive : kToTransmit;
}

void Form1::showScan(Scan scan) {
    scan_ = scan;
    bandScanButton.caption = bandScanRunning() ? kStopCaption : kScanCaption;
    if (channelScanRunning()) {
        channelScanButton.caption = kStopCaption;
    } else {
        channelScanButton.caption =
            channelScanStopped_ ? kChannelScanAgainCaption : kChannelScanCaption;
    }
}

void Form1::showTuned(std::int64_t kHz, std::optional<std::int64_t> onAirKHz) {
    tunedKHz_ = kHz;
    readOut.caption = std::to_string(onAirKHz.value_or(kHz));
}

void Form1::showChannel(int k) {
    shownChannel_ = k;
    channelIndicator.caption = k == 0 ? kNoChannel : std::to_string(k);
}

} // namespace volna
