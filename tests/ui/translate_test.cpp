// SPDX-License-Identifier: GPL-3.0-or-later
// The English translation as the program loads it from its resources: known
// texts, every template filled in Russian and shown in English, texts of
// several lines, operator data left alone, and the standard buttons in each
// language whatever the locale.

#include "ui/translate.h"

#include "console/console.h"
#include "toolkit/controls.h"
#include "toolkit/english_messages.h"
#include "toolkit/plural.h"
#include "toolkit/program.h"
#include "toolkit/text_templates.h"
#include "toolkit/window.h"
#include "ui/form_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace volna {
namespace {

bool hasCyrillic(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[А-Яа-яЁё]")));
}

class TranslateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(languages_.speak(Language::English)); }

    LanguageSwitch languages_; // removes its translators when the test ends
};

TEST_F(TranslateTest, KnownTextsReadInEnglish) {
    EXPECT_EQ(shown("Дополнительно"), "Extra");
    EXPECT_EQ(shown("Шаг 25 kHz"), "Step 25 kHz");
    EXPECT_EQ(shown("Сканирование по каналам"), "Scan channels");
    EXPECT_EQ(shown("Добавить канал"), "Add channel");
    EXPECT_EQ(shown(kChannelOutOfBand), "This channel is outside the band set!");
    EXPECT_EQ(shown("     Задержка 1:"), "     Delay 1:") << "the spaces that place it stay";
    EXPECT_EQ(shown("Exit"), "Exit");
    EXPECT_EQ(shown(kStopCaption), "Stop");
}

TEST_F(TranslateTest, EveryTemplateFilledInRussianReadsInEnglish) {
    const std::vector<std::string> pieces{"7", "12", "3"};
    for (const std::string_view templ : kTextTemplates) {
        const QString english =
            QCoreApplication::translate(kTranslationContext, std::string(templ).c_str());
        EXPECT_FALSE(hasCyrillic(english)) << "no English template for " << templ;
        const QString filled = shown(countText(templ, pieces));
        EXPECT_EQ(filled.toStdString(), countText(english.toStdString(), pieces)) << templ;
        EXPECT_FALSE(hasCyrillic(filled)) << filled.toStdString();
    }
}

TEST_F(TranslateTest, PiecesThatAreProgramTextsAreTranslatedToo) {
    EXPECT_EQ(
        shown(fillText(kImportEmptyTemplate, {"Каналы", "в файле нет ни одной строки с каналом."})),
        "Import into the list “Channels”: the file has no channel rows at all.");
    EXPECT_EQ(
        shown(fillText(kBusyAgoTemplate, {"145500", fillText(kMinutesAgoTemplate, {"2", "5"})})),
        "145500 kHz: busy 2 min 5 s ago");
    EXPECT_EQ(shown(fillText(kFaultAtTemplate,
                             {fillText(kFaultLineTemplate, {"4"}), "Частота не читается!"})),
              "  line 4: The frequency cannot be read!");
    EXPECT_EQ(shown(fillText(kCannotReadTemplate, {"/tmp/Каналы", "No such file or directory"})),
              "Could not read the file “/tmp/Каналы”: No such file or directory")
        << "a path is operator data, not a whole program text";
}

TEST_F(TranslateTest, ATextOfSeveralLinesIsShownLineByLine) {
    const std::string report = "Не будут импортированы строки:\n"
                               "  Location 5: Частота не читается!\n"
                               "  …: и ещё 3 строк с ошибками не импортируются\n";
    EXPECT_EQ(shown(report), "These rows will not be imported:\n"
                             "  Location 5: The frequency cannot be read!\n"
                             "  …: and 3 more rows with errors are not imported\n");
}

TEST_F(TranslateTest, TextsNotInTheTranslationStayAsTheyAre) {
    EXPECT_EQ(shown("Привет, мир"), "Привет, мир");
    EXPECT_EQ(shown("145.500"), "145.500");
    EXPECT_EQ(shown(""), "");
    EXPECT_EQ(shown("с назад"), "с назад") << "a template's place takes at least one character";
}

