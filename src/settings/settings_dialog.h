// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog Form5: edits the nine values of "Settings" (band, offsets,
// scan speeds, transfer delays), checks them, writes them as typed and raises
// "LOCK" so that the console re-ranges its slider; beside them, the transmit
// time-out of the program's own section, which changes nothing of that. It
// talks to the settings store, to the operator's message boxes, and shows the
// console again on closing.

#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace volna {

class Prompter;
class SettingsStore;

inline constexpr const char* kSettingsTitle = "Настройки";
// Client area of the dialog, twips.
inline constexpr int kSettingsWidthTwips = 8355;
inline constexpr int kSettingsHeightTwips = 7140;

// What the checks of "Сохранить и выйти" tell the operator.
inline constexpr const char* kBoundaryInvalid = "Частота границ задана неверно!";
inline constexpr const char* kBoundaryNotHundreds = "Частота границ должна делиться на 100!";
inline constexpr const char* kUpperBelowLower = "Верхняя граница не может быть меньше нижней!";
inline constexpr const char* kBoundariesEqual = "Границы не должны совпадать!";
inline constexpr const char* kIfOffsetInvalid =
    "Значение промежуточной частоты не соответствует формату!";
inline constexpr const char* kScanSpeedInvalid = "Скорость сканирования не соответствует формату!";
inline constexpr const char* kDelayNegative = "Задержка не может быть отрицательна!";
inline constexpr const char* kTransmitTimeoutInvalid =
    "Тайм-аут передачи задаётся целым числом минут от 0 до 999!";

// The transmit time-out: a transmission that lasts this many minutes is
// ended; 0 lets transmissions last. Kept in "Program"/"TransmitTimeout".
inline constexpr int kDefaultTransmitTimeoutMinutes = 10;
// Minutes of a time-out text: one to three digits, blanks around them
// allowed; nothing for any other text, so that a typing slip never turns the
// time-out off.
std::optional<int> transmitTimeoutMinutes(std::string_view text);
// The stored time-out in minutes; the starting value when none is stored or
// the stored text is not one.
int storedTransmitTimeoutMinutes(SettingsStore& store);

class Form5 : public Window {
public:
    // console: the window the dialog shows again when it closes.
    Form5(Program& program, SettingsStore& store, Prompter& prompter, Window& console);

    // The values read at the last activation; they only tell at save time
    // whether the operator changed anything.
    struct LoadedSettings {
        double bandScanSpeed = 0;  // ms
        double rangeScanSpeed = 0; // ms
        double channelScanSpeed = 0;
        double lowerBound = 0;     // kHz
        double upperBound = 0;     // kHz
        double delay1 = 0;         // ms
        double delay2 = 0;         // ms
        double txShift = 0;        // kHz
        std::int32_t ifOffset = 0; // kHz, rounded half to even
    };
    LoadedSettings loadedSettings;

    Frame Frame1{*this, "Frame1", "Настройки:"};
    Frame Frame2{*this, "Frame2", "Основные настройки"};
    Label Label2{*this, "Label2", "Нижняя граница диапазона:"};
    TextBox Text1{*this, "Text1", 6}; // lower boundary, kHz
    Label Label3{*this, "Label3", "                                 Верхняя:"};
    TextBox Text2{*this, "Text2", 6}; // upper boundary, kHz
    Label Label4{*this, "Label4", " Промежуточная частота (Кгц):"};
    TextBox Text3{*this, "Text3", 7}; // local-oscillator offset, kHz
    Label Label5{*this, "Label5", "  Разница част. приёма от передачи (Кгц):"};
    TextBox Text4{*this, "Text4", 7}; // transmit offset, kHz
    Frame Frame3{*this, "Frame3", "Сканирование:"};
    Label Label7{*this, "Label7", "Скорость... в миллисекундах"};
    Label Label6{*this, "Label6", " общего сканирования:"};
    TextBox Text5{*this, "Text5"}; // whole-band scan speed, ms
    Label Label8{*this, "Label8", " сканирования \"от\" и \"до\":"};
    TextBox Text6{*this, "Text6"}; // from/to scan speed, ms
    Label Label9{*this, "Label9", "сканирования по канналам:"};
    TextBox Text7{*this, "Text7"}; // channel scan speed, ms
    Frame Frame4{*this, "Frame4", "Засылаемый сигнал:"};
    Label Label12{*this, "Label12", "В миллисекундах: "};
    Label Label10{*this, "Label10", "     Задержка 1:"};
    TextBox Text8{*this, "Text8"}; // first transfer delay, ms
    Label Label11{*this, "Label11", "     Задержка 2:"};
    TextBox Text9{*this, "Text9"}; // second transfer delay, ms
    Label Label13{*this, "Label13",
                  "Внимание! При больших значениях задержки программа может зависнуть."};
    Frame Frame5{*this, "Frame5", "Передача:"};
    Label Label14{*this, "Label14", "Тайм-аут передачи, мин:"};
    TextBox Text10{*this, "Text10", 3}; // transmit time-out, whole minutes
    Label Label15{*this, "Label15", "Передача длиннее прекращается; 0 — без тайм-аута."};
    Button Command1{*this, "Command1", "Сохранить и выйти"};
    Button Command2{*this, "Command2", kExitCaption};
    // Readable names over the control names: alias, control, role. The
    // handlers and the tests use the aliases; the control names stay the
    // object names the windows and the store know.
    // clang-format off
    TextBox& lowerBoundBox       = Text1;    // lower band edge, kHz
    TextBox& upperBoundBox       = Text2;    // upper band edge, kHz
    TextBox& ifOffsetBox         = Text3;    // local-oscillator offset, kHz
    TextBox& txShiftBox          = Text4;    // transmit offset, kHz
    TextBox& bandScanSpeedBox    = Text5;    // whole-band scan interval, ms
    TextBox& rangeScanSpeedBox   = Text6;    // from/to scan interval, ms
    TextBox& channelScanSpeedBox = Text7;    // channel scan interval, ms
    TextBox& delay1Box           = Text8;    // first transfer delay, ms
    TextBox& delay2Box           = Text9;    // second transfer delay, ms
    TextBox& transmitTimeoutBox  = Text10;   // transmit time-out, whole minutes
    Button& saveButton           = Command1; // "Сохранить и выйти"
    Button& exitButton           = Command2; // "Выход"
    // clang-format on

    // Fills the boxes from the store; runs once, when the dialog is created.
    void Form_Load();
    // Records loadedSettings, then fills the boxes again.
    void Form_Activate() override;
    // "Сохранить и выйти": nothing changed closes; otherwise the checks, the
    // writes, the close and "LOCK" = "0". The time-out is checked after the
    // nine values and written after them; a change of the time-out alone writes
    // only the time-out and leaves "LOCK" alone, so the slider stays.
    void Command1_Click();
    // "Выход": closes without writing.
    void Command2_Click();
    // Closing through the window frame is "Выход", so the console comes back.
    void closeRequested() override;

private:
    // The first failed check: its message and the box that gets the focus.
    struct Refusal {
        const char* message;
        TextBox* focus;
    };
    std::optional<Refusal> firstFailedCheck();
    bool unchanged() const;
    void fillTimeoutBox();
    void fillBoxes();
    void writeBoxes();
    void closeDialog();

    SettingsStore& store_;
    Prompter& prompter_;
    Window& console_;
    int loadedTimeoutMinutes_ = kDefaultTransmitTimeoutMinutes; // at the last activation
};

} // namespace volna
