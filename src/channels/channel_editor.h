// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel editor Form2, the texts it shares with the add-channel dialog,
// and the CSV buttons it shares with the library window.

#include "channels/chirp_csv.h"
#include "settings/channel_store.h"
#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace volna {

class FileChooser;
class Prompter;
class SettingsStore;

inline constexpr const char* kChannelEditorTitle = "Редактирование каналов";

// Texts of both channel windows. The editor's two range messages differ in one
// letter: the first is for a transmit frequency (and for every range fault of
// the add-channel dialog), the second for a receive frequency.
inline constexpr const char* kOutOfBandMessage =
    "Введённая частота не соответствует используемуму диапазону!";
inline constexpr const char* kOutOfBandReceiveMessage =
    "Введённая частота не соответствуют используемуму диапазону!";
inline constexpr const char* kRasterMessage =
    "Введёная частота не соостветствует формату(она должна делиться на 25)!";
inline constexpr const char* kTransmitRasterMessage =
    "Введёная частота передачи не соответствует формату(она должна делиться на 25)!";
inline constexpr const char* kEnterTransmitMessage = "Введите частоту передачи!";
inline constexpr const char* kEnterReceiveMessage = "Введите частоту приёма!";
inline constexpr const char* kReceiveCaption = "RX";
inline constexpr const char* kTransmitCaption = "TX";
inline constexpr const char* kCommentCaption = "Комментарий";
inline constexpr const char* kChannelsCaption = "Каналы";
inline constexpr const char* kLibraryCaption = "Библиотека";

// The CSV buttons of both channel windows and their texts.
inline constexpr const char* kImportCsvCaption = "Импорт CSV...";
inline constexpr const char* kExportCsvCaption = "Экспорт CSV...";
inline constexpr const char* kCsvFilter = "CSV (*.csv)";
inline constexpr const char* kCsvUnsavedMessage =
    "В окне есть незаписанные изменения. Запишите их или выйдите без записи, затем повторите.";
inline constexpr const char* kCsvImportQuestion = "Импортировать?";

// "Импорт CSV..." and "Экспорт CSV..." of one list: asks the operator for the
// file, reads or writes it, shows an import's report for a Yes/No and writes
// through the store's CSV transfer. The window shows the new rows itself.
class CsvButtons {
public:
    CsvButtons(SettingsStore& store, Prompter& prompter, ChannelList list);

    // The file dialog; both buttons do nothing while it is not set.
    FileChooser* chooser = nullptr;

    // The stored list into a file the operator names; an error box when the
    // file cannot be written.
    void exportFile();
    // A file the operator picks into the stored list, after the report and a
    // Yes. True when the store took the file's rows.
    bool importFile();

private:
    SettingsStore& store_;
    Prompter& prompter_;
    ChannelList list_;
};

// Column headings are drawn in the window's text colour, not the console's green.
inline constexpr Colour kHeadingColour{0, 0, 0};
// What the channel windows read for a key that does not exist.
inline constexpr const char* kMissingKeyText = "0";
// Channel frequencies lie on this raster, kHz.
inline constexpr int kChannelRasterKHz = 25;
// Longest texts the operator can type: a frequency in kHz, a comment.
inline constexpr int kFrequencyLength = 6;
inline constexpr int kCommentLength = 34;

// The ten memory channels as a table of receive, transmit and comment boxes,
// checked as a whole and written back in one go. Talks to the settings store
// and the prompter only; the console takes the channels over when reactivated.
class Form2 : public Window {
public:
    Form2(Program& program, SettingsStore& store, Prompter& prompter);

    // Shows the channel library; "Библиотека" does nothing while it is empty.
    std::function<void()> openLibrary;
    // The CSV buttons' file dialog and transfer; they do nothing until its
    // chooser is set.
    CsvButtons csv;

    // The band, read at every activation, kHz.
    std::int32_t lowerBound = 0;
    double upperBound = 0;

