// SPDX-License-Identifier: GPL-3.0-or-later
// The windowing semantics the forms rely on: handlers on program changes,
// option groups, posted activation between the program's own windows, timers
// between events, and input refused by disabled or hidden things.

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

// A window that logs its activations into a shared journal.
class LoggingWindow : public Window {
public:
    LoggingWindow(Program& program, std::string name, std::vector<std::string>& log)
        : Window(program, std::move(name)), log_(log) {}
    void Form_Activate() override { log_.push_back("activate " + name()); }
    Button button{*this, "Command1"};
    CheckBox box{*this, "Check1"};
    Timer timer{*this, "Timer1"};

private:
    std::vector<std::string>& log_;
};

class ProgramTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
    Program program;
    LoggingWindow first{program, "First", log};
    LoggingWindow second{program, "Second", log};
};

TEST_F(ProgramTest, CheckBoxChangedFromCodeRunsItsHandlerOnlyOnAChange) {
    int clicks = 0;
    first.box.onClick = [&] { ++clicks; };
    first.box.setChecked(true);
    first.box.setChecked(true);
    first.box.setChecked(false);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(first.box.checked());
}

TEST_F(ProgramTest, OptionGroupRunsOnlyTheNewlySelectedOption) {
    OptionGroup group;
    OptionButton a{first, "OptionA", group};
    OptionButton b{first, "OptionB", group};
    a.setInitiallySelected();
    std::vector<std::string> runs;
    a.onClick = [&] { runs.push_back("a"); };
    b.onClick = [&] { runs.push_back("b"); };
    a.select(); // already selected: nothing runs
    b.select();
    b.select();
    EXPECT_EQ(runs, std::vector<std::string>{"b"});
    EXPECT_FALSE(a.selected());
    EXPECT_TRUE(b.selected());
    program.runEvent([] {});
    first.show();
    program.runEvent([] {});
    EXPECT_TRUE(program.click(a));
    EXPECT_EQ(runs, (std::vector<std::string>{"b", "a"}));
}

TEST_F(ProgramTest, ActivationIsPostedUntilTheHandlerReturns) {
    program.runEvent([&] { first.show(); });
    ASSERT_EQ(log, std::vector<std::string>{"activate First"});
    first.button.onClick = [&] {
        second.show();
        log.push_back("handler done");
    };
    program.click(first.button);
    EXPECT_EQ(log, (std::vector<std::string>{"activate First", "handler done", "activate Second"}));
    EXPECT_EQ(program.activeWindow(), &second);
}

TEST_F(ProgramTest, ActivationRunsOnlyWhenTheActiveWindowChanges) {
    program.runEvent([&] { first.show(); });
    program.activate(first);
    program.runEvent([&] { first.show(); });
    EXPECT_EQ(log.size(), 1u);
    program.runEvent([&] { second.show(); });
    program.activate(first);
    EXPECT_EQ(log,
              (std::vector<std::string>{"activate First", "activate Second", "activate First"}));
}

TEST_F(ProgramTest, HidingTheActiveWindowActivatesTheNextShownOne) {
    program.runEvent([&] {
        first.show();
        second.show();
    });
    EXPECT_EQ(log, std::vector<std::string>{"activate Second"});
    program.runEvent([&] { second.hide(); });
    EXPECT_EQ(program.activeWindow(), &first);
    program.runEvent([&] { first.hide(); });
    EXPECT_EQ(program.activeWindow(), nullptr);
    // Hidden, then shown again: that is a change, so it activates.
    program.runEvent([&] { first.show(); });
    EXPECT_EQ(log,
              (std::vector<std::string>{"activate Second", "activate First", "activate First"}));
}

TEST_F(ProgramTest, ADisabledWindowOrAHiddenOrDisabledControlTakesNoInput) {
    int clicks = 0;
    first.button.onClick = [&] { ++clicks; };
    EXPECT_FALSE(program.click(first.button)); // window not shown
    program.runEvent([&] { first.show(); });
    EXPECT_TRUE(program.click(first.button));
    first.enabled = false;
    EXPECT_FALSE(program.click(first.button));
    EXPECT_FALSE(program.activate(first));
    EXPECT_FALSE(program.close(first));
    EXPECT_TRUE(first.shown());
    first.enabled = true;
    first.button.visible = false;
    EXPECT_FALSE(program.click(first.button));
    first.button.visible = true;
    first.button.enabled = false;
    EXPECT_FALSE(program.click(first.button));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ProgramTest, TimersTickBetweenEventsAtTheirIntervalOnTheVirtualClock) {
    std::vector<std::int64_t> ticks;
    first.timer.onTick = [&] { ticks.push_back(program.now()); };
    first.timer.setInterval(400);
    program.advance(1000); // off: nothing
    EXPECT_TRUE(ticks.empty());
    program.runEvent([&] { first.timer.setEnabled(true); });
    program.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1400, 1800}));
    // A new interval starts a new countdown from the event that set it.
    program.runEvent([&] { first.timer.setInterval(100); });
    program.advance(250);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1400, 1800, 2100, 2200}));
    program.runEvent([&] { first.timer.setEnabled(false); });
    program.advance(1000);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(ProgramTest, TimerIntervalBelowOneMillisecondIsOne) {
    first.timer.setInterval(0);
    EXPECT_EQ(first.timer.interval(), 1);
    first.timer.setInterval(-5);
    EXPECT_EQ(first.timer.interval(), 1);
}

