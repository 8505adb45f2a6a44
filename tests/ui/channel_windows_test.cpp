// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor and the add-channel dialog as drawn: every control is a
// widget of its name, the editor's rows read in channel order, and typing and
// clicks on the widgets reach the form models.

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "support/console_fixture.h"
#include "ui/add_channel_window.h"
#include "ui/channel_editor_window.h"
#include "ui/ui_binding.h"

#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

// Both channel windows drawn beside the console's model and bound to its
// program, so that widget input goes through the Program to the forms.
class ChannelWindowsTest : public ConsoleFixture {
protected:
    void SetUp() override {
        editorView = std::make_unique<ChannelEditorWindow>(editor);
        dialogView = std::make_unique<AddChannelWindow>(dialog);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*editorView);
        binding->addView(*dialogView);
        start();
    }
    void open(Window& window) {
        program.runEvent([&] { window.show(); });
    }
    template <class T = QWidget> T* widget(FormView& view, const std::string& name) {
        T* found = view.findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Where a widget of the editor sits in the window, pixels.
    QRect place(const std::string& name) {
        QWidget* found = widget(*editorView, name);
        return {found->mapTo(editorView.get(), QPoint(0, 0)), found->size()};
    }
    // Replaces the text of a box as the operator does: select all, type.
    void retype(FormView& view, const std::string& name, const char* text) {
        auto* box = widget<QLineEdit>(view, name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    Form2 editor{program, store, prompter};
    Form3 dialog{program, store, prompter};
    std::unique_ptr<ChannelEditorWindow> editorView;
    std::unique_ptr<AddChannelWindow> dialogView;
    std::unique_ptr<UiBinding> binding;
};

TEST_F(ChannelWindowsTest, EveryControlOfBothFormsIsAWidgetOfItsName) {
    for (FormView* view :
         {static_cast<FormView*>(editorView.get()), static_cast<FormView*>(dialogView.get())}) {
        for (Control* control : view->model().controls()) {
            EXPECT_NE(view->findChild<QWidget*>(QString::fromStdString(control->name())), nullptr)
                << view->model().name() << " " << control->name();
        }
    }
}

TEST_F(ChannelWindowsTest, TheEditorRowsRunInChannelOrderEvenlySpaced) {
    const int pitch = place("Text1_2").top() - place("Text1_0").top();
    EXPECT_GE(pitch, place("Text1_0").height());
    for (int row = 1; row <= kChannelCount; ++row) {
        SCOPED_TRACE(row);
        const QRect rx = place("Text1_" + std::to_string(2 * (row - 1)));
        const QRect tx = place("Text2_" + std::to_string(row - 1));
        const QRect comment = place("Text1_" + std::to_string(2 * (row - 1) + 1));
        const QRect clear = place("Command" + std::to_string(row + 3));
        EXPECT_EQ(rx.top(), place("Text1_0").top() + (row - 1) * pitch);
        EXPECT_EQ(tx.top(), rx.top());
        EXPECT_EQ(comment.top(), rx.top());
        EXPECT_EQ(clear.top(), rx.top());
        EXPECT_LT(clear.right(), rx.left());
        EXPECT_LT(rx.right(), tx.left());
        EXPECT_LT(tx.right(), comment.left());
        EXPECT_LE(comment.right(), editorView->width());
    }
    EXPECT_EQ(place("Label1").left(), place("Text1_0").left());
    EXPECT_EQ(place("Label3").left(), place("Text2_0").left());
    EXPECT_EQ(place("Label2").left(), place("Text1_1").left());
    EXPECT_LT(place("Label1").bottom(), place("Text1_0").top());
    for (const char* button : {"Command1", "Command2", "Command3", "Command14"}) {
        EXPECT_GT(place(button).top(), place("Text1_18").bottom()) << button;
        EXPECT_LE(place(button).bottom(), editorView->height()) << button;
    }
}

TEST_F(ChannelWindowsTest, TypingAndSavingInTheEditorReachTheModel) {
    open(editor);
    ASSERT_TRUE(editorView->isVisible());
    retype(*editorView, "Text1_2", "1455009");
    retype(*editorView, "Text2_1", "144900");
    retype(*editorView, "Text1_3", "calling");
    EXPECT_EQ(editor.receiveBox(2).text(), "145500"); // cut to six characters
    EXPECT_EQ(editor.transmitBox(2).text(), "144900");
    EXPECT_EQ(editor.commentBox(2).text(), "calling");

    QTest::mouseClick(widget(*editorView, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(editor.shown());
    EXPECT_FALSE(editorView->isVisible());
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$2", "?"), "145500");
    EXPECT_EQ(store.readSetting(kSectionRxComments, "$2", "?"), "calling");
}

// A box's length limit holds for typing only: a longer stored text shows whole,
// edits where the cursor is, cannot grow, and is saved exactly as shown.
TEST_F(ChannelWindowsTest, ALongStoredTextShowsWholeEditsInPlaceAndSavesAsShown) {
    const QString comment = QString(25, QChar(0x416)) + QString(25, QChar(0x411)); // Ж, Б
    setChannel(1, "145500.4", "144900", comment.toStdString());
    open(editor);
    auto* box = widget<QLineEdit>(*editorView, "Text1_1");
    auto* receive = widget<QLineEdit>(*editorView, "Text1_0");
    ASSERT_EQ(box->text(), comment);
    EXPECT_EQ(receive->text(), "145500.4");

    box->setCursorPosition(10);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QString expected = comment;
    expected.remove(8, 2);
    EXPECT_EQ(box->text(), expected);
    EXPECT_EQ(box->cursorPosition(), 8);
    QTest::keyClicks(box, "x"); // still over the limit: no longer than it is
    EXPECT_EQ(box->text(), expected);
    box->setSelection(0, 3);
    QTest::keyClicks(box, "y");
    expected.replace(0, 3, "y");
    EXPECT_EQ(box->text(), expected);
    EXPECT_EQ(box->cursorPosition(), 1);
    EXPECT_EQ(QString::fromStdString(editor.commentBox(1).text()), expected);

    // Below the limit typing goes on up to it, and no further.
    receive->end(false);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(receive, Qt::Key_Backspace);
    }
    QTest::keyClicks(receive, "009");
    EXPECT_EQ(receive->text(), "145500");

    QTest::mouseClick(widget(*editorView, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(editor.shown());
    EXPECT_EQ(store.readSetting(kSectionRxComments, "$1", "?"), expected.toStdString());
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$1", "?"), "145500");
}

TEST_F(ChannelWindowsTest, AStoredTextBeyondQtsDefaultLengthShowsAndSavesWhole) {
    const std::string huge(40000, 'x');
    setChannel(2, "145500", "145500", huge);
    open(editor);
    EXPECT_EQ(widget<QLineEdit>(*editorView, "Text1_3")->text().size(), 40000);
    QTest::mouseClick(widget(*editorView, "Command1"), Qt::LeftButton);
    EXPECT_EQ(store.readSetting(kSectionRxComments, "$2", "?"), huge);
}

TEST_F(ChannelWindowsTest, TheDialogShowsItsProposalAndStoresWhatIsTyped) {
    dialog.setPassVar(145500);
    open(dialog);
    EXPECT_EQ(widget<QLineEdit>(*dialogView, "Text3")->text(), "145500");
    EXPECT_EQ(widget<QSlider>(*dialogView, "Slider1")->maximum(), 80);
    EXPECT_EQ(widget<QSlider>(*dialogView, "Slider1")->value(), 60);
    EXPECT_EQ(dialogView->windowTitle(), QString::fromUtf8(kAddChannelTitle));
    widget<QSlider>(*dialogView, "Slider1")->setValue(36);
    EXPECT_EQ(widget<QLineEdit>(*dialogView, "Text4")->text(), "144900");
    retype(*dialogView, "Text2", "calling");

    QTest::mouseClick(widget(*dialogView, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(dialogView->isVisible());
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$1", "?"), "145500");
    EXPECT_EQ(store.readSetting(kSectionTxChannels, "$1", "?"), "144900");
    EXPECT_EQ(store.readSetting(kSectionRxComments, "$1", "?"), "calling");
}

} // namespace
} // namespace volna::test
