// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channel_editor_window.h"

#include "channels/channel_editor.h"

#include <array>
#include <cstddef>

namespace volna {

namespace {

// Twips. Columns and rows count from the top left corner of Frame1.
constexpr int kMargin = 120;
constexpr int kClearLeft = 120;
constexpr int kClearWidth = 255;
constexpr int kReceiveLeft = 480;
constexpr int kTransmitLeft = 1440;
constexpr int kFrequencyWidth = 855;
constexpr int kCommentLeft = 2400;
constexpr int kCommentWidth = 3720;
constexpr int kHeadingTop = 270;
constexpr int kHeadingHeight = 255;
constexpr int kFirstRowTop = 570;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 285;
constexpr int kBelowLastRow = 135;
constexpr int kFrameWidth = kCommentLeft + kCommentWidth + kMargin;
constexpr int kFrameHeight =
    kFirstRowTop + (kChannelCount - 1) * kRowPitch + kRowHeight + kBelowLastRow;
constexpr int kButtonTop = kMargin + kFrameHeight + kMargin;
constexpr int kButtonWidth = 1470;
constexpr int kButtonHeight = 495;
constexpr int kButtonPitch = kButtonWidth + kMargin;
// The CSV buttons: a row of their own under the command buttons, since the
// frame and the command row leave no room; the window grows by this row only.
constexpr int kCsvTop = kButtonTop + kButtonHeight + kMargin;
constexpr int kCsvHeight = 375;
constexpr int kClientWidth = kMargin + kFrameWidth + kMargin;
constexpr int kClientHeight = kCsvTop + kCsvHeight + kMargin;

// The controls of row r (0-based), left to right.
constexpr std::array<const char*, kChannelCount> kClearNames{
    "Command4", "Command5",  "Command6",  "Command7",  "Command8",
    "Command9", "Command10", "Command11", "Command12", "Command13"};
constexpr std::array<const char*, kChannelCount> kReceiveNames{
    "Text1_0",  "Text1_2",  "Text1_4",  "Text1_6",  "Text1_8",
    "Text1_10", "Text1_12", "Text1_14", "Text1_16", "Text1_18"};
constexpr std::array<const char*, kChannelCount> kTransmitNames{
    "Text2_0", "Text2_1", "Text2_2", "Text2_3", "Text2_4",
    "Text2_5", "Text2_6", "Text2_7", "Text2_8", "Text2_9"};
constexpr std::array<const char*, kChannelCount> kCommentNames{
    "Text1_1",  "Text1_3",  "Text1_5",  "Text1_7",  "Text1_9",
    "Text1_11", "Text1_13", "Text1_15", "Text1_17", "Text1_19"};

constexpr std::size_t kPlacementCount = 1 + 3 + 4 * kChannelCount + 4 + 2;

// The boxes of every row come first, row by row, so that the tab key walks the
// table as it reads; the clear buttons follow them.
constexpr std::array<Placement, kPlacementCount> makeLayout() {
    std::array<Placement, kPlacementCount> layout{};
    std::size_t i = 0;
    layout[i++] = {"Frame1", kMargin, kMargin, kFrameWidth, kFrameHeight};
    layout[i++] = {"Label1", kReceiveLeft, kHeadingTop, kFrequencyWidth, kHeadingHeight, "Frame1"};
    layout[i++] = {"Label3", kTransmitLeft, kHeadingTop, kFrequencyWidth, kHeadingHeight, "Frame1"};
    layout[i++] = {"Label2", kCommentLeft, kHeadingTop, kCommentWidth, kHeadingHeight, "Frame1"};
    for (int row = 0; row < kChannelCount; ++row) {
        const int top = kFirstRowTop + row * kRowPitch;
        layout[i++] = {kReceiveNames[row], kReceiveLeft, top,
                       kFrequencyWidth,    kRowHeight,   "Frame1"};
        layout[i++] = {kTransmitNames[row], kTransmitLeft, top,
                       kFrequencyWidth,     kRowHeight,    "Frame1"};
        layout[i++] = {kCommentNames[row], kCommentLeft, top, kCommentWidth, kRowHeight, "Frame1"};
    }
    for (int row = 0; row < kChannelCount; ++row) {
        const int top = kFirstRowTop + row * kRowPitch;
        layout[i++] = {kClearNames[row], kClearLeft, top, kClearWidth, kRowHeight, "Frame1"};
    }
    const char* buttons[] = {"Command1", "Command2", "Command3", "Command14"};
    for (int b = 0; b < 4; ++b) {
        layout[i++] = {buttons[b], kMargin + b * kButtonPitch, kButtonTop, kButtonWidth,
                       kButtonHeight};
    }
    layout[i++] = {"Command15", kMargin, kCsvTop, kButtonWidth, kCsvHeight};
    layout[i++] = {"Command16", kMargin + kButtonPitch, kCsvTop, kButtonWidth, kCsvHeight};
    return layout;
}

constexpr std::array<Placement, kPlacementCount> kLayout = makeLayout();

} // namespace

ChannelEditorWindow::ChannelEditorWindow(Form2& editor)
    : FormView(editor, kLayout, kClientWidth, kClientHeight) {}

} // namespace volna
