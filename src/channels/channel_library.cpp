// SPDX-License-Identifier: GPL-3.0-or-later
// The channel library: filling both lists from the store, the copy, delete and
// search buttons, and writing both lists back in list order.

#include "channels/channel_library.h"

#include "channels/library_entry.h"
#include "domain/numbers.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"

#include <algorithm>
#include <string>

namespace volna {

namespace {

// The library's labels are dark text on the dialog, not the console's display.
constexpr Colour kBlack{0, 0, 0};

// The text of the selected entry, or the empty text when nothing is selected.
std::string selectedText(const ListBox& list) {
    if (list.selectedIndex < 0 || list.selectedIndex >= list.count()) {
        return {};
    }
    return list.items[list.selectedIndex];
}

} // namespace

Form6::Form6(Program& program, SettingsStore& store, Prompter& prompter)
    : Window(program, "Form6"), csv(store, prompter, ChannelList::Library), channelStore_(store),
      prompter_(prompter) {
    caption = kLibraryTitle;
    for (Label* label : {&Label1, &Label2, &libraryCount, &Label4, &listCount}) {
        label->foreColour = kBlack;
    }
    counterTimer.setInterval(kCounterIntervalMs);
    counterTimer.onTick = [this] { Timer1_Timer(); };
    toChannelsButton.onClick = [this] { Command1_Click(); };
    toLibraryButton.onClick = [this] { Command2_Click(); };
    deleteLibraryEntryButton.onClick = [this] { Command4_Click(); };
    exitButton.onClick = [this] { Command5_Click(); };
    writeButton.onClick = [this] { Command6_Click(); };
    deleteChannelButton.onClick = [this] { Command7_Click(); };
    searchNextButton.onClick = [this] { Command8_Click(); };
    searchBox.onChange = [this] { Text1_Change(); };
    importButton.onClick = [this] { Command9_Click(); };
    exportButton.onClick = [this] { Command10_Click(); };
}

void Form6::Form_Load() {
    LibChe();
    fillLists();
}

void Form6::Form_Activate() {
    counterTimer.setEnabled(true);
    LibChe();
    setOtherWindowsEnabled(false);
    fillLists();
}

void Form6::closeRequested() {
    Command5_Click();
}

void Form6::setOtherWindowsEnabled(bool enable) {
    for (Window* window : program().windows()) {
        if (window != this) {
            window->enabled = enable;
        }
    }
}

std::vector<std::string> Form6::storedChannelEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= kChannelCount; ++n) {
        const ChannelTexts channel = channelStore_.channel(n);
        if (!channel.receive.empty()) {
            entries.push_back(entryText(channel));
        }
    }
    return entries;
}

