// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_window.h"

#include "settings/settings_dialog.h"

#include <QLabel>

#include <array>

namespace volna {

namespace {

// Twips. The boxes keep their places of old, which operators know; each label fills its row
// from the frame's margin, or from the first column's boxes, up to its box.
constexpr int kBoxWidth = 735;
constexpr int kBoxHeight = 285;
constexpr int kFirstColumn = 2520;
constexpr int kSecondColumn = 6600;
constexpr int kMargin = 120;
constexpr int kGap = 45;
constexpr int kFirstLabelWidth = kFirstColumn - kGap - kMargin;
constexpr int kSecondLabelLeft = kFirstColumn + kBoxWidth + kGap;
constexpr int kSecondLabelWidth = kSecondColumn - kGap - kSecondLabelLeft;
constexpr int kFrameLeft = 240;
constexpr int kFrameWidth = 7575;
constexpr int kHeadingTop = 240;
constexpr int kHeadingWidth = 3000;
constexpr int kButtonTop = 6480;
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 495;

constexpr Placement firstColumn(const char* label, int top, const char* frame) {
    return {label, kMargin, top, kFirstLabelWidth, kBoxHeight, frame};
}
constexpr Placement secondColumn(const char* label, int top, const char* frame) {
    return {label, kSecondLabelLeft, top, kSecondLabelWidth, kBoxHeight, frame};
}
constexpr Placement box(const char* name, int left, int top, const char* frame) {
    return {name, left, top, kBoxWidth, kBoxHeight, frame};
}

// Frames before what they hold; within a frame, label and box in the order the
// tab key walks them.
constexpr std::array kLayout{
    Placement{"Frame1", 120, 120, 8055, 6135},
    Placement{"Frame2", kFrameLeft, 360, kFrameWidth, 1335, "Frame1"},
    firstColumn("Label2", 360, "Frame2"),
    box("Text1", kFirstColumn, 360, "Frame2"),
    firstColumn("Label3", 720, "Frame2"),
    box("Text2", kFirstColumn, 720, "Frame2"),
    secondColumn("Label4", 360, "Frame2"),
    box("Text3", kSecondColumn, 360, "Frame2"),
    secondColumn("Label5", 720, "Frame2"),
    box("Text4", kSecondColumn, 720, "Frame2"),
    Placement{"Frame3", kFrameLeft, 1800, kFrameWidth, 1575, "Frame1"},
    Placement{"Label7", kMargin, kHeadingTop, kHeadingWidth, kBoxHeight, "Frame3"},
    firstColumn("Label6", 600, "Frame3"),
    box("Text5", kFirstColumn, 600, "Frame3"),
    firstColumn("Label8", 960, "Frame3"),
    box("Text6", kFirstColumn, 960, "Frame3"),
    secondColumn("Label9", 600, "Frame3"),
    box("Text7", kSecondColumn, 600, "Frame3"),
    Placement{"Frame4", kFrameLeft, 3480, kFrameWidth, 1575, "Frame1"},
    Placement{"Label12", kMargin, kHeadingTop, kHeadingWidth, kBoxHeight, "Frame4"},
    firstColumn("Label10", 600, "Frame4"),
    box("Text8", kFirstColumn, 600, "Frame4"),
    firstColumn("Label11", 1080, "Frame4"),
    box("Text9", kFirstColumn, 1080, "Frame4"),
    Placement{"Label13", 3480, 600, 3855, 735, "Frame4"},
    // Below the frames of the other settings: the transmit time-out.
    Placement{"Frame5", kFrameLeft, 5160, kFrameWidth, 735, "Frame1"},
    firstColumn("Label14", 300, "Frame5"),
    box("Text10", kFirstColumn, 300, "Frame5"),
    Placement{"Label15", 3480, 240, 3855, 435, "Frame5"},
    Placement{"Command1", 1440, kButtonTop, kButtonWidth, kButtonHeight},
    Placement{"Command2", 5280, kButtonTop, kButtonWidth, kButtonHeight},
};

// The labels that name a box, right-aligned against it.
constexpr std::array kBoxLabels{"Label2", "Label3", "Label4",  "Label5",  "Label6",
                                "Label8", "Label9", "Label10", "Label11", "Label14"};

// Makes a label's text, leading blanks aside, fit its width: a fallback face
// wider than the one the layout was made for gets a smaller size rather than a clipped word.
void shrinkToFit(QLabel* label) {
    constexpr int kSmallestPixels = 8;
    QFont font = label->font();
    const QString text = label->text().trimmed();
    while (QFontMetrics(font).horizontalAdvance(text) > label->width() &&
           font.pixelSize() > kSmallestPixels) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

} // namespace

SettingsWindow::SettingsWindow(Form5& dialog)
    : FormView(dialog, kLayout, kSettingsWidthTwips, kSettingsHeightTwips) {
    for (const char* name : kBoxLabels) {
        auto* label = static_cast<QLabel*>(widget(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shrinkToFit(label);
    }
    for (const char* name : {"Label13", "Label15"}) {
        auto* note = static_cast<QLabel*>(widget(name));
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

} // namespace volna
