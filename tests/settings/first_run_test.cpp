// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/first_run.h"

#include "settings/memory_store.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

using test::ScriptedPrompter;
using Write = MemoryStore::Write;

const char* const kQuestion = "Вы запустили программу VOLNA144 v2.03 в первый раз. Для "
                              "нормальной работы программе нужно внести изменения в системный "
                              "реестр. Продолжить?";
const char* const kDone = "Изменения были внесены успешно!";

// The 142 writes of a first run, in order.
std::vector<Write> firstRunWrites() {
    std::vector<Write> writes;
    const auto slots = [&](const std::string& section, int count) {
        for (int n = 1; n <= count; ++n) {
            writes.push_back({section, "$" + std::to_string(n), ""});
        }
    };
    slots("Channels(TX)", 10);
    slots("Channels(RX)", 10);
    slots("Channels(RX-cmt)", 10);
    slots("Library", 100);
    const std::vector<Write> values = {
        {"Flags", "BACK", "144000"},
        {"Flags", "LOCK", "1"},
        {"Flags", "NEW", "1"},
        {"Settings", "Scan_speed", "400"},
        {"Settings", "Scan_speed_from_and_up_to", "400"},
        {"Settings", "Channel_scanspeed", "400"},
        {"Settings", "Top_boundary", "146000"},
        {"Settings", "Buttom_boundary", "144000"},
        {"Settings", "Delay1", "0"},
        {"Settings", "Delay2", "0"},
        {"Settings", "FR_", "-600"},
        {"Settings", "GUN", "-10700"},
    };
    writes.insert(writes.end(), values.begin(), values.end());
    return writes;
}

TEST(FirstRun, YesWritesEveryStartingValueInOrderAndSyncsOnce) {
    MemoryStore store;
    ScriptedPrompter prompter;
    prompter.expect("Предупреждение!", kQuestion, Answer::Yes);
    prompter.expect("Сообщение", kDone);

    EXPECT_TRUE(initialiseStoreOnFirstRun(store, prompter));

    EXPECT_TRUE(prompter.done());
    ASSERT_EQ(142u, store.writes().size());
    EXPECT_EQ(firstRunWrites(), store.writes());
    EXPECT_EQ(1, store.syncCount());
}

TEST(FirstRun, ShowsAWarningQuestionThenAnInformationBox) {
    MemoryStore store;
    ScriptedPrompter prompter;
    prompter.expect("Предупреждение!", kQuestion, Answer::Yes);
    prompter.expect("Сообщение", kDone);

    initialiseStoreOnFirstRun(store, prompter);

    ASSERT_EQ(2u, prompter.shown().size());
    EXPECT_EQ(MessageIcon::Exclamation, prompter.shown()[0].icon);
    EXPECT_EQ(MessageButtons::YesNo, prompter.shown()[0].buttons);
    EXPECT_EQ(MessageIcon::Information, prompter.shown()[1].icon);
    EXPECT_EQ(MessageButtons::Ok, prompter.shown()[1].buttons);
}

// The store has told the operator why the save failed; the first run must not
// then claim that the values were saved.
TEST(FirstRun, AFailedSaveIsNotReportedAsDone) {
    MemoryStore store;
    store.failSyncs(true);
    ScriptedPrompter prompter;
    prompter.expect("Предупреждение!", kQuestion, Answer::Yes);

    EXPECT_TRUE(initialiseStoreOnFirstRun(store, prompter));

    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(1u, prompter.shown().size());
    EXPECT_EQ(1, store.syncCount());
    EXPECT_EQ("1", store.readSetting("Flags", "NEW", ""));
}

TEST(FirstRun, NoLeavesTheStoreUntouched) {
    MemoryStore store;
    store.writeSetting("Program", "Language", "en");
    store.clearLog();
    ScriptedPrompter prompter;
    prompter.expect("Предупреждение!", kQuestion, Answer::No);

    EXPECT_FALSE(initialiseStoreOnFirstRun(store, prompter));

    EXPECT_TRUE(prompter.done());
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(0, store.syncCount());
    EXPECT_EQ("en", store.readSetting("Program", "Language", ""));
}

