// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio for the network tests that takes every tune and switch and counts
// them: 145 MHz on the read-out, the 2 m band at 25 kHz a notch, never busy.

#include "remote/rig_protocol.h"

#include <cmath>
#include <cstdint>

namespace volna::test {

class AcceptingRig : public RigControl {
public:
    std::int64_t frequencyHz() override { return 145000000; }
    Result tune(double) override {
        ++tunes;
        return Result::Ok;
    }
    // The notch of the read-out spans half a step either side of it.
    bool onCurrentNotch(double hz) override {
        return std::abs(hz - static_cast<double>(frequencyHz())) < stepHz() / 2.0;
    }
    bool transmitting() override { return transmit; }
    std::uint64_t transmission() override { return transmit ? number : 0; }
    Result setTransmit(bool on) override {
        ++switches;
        number += on && !transmit ? 1 : 0;
        transmit = on;
        return Result::Ok;
    }
    bool busy() override { return false; }
    std::int64_t lowestHz() const override { return 144000000; }
    std::int64_t highestHz() const override { return 146000000; }
    std::int64_t stepHz() const override { return 25000; }
    std::int64_t transmitShiftHz() const override { return -600000; }
    std::string info() const override { return "VOLNA144 test rig"; }

    bool transmit = false;
    std::uint64_t number = 1; // the transmission on the air or the last; each key starts a new one
    int tunes = 0;
    int switches = 0;
};

} // namespace volna::test
