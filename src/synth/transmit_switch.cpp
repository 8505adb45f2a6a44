// The transmit switch Check4. Its caption names the mode the next click
// switches to ("TX" while receiving, "RX" while transmitting); the tick is
// never read. Going to transmit raises the transmit line, locks the tuning and
// channel controls and sends the transmit word; coming back unlocks them,
// drops the line and sends the receive word.

#include "console/console.h"
#include "toolkit/prompter.h"

namespace volna {

namespace {

constexpr const char* kToTransmit = "TX";
constexpr const char* kToReceive = "RX";

} // namespace

bool Form1::transmitting() const {
    return Check4.caption == kToReceive;
}

void Form1::Check4_Click() {
    if (transmitting()) {
        switchToReceive();
    } else {
        switchToTransmit();
    }
}

// The transmitter goes to F + txShift, where F is the tuned frequency, or with
// a channel its stored transmit frequency on the step grid. A channel needs a
// transmit frequency inside the band, and the shifted frequency that actually
// goes on the air must lie inside the band the operator set too.
bool Form1::transmitAllowed() const {
    std::int32_t position = Slider1.value();
    if (currentChannel >= 1 && currentChannel <= kChannelCount) {
        const std::int32_t transmit = txChannels[currentChannel - 1];
        if (transmit == 0 || outsideBand(transmit)) {
            return false;
        }
        position = positionOf(transmit);
    }
    const std::int64_t onAir = frequencyAt(position) + txShift;
    return !outsideBand(static_cast<double>(onAir));
}

void Form1::switchToTransmit() {
    // Never on the air outside the band: a transmit frequency missing or
    // outside the band refuses the switch and nothing changes.
    if (!transmitAllowed()) {
        Check4.restore(!Check4.checked());
        prompter_.ask(errorBox(kChannelOutOfBand));
        return;
    }
    writeDataRegister(kTransmitLine);
    Label5.caption = "TX";
    Slider1.enabled = false;
    Check4.caption = kToReceive;
    for (Control* control : std::initializer_list<Control*>{
             &Option1,  &Option2,  &Option3,   &Check3,    &Check1,    &Command14, &Command2,
             &Command3, &Command5, &Command17, &Command15, &Command16, &Command6,  &Command7,
             &Command8, &Command9, &Command10, &Command11, &Command12, &Command13}) {
        control->enabled = false;
    }
    if (currentChannel >= 1 && currentChannel <= kChannelCount) {
        sent2(positionOf(txChannels[currentChannel - 1]));
    } else {
        sent2(Slider1.value());
    }
}

void Form1::switchToReceive() {
    Check4.caption = kToTransmit;
    Label5.caption = "RX";
    for (Control* control :
         std::initializer_list<Control*>{&Option1, &Option2, &Option3, &Slider1, &Check3,
                                         &Command15, &Command17, &Command16, &Check1, &Command2}) {
        control->enabled = true;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        if (storedChannel(n)) {
            channelButton(n).enabled = true;
        }
    }
    Command14.enabled = true;
    if (currentChannel >= 1 && currentChannel <= kChannelCount) {
        sent1(positionOf(rxChannels[currentChannel - 1]));
    }
    writeDataRegister(0);
    sent1(Slider1.value());
}

} // namespace volna
