// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the channels and the library between the settings store and CHIRP
// CSV: what an export reads, what an import plans, and what it writes.

#include "channels/csv_transfer.h"
#include "settings/stored_band.h"

#include "channels/library_entry.h"
#include "settings/channel_store.h"
#include "settings/memory_store.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

constexpr const char* kHeader = "Location,Name,Frequency,Duplex,Offset,Mode,TStep,Comment\r\n";

// One line of a file under kHeader.
std::string row(int location, const std::string& mhz, const std::string& duplex = "",
                const std::string& offset = "0.000000", const std::string& comment = "") {
    return std::to_string(location) + ",x," + mhz + "," + duplex + "," + offset + ",FM,25.00," +
           comment + "\r\n";
}

// An in-memory store as the first run leaves it: the 2 m band, every list empty.
class CsvTransferTest : public ::testing::Test {
protected:
    CsvTransferTest() {
        test::storeFirstRunValues(store);
        store.clearLog();
    }
    void setChannel(int n, ChannelTexts texts) {
        channels.writeChannel(n, texts, ChannelWriteOrder::ReceiveCommentTransmit);
        store.clearLog();
    }
    void setLibrarySlot(int n, const std::string& text) {
        store.writeSetting(kSectionLibrary, slotKey(n), text);
        store.clearLog();
    }
    // Plans and applies text into list, expecting every row to pass.
    void importWhole(SettingsStore& into, ChannelList list, const std::string& text) {
        const CsvImportPlan plan = planImport(into, list, text);
        ASSERT_EQ(plan.fileFault, "");
        ASSERT_TRUE(plan.faults.empty()) << importReport(plan);
        ASSERT_TRUE(applyImport(into, plan));
    }

    MemoryStore store;
    ChannelStore channels{store};
};

// A varied full list: every kind of transmit frequency, comments with the
// characters a CSV file has to quote, and Cyrillic.
ChannelTexts sample(int n) {
    const int kHz = 144600 + 25 * (n % 30);
    const std::string rx = std::to_string(kHz);
    const std::string shifts[] = {rx, std::to_string(kHz - 600), std::to_string(kHz + 600),
                                  "145975"};
    const std::string comments[] = {"Ретранслятор №" + std::to_string(n), "a, b; c=d", "say \"hi\"",
                                    ""};
    return {rx, shifts[n % 4], comments[(n / 4) % 4]};
}

TEST_F(CsvTransferTest, FullListsExportedAndImportedIntoAnEmptyStoreCompareEqual) {
    for (int n = 1; n <= kChannelCount; ++n) {
        setChannel(n, sample(n));
    }
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        setLibrarySlot(n, entryText(sample(n + 20)));
    }
    MemoryStore empty;
    test::storeFirstRunValues(empty);
    for (ChannelList list : {ChannelList::Channels, ChannelList::Library}) {
        importWhole(empty, list, exportStoredList(store, list));
        EXPECT_EQ(storedEntries(empty, list), storedEntries(store, list)) << listName(list);
    }
    EXPECT_EQ(ChannelStore(empty).library(), channels.library());
}

TEST_F(CsvTransferTest, TheBandComesFromTheSettings) {
    const Band band = storedBand(store, kChannelRasterKHz);
    EXPECT_EQ(band.lowerKHz, 144000);
    EXPECT_EQ(band.upperKHz, 146000);
    EXPECT_EQ(band.rasterKHz, 25);
    const std::string text = kHeader + row(1, "148.000000");
    EXPECT_EQ(planImport(store, ChannelList::Channels, text).faults.size(), 1u);
    store.writeSetting(kSectionSettings, kKeyUpperBound, "148000");
    EXPECT_EQ(planImport(store, ChannelList::Channels, text).rows.size(), 1u);
}

TEST_F(CsvTransferTest, RowsReplaceEntriesAtTheirLocationAndTheOthersStay) {
    setChannel(1, {"144500", "144500", "one"});
    setChannel(2, {"144600", "144600", "two"});
    const std::string text =
        kHeader + row(2, "145.500000", "-", "0.600000", "new two") + row(5, "145.000000");
    const CsvImportPlan plan = planImport(store, ChannelList::Channels, text);
    EXPECT_EQ(plan.rows.size(), 2u);
    EXPECT_EQ(plan.replacedCount, 1);
    EXPECT_NE(importReport(plan).find("строк к записи — 2, заполненных записей они заменят — 1"),
              std::string::npos)
        << importReport(plan);
    EXPECT_TRUE(store.writes().empty()) << "planning writes nothing";
    EXPECT_EQ(store.syncCount(), 0);

    ASSERT_TRUE(applyImport(store, plan));
    EXPECT_EQ(channels.channel(1), (ChannelTexts{"144500", "144500", "one"}));
    EXPECT_EQ(channels.channel(2), (ChannelTexts{"145500", "144900", "new two"}));
    EXPECT_EQ(channels.channel(5).receive, "145000");
    EXPECT_EQ(channels.channel(3), (ChannelTexts{}));
    // All ten channels in one go, in the channel editor's order, then one sync.
    ASSERT_EQ(store.writes().size(), 30u);
    EXPECT_EQ(store.writes()[0].section, kSectionRxChannels);
    EXPECT_EQ(store.writes()[1].section, kSectionRxComments);
    EXPECT_EQ(store.writes()[2].section, kSectionTxChannels);
    EXPECT_EQ(store.syncCount(), 1);
}

