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

std::unique_ptr<FormView> makeSideView(Window& window) {
    if (auto* editor = dynamic_cast<Form2*>(&window)) {
        return std::make_unique<ChannelEditorWindow>(*editor);
    }
    if (auto* dialog = dynamic_cast<Form3*>(&window)) {
        return std::make_unique<AddChannelWindow>(*dialog);
    }
    if (auto* settings = dynamic_cast<Form5*>(&window)) {
        return std::make_unique<SettingsWindow>(*settings);
    }
    if (auto* library = dynamic_cast<Form6*>(&window)) {
        return std::make_unique<ChannelLibraryWindow>(*library);
    }
    return nullptr;
}

} // namespace volna
