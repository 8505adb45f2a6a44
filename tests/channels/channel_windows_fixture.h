// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel windows beside the console, for scenario tests.

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "settings/channel_store.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"

#include <string>
#include <string_view>

namespace volna::test {

// The editor and the dialog in the console's program, on its store and
// prompter, so that a test saves in a channel window and sees what the
// console takes over when it is activated again.
class ChannelWindowsFixture : public ConsoleFixture {
protected:
    // Starts the console if it is not running yet and shows window in front of
    // it, as the console's controls do; then forgets the store's log.
    void open(Window& window) {
        if (!form.shown()) {
            start();
        }
        program.runEvent([&] { window.show(); });
        ASSERT_EQ(program.activeWindow(), &window);
        store.clearLog();
    }
    // Channel n as the store holds it, a missing key read as "<missing>".
    ChannelTexts storedChannel(int n) { return ChannelStore(store).channel(n, "<missing>"); }

    Form2 editor{program, store, prompter};
    Form3 dialog{program, store, prompter};
};

} // namespace volna::test
