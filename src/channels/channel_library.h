// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel library Form6: the memory channels beside a library of up to 100 entries, copying
// and deleting between them, the search by receive frequency and writing both lists back. Talks
// to the settings store and the prompter; disables every other window of the program while shown.

#include "channels/channel_editor.h"
#include "settings/channel_store.h"
#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <string>
#include <vector>

namespace volna {

class Prompter;
class SettingsStore;

inline constexpr const char* kLibraryTitle = "Библиотека каналов";
inline constexpr const char* kChannelsFull = "Нет места в списке 'Каналы'!";
inline constexpr const char* kLibraryFull = "Нет места в списке 'Каналы в библиотеке'!";
inline constexpr const char* kChannelExists =
    "Канал с такой частатой приёма в списке 'Каналы' уже существует! Внести?";
inline constexpr const char* kLibraryEntryExists =
    "Канал с такой частатой приёма в списке 'Каналы в библиотеке' уже существует! Внести?";
inline constexpr const char* kSearchFinished = "Поиск окончен";
inline constexpr const char* kSaveChangesQuestion = "Вы хотите сохранить изменения?";

class Form6 : public Window {
public:
    Form6(Program& program, SettingsStore& store, Prompter& prompter);

    // List position of the last entry the search found; -1: the next search
    // starts from the top.
    int searchIndex = -1;
    // A list button was used since the window was last closed.
    bool listsChanged = false;
    // The library's CSV buttons; they do nothing until its chooser is set.
    CsvButtons csv;

    Frame Frame2{*this, "Frame2", "Каналы:"};
    ListBox List2{*this, "List2"}; // memory channels, at most kChannelCount
    Frame Frame1{*this, "Frame1", "Библиотека каналов:"};
    ListBox List1{*this, "List1"}; // library, at most kLibraryCapacity
    Button Command2{*this, "Command2", "-->"};
    Button Command1{*this, "Command1", "<--"};
    Button Command7{*this, "Command7", "Удалить выбранный канал из списка \"Каналы\""};
    Button Command4{*this, "Command4", "Удалить выбранный канал из списка \"Каналы в библиотеке\""};
    Label Label1{*this, "Label1", "Поиск в библиотеке по частоте приёма"};
    TextBox Text1{*this, "Text1", 6}; // receive frequency to find, kHz
    Button Command8{*this, "Command8", "Искать следующий"};
    Frame Frame3{*this, "Frame3", "Каналы в библиотеке:"};
    Label Label2{*this, "Label2", "Каналов в вашей библиотеке:"};
    Label Label3{*this, "Label3"}; // entries stored in "Library"
    Label Label4{*this, "Label4", "Каналов в списке:"};
    Label Label5{*this, "Label5"}; // entries now in List1
    Button Command6{*this, "Command6", "Записать"};
    Button Command5{*this, "Command5", kExitCaption};
    Timer Timer1{*this, "Timer1"}; // refreshes Label5
    Button Command9{*this, "Command9", kImportCsvCaption};
    Button Command10{*this, "Command10", kExportCsvCaption};
    // Readable names over the control names: alias, control, role. The
    // handlers and the tests use the aliases; the control names stay the
    // object names the windows and the store know.
    // clang-format off
    ListBox& channelList             = List2;    // "Каналы": the memory channels
    ListBox& libraryList             = List1;    // "Каналы в библиотеке": the library
    Button& toLibraryButton          = Command2; // "-->": selected channel into the library
    Button& toChannelsButton         = Command1; // "<--": selected library entry into the channels
    Button& deleteChannelButton      = Command7; // deletes the selected channel
    Button& deleteLibraryEntryButton = Command4; // deletes the selected library entry
    TextBox& searchBox               = Text1;    // receive frequency to find, kHz
    Button& searchNextButton         = Command8; // "Искать следующий"
    Label& libraryCount              = Label3;   // entries stored in the library
    Label& listCount                 = Label5;   // entries now in the library list
    Button& writeButton              = Command6; // "Записать"
    Button& exitButton               = Command5; // "Выход"
    Timer& counterTimer              = Timer1;   // refreshes listCount
    Button& importButton             = Command9;  // "Импорт CSV...": a file into the library
    Button& exportButton             = Command10; // "Экспорт CSV...": the library into a file
    // clang-format on
    // Every handler that changes List1 refreshes Label5 itself, so the timer
    // only backs it up and need not run faster than this, ms.
    static constexpr int kCounterIntervalMs = 100;

    void Form_Load();
    void Form_Activate() override;
    // Closing through the window frame is "Выход", save question included.
    void closeRequested() override;

    void LibChe();     // Label3: number of entries stored before the first empty key
    void LibCheList(); // Label5: number of entries in List1

    void Command1_Click(); // "<--": the selected library entry into the channels
    void Command2_Click(); // "-->": the selected channel into the library
    void Command4_Click(); // delete the selected library entry
    void Command5_Click(); // "Выход"
    void Command6_Click(); // "Записать"
    void Command7_Click(); // delete the selected channel
    void Command8_Click(); // "Искать следующий"
    // "Импорт CSV...": a file into the stored library, shown in the list at
    // once. Refused while the library list holds unsaved edits, which the
    // import would overwrite; the channel list is not touched.
    void Command9_Click();
    // "Экспорт CSV...": the stored library into a file. Refused while the
    // library list holds unsaved edits, which the file would not show.
    void Command10_Click();
    void Text1_Change();
    void Timer1_Timer();

private:
    void fillLists();
    // The entries the two lists show for the store as it is now.
    std::vector<std::string> storedChannelEntries();
    std::vector<std::string> storedLibraryEntries();
    // Lists the operator did not change since they were filled take the store's
    // entries as they are now (another window may have saved since).
    void refreshUntouchedLists();
    void markEdited(const ListBox& list);
    void setOtherWindowsEnabled(bool enabled);
    // Appends the entry selected in from to to, unless to already holds
    // capacity entries or the operator declines a duplicate.
    void copySelected(const ListBox& from, ListBox& to, int capacity, const char* fullMessage,
                      const char* existsQuestion);
    void deleteSelected(ListBox& list);
    // Index of the first entry after position after whose receive frequency is
    // kHz, or -1.
    int findFrom(int after, double kHz) const;
    void writeLists();
    void writeLibrary();
    void writeChannels();

    ChannelStore channelStore_;
    Prompter& prompter_;
    // The operator added to or deleted from the list since it was filled from
    // or written to the store.
    bool channelsEdited_ = false;
    bool libraryEdited_ = false;
};

} // namespace volna
