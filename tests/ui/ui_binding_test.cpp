// SPDX-License-Identifier: GPL-3.0-or-later
// The binding's timing: the indicator is current after every kind of event
// with no platform timer of its own, and the redraw after a timer's tick waits
// for the frame yet always draws the model's last state.

#include "remote/console_rig.h"
#include "support/console_fixture.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"

#include <QLabel>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class UiBindingTest : public ConsoleFixture {
protected:
    void SetUp() override {
        setChannel(2, "144050", "", "two");
        view = std::make_unique<ConsoleWindow>(form);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*view);
        start();
        auto refresh = form.indicatorTimer.onTick;
        form.indicatorTimer.onTick = [this, refresh] {
            ++indicatorTicks;
            refresh();
        };
    }
    QString shown(const char* name) { return view->findChild<QLabel*>(name)->text(); }
    QString readOut() { return shown("Label1"); }
    QString indicator() { return shown("Label17"); }

    std::unique_ptr<ConsoleWindow> view;
    std::unique_ptr<UiBinding> binding;
    int indicatorTicks = 0;
};

TEST_F(UiBindingTest, TheIndicatorFollowsEveryKindOfEventWithoutItsTimerWaking) {
    ASSERT_TRUE(form.indicatorTimer.enabled());
    ASSERT_EQ(indicator(), "NONE");

    program.scroll(form.tuningSlider, 2); // the operator's input
    EXPECT_EQ(indicator(), "2");
    EXPECT_EQ(shown("Label9"), "two");

    program.runEvent([&] { form.moveSliderTo(0); }); // a network request
    EXPECT_EQ(indicator(), "NONE");

    program.click(form.bandScanButton); // the scan's ticks come from the platform
    ASSERT_TRUE(form.bandScanRunning());
    for (int notch = 0; notch <= 2; ++notch) { // from the slider's place, 144000
        binding->deliverTick(form.bandScanTimer);
    }
    ASSERT_EQ(form.readOut.caption, "144050");
    EXPECT_EQ(form.channelIndicator.caption, "2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return indicator() == "2"; }, 1000));
    program.click(form.bandScanButton); // "Stop"
    ASSERT_FALSE(form.bandScanRunning());

    // Several of its intervals pass untouched: the indicator's timer never ran.
    QTest::qWait(3 * Form1::kIndicatorIntervalMs);
    EXPECT_EQ(indicatorTicks, 0);
    // The model's own clock still ticks it.
    program.advance(Form1::kIndicatorIntervalMs);
    EXPECT_EQ(indicatorTicks, 1);
    EXPECT_EQ(indicator(), QString::fromStdString(form.channelIndicator.caption));
}

// The handler that opened a box has not returned while it waits: the console
// is drawn as the box opens and after each request served meanwhile.
TEST_F(UiBindingTest, WhileABoxWaitsTheConsoleIsDrawnAsItStands) {
    program.scroll(form.tuningSlider, 40);
    ConsoleRig rig(form, "VOLNA144 test");
    program.runEvent([&] {
        ASSERT_EQ(rig.setTransmit(true), RigControl::Result::Ok);
        QWidget box;
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        EXPECT_EQ(shown("Label5"), "TX");
        binding->runRequest([&] { rig.setTransmit(false); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown("Label5") == "RX"; }, 1000));
    });
}

TEST_F(UiBindingTest, RedrawsAfterTicksWaitForTheFrameAndDrawTheLastState) {
    program.click(form.bandScanButton);
    ASSERT_TRUE(form.bandScanRunning());
    const QString before = readOut();
    const int words = radio.wordCount();
    for (int i = 0; i < 5; ++i) {
        binding->deliverTick(form.bandScanTimer);
    }
    EXPECT_EQ(radio.wordCount(), words + 5); // every tick retuned
    EXPECT_EQ(readOut(), before);            // not drawn yet
    const QString last = QString::fromStdString(form.readOut.caption);
    ASSERT_NE(last, before);
    // The frame comes and draws the model as it stands (a later tick of the
    // scan's own timer may have moved it on meanwhile).
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return readOut() == QString::fromStdString(form.readOut.caption); }, 1000));
    EXPECT_NE(readOut(), before);

    program.click(form.bandScanButton); // "Stop": the operator's input draws at once
    EXPECT_EQ(readOut(), QString::fromStdString(form.readOut.caption));
    EXPECT_EQ(view->findChild<QSlider*>("Slider1")->value(), form.tuningSlider.value());
}

TEST_F(UiBindingTest, AClientsTuneIsDoneAtOnceAndDrawnAtTheFrame) {
    ConsoleRig rig(form, "test");
    const QString before = readOut();
    const int words = radio.wordCount();
    binding->runRequest([&] { EXPECT_EQ(rig.tune(144050000), RigControl::Result::Ok); });
    EXPECT_EQ(form.readOut.caption, "144050"); // tuned, and the word is out
    EXPECT_EQ(radio.wordCount(), words + 1);
    EXPECT_EQ(readOut(), before); // the reply need not wait for the widgets
    EXPECT_TRUE(QTest::qWaitFor([&] { return readOut() == "144050"; }, 1000));
    EXPECT_EQ(indicator(), "2");
    EXPECT_EQ(view->findChild<QSlider*>("Slider1")->value(), form.tuningSlider.value());
}

TEST_F(UiBindingTest, SyncDrawsAtOnceAfterTicks) {
    program.click(form.bandScanButton);
    binding->deliverTick(form.bandScanTimer);
    binding->deliverTick(form.bandScanTimer);
    binding->sync();
    EXPECT_EQ(readOut(), QString::fromStdString(form.readOut.caption));
    EXPECT_EQ(indicator(), QString::fromStdString(form.channelIndicator.caption));
}

// A hidden window is not drawn at each frame, but whole once it shows.
TEST_F(UiBindingTest, AWindowChangedWhileHiddenShowsItsLastState) {
    program.runEvent([&] { form.hide(); });
    ASSERT_FALSE(view->isVisible());
    program.runEvent([&] { form.readOut.caption = "145500"; });
    program.runEvent([&] { form.show(); });
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(readOut(), "145500");
}

} // namespace
} // namespace volna::test
