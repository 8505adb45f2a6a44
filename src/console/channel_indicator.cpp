// The channel indicator: channelIndicator names the memory channel whose receive
// frequency is on the read-out ("NONE" when there is none) and statusLine shows its
// comment. indicatorTimer keeps it in step; it also runs right after every event, so
// the indicator follows a retune at once without the timer polling fast.

#include "console/console.h"
#include "domain/numbers.h"

#include <string>

namespace volna {

double Form1::readOutKHz() const {
    return leadingNumber(readOut.caption);
}

int Form1::shownChannel() const {
    if (channelIndicator.caption == kNoChannel) {
        return 0;
    }
    return static_cast<int>(leadingNumber(channelIndicator.caption));
}

void Form1::Timer5_Timer() {
    const double tunedKHz = readOutKHz();
    if (channelIndicator.caption != kNoChannel) {
        const int shown = shownChannel();
        if (shown >= 1 && shown <= kChannelCount) {
            const std::int32_t channel = rxChannels[shown - 1];
            if (channel != 0 && channel == tunedKHz) {
                return;
            }
        }
        statusLine.caption.clear();
    }
    for (int i = 0; i < kChannelCount; ++i) {
        if (rxChannels[i] != 0 && rxChannels[i] == tunedKHz) {
            channelIndicator.caption = std::to_string(i + 1);
            statusLine.caption = rxComments[i];
            return;
        }
    }
    channelIndicator.caption = kNoChannel;
}

} // namespace volna
