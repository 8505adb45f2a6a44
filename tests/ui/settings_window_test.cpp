// The settings dialog as drawn: every control is a widget of its name at its
// designed place, labels read whole beside their boxes, typing reaches the
// model, a refused save puts the keyboard focus into the named box, and the
// window frame brings the console back.

#include "settings/settings_dialog.h"
#include "support/console_fixture.h"
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

struct Geometry {
    const char* name;
    QRect pixels; // relative to the parent frame, if any
};

TEST_F(SettingsWindowTest, EveryControlIsAWidgetOfItsNameAtItsDesignedPlace) {
    for (Control* control : dialog.controls()) {
        EXPECT_NE(view.findChild<QWidget*>(QString::fromStdString(control->name())), nullptr)
            << control->name();
    }
    const Geometry cases[] = {
        {"Frame1", {8, 8, 537, 353}},    {"Frame3", {16, 120, 505, 105}},
        {"Text1", {168, 24, 49, 19}},    {"Text4", {440, 48, 49, 19}},
        {"Text7", {440, 40, 49, 19}},    {"Text9", {168, 72, 49, 19}},
        {"Label13", {232, 40, 257, 49}}, {"Command2", {352, 376, 113, 33}},
    };
    for (const Geometry& c : cases) {
        QWidget* found = widget(c.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->geometry(), c.pixels) << c.name;
    }
    EXPECT_EQ(widget("Text9")->parentWidget(), widget("Frame4"));
    EXPECT_EQ(widget("Frame4")->parentWidget(), widget("Frame1"));
    EXPECT_EQ(view.size(), QSize(557, 420));
    EXPECT_EQ(view.windowTitle(), QString::fromUtf8(kSettingsTitle));
}

TEST_F(SettingsWindowTest, EachLabelReadsWholeOnItsBoxRowToItsLeft) {
    const std::pair<const char*, const char*> rows[] = {
        {"Label2", "Text1"}, {"Label3", "Text2"},  {"Label4", "Text3"},
        {"Label5", "Text4"}, {"Label6", "Text5"},  {"Label8", "Text6"},
        {"Label9", "Text7"}, {"Label10", "Text8"}, {"Label11", "Text9"},
    };
    for (const auto& [labelName, boxName] : rows) {
        auto* label = widget<QLabel>(labelName);
        QWidget* box = widget(boxName);
        ASSERT_TRUE(label != nullptr && box != nullptr);
        const auto* model = static_cast<const Label*>(dialog.findControl(labelName));
        EXPECT_EQ(label->text().toStdString(), model->caption);
        EXPECT_EQ(label->parentWidget(), box->parentWidget()) << labelName;
        EXPECT_EQ(label->y(), box->y()) << labelName;
        EXPECT_LE(label->geometry().right(), box->x()) << labelName;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), label->width())
            << labelName;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
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
    const std::pair<const char*, const char*> limited[] = {{"Text2", "146000"},
                                                           {"Text3", "-10700."}};
    for (const auto& [name, kept] : limited) {
        auto* box = widget<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, QString(kept) + "99");
        EXPECT_EQ(box->text(), kept) << name;
        EXPECT_EQ(static_cast<const TextBox*>(dialog.findControl(name))->text(), kept) << name;
    }
}

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
