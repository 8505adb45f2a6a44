// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV buttons as drawn in the channel editor and the library window: each
// lies inside its window, covers no other control and shows its whole caption.

#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "support/console_fixture.h"
#include "ui/channel_editor_window.h"
#include "ui/channel_library_window.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

// Where a widget sits in its window, pixels.
QRect placeIn(const FormView& view, const QWidget& widget) {
    return {widget.mapTo(&view, QPoint(0, 0)), widget.size()};
}

// Checks one CSV button of view against every other widget of the window
// that is not a frame holding it.
void checkFreeSpace(const FormView& view, const char* name, const char* caption) {
    auto* button = view.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text().toStdString(), caption);
    const QRect place = placeIn(view, *button);
    EXPECT_TRUE(view.rect().contains(place)) << name;
    EXPECT_GE(place.width(), button->fontMetrics().horizontalAdvance(button->text())) << name;
    for (const QWidget* other : view.findChildren<QWidget*>()) {
        if (other == button || other->isAncestorOf(button) || button->isAncestorOf(other) ||
            other->objectName().isEmpty() || other->parentWidget() == nullptr) {
            continue;
        }
        EXPECT_FALSE(placeIn(view, *other).intersects(place))
            << name << " covers " << other->objectName().toStdString();
    }
}

class CsvButtonsWindowTest : public ConsoleFixture {
protected:
    Form2 editor{program, store, prompter};
    Form6 library{program, store, prompter};
    ChannelEditorWindow editorView{editor};
    ChannelLibraryWindow libraryView{library};
};

TEST_F(CsvButtonsWindowTest, TheButtonsSitInFreeSpaceOfBothWindows) {
    checkFreeSpace(editorView, "Command15", kImportCsvCaption);
    checkFreeSpace(editorView, "Command16", kExportCsvCaption);
    checkFreeSpace(libraryView, "Command9", kImportCsvCaption);
    checkFreeSpace(libraryView, "Command10", kExportCsvCaption);
}

} // namespace
} // namespace volna::test
