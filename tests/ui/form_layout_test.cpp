// SPDX-License-Identifier: GPL-3.0-or-later
// A form view is built only from a layout that matches its window's controls:
// a misspelt placement, a control left out, a control placed twice or a frame
// named before it is placed are refused with the window and control named,
// while a placement without a widget is accepted. Every window of the program
// builds from its own layout with a widget for each of its controls.

#include "app/side_windows.h"
#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "settings/settings_dialog.h"
#include "support/console_fixture.h"
#include "toolkit/controls.h"
#include "ui/console_window.h"
#include "ui/form_view.h"
#include "ui/side_views.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace volna::test {
namespace {

// A small window: a frame holding a label, a button, and a timer.
class SmallForm : public Window {
public:
    explicit SmallForm(Program& program) : Window(program, "Form9") {}
    Frame Frame1{*this, "Frame1"};
    Label Label1{*this, "Label1", "Частота"};
    Button Command1{*this, "Command1", "Выход"};
    Timer Timer1{*this, "Timer1"};
};

// The message a view of the small window is refused with; empty when it builds.
std::string refusal(SmallForm& form, std::span<const Placement> layout) {
    try {
        FormView view(form, layout, 3000, 2000);
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return {};
}

struct LayoutCase {
    const char* name;
    std::vector<Placement> layout;
    std::vector<std::string> refusedFor; // parts the message must hold
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out) {
    *out << layoutCase.name;
}

class FormLayoutTest : public ::testing::Test {
protected:
    Program program;
    SmallForm form{program};
};

class RefusedLayoutTest : public FormLayoutTest,
                          public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(RefusedLayoutTest, IsRefusedNamingTheWindowAndControl) {
    const std::string message = refusal(form, GetParam().layout);
    EXPECT_NE(message.find("window Form9"), std::string::npos) << message;
    for (const std::string& part : GetParam().refusedFor) {
        EXPECT_NE(message.find(part), std::string::npos) << message;
    }
}

const Placement kFrame{"Frame1", 0, 0, 1500, 900};
const Placement kLabel{"Label1", 60, 60, 600, 300, "Frame1"};
const Placement kButton{"Command1", 0, 1000, 900, 400};

INSTANTIATE_TEST_SUITE_P(
    Layouts, RefusedLayoutTest,
    ::testing::Values(
        LayoutCase{"MisspeltPlacement",
                   {kFrame, kLabel, {"Comand1", 0, 1000, 900, 400}},
                   {"placement Comand1 names no control", "control Command1 has no placement"}},
        LayoutCase{
            "ControlWithoutPlacement", {kFrame, kButton}, {"control Label1 has no placement"}},
        LayoutCase{"ControlPlacedTwice",
                   {kFrame, kLabel, kButton, {"Command1", 900, 1000, 900, 400}},
                   {"control Command1 is placed twice"}},
        LayoutCase{"FramePlacedAfterWhatItHolds",
                   {kLabel, kFrame, kButton},
                   {"frame Frame1 of Label1 is not placed before it"}},
        LayoutCase{"MisspeltPlacementWithoutWidget",
                   {kFrame, kLabel, kButton, withoutWidget("Timer2")},
                   {"placement Timer2 names no control"}}),
    [](const ::testing::TestParamInfo<LayoutCase>& row) { return row.param.name; });

TEST_F(FormLayoutTest, PlacementsWithoutAWidgetCountAsPlacedAndDrawNothing) {
    const std::array layout{Placement{"Frame1", 0, 0, 1500, 900}, withoutWidget("Label1"),
                            withoutWidget("Timer1"), Placement{"Command1", 0, 1000, 900, 400}};
    EXPECT_TRUE(layoutFaults(form, layout).empty());
    FormView view(form, layout, 3000, 2000);
    EXPECT_EQ(view.widget("Label1"), nullptr);
    EXPECT_EQ(view.findChild<QWidget*>("Label1"), nullptr);
    ASSERT_NE(view.widget("Command1"), nullptr);
    EXPECT_EQ(view.widget("Command1")->geometry(), QRect(0, 67, 60, 27));
}

// Every control of a window has a widget of its name in the window's view.
void expectEveryControlDrawn(const FormView& view) {
    for (const Control* control : view.model().controls()) {
        QWidget* drawn = view.widget(control->name());
        ASSERT_NE(drawn, nullptr) << view.model().name() << " " << control->name();
        EXPECT_EQ(drawn->objectName().toStdString(), control->name());
        EXPECT_TRUE(view.isAncestorOf(drawn)) << control->name();
    }
}

// The windows as the program builds them: the console's view, then each side
// window's view as the side window is created.
class ProgramWindowsTest : public ConsoleFixture {};

// Makes each side window's view as the program does, by the window's type,
// and checks that the view draws the window created.
class SideViewMaker final : public SideWindows::Observer {
public:
    void created(Form2& channelEditor) override { add(makeSideView(channelEditor), channelEditor); }
    void created(Form3& addChannelDialog) override {
        add(makeSideView(addChannelDialog), addChannelDialog);
    }
    void created(Form5& settingsDialog) override {
        add(makeSideView(settingsDialog), settingsDialog);
    }
    void created(Form6& channelLibrary) override {
        add(makeSideView(channelLibrary), channelLibrary);
    }

    std::vector<std::unique_ptr<FormView>> views;

private:
    void add(std::unique_ptr<FormView> view, Window& window) {
        ASSERT_NE(view, nullptr) << window.name();
        EXPECT_EQ(&view->model(), &window) << window.name();
        views.push_back(std::move(view));
    }
};

TEST_F(ProgramWindowsTest, EveryWindowBuildsFromItsLayout) {
    std::unique_ptr<ConsoleWindow> console;
    ASSERT_NO_THROW(console = std::make_unique<ConsoleWindow>(form));
    expectEveryControlDrawn(*console);

    SideWindows sides(form, store, prompter);
    SideViewMaker maker;
    std::vector<std::unique_ptr<FormView>>& views = maker.views;
    sides.setObserver(&maker);
    ASSERT_NO_THROW({
        sides.channelEditor();
        sides.addChannelDialog();
        sides.settingsDialog();
        sides.channelLibrary();
    });
    ASSERT_EQ(views.size(), 4u);
    for (const std::unique_ptr<FormView>& view : views) {
        expectEveryControlDrawn(*view);
    }
}

} // namespace
} // namespace volna::test
