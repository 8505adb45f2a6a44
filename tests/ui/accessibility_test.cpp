// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the console: every control has a name
// and a description, the slider's description follows the read-out, and the
// texts' places fill as the table says. The roles on the bus are the AT-SPI
// script's to check.

#include "support/console_fixture.h"
#include "ui/accessibility.h"
#include "ui/console_window.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class AccessibilityTest : public ConsoleFixture {};

TEST_F(AccessibilityTest, EveryControlHasANameAndADescription) {
    ConsoleWindow view{form};
    start();
    program.scroll(form.Slider1, form.Slider1.value() + 1);
    view.render();
    const QString kHz = QString::fromStdString(form.Label1.caption) + " kHz";
    EXPECT_EQ(view.widget("Slider1")->accessibleName(), "Настройка частоты");
    EXPECT_EQ(view.widget("Slider1")->accessibleDescription(), kHz);
    EXPECT_EQ(view.widget("Label1")->accessibleName(), "Частота " + kHz);
    for (Control* control : form.controls()) {
        QWidget* widget = view.widget(control->name());
        ASSERT_NE(widget, nullptr) << control->name();
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << control->name();
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << control->name();
    }
}

TEST(AccessibleText, PlacesFillAndAnEmptyPieceLeavesNoColon) {
    const AccessibleRow row{"Form1", "Label10", "Занятость: %1", "%2", nullptr, false, 3};
    EXPECT_EQ(filledText(row, row.name, "BUSY"), "Занятость: BUSY");
    EXPECT_EQ(filledText(row, row.name, ""), "Занятость");
    EXPECT_EQ(filledText(row, row.description, ""), "3");
}

} // namespace
} // namespace volna::test
