// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side windows: the channel editor, the add-channel dialog, the
// settings dialog and the channel library. Each is created the first time it
// is wanted and then only shown and hidden. This class wires the ways between
// them ("Config", "Channel", "Добавить канал", "Каналы", "Библиотека"); the
// windows themselves only talk through the settings store.

#include <memory>

namespace volna {

class Form1;
class Form2;
class Form3;
class Form5;
class Form6;
class FileChooser;
class Prompter;
class SettingsStore;

class SideWindows {
public:
    // Told of every window when it is created, before it is first shown (the
    // Qt layer draws it from then on), by the window's own type.
    class Observer {
    public:
        virtual void created(Form2& channelEditor) = 0;
        virtual void created(Form3& addChannelDialog) = 0;
        virtual void created(Form5& settingsDialog) = 0;
        virtual void created(Form6& channelLibrary) = 0;

    protected:
        ~Observer() = default;
    };

    // chooser is the file dialog of the channel windows' CSV buttons; without
    // one those buttons do nothing.
    SideWindows(Form1& console, SettingsStore& store, Prompter& prompter,
                FileChooser* chooser = nullptr);
    ~SideWindows();
    SideWindows(const SideWindows&) = delete;
    SideWindows& operator=(const SideWindows&) = delete;

    Form2& channelEditor();
    Form3& addChannelDialog();
    Form5& settingsDialog();
    Form6& channelLibrary();

    // From here on observer is told of each window created; nullptr: nobody is.
    void setObserver(Observer* observer) { observer_ = observer; }

private:
    template <class Form> void created(Form& window);

    Form1& console_;
    SettingsStore& store_;
    Prompter& prompter_;
    FileChooser* chooser_;
    Observer* observer_ = nullptr;
    std::unique_ptr<Form2> channelEditor_;
    std::unique_ptr<Form3> addChannelDialog_;
    std::unique_ptr<Form5> settingsDialog_;
    std::unique_ptr<Form6> channelLibrary_;
};

} // namespace volna
