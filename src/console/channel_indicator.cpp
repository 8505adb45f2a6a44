// The channel indicator: Label17 names the memory channel whose receive
// frequency is on the read-out ("NONE" when there is none) and Label9 shows its
// comment. Timer5 keeps it in step; it also runs right after every event, so
// the indicator follows a retune at once without the timer polling fast.

#include "console/console.h"
#include "settings/numbers.h"

#include <string>

namespace volna {

void Form1::Timer5_Timer() {
    const double readOut = leadingNumber(Label1.caption);
    if (Label17.caption != kNoChannel) {
        const double shown = leadingNumber(Label17.caption);
        if (shown >= 1 && shown <= kChannelCount) {
            const std::int32_t channel = rxChannels[static_cast<std::size_t>(shown) - 1];
            if (channel != 0 && channel == readOut) {
                return;
            }
        }
        Label9.caption.clear();
    }
    for (int i = 0; i < kChannelCount; ++i) {
        if (rxChannels[i] != 0 && rxChannels[i] == readOut) {
            Label17.caption = std::to_string(i + 1);
            Label9.caption = rxComments[i];
            return;
        }
    }
    Label17.caption = kNoChannel;
}

} // namespace volna
