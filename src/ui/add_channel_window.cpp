// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/add_channel_window.h"

#include "channels/add_channel.h"

#include <array>

namespace volna {

namespace {

// Twips. Controls inside Frame1 count from its top left corner.
constexpr int kMargin = 120;
constexpr int kReceiveLeft = 240;
constexpr int kTransmitLeft = 1335;
constexpr int kFrequencyWidth = 975;
constexpr int kCommentLeft = 2430;
constexpr int kCommentWidth = 3570;
constexpr int kHeadingTop = 270;
constexpr int kHeadingHeight = 255;
constexpr int kBoxTop = 540;
constexpr int kBoxHeight = 285;
constexpr int kSliderTop = 975;
constexpr int kSliderHeight = 375;
constexpr int kFrameWidth = kCommentLeft + kCommentWidth + 240;
constexpr int kFrameHeight = kSliderTop + kSliderHeight + 150;
constexpr int kButtonTop = kMargin + kFrameHeight + kMargin;
constexpr int kButtonWidth = 1470;
constexpr int kButtonHeight = 495;
constexpr int kButtonPitch = kButtonWidth + kMargin;
constexpr int kClientWidth = kMargin + kFrameWidth + kMargin;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;

constexpr std::array kLayout{
    Placement{"Frame1", kMargin, kMargin, kFrameWidth, kFrameHeight},
    Placement{"Label1", kReceiveLeft, kHeadingTop, kFrequencyWidth, kHeadingHeight, "Frame1"},
    Placement{"Label2", kTransmitLeft, kHeadingTop, kFrequencyWidth, kHeadingHeight, "Frame1"},
    Placement{"Label3", kCommentLeft, kHeadingTop, kCommentWidth, kHeadingHeight, "Frame1"},
    Placement{"Text3", kReceiveLeft, kBoxTop, kFrequencyWidth, kBoxHeight, "Frame1"},
    Placement{"Text4", kTransmitLeft, kBoxTop, kFrequencyWidth, kBoxHeight, "Frame1"},
    Placement{"Text2", kCommentLeft, kBoxTop, kCommentWidth, kBoxHeight, "Frame1"},
    Placement{"Slider1", kReceiveLeft, kSliderTop, kCommentLeft + kCommentWidth - kReceiveLeft,
              kSliderHeight, "Frame1"},
    Placement{"Command1", kMargin, kButtonTop, kButtonWidth, kButtonHeight},
    Placement{"Command2", kMargin + kButtonPitch, kButtonTop, kButtonWidth, kButtonHeight},
    Placement{"Command3", kMargin + 2 * kButtonPitch, kButtonTop, kButtonWidth, kButtonHeight},
    Placement{"Command4", kMargin + 3 * kButtonPitch, kButtonTop, kButtonWidth, kButtonHeight},
};

} // namespace

AddChannelWindow::AddChannelWindow(Form3& dialog)
    : FormView(dialog, kLayout, kClientWidth, kClientHeight) {}

} // namespace volna
