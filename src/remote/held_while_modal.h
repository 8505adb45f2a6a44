// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's rig as network clients reach it: while a message box is open
// the operator cannot touch the console and the handler that opened the box
// has not returned, so a tune or keying that would change something is
// refused then; a tune to the notch on the slider, a switch to the state in
// force, every read and the switch back to receive go through: a box never
// holds a transmission on the air.

#include "remote/rig_protocol.h"

#include <functional>
#include <utility>

namespace volna {

class HeldWhileModal : public RigControl {
public:
    // boxOpen tells whether a message box is open now.
    HeldWhileModal(RigControl& rig, std::function<bool()> boxOpen)
        : rig_(rig), boxOpen_(std::move(boxOpen)) {}

    std::int64_t frequencyHz() override { return rig_.frequencyHz(); }
    Result tune(double hz) override {
        if (boxOpen_()) {
            return rig_.onCurrentNotch(hz) ? Result::Ok : Result::Rejected;
        }
        return rig_.tune(hz);
    }
    bool onCurrentNotch(double hz) override { return rig_.onCurrentNotch(hz); }
    bool transmitting() override { return rig_.transmitting(); }
    std::uint64_t transmission() override { return rig_.transmission(); }
    // Keying waits for the box, and a switch to the state in force is
    // answered without asking the rig; the way back to receive never waits.
    Result setTransmit(bool on) override {
        if (boxOpen_() && (on || !rig_.transmitting())) {
            return rig_.transmitting() == on ? Result::Ok : Result::Rejected;
        }
        return rig_.setTransmit(on);
    }
    bool busy() override { return rig_.busy(); }
    std::int64_t lowestHz() const override { return rig_.lowestHz(); }
    std::int64_t highestHz() const override { return rig_.highestHz(); }
    std::int64_t stepHz() const override { return rig_.stepHz(); }
    std::int64_t transmitShiftHz() const override { return rig_.transmitShiftHz(); }
    std::string info() const override { return rig_.info(); }

private:
    RigControl& rig_;
    std::function<bool()> boxOpen_;
};

} // namespace volna
