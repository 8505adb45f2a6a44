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

void Form1::transfer(bool transmit) {
    const std::int32_t position = tuningSlider.value();
    showTuned(frequencyAt(position));
    positionReadOut.caption = std::to_string(position);
    const SynthLink::Sent sent = link_.send(band(), position, transmit);
    controlWordReadOut.caption = wordText(sent.word);
    synthesizerReadOut.caption = formatNumber(sent.synthesizerKHz);
}

void Form1::releaseTransmitLine() {
    link_.releaseTransmitLine();
}

} // namespace volna
