// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor: the fill at every activation, the five checks of
// "Записать и выйти" with the write-back of all thirty values, the buttons
// that empty boxes or leave without storing, and the CSV import and export
// both channel windows share.

#include "channels/channel_editor.h"

#include "channels/csv_transfer.h"
#include "domain/numbers.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "settings/stored_band.h"
#include "toolkit/file_chooser.h"
#include "toolkit/prompter.h"
#include "toolkit/text_file.h"
#include "toolkit/text_templates.h"

#include <string_view>

namespace volna {

Form2::Form2(Program& program, SettingsStore& store, Prompter& prompter)
    : Window(program, "Form2"), csv(store, prompter, ChannelList::Channels), store_(store),
      channelStore_(store), prompter_(prompter) {
    caption = kChannelEditorTitle;
    for (Label* heading : {&Label1, &Label3, &Label2}) {
        heading->foreColour = kHeadingColour;
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        commentBox(row).maxLength = kCommentLength;
    }
    saveButton.onClick = [this] { Command1_Click(); };
    clearAllButton.onClick = [this] { Command2_Click(); };
    exitButton.onClick = [this] { Command3_Click(); };
    libraryButton.onClick = [this] { Command14_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
    Command9.onClick = [this] { Command9_Click(); };
    Command10.onClick = [this] { Command10_Click(); };
    Command11.onClick = [this] { Command11_Click(); };
    Command12.onClick = [this] { Command12_Click(); };
    Command13.onClick = [this] { Command13_Click(); };
    importButton.onClick = [this] { Command15_Click(); };
    exportButton.onClick = [this] { Command16_Click(); };
}

void Form2::Form_Activate() {
    readBand();
    fillTable();
}

void Form2::fillTable() {
    for (int row = 1; row <= kChannelCount; ++row) {
        filled_[row - 1] = channelStore_.channel(row, kMissingKeyText);
        showRow(row, filled_[row - 1]);
    }
}

bool Form2::tableEdited() {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (shownRow(row) != filled_[row - 1]) {
            return true;
        }
    }
    return false;
}

void Form2::readBand() {
    const Band band = storedBand(store_, kChannelRasterKHz);
    lowerBound = static_cast<std::int32_t>(band.lowerKHz);
    upperBound = band.upperKHz;
}

ChannelTexts Form2::shownRow(int row) {
    return {receiveBox(row).text(), transmitBox(row).text(), commentBox(row).text()};
}

void Form2::showRow(int row, const ChannelTexts& channel) {
    receiveBox(row).setText(channel.receive);
    transmitBox(row).setText(channel.transmit);
    commentBox(row).setText(channel.comment);
}

// A row the operator changed is his and is stored as shown, even when the
// store changed under it; every other row follows the store.
void Form2::refreshUntouchedRows() {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (shownRow(row) != filled_[row - 1]) {
            continue;
        }
        filled_[row - 1] = channelStore_.channel(row, kMissingKeyText);
        showRow(row, filled_[row - 1]);
    }
}

