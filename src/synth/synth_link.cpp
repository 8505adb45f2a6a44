// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/synth_link.h"

#include <cmath>

namespace volna {

SynthLink::Sent SynthLink::send(const Band& band, std::int32_t position, bool transmit) {
    const auto lower = band.lowerKHz;
    const float divider =
        transmit ? transmitDivider(lower, txShift, band.rasterKHz, band.stepFactor, position)
                 : receiveDivider(lower, ifOffset, band.rasterKHz, band.stepFactor, position);
    // Whole kHz, as the read-out shows the tuned frequency.
    const auto tuned = static_cast<double>(static_cast<std::int64_t>(frequencyAt(band, position)));
    // The synthesizer takes the divider's whole part, as the word carries it.
    const double carrier = std::floor(static_cast<double>(divider)) * band.rasterKHz;
    const Sent sent{buildControlWord(divider), transmit ? carrier : tuned + ifOffset};
    if (outputEnabled) {
        clockOutWord(port_, sent.word, roundDelay(delay1), roundDelay(delay2), transmit);
        dataRegister_ = transmit ? kTransmitLine : 0; // how every transfer leaves the port
    }
    return sent;
}

void SynthLink::releaseTransmitLine() {
    if ((dataRegister_ & kTransmitLine) != 0) {
        unkey();
    }
}

bool SynthLink::receiverBusy() {
    const auto status = static_cast<std::int16_t>(port_.in(kStatusRegister));
    return status > kBusyThreshold;
}

void SynthLink::writeDataRegister(int value) {
    port_.out(kDataRegister, value);
    dataRegister_ = value;
}

} // namespace volna
