// SPDX-License-Identifier: GPL-3.0-or-later
// The console as drawn: every control of the model is a widget of the same
// name at its place in the layout, shows what the model holds, and passes the
// operator's clicks to the model's handlers.

#include "support/console_fixture.h"
#include "support/row_names.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class ConsoleWindowTest : public ConsoleFixture {
protected:
    void SetUp() override {
        view = std::make_unique<ConsoleWindow>(form);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*view);
        start();
    }
    // A program that ended asked Qt's event loop to leave (the binding calls
    // QCoreApplication::exit); with no loop running, Qt keeps that request and
    // the next loop any later test starts would leave at once. One loop run
    // here takes the request up.
    void TearDown() override {
        if (program.quitting()) {
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
    }
    template <class T = QWidget> T* widget(const char* name) {
        T* found = view->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<ConsoleWindow> view;
    std::unique_ptr<UiBinding> binding;
};

TEST_F(ConsoleWindowTest, EveryControlIsAWidgetOfItsName) {
    for (Control* control : form.controls()) {
        EXPECT_NE(view->findChild<QWidget*>(QString::fromStdString(control->name())), nullptr)
            << control->name();
    }
}

struct Geometry {
    const char* name;
    QRect pixels;
};

// The drawn console and the widget of the row's name.
class ConsoleWindowPlacementTest : public ConsoleWindowTest,
                                   public ::testing::WithParamInterface<Geometry> {};

TEST_P(ConsoleWindowPlacementTest, ControlsSitAtTheirLayoutPlaces) {
    QWidget* found = widget(GetParam().name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->geometry(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ConsoleWindowPlacementTest,
    ::testing::Values(
        Geometry{"Label1", {80, 32, 233, 73}}, Geometry{"Slider1", {24, 160, 433, 33}},
        Geometry{"Command3", {472, 112, 25, 25}}, Geometry{"Command8", {568, 112, 25, 25}},
        Geometry{"Command9", {472, 136, 25, 25}}, Geometry{"Command13", {568, 136, 25, 25}},
        Geometry{"Check2_0", {472, 112, 25, 25}}, Geometry{"Check2_9", {568, 136, 25, 25}},
        Geometry{"Command1", {600, 176, 153, 25}}, Geometry{"Check4", {680, 136, 65, 25}},
        Geometry{"Frame3", {16, 216, 737, 57}}, Geometry{"Label14", {120, 16, 193, 17}}),
    rowNameOf<Geometry>);

TEST_F(ConsoleWindowTest, TheWindowHasItsLayoutSizeAndTheSpareBoxSitsOutsideIt) {
    EXPECT_EQ(view->size(), QSize(766, 216));
    EXPECT_GT(widget("Text990")->x(), view->width()); // outside the visible area
}

TEST_F(ConsoleWindowTest, WidgetsShowWhatTheModelHolds) {
    EXPECT_EQ(widget<QLabel>("Label1")->text(), "144000");
    EXPECT_EQ(widget<QLabel>("Label17")->text(), "NONE");
    EXPECT_EQ(widget<QLabel>("Label14")->text(), "001010110010100000000101");
    EXPECT_FALSE(widget("Command4")->isEnabled());
    EXPECT_FALSE(widget("Check2_3")->isVisibleTo(view.get()));
    EXPECT_TRUE(widget<QAbstractButton>("Option2")->isChecked());
    EXPECT_EQ(widget<QSlider>("Slider1")->maximum(), 80);
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8(kConsoleTitle));
    EXPECT_EQ(widget<QLabel>("Label5")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

// What a scan changes at every frame is drawn opaque and overlapped by no
// widget above it, so a frame repaints it alone: not the panel beneath, nor
// a label beside it.
TEST_F(ConsoleWindowTest, WhatAScanChangesRepaintsAlone) {
    for (const char* name : {"Label1", "Label2", "Slider1"}) {
        QWidget* changing = widget(name);
        EXPECT_TRUE(changing->autoFillBackground()) << name;
        const QObjectList& siblings = changing->parentWidget()->children();
        for (auto above = siblings.indexOf(changing) + 1; above < siblings.size(); ++above) {
            auto* sibling = qobject_cast<QWidget*>(siblings[above]);
            EXPECT_FALSE(sibling != nullptr && sibling->isVisibleTo(view.get()) &&
                         sibling->geometry().intersects(changing->geometry()))
                << name << " is overlapped by " << siblings[above]->objectName().toStdString();
        }
    }
}

TEST_F(ConsoleWindowTest, TheReadOutShowsItsDigitsWhole) {
    auto* readOut = widget<QLabel>("Label1");
    EXPECT_GE(readOut->height(), readOut->sizeHint().height());
    EXPECT_GE(readOut->width(), readOut->fontMetrics().horizontalAdvance("146000"));
}

TEST_F(ConsoleWindowTest, AClickOnTheAdditionLabelReachesItsHandler) {
    QTest::mouseClick(widget("Label12"), Qt::LeftButton);
    EXPECT_EQ(form.heightTwips, kConsoleHeightWithPanelTwips);
    EXPECT_EQ(view->size(), QSize(766, 287));
    QTest::mouseClick(widget("Label12"), Qt::LeftButton);
    EXPECT_EQ(view->size(), QSize(766, 216));
    EXPECT_EQ(widget<QLabel>("Label12")->palette().color(QPalette::WindowText), QColor(Qt::green));
}

TEST_F(ConsoleWindowTest, ExitClickedStoresTheReadOutAndEndsTheProgram) {
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    EXPECT_TRUE(program.quitting());
    EXPECT_EQ(store.readSetting("Flags", "BACK", "?"), "144000");
}

// While another window disables the console, "RX" alone takes the click.
TEST_F(ConsoleWindowTest, OnlyTheWayBackToReceiveTakesAClickInADisabledConsole) {
    program.scroll(form.tuningSlider, 40);
    program.click(form.transmitSwitch);
    program.runEvent([&] { form.enabled = false; });
    EXPECT_FALSE(widget("Command1")->isEnabled());
    QTest::mouseClick(widget("Check4"), Qt::LeftButton);
    EXPECT_FALSE(radio.transmitting());
    EXPECT_FALSE(widget("Check4")->isEnabled());
}

TEST_F(ConsoleWindowTest, ClosingTheConsoleFrameEndsTheProgramWithTheTransmitLineDown) {
    program.runEvent([&] { form.sent2(0); });
    ASSERT_TRUE(radio.transmitting());
    view->close();
    EXPECT_TRUE(program.quitting());
    EXPECT_FALSE(radio.transmitting());
}

} // namespace
} // namespace volna::test

namespace volna::test {
namespace {

TEST_F(ConsoleWindowTest, ClicksOnOptionsChannelButtonsAndTheSliderReachTheModel) {
    QTest::mouseClick(widget("Option1_0"), Qt::LeftButton);
    EXPECT_EQ(form.stepReadOut.caption, "50");
    EXPECT_EQ(widget<QSlider>("Slider1")->maximum(), 40);
    widget("Slider1")->setFocus();
    QTest::keyClick(widget("Slider1"), Qt::Key_Right);
    EXPECT_EQ(form.readOut.caption, "144050");
    EXPECT_EQ(widget<QLabel>("Label1")->text(), "144050");
}

} // namespace
} // namespace volna::test
