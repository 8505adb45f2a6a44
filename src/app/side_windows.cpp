// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/side_windows.h"

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "console/console.h"
#include "settings/settings_dialog.h"

namespace volna {

SideWindows::SideWindows(Form1& console, SettingsStore& store, Prompter& prompter,
                         FileChooser* chooser)
    : console_(console), store_(store), prompter_(prompter), chooser_(chooser) {
    console_.openSettings = [this] { settingsDialog().show(); };
    console_.openChannelEditor = [this] { channelEditor().show(); };
    console_.openAddChannel = [this](std::int64_t kHz) {
        Form3& dialog = addChannelDialog();
        dialog.setPassVar(static_cast<double>(kHz));
        dialog.show();
    };
}

SideWindows::~SideWindows() {
    console_.openSettings = nullptr;
    console_.openChannelEditor = nullptr;
    console_.openAddChannel = nullptr;
}

template <class Form> void SideWindows::created(Form& window) {
    if (observer_ != nullptr) {
        observer_->created(window);
    }
}

Form2& SideWindows::channelEditor() {
    if (!channelEditor_) {
        channelEditor_ = std::make_unique<Form2>(console_.program(), store_, prompter_);
        channelEditor_->openLibrary = [this] { channelLibrary().show(); };
        channelEditor_->csv.chooser = chooser_;
        created(*channelEditor_);
    }
    return *channelEditor_;
}

Form3& SideWindows::addChannelDialog() {
    if (!addChannelDialog_) {
        addChannelDialog_ = std::make_unique<Form3>(console_.program(), store_, prompter_);
        addChannelDialog_->openChannelEditor = [this] { channelEditor().show(); };
        addChannelDialog_->openLibrary = [this] { channelLibrary().show(); };
        created(*addChannelDialog_);
    }
    return *addChannelDialog_;
}

Form5& SideWindows::settingsDialog() {
    if (!settingsDialog_) {
        settingsDialog_ = std::make_unique<Form5>(console_.program(), store_, prompter_, console_);
        created(*settingsDialog_);
        settingsDialog_->Form_Load();
    }
    return *settingsDialog_;
}

Form6& SideWindows::channelLibrary() {
    if (!channelLibrary_) {
        channelLibrary_ = std::make_unique<Form6>(console_.program(), store_, prompter_);
        channelLibrary_->csv.chooser = chooser_;
        created(*channelLibrary_);
        channelLibrary_->Form_Load();
    }
    return *channelLibrary_;
}

} // namespace volna
