// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its control, in both languages, with
// whatever face the system has: ctest runs this once with the fonts the
// windows are laid out for and once with their condensed face taken away.

#include "app/side_windows.h"
#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "settings/settings_dialog.h"
#include "support/console_fixture.h"
#include "ui/console_window.h"
#include "ui/form_view.h"
#include "ui/side_views.h"
#include "ui/translate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace volna::test {
namespace {

// The views of every side window, made as the program makes them.
class AllSideViews final : public SideWindows::Observer {
public:
    void created(Form2& window) override { views.push_back(makeSideView(window)); }
    void created(Form3& window) override { views.push_back(makeSideView(window)); }
    void created(Form5& window) override { views.push_back(makeSideView(window)); }
    void created(Form6& window) override { views.push_back(makeSideView(window)); }
    std::vector<std::unique_ptr<FormView>> views;
};

int widestLine(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The room the style itself gives a check box's or option's text.
int textRoom(const QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width();
}

// Every visible caption of the window that is wider than its room, named.
std::vector<std::string> clipped(const QWidget& window) {
    std::vector<std::string> faults;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        int room = 0;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap()) {
            text = label->text().trimmed();
            room = label->contentsRect().width();
        } else if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
            text = box->text();
            room = textRoom(box, QStyle::SE_CheckBoxContents);
        } else if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
            text = option->text();
            room = textRoom(option, QStyle::SE_RadioButtonContents);
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            text = button->text();
            room = button->width() - 4;
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            text = frame->title();
            room = frame->width() - 8;
        }
        if (widget->isVisible() && widestLine(text, widget->fontMetrics()) > room) {
            faults.push_back(widget->objectName().toStdString() + " \"" + text.toStdString() +
                             "\"");
        }
    }
    return faults;
}

class CaptionFitTest : public ConsoleFixture, public ::testing::WithParamInterface<Language> {};

TEST_P(CaptionFitTest, EveryCaptionOfEveryWindowFitsItsControl) {
    LanguageSwitch languages;
    ASSERT_TRUE(languages.speak(GetParam()));
    setChannel(10, "145500", "145500");
    start();
    ConsoleWindow console(form);
    console.show();
    // The lower panel and the channel boxes with their numbers, shown too.
    program.click(form.additionLabel);
    program.click(form.channelScanMode);
    console.render();
    SideWindows sides(form, store, prompter);
    AllSideViews maker;
    sides.setObserver(&maker);
    sides.channelEditor();
    sides.addChannelDialog();
    sides.settingsDialog();
    sides.channelLibrary();
    std::vector<std::string> faults = clipped(console);
    for (const std::unique_ptr<FormView>& view : maker.views) {
        view->show();
        const std::vector<std::string> more = clipped(*view);
        faults.insert(faults.end(), more.begin(), more.end());
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFitTest,
                         ::testing::Values(Language::Russian, Language::English),
                         [](const auto& row) {
                             return row.param == Language::Russian ? "Russian" : "English";
                         });

} // namespace
} // namespace volna::test