TEST(FirstRun, AMarkerHoldingExclamationMarksCountsAsAFirstRun) {
    MemoryStore store;
    store.writeSetting("Flags", "NEW", "!!!");
    store.writeSetting("Channels(RX)", "$3", "145500");
    store.clearLog();
    ScriptedPrompter prompter;
    prompter.expect("Предупреждение!", kQuestion, Answer::Yes);
    prompter.expect("Сообщение", kDone);

    EXPECT_TRUE(initialiseStoreOnFirstRun(store, prompter));

    EXPECT_EQ(firstRunWrites(), store.writes());
    EXPECT_EQ("1", store.readSetting("Flags", "NEW", ""));
    EXPECT_EQ("", store.readSetting("Channels(RX)", "$3", "0"));
}

struct MarkerCase {
    const char* name;
    const char* marker;
};

// A store whose first-run marker holds the row's text.
class FirstRunMarker : public ::testing::TestWithParam<MarkerCase> {};

// Only a missing marker or one of exactly three exclamation marks is a first run.
TEST_P(FirstRunMarker, AnInitialisedStoreAsksNothing) {
    MemoryStore store;
    store.writeSetting("flags", "new", GetParam().marker);
    store.clearLog();
    ScriptedPrompter prompter;

    EXPECT_TRUE(initialiseStoreOnFirstRun(store, prompter));

    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(0, store.syncCount());
}

INSTANTIATE_TEST_SUITE_P(Markers, FirstRunMarker,
                         ::testing::Values(MarkerCase{"One", "1"}, MarkerCase{"Empty", ""},
                                           MarkerCase{"Zero", "0"},
                                           MarkerCase{"TwoExclamationMarks", "!!"},
                                           MarkerCase{"ThreeExclamationMarksAndABlank", "!!! "}),
                         [](const auto& row) { return std::string(row.param.name); });

// A store that has lost a flag or a setting to damage, a hand edit or an
// older version: no first-run question, which would overwrite every channel;
// what is lost or unusable takes its starting value, and the box names it.
TEST(RepairStore, GivesLostAndUnusableValuesTheirStartingValues) {
    const struct {
        const char* name;
        std::vector<Write> edits; // over a set-up store; a value of "-" drops the key
        const char* reset;
    } cases[] = {
        {"Sound", {}, ""},
        {"FlagsLost", {{"Flags", "NEW", "-"}, {"Flags", "BACK", "-"}}, "Flags/BACK, Flags/NEW"},
        {"NoNumber",
         {{"Settings", "GUN", "abc"}, {"Settings", "Delay2", ""}},
         "Settings/Delay2, Settings/GUN"},
        {"ScanTickOfZero", {{"Settings", "Scan_speed", "0.4"}}, "Settings/Scan_speed"},
        {"UpperEdgeBelowLower",
         {{"Settings", "Top_boundary", "143000"}},
         "Settings/Top_boundary, Settings/Buttom_boundary"},
        {"LowerEdgeLostAboveTheUpper",
         {{"Settings", "Buttom_boundary", "-"}, {"Settings", "Top_boundary", "143900"}},
         "Settings/Buttom_boundary, Settings/Top_boundary"},
    };
    MemoryStore full;
    writeStartingValues(full);
    full.writeSetting("Channels(RX)", "$1", "145500");
    for (const auto& row : cases) {
        MemoryStore store;
        for (MemoryStore::Entry entry : full.entries()) {
            for (const Write& edit : row.edits) {
                entry.value = edit.key == entry.key ? edit.value : entry.value;
            }
            if (entry.value != "-") {
                store.writeSetting(entry.section, entry.key, entry.value);
            }
        }
        ScriptedPrompter prompter;
        if (*row.reset != '\0') {
            prompter.expectError(
                std::string("В файле настроек не было или не удалось прочитать: ") + row.reset +
                ". Им даны начальные значения.");
        }
        EXPECT_TRUE(initialiseStoreOnFirstRun(store, prompter)) << row.name << ": no question";
        repairStore(store, prompter);
        prompter.verify();
        for (const MemoryStore::Entry& entry : full.entries()) {
            EXPECT_EQ(entry.value, store.readSetting(entry.section, entry.key, "<missing>"))
                << row.name << ": " << entry.key;
        }
    }
}

} // namespace
} // namespace volna
