// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The add-channel dialog Form3 and its working copy of the ten channels.

#include "channels/channel_editor.h"
#include "domain/band.h"
#include "settings/channel_store.h"
#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace volna {

class Prompter;
class SettingsStore;

inline constexpr const char* kAddChannelTitle = "Добавление канала";
inline constexpr const char* kDuplicateQuestion =
    "Канал с такой частатой приёма уже существует! Хотите внести его?";
inline constexpr const char* kAllChannelsTakenMessage =
    "Все каналы заняты! Освободите место и повторите попытку.";

// Stores a proposed frequency (PassVar, handed over by the console) as a new
// memory channel in the first free slot, with a transmit frequency and a
// comment. Talks to the settings store and the prompter only.
class Form3 : public Window {
public:
    Form3(Program& program, SettingsStore& store, Prompter& prompter);

    // The proposed frequency, kHz; 0 until the console hands one over. It is
    // kept between showings and put into both frequency boxes at activation.
    std::int32_t PassVar() const { return passVar_; }
    // Takes the value rounded to a whole kHz, halves to even.
    void setPassVar(double kHz);
    // Takes a text that is a number as a whole; any other text is ignored.
    void setPassVar(std::string_view text);

    // Show the channel editor and the library; "Каналы" and "Библиотека" do
    // nothing while they are empty.
    std::function<void()> openChannelEditor;
    std::function<void()> openLibrary;

    // The band, read at every activation, kHz (console/stored_band.h).
    double lowerBound = 0;
    double upperBound = 0;
    // Channels 1..10 as stored at the last activation or save; a save reads
    // them again and rewrites them all.
    std::array<ChannelTexts, kChannelCount> channels;

    Frame Frame1{*this, "Frame1", "Параметры канала"};
    Label Label1{*this, "Label1", kReceiveCaption};
    TextBox Text3{*this, "Text3", kFrequencyLength}; // receive, kHz
    Label Label2{*this, "Label2", kTransmitCaption};
    TextBox Text4{*this, "Text4", kFrequencyLength}; // transmit, kHz
    Label Label3{*this, "Label3", kCommentCaption};
    TextBox Text2{*this, "Text2", kCommentLength};
    Slider Slider1{*this, "Slider1"}; // transmit frequency over the band, 25 kHz a notch
    Button Command1{*this, "Command1", "Сохранить и выйти"};
    Button Command2{*this, "Command2", kChannelsCaption};
    Button Command3{*this, "Command3", kExitCaption};
    Button Command4{*this, "Command4", kLibraryCaption};
    // Readable names over the control names: alias, control, role. The
    // handlers and the tests use the aliases; the control names stay the
    // object names the windows and the store know.
    // clang-format off
    TextBox& receiveBox    = Text3;    // receive frequency, kHz
    TextBox& transmitBox   = Text4;    // transmit frequency, kHz
    TextBox& commentBox    = Text2;    // the channel's comment
    Slider& transmitSlider = Slider1;  // transmit frequency over the band, 25 kHz a notch
    Button& saveButton     = Command1; // "Сохранить и выйти"
    Button& channelsButton = Command2; // "Каналы": the channel editor
    Button& exitButton     = Command3; // "Выход"
    Button& libraryButton  = Command4; // "Библиотека"
    // clang-format on

    // Reloads the band and the channels and proposes PassVar afresh.
    void Form_Activate() override;
    void Slider1_Scroll();
    void Command1_Click(); // "Сохранить и выйти"
    void Command2_Click(); // "Каналы"
    void Command3_Click(); // "Выход"
    void Command4_Click(); // "Библиотека"
    // Closing the frame leaves the dialog as "Выход" does.
    void closeRequested() override;

private:
    // The message of the first completeness or range fault, nullptr if none.
    const char* entryFault(double rx, double tx) const;
    // Asks about the first stored channel with receive frequency rx, if any;
    // false when the operator does not want a second one.
    bool duplicateAccepted(double rx);
    // The first channel (1..10) whose receive text reads as 0; 0 if none.
    int firstFreeChannel() const;
    void writeChannels();
    // The band read at the last activation, one notch of the slider a raster.
    Band band() const;
    // The band and the ten channels as the store holds them now.
    void readStore();

    SettingsStore& store_;
    ChannelStore channelStore_;
    Prompter& prompter_;
    std::int32_t passVar_ = 0;
};

} // namespace volna
