// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/port_loss.h"

#include "console/console.h"
#include "toolkit/prompter.h"

namespace volna {

void PortLossWatch::check() {
    if (reported_ || port_.switched()) {
        return;
    }
    const std::string fault = port_.fault();
    if (fault.empty()) {
        return;
    }
    reported_ = true; // before the box: events run while it is open
    const Answer answer = prompter_.ask(questionBox(fault + "\n\n" + kPortLostQuestion));
    // The box may have been open a long while: a chip that only stalled may
    // take the drop now, before the console moves off it or ends.
    port_.tryHardwareDrop();
    if (answer == Answer::Yes) {
        port_.switchTo(makeSimulated_());
        console_.title = kSimulatedConsoleTitle;
        console_.caption = console_.title;
        return;
    }
    console_.endProgram();
}

} // namespace volna
