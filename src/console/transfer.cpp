// The console's two transfers: every retune ends here. Each builds the control
// word for the slider's position, shows it and the frequencies on the console,
// and clocks it out on the parallel port.

#include "console/console.h"
#include "domain/numbers.h"
#include "synth/control_word.h"

#include <string>

namespace volna {

void Form1::sent1(std::int32_t position) {
    controlBits.fill(0);
    tuningSlider.setValue(position);
    transfer(false);
}

void Form1::sent2(std::int32_t position) {
    controlBits.fill(0);
    tuningSlider.setValue(position);
    transfer(true);
}

void Form1::receiveTransfer() {
    controlBits.fill(0);
    transfer(false);
}

void Form1::transfer(bool transmit) {
    const std::int32_t position = tuningSlider.value();
    const std::int64_t frequency = frequencyAt(position);
    readOut.caption = std::to_string(frequency);
    positionReadOut.caption = std::to_string(position);
    const float divider =
        transmit ? transmitDivider(lowerBound, txShift, rasterKHz, stepFactor, position)
                 : receiveDivider(lowerBound, ifOffset, rasterKHz, stepFactor, position);
    controlBits = buildControlWord(divider);
    controlWordReadOut.caption = wordText(controlBits);
    const double synthesizer = transmit ? static_cast<double>(frequency) : frequency + ifOffset;
    synthesizerReadOut.caption = formatNumber(synthesizer);
    if (outputEnabled == 0) {
        return;
    }
    clockOutWord(port_, controlBits, roundDelay(delay1), roundDelay(delay2), transmit);
    dataRegister_ = transmit ? kTransmitLine : 0; // how every transfer leaves the port
}

void Form1::writeDataRegister(int value) {
    port_.out(kDataRegister, value);
    dataRegister_ = value;
}

void Form1::releaseTransmitLine() {
    if ((dataRegister_ & kTransmitLine) != 0) {
        writeDataRegister(0);
    }
}

} // namespace volna
