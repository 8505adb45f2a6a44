// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/console_window.h"

#include "console/console.h"
#include "toolkit/program.h"
#include "ui/fonts.h"
#include "ui/translate.h"

#include <QFocusEvent>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace volna {

namespace {

// Twips: left, top, width, height. Controls listed later lie on top.
constexpr int kRow1 = 1680; // top of channel buttons 1..5
constexpr int kRow2 = 2040; // top of channel buttons 6..10
constexpr int kChannelLeft = 7080;
constexpr int kChannelPitch = 360;
constexpr int kChannelSize = 375;

constexpr Placement channelPlace(const char* name, int k) {
    const int column = k <= 5 ? k - 1 : k - 6;
    return {name, kChannelLeft + kChannelPitch * column, k <= 5 ? kRow1 : kRow2, kChannelSize,
            kChannelSize};
}

constexpr std::array kLayout{
    Placement{"Label6", 360, 240, 6495, 1815},
    Placement{"Label4", 480, 360, 615, 615},
    Placement{"Label5", 480, 720, 615, 375},
    Placement{"Label10", 480, 1200, 615, 375},
    Placement{"Label8", 480, 1560, 615, 375},
    Placement{"Label1", 1200, 480, 3495, 1095},
    Placement{"Label9", 1200, 1560, 5175, 375},
    Placement{"Label2", 4920, 360, 735, 615},
    Placement{"Label3", 4920, 1080, 495, 495},
    Placement{"Label7", 5640, 360, 975, 375},
    Placement{"Label12", 5640, 720, 975, 375},
    Placement{"Label11", 5640, 1080, 615, 375},
    Placement{"Label17", 6240, 1560, 495, 255},
    Placement{"Label18", 6240, 1080, 615, 375},
    Placement{"Slider1", 360, 2400, 6495, 495},
    Placement{"Option2", 7200, 240, 1215, 195},
    Placement{"Option1_0", 7200, 480, 1215, 255},
    Placement{"Option3", 7200, 720, 1335, 315},
    Placement{"Check3", 7080, 1200, 1695, 375},
    channelPlace("Command3", 1),
    channelPlace("Command5", 2),
    channelPlace("Command6", 3),
    channelPlace("Command7", 4),
    channelPlace("Command8", 5),
    channelPlace("Command9", 6),
    channelPlace("Command10", 7),
    channelPlace("Command11", 8),
    channelPlace("Command12", 9),
    channelPlace("Command13", 10),
    channelPlace("Check2_0", 1),
    channelPlace("Check2_1", 2),
    channelPlace("Check2_2", 3),
    channelPlace("Check2_3", 4),
    channelPlace("Check2_4", 5),
    channelPlace("Check2_5", 6),
    channelPlace("Check2_6", 7),
    channelPlace("Check2_7", 8),
    channelPlace("Check2_8", 9),
    channelPlace("Check2_9", 10),
    Placement{"Command14", 7080, 2520, 1815, 495},
    Placement{"Check1", 9000, 120, 2295, 255},
    Placement{"Frame1", 9000, 360, 1095, 735},
    Placement{"Frame2", 10200, 360, 1095, 735},
    Placement{"Text2", 9120, 600, 855, 375},
    Placement{"Text6", 10320, 600, 855, 375},
    Placement{"Command2", 9120, 1320, 615, 615},
    Placement{"Command4", 9720, 1320, 855, 615},
    Placement{"Command17", 10560, 1320, 615, 615},
    Placement{"Command15", 9120, 2040, 495, 375},
    Placement{"Command16", 9600, 2040, 495, 375},
    Placement{"Check4", 10200, 2040, 975, 375},
    Placement{"Command1", 9000, 2640, 2295, 375},
    Placement{"Frame3", 240, 3240, 11055, 855},
    Placement{"Label13", 120, 240, 1695, 255, "Frame3"},
    Placement{"Label14", 1800, 240, 2895, 255, "Frame3"},
    Placement{"Label15", 120, 480, 1695, 255, "Frame3"},
    Placement{"Label16", 1800, 480, 615, 255, "Frame3"},
    Placement{"Label19", 4920, 240, 2535, 255, "Frame3"},
    // Outside the visible area: a hidden helper box.
    Placement{"Text990", 12000, 0, 855, 375},
};

// The tab key's way through the console: the read-out and the slider first,
// then the display's links, then the rest column by column, top to bottom.
// Each channel's button and scan box sit in one place and only one shows.
constexpr std::array kTabOrder{
    "Label1",    "Slider1",   "Label7",    "Label12",  "Label18",   "Option2",  "Option1_0",
    "Option3",   "Check3",    "Command3",  "Check2_0", "Command5",  "Check2_1", "Command6",
    "Check2_2",  "Command7",  "Check2_3",  "Command8", "Check2_4",  "Command9", "Check2_5",
    "Command10", "Check2_6",  "Command11", "Check2_7", "Command12", "Check2_8", "Command13",
    "Check2_9",  "Command14", "Check1",    "Text2",    "Text6",     "Command2", "Command4",
    "Command17", "Command15", "Command16", "Check4",   "Command1",  "Label19",
};

// The small box that asks for a frequency.
constexpr const char* kTypeFrequencyTitle = "Ввод частоты";
constexpr const char* kTypeFrequencyPrompt = "Частота в kHz (145500) или в MHz (145.5):";

// Eighths of a degree in one step of a common mouse wheel.
constexpr int kWheelStep = 120;

constexpr int kClientHeightTwips = 3240;
constexpr int kCaptionTwips = kConsoleHeightTwips - kClientHeightTwips;

} // namespace

