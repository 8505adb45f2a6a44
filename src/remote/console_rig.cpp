// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/console_rig.h"

#include "console/console.h"
#include "domain/numbers.h"
#include "toolkit/program.h"

#include <cmath>

namespace volna {

namespace {

std::int64_t kHzToHz(double kHz) {
    return std::llround(kHz * 1000.0);
}

} // namespace

std::int64_t ConsoleRig::frequencyHz() {
    return kHzToHz(static_cast<double>(form_.tunedKHz()));
}

RigControl::Result ConsoleRig::tune(double hz) {
    if (!std::isfinite(hz)) {
        return Result::OutOfBand;
    }
    switch (form_.moveSliderTo(positionOf(form_.band(), hz / 1000.0))) {
    case Form1::SliderMove::BeyondEnds:
        return Result::OutOfBand;
    case Form1::SliderMove::Refused:
        return Result::Rejected;
    default:
        return Result::Ok;
    }
}

bool ConsoleRig::onCurrentNotch(double hz) {
    return std::isfinite(hz) && positionOf(form_.band(), hz / 1000.0) == form_.tuningSlider.value();
}

bool ConsoleRig::transmitting() {
    return form_.transmitting();
}

std::uint64_t ConsoleRig::transmission() {
    return form_.transmission();
}

RigControl::Result ConsoleRig::setTransmit(bool on) {
    if (form_.transmitting() == on) {
        return Result::Ok;
    }
    if (!on) {
        form_.program().runEvent([this] { form_.dropToReceive(); });
        return form_.transmitting() ? Result::Rejected : Result::Ok; // refused only once ending
    }
    if (!form_.transmitSwitch.takesInput() || !form_.transmitAllowed()) {
        return Result::Rejected;
    }
    form_.program().click(form_.transmitSwitch);
    return form_.transmitting() ? Result::Ok : Result::Rejected;
}

bool ConsoleRig::busy() {
    return form_.link().receiverBusy();
}

std::int64_t ConsoleRig::lowestHz() const {
    return kHzToHz(form_.band().lowerKHz);
}

std::int64_t ConsoleRig::highestHz() const {
    return kHzToHz(form_.band().upperKHz);
}

std::int64_t ConsoleRig::stepHz() const {
    return kHzToHz(stepKHz(form_.band()));
}

std::int64_t ConsoleRig::transmitShiftHz() const {
    return std::int64_t{form_.link().txShift} * 1000;
}

} // namespace volna