TEST_F(ProgramTest, TwoTimersDueTogetherTickInDeclarationOrderAndATickCanStopTheOther) {
    std::vector<std::string> ticks;
    Timer other{first, "Timer2"};
    first.timer.onTick = [&] {
        ticks.push_back("one");
        other.setEnabled(false);
    };
    other.onTick = [&] { ticks.push_back("two"); };
    first.timer.setInterval(10);
    other.setInterval(10);
    program.runEvent([&] {
        first.timer.setEnabled(true);
        other.setEnabled(true);
    });
    program.advance(10);
    EXPECT_EQ(ticks, std::vector<std::string>{"one"});
}

TEST_F(ProgramTest, QuitEndsEveryFurtherEvent) {
    int ticks = 0;
    first.timer.onTick = [&] {
        ++ticks;
        program.quit();
    };
    first.timer.setInterval(1);
    program.runEvent([&] {
        first.show();
        first.timer.setEnabled(true);
    });
    program.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(program.click(first.button));
}

TEST_F(ProgramTest, OperatorTypingIsCutToTheMaximumLengthInCharacters) {
    TextBox box{first, "Text1", 6};
    program.runEvent([&] { first.show(); });
    program.type(box, "145500999");
    EXPECT_EQ(box.text(), "145500");
    program.type(box, "Проверка связи");
    EXPECT_EQ(box.text(), "Провер");
    box.setText("1234567890"); // the program itself is not limited
    EXPECT_EQ(box.text(), "1234567890");
}

// A text the program set longer than the limit may be shortened by typing but
// never lengthened; once below the limit, the limit holds again.
TEST_F(ProgramTest, TypingNeverCutsALongerTextTheProgramSetOnlyKeepsItFromGrowing) {
    TextBox box{first, "Text1", 6};
    program.runEvent([&] { first.show(); });
    box.setText("Жжжжжжжжжж"); // ten characters, twenty bytes
    EXPECT_EQ(box.typingLimit(), 10);
    program.type(box, "Жжжжжжжжжжж");
    EXPECT_EQ(box.text(), "Жжжжжжжжжж");
    program.type(box, "ЖжжжжжжжЖ");
    EXPECT_EQ(box.text(), "ЖжжжжжжжЖ");
    EXPECT_EQ(box.typingLimit(), 9);
    program.type(box, "Жжж");
    program.type(box, "Жжж1234");
    EXPECT_EQ(box.text(), "Жжж123");
    TextBox unlimited{first, "Text2"};
    EXPECT_EQ(unlimited.typingLimit(), 0);
}

TEST_F(ProgramTest, OnlyTheOperatorsMoveOfTheSliderRunsItsScrollHandler) {
    Slider slider{first, "Slider1"};
    int scrolls = 0;
    slider.onScroll = [&] { ++scrolls; };
    slider.setMaximum(80);
    slider.setValue(100);
    EXPECT_EQ(slider.value(), 80);
    slider.setMaximum(40);
    EXPECT_EQ(slider.value(), 40);
    slider.setMaximum(-3);
    EXPECT_EQ(slider.maximum(), 0);
    EXPECT_EQ(scrolls, 0);
    slider.setMaximum(80);
    program.runEvent([&] { first.show(); });
    program.scroll(slider, 12);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(slider.value(), 12);
}

TEST_F(ProgramTest, AfterEventListenersRunOncePerEventAfterItsActivation) {
    std::vector<std::string> order;
    const Subscription after = program.addAfterEvent([&] { order.push_back("after"); });
    program.runEvent([&] {
        first.show();
        order.push_back("event");
    });
    EXPECT_EQ(order, (std::vector<std::string>{"event", "after"}));
    EXPECT_EQ(log, std::vector<std::string>{"activate First"});
}

} // namespace
} // namespace volna
