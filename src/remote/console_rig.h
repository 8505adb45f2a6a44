// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio as a network client sees it, built on the console Form1: every change
// goes through the Program as the operator's own slider move or switch click, so
// the console shows it at once and refuses it wherever it refuses the operator.

#include "remote/rig_protocol.h"

#include <string>
#include <utility>

namespace volna {

class Form1;

class ConsoleRig : public RigControl {
public:
    // info: the program, its version and the port, for clients that ask.
    ConsoleRig(Form1& form, std::string info) : form_(form), info_(std::move(info)) {}

    // The read-out (kHz) in Hz.
    std::int64_t frequencyHz() override;
    // The nearest slider notch at the current step; out of band when that notch
    // lies beyond either end of the slider, rejected while the slider takes no
    // input. The notch already on the slider is taken without a retune, so a
    // memory channel on the read-out stays chosen.
    Result tune(double hz) override;
    bool onCurrentNotch(double hz) override;
    bool transmitting() override;
    std::uint64_t transmission() override;
    // To transmit through the transmit switch: rejected while the switch takes
    // no input and when the transmit frequency is not in the band (before the
    // click, so no message box is shown). Back to receive as the switch's
    // click does, whatever holds the console's input: never refused. The
    // state already asked for is taken as it is.
    Result setTransmit(bool on) override;
    // Reads the status register; the console shows nothing.
    bool busy() override;
    std::int64_t lowestHz() const override;
    std::int64_t highestHz() const override;
    std::int64_t stepHz() const override;
    // The console's transmit offset (kHz) in Hz.
    std::int64_t transmitShiftHz() const override;
    std::string info() const override { return info_; }

private:
    Form1& form_;
    std::string info_;
};

} // namespace volna
