// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's focus changes as the program's activations: a change between two of
// the program's windows activates, a message box or a return to the same
// window does not.

#include "channels/channel_editor.h"
#include "support/console_fixture.h"
#include "synth/wire_recorder.h"
#include "ui/channel_editor_window.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"
#include "ui/wire_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

// The editor, counting its activations.
class CountingEditor : public Form2 {
public:
    using Form2::Form2;
    void Form_Activate() override {
        ++activations;
        Form2::Form_Activate();
    }
    int activations = 0;
};

class ActivationTest : public ConsoleFixture {
protected:
    void SetUp() override {
        consoleView = std::make_unique<ConsoleWindow>(form);
        editorView = std::make_unique<ChannelEditorWindow>(editor);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*consoleView);
        binding->addView(*editorView);
        start();
        program.runEvent([&] { editor.show(); });
        program.runEvent([&] { form.show(); }); // the console in front again
    }
    // Gives the focus to a window as the window system would.
    void focus(QWidget& window) {
        window.windowHandle()->requestActivate();
        QApplication::processEvents();
        QTest::qWait(20);
    }

    CountingEditor editor{program, store, prompter};
    std::unique_ptr<ConsoleWindow> consoleView;
    std::unique_ptr<ChannelEditorWindow> editorView;
    std::unique_ptr<UiBinding> binding;
};

TEST_F(ActivationTest, OnlyAChangeBetweenTheProgramsOwnWindowsActivates) {
    focus(*consoleView);
    const int before = editor.activations;
    focus(*editorView);
    EXPECT_EQ(program.activeWindow(), &editor);
    EXPECT_EQ(editor.activations, before + 1);

    QMessageBox box(QMessageBox::Information, "Сообщение", "text");
    box.show();
    focus(box);
    focus(*editorView); // back from the box: the same window, no activation
    EXPECT_EQ(editor.activations, before + 1);
    EXPECT_EQ(program.activeWindow(), &editor);

    focus(*consoleView);
    EXPECT_EQ(program.activeWindow(), &form);
}

TEST_F(ActivationTest, TheWireDiagramWindowIsNoneOfTheProgramsWindows) {
    focus(*consoleView);
    ASSERT_EQ(program.activeWindow(), &form);
    WireRecorder recorder(radio);
    WireWindow wire(recorder);
    wire.show();
    const int editorActivations = editor.activations;
    form.title = "marker"; // what the console's next Form_Activate would show
    focus(wire);
    focus(*consoleView); // back from the diagram: not an activation
    EXPECT_NE(form.caption, "marker");
    EXPECT_EQ(program.activeWindow(), &form);
    focus(wire);
    focus(*editorView); // from the diagram to another window of the program: one
    EXPECT_EQ(editor.activations, editorActivations + 1);
    focus(*consoleView);
    EXPECT_EQ(form.caption, "marker");
}

} // namespace
} // namespace volna::test
