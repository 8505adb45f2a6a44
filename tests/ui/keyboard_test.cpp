// SPDX-License-Identifier: GPL-3.0-or-later
// The console's keys that only its widgets handle: the tab key's way through
// the console, Enter and Space on a display link, the slider's Page keys, the
// wheel over the read-out, and Enter on the focused TX switch keying nothing.

#include "support/console_fixture.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna::test {
namespace {

class KeyboardTest : public ConsoleFixture {
protected:
    void SetUp() override {
        binding.addView(view);
        setChannel(1, "145500");
        start();
        program.scroll(form.tuningSlider, 44); // 145100 kHz, keyed at 144500
    }
    QWidget* widget(const char* name) { return view.findChild<QWidget*>(name); }
    // The controls the tab key stops at, in order, from the window's start.
    std::vector<std::string> tabStops() {
        std::vector<std::string> stops;
        for (QWidget* at = view.nextInFocusChain(); at != &view; at = at->nextInFocusChain()) {
            if (at->isVisibleTo(&view) && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)) {
                stops.push_back(at->objectName().toStdString());
            }
        }
        return stops;
    }
    // The control after "Command1", the last button, as the tab key finds it.
    QWidget* tabFromLastButton() {
        widget("Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    }
    void wheel(int angle) {
        QWidget* readOut = widget("Label1");
        QWheelEvent event(QPointF(5, 5), readOut->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(readOut, &event);
    }

    ConsoleWindow view{form};
    UiBinding binding{program};
};

TEST_F(KeyboardTest, TabStartsAtTheSliderAndEnterOrSpaceClickALink) {
    const std::vector<std::string> expected{"Slider1",  "Label7",    "Label12", "Label18",
                                            "Option2",  "Option1_0", "Option3", "Check3",
                                            "Command3", "Command14"};
    const std::vector<std::string> stops = tabStops();
    ASSERT_GE(stops.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(stops.begin(), stops.begin() + 10), expected);
    EXPECT_EQ(stops.back(), "Label19"); // the diagram link, below the window's edge

    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    EXPECT_EQ(tabFromLastButton(), widget("Slider1"));  // the hidden link skipped
    QTest::keyClick(widget("Label12"), Qt::Key_Return); // "ADDition"
    EXPECT_TRUE(form.extraPanelShown);
    EXPECT_EQ(tabFromLastButton(), widget("Label19"));
    QTest::keyClick(widget("Label12"), Qt::Key_Space);
    EXPECT_FALSE(form.extraPanelShown);
}

TEST_F(KeyboardTest, PageKeysTheWheelAndNoStrayKeyOnTheTransmitSwitch) {
    program.scroll(form.tuningSlider, 3);
    QTest::keyClick(widget("Slider1"), Qt::Key_PageUp); // ten notches
    EXPECT_EQ(form.tunedKHz(), 144325);
    QTest::keyClick(widget("Slider1"), Qt::Key_PageDown);
    QTest::keyClick(widget("Slider1"), Qt::Key_PageDown);
    EXPECT_EQ(form.tuningSlider.value(), 0); // held at the end

    program.scroll(form.tuningSlider, 44);
    wheel(240);
    EXPECT_EQ(form.tunedKHz(), 145150);
    wheel(-60);
    wheel(-60);
    EXPECT_EQ(form.tunedKHz(), 145125); // two half steps make one

    QTest::keyClick(widget("Check4"), Qt::Key_Return); // no stray Enter keys
    EXPECT_FALSE(form.transmitting());
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(&view, Qt::Key_F5);
    ASSERT_EQ(form.runningScan(), Form1::Scan::Band);
    QTest::keyClick(&view, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(form.transmitting()); // the switch takes no key during a scan
    QTest::keyClick(&view, Qt::Key_F5);
    program.click(form.transmitSwitch);
    wheel(120);
    EXPECT_EQ(form.tuningSlider.value(), 45); // the slider is locked
    program.click(form.transmitSwitch);
}

} // namespace
} // namespace volna::test
