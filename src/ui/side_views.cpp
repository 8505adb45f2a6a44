// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/side_views.h"

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "settings/settings_dialog.h"
#include "ui/add_channel_window.h"
#include "ui/channel_editor_window.h"
#include "ui/channel_library_window.h"
#include "ui/settings_window.h"

namespace volna {

std::unique_ptr<FormView> makeSideView(Form2& channelEditor) {
    return std::make_unique<ChannelEditorWindow>(channelEditor);
}

std::unique_ptr<FormView> makeSideView(Form3& addChannelDialog) {
    return std::make_unique<AddChannelWindow>(addChannelDialog);
}

std::unique_ptr<FormView> makeSideView(Form5& settingsDialog) {
    return std::make_unique<SettingsWindow>(settingsDialog);
}

std::unique_ptr<FormView> makeSideView(Form6& channelLibrary) {
    return std::make_unique<ChannelLibraryWindow>(channelLibrary);
}

} // namespace volna
