// SPDX-License-Identifier: GPL-3.0-or-later
// The channel library as drawn: every control is a widget of its name, the
// operator's row choice and clicks reach the model, and while the library is
// shown the console takes no input until the library is closed.

#include "channels/channel_library.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"
#include "support/row_names.h"
#include "ui/channel_library_window.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace volna::test {
namespace {

// The started console and the library, both drawn and bound to the event loop;
// the library is open on two stored channels.
class ChannelLibraryWindowTest : public ConsoleFixture {
protected:
    void SetUp() override {
        setChannel(1, "145500", "144900", "repeater");
        setChannel(2, "99975", "100575", "mixed");
        consoleView = std::make_unique<ConsoleWindow>(form);
        libraryView = std::make_unique<ChannelLibraryWindow>(library);
        binding = std::make_unique<UiBinding>(program);
        binding->addView(*consoleView);
        binding->addView(*libraryView);
        start();
        library.Form_Load();
        program.runEvent([&] { library.show(); });
        ASSERT_EQ(program.activeWindow(), &library);
    }
    template <class T = QWidget> T* widget(const char* name) {
        T* found = libraryView->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void clickRow(QListWidget* list, int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    Form6 library{program, store, prompter};
    std::unique_ptr<ConsoleWindow> consoleView;
    std::unique_ptr<ChannelLibraryWindow> libraryView;
    std::unique_ptr<UiBinding> binding;
};

TEST_F(ChannelLibraryWindowTest, EveryControlIsAWidgetOfItsName) {
    for (Control* control : library.controls()) {
        EXPECT_NE(libraryView->findChild<QWidget*>(QString::fromStdString(control->name())),
                  nullptr)
            << control->name();
    }
    EXPECT_EQ(libraryView->windowTitle(), QString::fromUtf8(kLibraryTitle));
    EXPECT_TRUE(libraryView->isVisible());
}

TEST_F(ChannelLibraryWindowTest, ARowClickSelectsAndTheCopyShowsInTheOtherList) {
    auto* channels = widget<QListWidget>("List2");
    auto* entries = widget<QListWidget>("List1");
    ASSERT_EQ(channels->count(), 2);
    ASSERT_EQ(entries->count(), 0);
    clickRow(channels, 1);
    EXPECT_EQ(library.channelList.selectedIndex, 1);
    QTest::mouseClick(widget("Command2"), Qt::LeftButton);
    ASSERT_EQ(entries->count(), 1);
    EXPECT_EQ(entries->item(0)->text(), QString::fromUtf8("99975 - 100575 - mixed"));
    EXPECT_EQ(widget<QLabel>("Label5")->text(), "1");
}

// Taking the keyboard focus makes the first row of a list current, but only a
// selection is the operator's choice: the buttons find nothing to copy or delete.
TEST_F(ChannelLibraryWindowTest, TheFocusAloneChoosesNoEntry) {
    auto* channels = widget<QListWidget>("List2");
    auto* entries = widget<QListWidget>("List1");
    program.runEvent([&] { library.libraryList.addItem("145000 - 145000 - kept"); });
    for (QListWidget* list : {channels, entries}) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focusIn);
        EXPECT_TRUE(list->selectedItems().isEmpty());
    }
    EXPECT_EQ(library.channelList.selectedIndex, -1);
    EXPECT_EQ(library.libraryList.selectedIndex, -1);
    for (const char* button : {"Command7", "Command4", "Command2", "Command1"}) {
        QTest::mouseClick(widget(button), Qt::LeftButton);
    }
    EXPECT_EQ(channels->count(), 2);
    EXPECT_EQ(entries->count(), 1);
    QTest::mouseClick(widget("Command6"), Qt::LeftButton);
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$1", "?"), "145500");

    clickRow(channels, 0);
    EXPECT_EQ(library.channelList.selectedIndex, 0);
    EXPECT_EQ(channels->selectedItems().size(), 1);
    QTest::mouseClick(widget("Command7"), Qt::LeftButton);
    EXPECT_EQ(channels->count(), 1);
    EXPECT_EQ(library.channelList.selectedIndex, -1);
}

struct Closing {
    const char* name;
    bool byFrame;
};

// The open library closed in the row's way.
class ChannelLibraryClosingTest : public ChannelLibraryWindowTest,
                                  public ::testing::WithParamInterface<Closing> {};

TEST_P(ChannelLibraryClosingTest, TheConsoleTakesNoClicksUntilTheLibraryIsClosed) {
    EXPECT_FALSE(consoleView->isEnabled());
    QTest::mouseClick(consoleView->widget("Label12"), Qt::LeftButton);
    EXPECT_FALSE(form.extraPanelShown);
    if (GetParam().byFrame) {
        libraryView->close();
    } else {
        QTest::mouseClick(widget("Command5"), Qt::LeftButton);
    }
    EXPECT_FALSE(libraryView->isVisible());
    EXPECT_TRUE(consoleView->isEnabled());
    QTest::mouseClick(consoleView->widget("Label12"), Qt::LeftButton);
    EXPECT_TRUE(form.extraPanelShown);
    QTest::mouseClick(consoleView->widget("Label12"), Qt::LeftButton);
    // Opened again, the library holds the console once more.
    program.runEvent([&] { library.show(); });
    EXPECT_FALSE(consoleView->isEnabled());
    QTest::mouseClick(consoleView->widget("Label12"), Qt::LeftButton);
    EXPECT_FALSE(form.extraPanelShown);
}

INSTANTIATE_TEST_SUITE_P(Ways, ChannelLibraryClosingTest,
                         ::testing::Values(Closing{"ExitButton", false},
                                           Closing{"WindowFrame", true}),
                         rowNameOf<Closing>);

} // namespace
} // namespace volna::test
