// SPDX-License-Identifier: GPL-3.0-or-later
// The console's two transfers: every retune ends here. Each has the
// synthesizer link build and clock out the control word for the slider's
// position, and shows it and the frequencies on the console.

#include "console/console.h"
#include "domain/numbers.h"

#include <string>

namespace volna {

void Form1::sent1(std::int32_t position) {
    tuningSlider.setValue(position);
    transfer(false);
}

void Form1::sent2(std::int32_t position) {
    tuningSlider.setValue(position);
    transfer(true);
}

void Form1::receiveTransfer() {
    transfer(false);
}

// While transmitting, the read-out and the synthesizer's frequency both show
// the carrier: the frequency on the air, not the tuned one.
void Form1::transfer(bool transmit) {
    const std::int32_t position = tuningSlider.value();
    const SynthLink::Sent sent = link_.send(band(), position, transmit);
    const auto carrier = static_cast<std::int64_t>(sent.synthesizerKHz);
    showTuned(frequencyAt(position), transmit ? std::optional(carrier) : std::nullopt);
    positionReadOut.caption = std::to_string(position);
    controlWordReadOut.caption = wordText(sent.word);
    synthesizerReadOut.caption = formatNumber(sent.synthesizerKHz);
}

void Form1::releaseTransmitLine() {
    link_.releaseTransmitLine();
}

} // namespace volna