ConsoleWindow::ConsoleWindow(Form1& console)
    : FormView(console, kLayout, kConsoleWidthTwips, kClientHeightTwips, kCaptionTwips),
      console_(console) {
    addOutline(240, 120, 6735, 2055);   // display panel
    addOutline(240, 2280, 6735, 735);   // slider
    addOutline(7080, 120, 1815, 975);   // step options
    addOutline(9000, 1200, 2295, 1335); // scan buttons
    styleDisplay();
    fitCaptions(); // the display's own faces are set only now
    orderTabs();
    widget("Label1")->installEventFilter(this);
    widget("Label19")->installEventFilter(this);
    keyAction = [this](KeyAction action) {
        if (action == KeyAction::TypeFrequency) {
            typeFrequency();
        } else if (action == KeyAction::LockOut) {
            console_.program().runEvent([this] { console_.lockOutHeld(); });
        } else if (action == KeyAction::OpenScanner && console_.openScanner) {
            console_.openScanner();
        }
    };
    render();
}

void ConsoleWindow::orderTabs() {
    for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
        QWidget::setTabOrder(widget(kTabOrder[i - 1]), widget(kTabOrder[i]));
    }
}

// Nothing while the console takes no input (a dialog holds it); the console's
// handler refuses what it must and says why.
void ConsoleWindow::typeFrequency() {
    if (!console_.enabled || !console_.shown()) {
        return;
    }
    bool accepted = false;
    const QString typed =
        QInputDialog::getText(this, shown(kTypeFrequencyTitle), shown(kTypeFrequencyPrompt),
                              QLineEdit::Normal, QString(), &accepted);
    if (accepted) {
        console_.program().runEvent(
            [this, text = typed.toStdString()] { console_.tuneTypedFrequency(text); });
    }
}

bool ConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched == widget("Label1")) {
        wheelTune(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    // The lower panel lies below the window's edge until "ADDition" shows it:
    // the tab key passes its link by meanwhile.
    if (event->type() == QEvent::FocusIn && watched == widget("Label19") &&
        !console_.extraPanelShown) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        focusNextPrevChild(reason != Qt::BacktabFocusReason);
        return false;
    }
    return FormView::eventFilter(watched, event);
}

// One notch per whole wheel step, up for a higher frequency, as the slider's
// arrow keys move it; the slider's ends hold it.
void ConsoleWindow::wheelTune(int angleDelta) {
    wheelRemainder_ += angleDelta;
    const int steps = wheelRemainder_ / kWheelStep;
    wheelRemainder_ %= kWheelStep;
    if (steps == 0) {
        return;
    }
    const Slider& slider = console_.tuningSlider;
    console_.moveSliderTo(std::clamp(slider.value() + steps, 0, std::max(0, slider.maximum())));
}

void ConsoleWindow::addOutline(int left, int top, int width, int height) {
    auto* outline = new QFrame(this);
    outline->setFrameShape(QFrame::Box);
    outline->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
    outline->lower();
}

void ConsoleWindow::styleDisplay() {
    QWidget* panel = widget("Label6");
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    // The read-out and the slider position change at every frame of a scan.
    // Drawn opaque in the panel's black, a change repaints only them, not the
    // panel beneath; the slider likewise in the window's colour, not the
    // window and the outline beneath it. A widget above that overlaps one of
    // them is repainted with it: the read-out goes above the comment line
    // that follows it, whose top row it covers by a pixel and which is blank
    // there (a pixel lower, the comment's text would move), and the
    // slider position, whose right edge rounds a pixel into the column where
    // "Channel" and "ADDition" start, is drawn a pixel narrower.
    for (const char* name : {"Label1", "Label2"}) {
        QWidget* readOut = widget(name);
        readOut->setAutoFillBackground(true);
        QPalette palette = readOut->palette();
        palette.setColor(QPalette::Window, Qt::black);
        readOut->setPalette(palette);
    }
    widget("Label9")->stackUnder(widget("Label1")); // the two change places, no more
    QWidget* position = widget("Label2");
    const int overlap = position->geometry().right() - widget("Label7")->x() + 1;
    position->resize(position->width() - std::max(0, overlap), position->height());
    widget("Slider1")->setAutoFillBackground(true);

    auto font = [this](const char* name, const QFont& face, Qt::Alignment alignment) {
        auto* label = static_cast<QLabel*>(widget(name));
        label->setFont(face);
        label->setAlignment(alignment);
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    font("Label1", readOutFont(), Qt::AlignRight | Qt::AlignVCenter);
    for (const char* name :
         {"Label4", "Label5", "Label7", "Label8", "Label10", "Label11", "Label12", "Label18"}) {
        font(name, crystalFont(), left);
    }
    font("Label5", crystalFont(14), left); // the mode must read at a glance
    font("Label2", terminalFont(), left);
    font("Label3", terminalFont(), left);
    font("Label9", commentFont(), left);
    font("Label17", channelNumberFont(), Qt::AlignRight | Qt::AlignVCenter);
    for (const char* name : {"Label7", "Label12", "Label18"}) {
        widget(name)->setCursor(Qt::PointingHandCursor);
    }
    styleLink("Label19");
}

// A label of the lower panel that opens a window: the panel's colours,
// underlined, with the pointing hand.
void ConsoleWindow::styleLink(const char* name) {
    QWidget* link = widget(name);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    link->setCursor(Qt::PointingHandCursor);
}

} // namespace volna