// The port, start and --help messages are written in English and shown in
// Russian: each filled template reads as its own Russian filled alike, which
// fails when a general template stands before a particular one it contains.
TEST(RussianMessagesTest, EveryEnglishMessageFilledReadsInRussian) {
    LanguageSwitch languages;
    ASSERT_TRUE(languages.speak(Language::Russian));
    const std::vector<std::string> pieces{"/dev/x7", "12", "3"};
    for (const std::string_view templ : kEnglishMessages) {
        if (templ == kReasonsMessage) {
            continue; // only joins other messages
        }
        const QString russian =
            QCoreApplication::translate(kTranslationContext, std::string(templ).c_str());
        EXPECT_TRUE(hasCyrillic(russian)) << "no Russian for " << templ;
        EXPECT_EQ(shown(fillText(templ, pieces)).toStdString(),
                  fillText(russian.toStdString(), pieces))
            << templ;
    }
    const std::string reasons =
        fillText(kReasonsMessage, {fillText(kReasonsMessage, {std::string(kNoParallelPortMessage),
                                                              std::string(kNoFtdiAdapterMessage)}),
                                   std::string(kRunningSimulatedMessage)});
    EXPECT_EQ(shown(reasons), "на этом компьютере нет параллельного порта; адаптер FTDI не "
                              "подключён; работает имитация радиостанции")
        << "each joined reason on its own";
    EXPECT_EQ(shown(fillText(kCannotBitBangMessage,
                             {fillText(kNamedFtdiAdapterMessage, {"A10K"}), "USB error"})),
              "не удалось перевести адаптер FTDI «A10K» в режим bit-bang: USB error");
}

TEST(TemplateMatch, PlacesTakeTheShortestRunThatLetsTheRestMatch) {
    std::vector<std::string> pieces;
    ASSERT_TRUE(matchTemplate(kMinutesAgoTemplate, "3 мин 15 с назад", pieces));
    EXPECT_EQ(pieces, (std::vector<std::string>{"3", "15"}));
    ASSERT_TRUE(matchTemplate(kFaultAtTemplate, "  a: b: c", pieces));
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b: c"}));
    EXPECT_FALSE(matchTemplate(kMinutesAgoTemplate, "3 мин 15 с назад!", pieces));
    EXPECT_FALSE(matchTemplate(kSecondsAgoTemplate, "5 мин назад", pieces));
}

// The text of the Yes button of a question box.
QString yesButton() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

TEST(LanguageSwitchTest, StandardButtonsFollowTheLanguageNotTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        LanguageSwitch languages;
        ASSERT_TRUE(languages.speak(Language::English));
        EXPECT_EQ(yesButton().remove('&'), "Yes");
        ASSERT_TRUE(languages.speak(Language::Russian));
        EXPECT_EQ(shown("Дополнительно"), "Дополнительно") << "English is gone";
        const QString qtbaseRu =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm";
        EXPECT_EQ(yesButton().remove('&'), QFile::exists(qtbaseRu) ? "Да" : "Yes");
    }
    EXPECT_EQ(yesButton().remove('&'), "Yes") << "the switch removes its translators";
    QLocale::setDefault(QLocale::c());
}

// A window whose captions and whose operator data are the same Russian words.
class MixedForm : public Window {
public:
    explicit MixedForm(Program& program) : Window(program, "Form9") {
        caption = "Настройки";
        Label1.toolTip = "Поиск";
        Text1.setText("Дополнительно");
        List1.items = {"Дополнительно", "Каналы"};
    }
    Label Label1{*this, "Label1", "Дополнительно"};
    Button Command1{*this, "Command1", "Выход"};
    TextBox Text1{*this, "Text1"};
    ListBox List1{*this, "List1"};
};

constexpr std::array<Placement, 4> kMixedLayout{{
    {"Label1", 0, 0, 1500, 300},
    {"Command1", 0, 400, 1500, 400},
    {"Text1", 0, 900, 1500, 300},
    {"List1", 0, 1300, 1500, 600},
}};

TEST_F(TranslateTest, AViewTranslatesCaptionsButNotWhatTheOperatorTyped) {
    Program program;
    MixedForm form(program);
    FormView view(form, kMixedLayout, 3000, 2000);
    EXPECT_EQ(view.windowTitle(), "Settings");
    const auto* label = qobject_cast<QLabel*>(view.widget("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Extra");
    EXPECT_EQ(label->toolTip(), "Search");
    EXPECT_EQ(qobject_cast<QPushButton*>(view.widget("Command1"))->text(), "Exit");
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.widget("Text1"))->text(), "Дополнительно");
    const auto* list = qobject_cast<QListWidget*>(view.widget("List1"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Дополнительно");
    EXPECT_EQ(list->item(1)->text(), "Каналы");
    form.Label1.caption = "Шаг 50 kHz";
    view.render();
    EXPECT_EQ(label->text(), "Step 50 kHz") << "a changed caption is translated too";
    form.caption = "Каналы";
    form.Label1.caption = "<b>Repeater</b>"; // as an operator's channel comment
    view.render();
    EXPECT_EQ(view.windowTitle(), "Channels");
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance("<b>Repeater</b>"))
        << "a caption is drawn as written, never as markup";
}

} // namespace
} // namespace volna
