// The console and a dialog without a mouse: the tab key's way through the
// console, Enter and Space on a display link, Page Up on the slider, a
// shortcut, and Escape and Enter in the settings dialog, each reaching the
// model's handler.

#include "settings/settings_dialog.h"
#include "support/console_fixture.h"
#include "ui/console_window.h"
#include "ui/settings_window.h"
#include "ui/ui_binding.h"

#include <QApplication>
#include <QLineEdit>
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
        binding.addView(consoleView);
        binding.addView(settingsView);
        setChannel(1, "145500");
        start();
        dialog.Form_Load();
        form.openSettings = [this] { dialog.show(); };
    }
    QWidget* widget(QWidget& view, const char* name) {
        auto* found = view.findChild<QWidget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The controls the tab key stops at, in order, from the window's start.
    std::vector<std::string> tabStops() {
        std::vector<std::string> stops;
        for (QWidget* at = consoleView.nextInFocusChain(); at != &consoleView;
             at = at->nextInFocusChain()) {
            if (at->isVisibleTo(&consoleView) && at->isEnabled() &&
                (at->focusPolicy() & Qt::TabFocus) != 0) {
                stops.push_back(at->objectName().toStdString());
            }
        }
        return stops;
    }
    void activate(QWidget& view) {
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    Form5 dialog{program, store, prompter, form};
    ConsoleWindow consoleView{form};
    SettingsWindow settingsView{dialog};
    UiBinding binding{program};
};

TEST_F(KeyboardTest, TabStartsAtTheSliderThenTheDisplayLinksThenReadingOrder) {
    const std::vector<std::string> expected{"Slider1",  "Label7",    "Label12", "Label18",
                                            "Option2",  "Option1_0", "Option3", "Check3",
                                            "Command3", "Command14"};
    std::vector<std::string> stops = tabStops();
    ASSERT_GE(stops.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(stops.begin(), stops.begin() + 10), expected);
    EXPECT_EQ(stops.back(), "Label19"); // the diagram link, below the window's edge

    activate(consoleView);
    widget(consoleView, "Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget(consoleView, "Slider1")); // the link skipped
    QTest::keyClick(widget(consoleView, "Label12"), Qt::Key_Return);        // "ADDition"
    EXPECT_TRUE(form.extraPanelShown);
    widget(consoleView, "Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget(consoleView, "Label19"));
    QTest::keyClick(widget(consoleView, "Label12"), Qt::Key_Space);
    EXPECT_FALSE(form.extraPanelShown);
}

TEST_F(KeyboardTest, PageUpMovesTheSliderTenNotchesThroughItsScrollHandler) {
    program.scroll(form.tuningSlider, 3);
    QTest::keyClick(widget(consoleView, "Slider1"), Qt::Key_PageUp);
    EXPECT_EQ(form.tuningSlider.value(), 13);
    EXPECT_EQ(form.tunedKHz(), 144325);
    QTest::keyClick(widget(consoleView, "Slider1"), Qt::Key_PageDown);
    QTest::keyClick(widget(consoleView, "Slider1"), Qt::Key_PageDown);
    EXPECT_EQ(form.tuningSlider.value(), 0); // held at the end
    EXPECT_EQ(form.tunedKHz(), 144000);
}

TEST_F(KeyboardTest, TheWheelOverTheReadOutTunesANotchAStepUnlessTheSliderIsLocked) {
    QWidget* readOut = widget(consoleView, "Label1");
    auto wheel = [readOut](int angle) {
        QWheelEvent event(QPointF(5, 5), readOut->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(readOut, &event);
    };
    program.scroll(form.tuningSlider, 44);
    wheel(240);
    EXPECT_EQ(form.tunedKHz(), 145150);
    wheel(-60);
    wheel(-60);
    EXPECT_EQ(form.tunedKHz(), 145125); // two half steps make one
    program.click(form.transmitSwitch);
    wheel(120);
    EXPECT_EQ(form.tuningSlider.value(), 45);
    program.click(form.transmitSwitch);
}

TEST_F(KeyboardTest, ShortcutsClickTheirControls) {
    program.scroll(form.tuningSlider, 44); // 145100 kHz, keyed at 144500
    activate(consoleView);
    QTest::keyClick(&consoleView, Qt::Key_F5);
    EXPECT_EQ(form.runningScan(), Form1::Scan::Band);
    QTest::keyClick(&consoleView, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(form.transmitting()); // the switch takes no click during a scan
    QTest::keyClick(&consoleView, Qt::Key_F5);
    EXPECT_EQ(form.runningScan(), Form1::Scan::None);
    QTest::keyClick(&consoleView, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form.transmitting());
    QTest::keyClick(&consoleView, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(form.transmitting());
    QTest::keyClick(widget(consoleView, "Check4"), Qt::Key_Return); // no stray Enter keys
    EXPECT_FALSE(form.transmitting());
    QTest::keyClick(&consoleView, Qt::Key_T, Qt::ShiftModifier);
    EXPECT_FALSE(form.transmitting());
}

TEST_F(KeyboardTest, EscapeAndEnterInTheSettingsRunTheirButtonsHandlers) {
    activate(consoleView);
    QTest::keyClick(&consoleView, Qt::Key_F8); // "Config"
    ASSERT_TRUE(dialog.shown());
    EXPECT_FALSE(form.shown());
    QTest::keyClick(widget(settingsView, "Text3"), Qt::Key_Escape); // "Выход"
    EXPECT_FALSE(dialog.shown());
    EXPECT_TRUE(form.shown());

    program.click(form.configButton);
    auto* lower = static_cast<QLineEdit*>(widget(settingsView, "Text1"));
    lower->selectAll();
    QTest::keyClicks(lower, "144100");
    QTest::keyClick(lower, Qt::Key_Return); // "Сохранить и выйти"
    EXPECT_FALSE(dialog.shown());
    EXPECT_EQ(store.readSetting(kSectionSettings, kKeyLowerBound, ""), "144100");
}

} // namespace
} // namespace volna::test
