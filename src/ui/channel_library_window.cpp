// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channel_library_window.h"

#include "channels/channel_library.h"

#include <array>

namespace volna {

namespace {

// Twips. An entry runs to about 90 characters, so each list is wide enough for
// most of one and scrolls sideways for the rest.
constexpr int kMargin = 120;
constexpr int kListFrameWidth = 5400;
constexpr int kListFrameHeight = 3240;
constexpr int kCopyLeft = kMargin + kListFrameWidth + kMargin;
constexpr int kCopyWidth = 780;
constexpr int kRightLeft = kCopyLeft + kCopyWidth + kMargin;
constexpr int kDeleteTop = kMargin + kListFrameHeight + kMargin;
constexpr int kDeleteHeight = 495;
constexpr int kLowerTop = kDeleteTop + kDeleteHeight + kMargin * 2;
constexpr int kCountersHeight = 855;
constexpr int kCloseTop = kLowerTop + kCountersHeight + kMargin;
constexpr int kCloseWidth = (kListFrameWidth - kMargin) / 2;
constexpr int kClientWidth = kRightLeft + kListFrameWidth + kMargin;
constexpr int kClientHeight = kCloseTop + kDeleteHeight + kMargin;

// Frames come before the controls they hold.
constexpr std::array kLayout{
    Placement{"Frame2", kMargin, kMargin, kListFrameWidth, kListFrameHeight},
    Placement{"List2", kMargin, 240, kListFrameWidth - 2 * kMargin, 2880, "Frame2"},
    Placement{"Command2", kCopyLeft, 1200, kCopyWidth, 375},
    Placement{"Command1", kCopyLeft, 1680, kCopyWidth, 375},
    Placement{"Frame1", kRightLeft, kMargin, kListFrameWidth, kListFrameHeight},
    Placement{"List1", kMargin, 240, kListFrameWidth - 2 * kMargin, 2880, "Frame1"},
    Placement{"Command7", kMargin, kDeleteTop, kListFrameWidth, kDeleteHeight},
    Placement{"Command4", kRightLeft, kDeleteTop, kListFrameWidth, kDeleteHeight},
    Placement{"Label1", kMargin, kLowerTop, kListFrameWidth, 255},
    Placement{"Text1", kMargin, kLowerTop + 330, 1215, 315},
    Placement{"Command8", kMargin + 1335, kLowerTop + 300, 2055, 375},
    Placement{"Frame3", kRightLeft, kLowerTop, kListFrameWidth, kCountersHeight},
    Placement{"Label2", kMargin, 270, 3600, 255, "Frame3"},
    Placement{"Label3", 3840, 270, 1200, 255, "Frame3"},
    Placement{"Label4", kMargin, 540, 3600, 255, "Frame3"},
    Placement{"Label5", 3840, 540, 1200, 255, "Frame3"},
    Placement{"Command6", kRightLeft, kCloseTop, kCloseWidth, kDeleteHeight},
    Placement{"Command5", kRightLeft + kCloseWidth + kMargin, kCloseTop, kCloseWidth,
              kDeleteHeight},
    // The CSV buttons in the free corner under the search, level with and
    // shaped like the two closing buttons.
    Placement{"Command9", kMargin, kCloseTop, kCloseWidth, kDeleteHeight},
    Placement{"Command10", kMargin + kCloseWidth + kMargin, kCloseTop, kCloseWidth, kDeleteHeight},
};

} // namespace

ChannelLibraryWindow::ChannelLibraryWindow(Form6& library)
    : FormView(library, kLayout, kClientWidth, kClientHeight) {}

} // namespace volna