// Each check runs over all ten rows before the next one starts, so the order of
// the messages follows the checks, not the rows.
std::optional<Form2::TableFault> Form2::tableFault() {
    auto rx = [this](int row) { return leadingNumber(receiveBox(row).text()); };
    auto tx = [this](int row) { return leadingNumber(transmitBox(row).text()); };
    const Band band{static_cast<double>(lowerBound), upperBound};
    auto outOfBand = [&band](double kHz) { return kHz != 0 && outsideBand(band, kHz); };
    auto offRaster = [](double kHz) { return toInt32(kHz) % kChannelRasterKHz != 0; };
    for (int row = 1; row <= kChannelCount; ++row) {
        if (outOfBand(tx(row))) {
            return TableFault{kOutOfBandMessage, row, &transmitBox(row)};
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (outOfBand(rx(row))) {
            return TableFault{kOutOfBandReceiveMessage, row, &receiveBox(row)};
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!receiveBox(row).text().empty() && offRaster(rx(row))) {
            return TableFault{kRasterMessage, row, &receiveBox(row)};
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (offRaster(tx(row))) {
            return TableFault{kTransmitRasterMessage, row, &transmitBox(row)};
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (rx(row) != 0 && tx(row) == 0) {
            return TableFault{kEnterTransmitMessage, row, &transmitBox(row)};
        }
        if (rx(row) == 0 && tx(row) != 0) {
            return TableFault{kEnterReceiveMessage, row, &receiveBox(row)};
        }
    }
    return std::nullopt;
}

void Form2::Command1_Click() {
    // A quick click can run before the activation that follows another
    // window's save: the band and the untouched rows are read again first.
    readBand();
    refreshUntouchedRows();
    if (const std::optional<TableFault> fault = tableFault()) {
        // The box names the channel and the cursor waits in the box at fault.
        prompter_.ask(errorBox(
            fillText(kChannelFaultTemplate, {std::to_string(fault->row), fault->message})));
        fault->box->setFocus();
        return;
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        channelStore_.writeChannel(row, shownRow(row), ChannelWriteOrder::ReceiveCommentTransmit);
    }
    hide();
    store_.writeSetting(kSectionFlags, kKeyLock, "1");
}

void Form2::Command2_Click() {
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        Text1[i].setText({});
    }
    for (std::size_t i = 0; i < Text2.size(); ++i) {
        Text2[i].setText({});
    }
}

void Form2::Command3_Click() {
    hide();
    store_.writeSetting(kSectionFlags, kKeyLock, "1");
}

void Form2::Command14_Click() {
    if (openLibrary) {
        openLibrary();
    }
}

void Form2::Command15_Click() {
    if (tableEdited()) {
        prompter_.ask(errorBox(kCsvUnsavedMessage));
        return;
    }
    if (csv.importFile()) {
        fillTable();
    }
}

void Form2::Command16_Click() {
    if (tableEdited()) {
        prompter_.ask(errorBox(kCsvUnsavedMessage));
        return;
    }
    csv.exportFile();
}

void Form2::clearRow(int row) {
    receiveBox(row).setText({});
    transmitBox(row).setText({});
    commentBox(row).setText({});
}

void Form2::closeRequested() {
    Command3_Click();
}

CsvButtons::CsvButtons(SettingsStore& store, Prompter& prompter, ChannelList list)
    : store_(store), prompter_(prompter), list_(list) {}

namespace {

// The refused rows an import's box lists, so that it fits on a small screen;
// the command line lists them all.
constexpr std::size_t kBoxFaultLines = 15;

FileRequest csvRequest(const char* title, ChannelList list) {
    return {title, kCsvFilter, list == ChannelList::Channels ? "channels.csv" : "library.csv"};
}

} // namespace

void CsvButtons::exportFile() {
    if (!chooser) {
        return;
    }
    const std::string path = chooser->saveFile(csvRequest(kExportCsvCaption, list_));
    if (path.empty()) {
        return;
    }
    const TextFileResult written = writeTextFile(path, exportStoredList(store_, list_));
    if (!written.ok) {
        prompter_.ask(errorBox(written.error));
    }
}

bool CsvButtons::importFile() {
    if (!chooser) {
        return false;
    }
    const std::string path = chooser->openFile(csvRequest(kImportCsvCaption, list_));
    if (path.empty()) {
        return false;
    }
    const TextFileResult file = readTextFile(path, kMaxCsvFileBytes);
    if (!file.ok) {
        prompter_.ask(errorBox(file.error));
        return false;
    }
    const CsvImportPlan plan = planImport(store_, list_, file.text);
    std::string report = importReport(plan, kBoxFaultLines);
    while (!report.empty() && report.back() == '\n') {
        report.pop_back();
    }
    if (!plan.hasRows()) {
        prompter_.ask(errorBox(report));
        return false;
    }
    if (prompter_.ask(questionBox(report + "\n\n" + kCsvImportQuestion)) != Answer::Yes) {
        return false;
    }
    // A store that cannot save says so itself; the window still shows what
    // the store holds now.
    applyImport(store_, plan);
    return true;
}

} // namespace volna