std::vector<std::string> Form6::storedLibraryEntries() {
    std::vector<std::string> entries;
    for (std::string& entry : channelStore_.library()) {
        if (!entry.empty()) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

void Form6::fillLists() {
    channelList.clear();
    libraryList.clear();
    channelList.items = storedChannelEntries();
    libraryList.items = storedLibraryEntries();
    channelsEdited_ = false;
    libraryEdited_ = false;
    LibCheList();
}

void Form6::refreshUntouchedLists() {
    auto refresh = [](ListBox& list, std::vector<std::string> stored) {
        if (list.items != stored) {
            list.clear();
            list.items = std::move(stored);
        }
    };
    if (!channelsEdited_) {
        refresh(channelList, storedChannelEntries());
    }
    if (!libraryEdited_) {
        refresh(libraryList, storedLibraryEntries());
    }
    LibCheList();
}

void Form6::markEdited(const ListBox& list) {
    (&list == &channelList ? channelsEdited_ : libraryEdited_) = true;
}

void Form6::LibChe() {
    const LibrarySlots slots = channelStore_.library();
    const auto firstEmpty =
        std::find_if(slots.begin(), slots.end(), [](const std::string& s) { return s.empty(); });
    libraryCount.caption = std::to_string(firstEmpty - slots.begin());
}

void Form6::LibCheList() {
    listCount.caption = std::to_string(libraryList.count());
}

void Form6::Timer1_Timer() {
    LibCheList();
}

void Form6::Text1_Change() {
    searchIndex = -1;
}

void Form6::copySelected(const ListBox& from, ListBox& to, int capacity, const char* fullMessage,
                         const char* existsQuestion) {
    listsChanged = true;
    if (to.count() >= capacity) {
        prompter_.ask(errorBox(fullMessage));
        return;
    }
    const std::string selected = selectedText(from);
    for (const std::string& entry : to.items) {
        if (entry == selected) {
            if (prompter_.ask(questionBox(existsQuestion)) == Answer::No) {
                return;
            }
            break;
        }
    }
    if (!selected.empty()) {
        to.addItem(selected);
        markEdited(to);
    }
    LibCheList();
}

void Form6::Command1_Click() {
    copySelected(libraryList, channelList, kChannelCount, kChannelsFull, kChannelExists);
}

void Form6::Command2_Click() {
    copySelected(channelList, libraryList, kLibraryCapacity, kLibraryFull, kLibraryEntryExists);
}

void Form6::deleteSelected(ListBox& list) {
    listsChanged = true;
    if (!selectedText(list).empty()) {
        list.removeItem(list.selectedIndex);
        markEdited(list);
    }
    LibCheList();
}

void Form6::Command7_Click() {
    deleteSelected(channelList);
}

void Form6::Command4_Click() {
    deleteSelected(libraryList);
}

int Form6::findFrom(int after, double kHz) const {
    for (int i = after + 1; i < libraryList.count(); ++i) {
        if (searchKey(libraryList.items[i]) == kHz) {
            return i;
        }
    }
    return -1;
}

void Form6::Command8_Click() {
    const double wanted = leadingNumber(searchBox.text());
    if (wanted == 0) {
        return;
    }
    const bool fromTop = searchIndex == -1;
    const int found = findFrom(searchIndex, wanted);
    if (found >= 0) {
        searchIndex = found;
        libraryList.selectedIndex = found;
    } else if (!fromTop) {
        prompter_.ask(informationBox(kSearchFinished, kSearchTitle));
        searchIndex = -1;
    }
}

void Form6::Command9_Click() {
    if (libraryEdited_) {
        prompter_.ask(errorBox(kCsvUnsavedMessage));
        return;
    }
    if (csv.importFile()) {
        searchIndex = -1;
        refreshUntouchedLists();
        LibChe();
    }
}

void Form6::Command10_Click() {
    if (libraryEdited_) {
        prompter_.ask(errorBox(kCsvUnsavedMessage));
        return;
    }
    csv.exportFile();
}

void Form6::writeLibrary() {
    channelStore_.writeLibrary(libraryList.items);
}

// The channels in list order from channel 1 up, without gaps; the rest emptied.
void Form6::writeChannels() {
    const int count = channelList.count();
    for (int j = 1; j <= kChannelCount; ++j) {
        const ChannelTexts channel =
            j <= count ? splitEntry(channelList.items[j - 1]) : ChannelTexts{};
        channelStore_.writeChannel(j, channel, ChannelWriteOrder::ReceiveTransmitComment);
    }
}

// Both lists are written whole, so a list the operator left alone is first
// brought up to date: a save never puts back an older copy of it.
void Form6::writeLists() {
    refreshUntouchedLists();
    writeLibrary();
    writeChannels();
    channelsEdited_ = false;
    libraryEdited_ = false;
}

void Form6::Command6_Click() {
    writeLists();
    LibChe();
}

void Form6::Command5_Click() {
    counterTimer.setEnabled(false);
    setOtherWindowsEnabled(true);
    if (listsChanged && prompter_.ask(questionBox(kSaveChangesQuestion)) == Answer::Yes) {
        writeLists();
    }
    hide();
    listsChanged = false;
}

} // namespace volna
