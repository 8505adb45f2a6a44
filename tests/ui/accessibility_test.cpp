// What a screen reader is told about the console: every control has a name
// and a description, the slider's description follows the read-out, and the
// texts' places fill as the table says.

#include "support/console_fixture.h"
#include "ui/accessibility.h"
#include "ui/console_window.h"

#include <QAccessible>
#include <QSlider>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class AccessibilityTest : public ConsoleFixture {
protected:
    void SetUp() override {
        view = std::make_unique<ConsoleWindow>(form);
        start();
        view->render();
    }
    std::unique_ptr<ConsoleWindow> view;
};

TEST_F(AccessibilityTest, EveryControlHasANameAndADescription) {
    for (Control* control : form.controls()) {
        const auto* widget = view->widget(control->name());
        ASSERT_NE(widget, nullptr) << control->name();
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << control->name();
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << control->name();
    }
}

TEST_F(AccessibilityTest, TheSliderTellsTheFrequencyOfTheReadOut) {
    auto* slider = static_cast<QSlider*>(view->widget("Slider1"));
    program.scroll(form.Slider1, form.Slider1.value() + 1);
    view->render();
    EXPECT_EQ(slider->accessibleName(), "Настройка частоты");
    EXPECT_EQ(slider->accessibleDescription(),
              QString::fromStdString(form.Label1.caption) + " kHz");
    EXPECT_EQ(view->widget("Label1")->accessibleName(),
              "Частота " + QString::fromStdString(form.Label1.caption) + " kHz");
}

TEST_F(AccessibilityTest, OptionButtonsAreRadioButtonsAndWordsButtons) {
    const struct {
        const char* name;
        QAccessible::Role role;
    } cases[] = {{"Option2", QAccessible::RadioButton},
                 {"Option3", QAccessible::RadioButton},
                 {"Label7", QAccessible::Button},
                 {"Label19", QAccessible::Button},
                 {"Label1", QAccessible::StaticText}};
    for (const auto& c : cases) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view->widget(c.name));
        ASSERT_NE(face, nullptr) << c.name;
        EXPECT_EQ(face->role(), c.role) << c.name;
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
