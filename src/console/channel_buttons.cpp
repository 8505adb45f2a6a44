// The ten channel buttons, stepping with "<-" and "->", and "Добавить канал".
// A channel button records its channel as current first, then tunes it; the
// two step buttons follow different rules from "NONE" and wrap around.

#include "console/console.h"
#include "settings/numbers.h"
#include "toolkit/prompter.h"

#include <string>

namespace volna {

bool Form1::outsideBand(double kHz) const {
    return kHz < lowerBound || kHz > upperBound;
}

void Form1::refuseOutOfBandChannel() {
    prompter_.ask(errorBox(kChannelOutOfBand));
}

void Form1::selectChannel(int k) {
    currentChannel = k;
    if (Check3.checked()) {
        return;
    }
    const std::int32_t frequency = rxChannels[k - 1];
    if (outsideBand(frequency)) {
        refuseOutOfBandChannel();
        return;
    }
    CoMMent();
    Label9.caption = rxComments[k - 1];
    sent1(positionOf(frequency));
    Label17.caption = std::to_string(k);
}

// Tunes channel j for "<-" and "->"; the current channel is left as it was.
void Form1::stepToChannel(int j) {
    const std::int32_t frequency = rxChannels[j - 1];
    if (!Check3.checked() && outsideBand(frequency)) {
        refuseOutOfBandChannel();
        return;
    }
    CoMMent();
    Label9.caption = rxComments[j - 1];
    sent1(positionOf(frequency));
    Label17.caption = std::to_string(j);
}

void Form1::Command15_Click() {
    if (Label17.caption == kNoChannel) {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (storedChannel(n)) {
                stepToChannel(n);
                return;
            }
        }
        return;
    }
    const int k = static_cast<int>(leadingNumber(Label17.caption));
    for (int j = k - 1; j >= 1; --j) {
        if (storedChannel(j)) {
            stepToChannel(j);
            return;
        }
    }
    for (int j = kChannelCount; j >= k + 1; --j) {
        if (storedChannel(j)) {
            stepToChannel(j);
            return;
        }
    }
}

void Form1::Command16_Click() {
    if (Label17.caption == kNoChannel) {
        const double readOut = leadingNumber(Label1.caption);
        for (int n = 1; n <= kChannelCount; ++n) {
            if (storedChannel(n) && rxChannels[n - 1] > readOut) {
                stepToChannel(n);
                return;
            }
        }
        for (int n = 1; n <= kChannelCount; ++n) {
            if (storedChannel(n)) {
                stepToChannel(n);
                return;
            }
        }
        return;
    }
    const int k = static_cast<int>(leadingNumber(Label17.caption));
    for (int j = k + 1; j <= kChannelCount; ++j) {
        if (storedChannel(j)) {
            stepToChannel(j);
            return;
        }
    }
    for (int j = 1; j <= k; ++j) {
        if (storedChannel(j)) {
            stepToChannel(j);
            return;
        }
    }
}

void Form1::Command14_Click() {
    const std::int64_t frequency =
        static_cast<std::int64_t>(Slider1.value()) * rasterKHz * stepFactor + lowerBound;
    if (openAddChannel) {
        openAddChannel(frequency);
    }
}

} // namespace volna
