// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio for the protocol tests that records every tune and switch it is
// asked for and answers each with the result the test sets: 145.5 MHz on the
// read-out, the 2 m band at 25 kHz a notch, a 600 kHz shift below.

#include "remote/rig_protocol.h"

#include <cstdint>
#include <string>
#include <vector>

namespace volna::test {

class RecordingRig : public RigControl {
public:
    std::int64_t frequencyHz() override { return 145500000; }
    Result tune(double hz) override {
        tunes.push_back(hz);
        return result;
    }
    bool onCurrentNotch(double) override { return false; }
    bool transmitting() override { return transmit; }
    std::uint64_t transmission() override { return transmit ? 1 : 0; }
    Result setTransmit(bool on) override {
        switches.push_back(on);
        return result;
    }
    bool busy() override { return carrier; }
    std::int64_t lowestHz() const override { return 144000000; }
    std::int64_t highestHz() const override { return 146000000; }
    std::int64_t stepHz() const override { return 25000; }
    std::int64_t transmitShiftHz() const override { return shiftHz; }
    std::string info() const override { return "VOLNA144 2.03 on the test rig"; }

    Result result = Result::Ok;
    bool transmit = false;
    bool carrier = false;
    std::int64_t shiftHz = -600000;
    std::vector<double> tunes;
    std::vector<bool> switches;
};

} // namespace volna::test
