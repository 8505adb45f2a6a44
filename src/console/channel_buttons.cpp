// SPDX-License-Identifier: GPL-3.0-or-later
// The ten channel buttons, stepping with "<-" and "->", and "Добавить канал".
// A channel button records its channel as current first, then tunes it; the
// two step buttons follow different rules from "NONE" and wrap around.

#include "console/console.h"
#include "domain/numbers.h"
#include "toolkit/prompter.h"

#include <string>

namespace volna {

void Form1::refuseOutOfBandChannel() {
    prompter_.ask(errorBox(kChannelOutOfBand));
}

void Form1::selectChannel(int k) {
    currentChannel = k;
    if (channelScanMode.checked()) {
        return;
    }
    const std::int32_t frequency = rxChannels[k - 1];
    if (outsideBand(frequency)) {
        refuseOutOfBandChannel();
        return;
    }
    CoMMent();
    statusLine.caption = rxComments[k - 1];
    sent1(positionOf(frequency));
    showChannel(k);
}

// Tunes channel j for "<-" and "->"; the current channel is left as it was.
void Form1::stepToChannel(int j) {
    const std::int32_t frequency = rxChannels[j - 1];
    if (!channelScanMode.checked() && outsideBand(frequency)) {
        refuseOutOfBandChannel();
        return;
    }
    CoMMent();
    statusLine.caption = rxComments[j - 1];
    sent1(positionOf(frequency));
    showChannel(j);
}

int Form1::firstStored(int from, int to, int step) const {
    for (int n = from; step > 0 ? n <= to : n >= to; n += step) {
        if (storedChannel(n)) {
            return n;
        }
    }
    return 0;
}

// "<-": from "NONE" the lowest stored channel; otherwise the next stored one
// downwards, round from 10, never the current one itself.
void Form1::Command15_Click() {
    int next = 0;
    if (shownChannel_ == 0) {
        next = firstStored(1, kChannelCount, +1);
    } else {
        const int k = shownChannel_;
        next = firstStored(k - 1, 1, -1);
        if (next == 0) {
            next = firstStored(kChannelCount, k + 1, -1);
        }
    }
    if (next != 0) {
        stepToChannel(next);
    }
}

// "->": from "NONE" the first channel above the read-out, else the lowest
// stored one; otherwise the next stored one upwards, round from 1, the current
// one last.
void Form1::Command16_Click() {
    int next = 0;
    if (shownChannel_ == 0) {
        for (int n = 1; n <= kChannelCount && next == 0; ++n) {
            if (storedChannel(n) && rxChannels[n - 1] > tunedKHz_) {
                next = n;
            }
        }
        if (next == 0) {
            next = firstStored(1, kChannelCount, +1);
        }
    } else {
        const int k = shownChannel_;
        next = firstStored(k + 1, kChannelCount, +1);
        if (next == 0) {
            next = firstStored(1, k, +1);
        }
    }
    if (next != 0) {
        stepToChannel(next);
    }
}

void Form1::Command14_Click() {
    const std::int64_t frequency = frequencyAt(tuningSlider.value());
    if (openAddChannel) {
        openAddChannel(frequency);
    }
}

} // namespace volna
