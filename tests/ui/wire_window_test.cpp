// SPDX-License-Identifier: GPL-3.0-or-later
// The wire diagram window: it listens to the recorder only while shown, draws
// the last transfer's clock pulses, and opens from the console's lower panel.

#include "support/console_fixture.h"
#include "synth/control_word.h"
#include "synth/simulated_radio.h"
#include "synth/wire_recorder.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"
#include "ui/wire_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

const QRgb kWave = qRgb(0, 0, 170);

// Runs of the waveform colour along pixel row y.
int waveRuns(const QImage& image, int y) {
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool wave = image.pixel(x, y) == kWave;
        runs += wave && !inRun ? 1 : 0;
        inRun = wave;
    }
    return runs;
}

// The pixel rows on which exactly `count` runs of the waveform lie.
int rowsWithRuns(const QImage& image, int count) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        rows += waveRuns(image, y) == count ? 1 : 0;
    }
    return rows;
}

struct WireWindowTest : ::testing::Test {
    SimulatedRadio radio{SimulatedRadio::History::Nothing};
    WireRecorder recorder{radio};
    WireWindow window{recorder};
};

TEST_F(WireWindowTest, ListensToTheRecorderOnlyWhileShown) {
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 0u);
    window.show();
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 1u);
    window.hide();
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 0u);
    window.show();
    window.show(); // shown twice: still one listener
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 1u);
    window.hide();
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 0u);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape); // closes it, as the operator would
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(recorder.transferRecorded.listenerCount(), 0u);
}

TEST_F(WireWindowTest, DrawsTheClockPulsesAndTheDataOfTheLastWord) {
    EXPECT_EQ(window.size(), QSize(WireWindow::kDefaultWidth, WireWindow::kDefaultHeight));
    const QImage before = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(rowsWithRuns(before, 24), 0); // nothing sent yet: no diagram
    clockOutWord(recorder, buildControlWord(5332.0f), 0, 0, false);
    for (const QSize size : {QSize(900, 260), QSize(500, 200)}) {
        window.resize(size);
        const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The clock's high level: 24 runs; the data line's high level: 8 runs,
        // one for each 1 bit of 001010110010100000000101.
        EXPECT_GE(rowsWithRuns(image, 24), 1) << size.width();
        EXPECT_GE(rowsWithRuns(image, 8), 1) << size.width();
    }
}

// Counts the paints of the widget it watches.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

TEST_F(WireWindowTest, ABurstOfTransfersIsDrawnAFewTimesAndEndsOnTheLastWord) {
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    window.installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    // A scan at a 1 ms interval: a word, then the event loop, 300 times.
    for (int i = 0; i < 300; ++i) {
        const float divider = i < 299 ? 5332.0f : 5392.0f;
        clockOutWord(recorder, buildControlWord(divider), 0, 0, false);
        QTest::qWait(1);
    }
    QTest::qWait(3 * WireWindow::kRedrawMs);
    const qint64 elapsed = clock.elapsed();
    window.removeEventFilter(&counter);
    EXPECT_GE(counter.paints, 1);
    EXPECT_LE(counter.paints, elapsed / WireWindow::kRedrawMs + 2);
    // The drawing shows the last word: the data runs of 5392's 1 bits.
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(rowsWithRuns(image, 6), 1);
    EXPECT_EQ(rowsWithRuns(image, 8), 0);
}

class WireLabelTest : public ConsoleFixture {
protected:
    void SetUp() override {
        view = std::make_unique<ConsoleWindow>(form);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*view);
        start();
    }
    std::unique_ptr<ConsoleWindow> view;
    std::unique_ptr<UiBinding> binding;
};

TEST_F(WireLabelTest, TheLowerPanelLinkLooksLikeALinkAndAClickReachesTheHook) {
    auto* link = view->findChild<QLabel*>("Label19");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QString::fromUtf8(kWireDiagramTitle));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->parentWidget()->objectName(), "Frame3");
    int opened = 0;
    form.openWireDiagram = [&] { ++opened; };
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace volna::test
