// SPDX-License-Identifier: GPL-3.0-or-later
// The channel indicator: channelIndicator names the memory channel whose receive
// frequency is on the read-out ("NONE" when there is none) and statusLine shows its
// comment. indicatorTimer keeps it in step; it also runs right after every event, so
// the indicator follows a retune at once without the timer polling fast.

#include "console/console.h"

namespace volna {

void Form1::Timer5_Timer() {
    if (shownChannel_ != 0) {
        const std::int32_t channel = rxChannels[shownChannel_ - 1];
        if (channel != 0 && channel == tunedKHz_) {
            return;
        }
        statusLine.caption.clear();
    }
    for (int i = 0; i < kChannelCount; ++i) {
        if (rxChannels[i] != 0 && rxChannels[i] == tunedKHz_) {
            showChannel(i + 1);
            statusLine.caption = rxComments[i];
            return;
        }
    }
    showChannel(0);
}

} // namespace volna