    Frame Frame1{*this, "Frame1", kChannelsCaption};
    Label Label1{*this, "Label1", kReceiveCaption};
    Label Label3{*this, "Label3", kTransmitCaption};
    Label Label2{*this, "Label2", kCommentCaption};
    // Row r (1..10): receive Text1(2(r-1)), comment Text1(2(r-1)+1).
    ControlArray<TextBox, 2 * kChannelCount> Text1{*this, "Text1", kFrequencyLength};
    // Row r: transmit Text2(r-1).
    ControlArray<TextBox, kChannelCount> Text2{*this, "Text2", kFrequencyLength};
    // Row-clear buttons of rows 1..10, without caption.
    Button Command4{*this, "Command4"};
    Button Command5{*this, "Command5"};
    Button Command6{*this, "Command6"};
    Button Command7{*this, "Command7"};
    Button Command8{*this, "Command8"};
    Button Command9{*this, "Command9"};
    Button Command10{*this, "Command10"};
    Button Command11{*this, "Command11"};
    Button Command12{*this, "Command12"};
    Button Command13{*this, "Command13"};
    Button Command1{*this, "Command1", "Записать и выйти"};
    Button Command2{*this, "Command2", "Очистить всё"};
    Button Command3{*this, "Command3", kExitCaption};
    Button Command14{*this, "Command14", kLibraryCaption};
    Button Command15{*this, "Command15", kImportCsvCaption};
    Button Command16{*this, "Command16", kExportCsvCaption};
    // Readable names over the control names: alias, control, role. The
    // handlers and the tests use the aliases; the control names stay the
    // object names the windows and the store know.
    // clang-format off
    Button& saveButton     = Command1;  // "Записать и выйти"
    Button& clearAllButton = Command2;  // "Очистить всё"
    Button& exitButton     = Command3;  // "Выход"
    Button& libraryButton  = Command14; // "Библиотека"
    Button& importButton   = Command15; // "Импорт CSV..."
    Button& exportButton   = Command16; // "Экспорт CSV..."
    // clang-format on

    // The boxes of row r (1..10).
    TextBox& receiveBox(int row) { return Text1[2 * (row - 1)]; }
    TextBox& commentBox(int row) { return Text1[2 * (row - 1) + 1]; }
    TextBox& transmitBox(int row) { return Text2[row - 1]; }

    // Fills the table from the store; unsaved edits are lost.
    void Form_Activate() override;
    // "Записать и выйти": rows the operator left as filled are read again
    // from the store (another window may have saved since), then the table is
    // checked, stored and the editor hidden.
    void Command1_Click();
    void Command2_Click();  // "Очистить всё": every box empty, nothing stored
    void Command3_Click();  // "Выход": hide without storing
    void Command14_Click(); // "Библиотека"
    // "Импорт CSV...": a file into the ten channels, shown at once. Refused
    // while a row holds an unsaved edit, which the import would overwrite.
    void Command15_Click();
    // "Экспорт CSV...": the stored channels into a file. Refused while a row
    // holds an unsaved edit, which the file would not show.
    void Command16_Click();
    void Command4_Click() { clearRow(1); }
    void Command5_Click() { clearRow(2); }
    void Command6_Click() { clearRow(3); }
    void Command7_Click() { clearRow(4); }
    void Command8_Click() { clearRow(5); }
    void Command9_Click() { clearRow(6); }
    void Command10_Click() { clearRow(7); }
    void Command11_Click() { clearRow(8); }
    void Command12_Click() { clearRow(9); }
    void Command13_Click() { clearRow(10); }
    // Closing the frame leaves the editor as "Выход" does.
    void closeRequested() override;

private:
    void fillTable();
    bool tableEdited();
    void clearRow(int row);
    void readBand();
    ChannelTexts shownRow(int row);
    void showRow(int row, const ChannelTexts& channel);
    // Rows whose boxes still hold what the last fill put there take the store's
    // channel as it is now.
    void refreshUntouchedRows();
    // The first check the table fails: its message, the channel and the box
    // at fault; nothing when the table passes.
    struct TableFault {
        const char* message;
        int row;
        TextBox* box;
    };
    std::optional<TableFault> tableFault();

    SettingsStore& store_;
    ChannelStore channelStore_;
    Prompter& prompter_;
    // Each row as the store held it when the table was last filled from it, a
    // key that does not exist read as kMissingKeyText.
    std::array<ChannelTexts, kChannelCount> filled_;
};

} // namespace volna