TEST_F(CsvTransferTest, TheLibraryKeepsUntouchedSlotsExactlyAsStored) {
    setLibrarySlot(1, "145500"); // no separators: split and joined it would change
    setLibrarySlot(50, "145000 - 145000 - far down");
    const std::string text = kHeader + row(3, "144.500000", "", "0.000000", "three");
    importWhole(store, ChannelList::Library, text);
    const LibrarySlots slots = channels.library();
    EXPECT_EQ(slots[0], "145500");
    EXPECT_EQ(slots[1], "");
    EXPECT_EQ(splitEntry(slots[2]), (ChannelTexts{"144500", "144500", "three"}));
    EXPECT_EQ(slots[3], "");
    EXPECT_EQ(slots[49], "145000 - 145000 - far down");
}

TEST_F(CsvTransferTest, RefusedRowsAreListedAndLeaveTheirEntriesAsTheyWere) {
    setChannel(4, {"144500", "144500", "four"});
    const std::string text =
        kHeader + row(4, "145.510000") + row(6, "145.000000") + row(6, "145.100000");
    const CsvImportPlan plan = planImport(store, ChannelList::Channels, text);
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.rows[0].location, 6);
    ASSERT_EQ(plan.faults.size(), 2u);
    EXPECT_EQ(plan.faults[0].location, "4");
    EXPECT_EQ(plan.faults[1].location, "6") << "a second row for one Location";
    const std::string report = importReport(plan);
    EXPECT_NE(report.find("Location 4: " + plan.faults[0].reason), std::string::npos) << report;
    // A box lists only as many refused rows as fit, and says there are more.
    const std::string shortened = importReport(plan, 1);
    EXPECT_NE(shortened.find("Location 4: "), std::string::npos) << shortened;
    EXPECT_EQ(shortened.find("Location 6: "), std::string::npos) << shortened;
    EXPECT_NE(shortened.find("… и другие строки с ошибками"), std::string::npos) << shortened;
    EXPECT_EQ(importReport(plan, 2), report);
    ASSERT_TRUE(applyImport(store, plan));
    EXPECT_EQ(channels.channel(4), (ChannelTexts{"144500", "144500", "four"}));
    EXPECT_EQ(channels.channel(6).receive, "145000");
}

TEST_F(CsvTransferTest, ChangedRowsAreListedInTheReportAndStillWritten) {
    const std::string text = kHeader + std::string("3,x,145.000000,,0.000000,AM,25.00,\r\n");
    const CsvImportPlan plan = planImport(store, ChannelList::Channels, text);
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_NE(importReport(plan).find("Будут импортированы с изменениями:\n"
                                      "  Location 3: строка AM импортирована как FM\n"),
              std::string::npos)
        << importReport(plan);
}

TEST_F(CsvTransferTest, APlanWithNothingToWriteWritesNothing) {
    setChannel(4, {"144500", "144500", "four"});
    const std::string refused = kHeader + row(4, "145.510000");
    for (const std::string& text : {refused, std::string(kHeader), std::string("\x01\x02 no\n")}) {
        const CsvImportPlan plan = planImport(store, ChannelList::Channels, text);
        EXPECT_FALSE(plan.hasRows());
        EXPECT_TRUE(applyImport(store, plan));
        EXPECT_TRUE(store.writes().empty());
        EXPECT_EQ(store.syncCount(), 0);
    }
    const CsvImportPlan notCsv = planImport(store, ChannelList::Channels, "just some words");
    ASSERT_NE(notCsv.fileFault, "");
    EXPECT_EQ(importReport(notCsv), notCsv.fileFault + "\n");
    EXPECT_EQ(channels.channel(4), (ChannelTexts{"144500", "144500", "four"}));
}

TEST_F(CsvTransferTest, AStoreThatCannotSyncFailsTheApply) {
    store.failSyncs(true);
    const std::string text = kHeader + row(1, "145.000000");
    EXPECT_FALSE(applyImport(store, planImport(store, ChannelList::Channels, text)));
}

} // namespace
} // namespace volna
