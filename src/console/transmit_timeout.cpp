// SPDX-License-Identifier: GPL-3.0-or-later
// The transmit time-out: every transmission, the operator's or a network
// client's, ends once it has lasted the limit the operator set in "Config"
// (whole minutes; 0: no limit), as a radio's time-out timer ends it, so that
// a hung client, a chained rigctld that keeps its connection after its own
// client vanished, or an operator who walked away does not keep the carrier
// on. The count runs on a timer of the console, on the program's clock.

#include "console/console.h"
#include "settings/settings_dialog.h"
#include "toolkit/prompter.h"

namespace volna {

namespace {

constexpr int kMsPerMinute = 60 * 1000;

} // namespace

void Form1::startTransmitTimeout() {
    transmitTimer.setEnabled(false);
    const int minutes = storedTransmitTimeoutMinutes(store_);
    if (minutes > 0) {
        transmitTimer.setInterval(minutes * kMsPerMinute);
        transmitTimer.setEnabled(true);
    }
}

// Also while a message box waits for its answer (a tick runs in the box's
// event loop): the box then comes on top of it.
void Form1::transmitTimer_Timer() {
    transmitTimer.setEnabled(false);
    if (!transmitting()) {
        return;
    }
    dropToReceive();
    prompter_.ask(informationBox(kTransmitTimedOut));
}

} // namespace volna
