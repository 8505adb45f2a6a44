// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog as drawn: every control is a widget of its name at its
// place in the layout, labels read whole beside their boxes, typing reaches the
// model, a refused save puts the keyboard focus into the named box, and the
// window frame brings the console back.

#include "settings/settings_dialog.h"
#include "support/console_fixture.h"
#include "support/row_names.h"
#include "ui/console_window.h"
#include "ui/settings_window.h"
#include "ui/ui_binding.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class SettingsWindowTest : public ConsoleFixture {
protected:
    void SetUp() override {
        binding.addView(consoleView);
        binding.addView(view);
        start();
        dialog.Form_Load();
        program.runEvent([&] {
            form.hide();
            dialog.show();
        });
        ASSERT_TRUE(view.isVisible());
    }
    template <class T = QWidget> T* widget(const char* name) {
        T* found = view.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    Form5 dialog{program, store, prompter, form};
    ConsoleWindow consoleView{form};
    SettingsWindow view{dialog};
    UiBinding binding{program};
};

TEST_F(SettingsWindowTest, EveryControlIsAWidgetOfItsNameInItsFrame) {
    for (Control* control : dialog.controls()) {
        EXPECT_NE(view.findChild<QWidget*>(QString::fromStdString(control->name())), nullptr)
            << control->name();
    }
    EXPECT_EQ(widget("Text9")->parentWidget(), widget("Frame4"));
    EXPECT_EQ(widget("Frame4")->parentWidget(), widget("Frame1"));
    EXPECT_EQ(view.size(), QSize(557, 476)); // with the time-out's frame below the others
    EXPECT_EQ(view.windowTitle(), QString::fromUtf8(kSettingsTitle));
}

struct Geometry {
    const char* name;
    QRect pixels; // relative to the parent frame, if any
};

// The drawn dialog and the widget of the row's name.
class SettingsWindowPlacementTest : public SettingsWindowTest,
                                    public ::testing::WithParamInterface<Geometry> {};

TEST_P(SettingsWindowPlacementTest, ControlsSitAtTheirLayoutPlaces) {
    QWidget* found = widget(GetParam().name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->geometry(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SettingsWindowPlacementTest,
    ::testing::Values(Geometry{"Frame1", {8, 8, 537, 409}}, Geometry{"Frame3", {16, 120, 505, 105}},
                      Geometry{"Text1", {168, 24, 49, 19}}, Geometry{"Text4", {440, 48, 49, 19}},
                      Geometry{"Text7", {440, 40, 49, 19}}, Geometry{"Text9", {168, 72, 49, 19}},
                      Geometry{"Label13", {232, 40, 257, 49}},
                      Geometry{"Frame5", {16, 344, 505, 49}}, Geometry{"Text10", {168, 20, 49, 19}},
                      Geometry{"Command2", {352, 432, 113, 33}}),
    rowNameOf<Geometry>);

struct LabelRow {
    const char* label;
    const char* box;
};

// The drawn dialog, one label and the box it names.
class SettingsWindowLabelTest : public SettingsWindowTest,
                                public ::testing::WithParamInterface<LabelRow> {};

TEST_P(SettingsWindowLabelTest, EachLabelReadsWholeOnItsBoxRowToItsLeft) {
    auto* label = widget<QLabel>(GetParam().label);
    QWidget* box = widget(GetParam().box);
    ASSERT_TRUE(label != nullptr && box != nullptr);
    const auto* model = static_cast<const Label*>(dialog.findControl(GetParam().label));
    EXPECT_EQ(label->text().toStdString(), model->caption);
    EXPECT_EQ(label->parentWidget(), box->parentWidget());
    EXPECT_EQ(label->y(), box->y());
    EXPECT_LE(label->geometry().right(), box->x());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), label->width());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(Labels, SettingsWindowLabelTest,
                         ::testing::Values(LabelRow{"Label2", "Text1"}, LabelRow{"Label3", "Text2"},
                                           LabelRow{"Label4", "Text3"}, LabelRow{"Label5", "Text4"},
                                           LabelRow{"Label6", "Text5"}, LabelRow{"Label8", "Text6"},
                                           LabelRow{"Label9", "Text7"},
                                           LabelRow{"Label10", "Text8"},
                                           LabelRow{"Label11", "Text9"}),
                         [](const ::testing::TestParamInfo<LabelRow>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(SettingsWindowTest, TheWarningReadsWhole) {
    auto* warning = widget<QLabel>("Label13");
    EXPECT_LE(warning->heightForWidth(warning->width()), warning->height());
}

TEST_F(SettingsWindowTest, TypingReachesTheModelWithinTheBoxLength) {
    auto* lower = widget<QLineEdit>("Text1");
    lower->selectAll();
    QTest::keyClicks(lower, "1450001");
    EXPECT_EQ(dialog.lowerBoundBox.text(), "145000");
    auto* speed = widget<QLineEdit>("Text5");
    speed->selectAll();
    QTest::keyClicks(speed, "250ms");
    EXPECT_EQ(dialog.bandScanSpeedBox.text(), "250ms");
}

struct LimitedBox {
    const char* name;
    const char* kept;
};

// The drawn dialog and a box that takes only as many characters as its row keeps.
class SettingsWindowLimitTest : public SettingsWindowTest,
                                public ::testing::WithParamInterface<LimitedBox> {};

TEST_P(SettingsWindowLimitTest, TypingBeyondTheBoxLengthIsCut) {
    const LimitedBox& c = GetParam();
    auto* box = widget<QLineEdit>(c.name);
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, QString(c.kept) + "99");
    EXPECT_EQ(box->text(), c.kept);
    EXPECT_EQ(static_cast<const TextBox*>(dialog.findControl(c.name))->text(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Boxes, SettingsWindowLimitTest,
                         ::testing::Values(LimitedBox{"Text2", "146000"},
                                           LimitedBox{"Text3", "-10700."}),
                         rowNameOf<LimitedBox>);

TEST_F(SettingsWindowTest, ARefusedSaveMovesTheKeyboardFocusToTheNamedBox) {
    auto* upper = widget<QLineEdit>("Text2");
    upper->selectAll();
    QTest::keyClicks(upper, "145950");
    widget("Text8")->setFocus();
    prompter.expectError(kBoundaryNotHundreds);
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(view.focusWidget(), upper);
    EXPECT_TRUE(view.isVisible());
}

TEST_F(SettingsWindowTest, ClosingTheFrameBringsTheConsoleBackUnchanged) {
    widget<QLineEdit>("Text1")->selectAll();
    QTest::keyClicks(widget("Text1"), "145000");
    view.close();
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(consoleView.isVisible());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_EQ(store.readSetting("Settings", "Buttom_boundary", "?"), "144000");
}

} // namespace
} // namespace volna::test
