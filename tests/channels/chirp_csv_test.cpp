// SPDX-License-Identifier: GPL-3.0-or-later
// Channels and library entries to CHIRP CSV rows and back: the row each kind
// of entry becomes, the faults each kind of bad row gives, the files that are
// not CHIRP CSV at all, a huge file, and a round trip of full lists.

#include "channels/chirp_csv.h"

#include "channels/channel_editor.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

const Band kBand{144000, 146000, 25, 1};
const std::string kHeaderLine =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
const std::string kOldHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                               "RPT2CALL\r\n";

struct ExportRow {
    const char* name;
    ChannelTexts texts;
    const char* row; // without its CRLF
};

class ChirpCsvExport : public ::testing::TestWithParam<ExportRow> {};

TEST_P(ChirpCsvExport, EntryBecomesOneRowAfterTheHeader) {
    const std::string text = exportCsv({{3, GetParam().texts}}, 25);
    EXPECT_EQ(text, kHeaderLine + GetParam().row + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChirpCsvExport,
    ::testing::Values(
        ExportRow{"Simplex",
                  {"145500", "145500", "s"},
                  "3,s,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,s,,,,"},
        ExportRow{"MinusShift",
                  {"145600", "145000", "r"},
                  "3,r,145.600000,-,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,r,,,,"},
        ExportRow{"PlusShift",
                  {"144800", "145400", ""},
                  "3,,144.800000,+,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,"},
        ExportRow{"SplitBeyondSeventyMHz",
                  {"145500", "435000", "x"},
                  "3,x,145.500000,split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,x,,,"
                  ","},
        ExportRow{"NoTransmitIsOff",
                  {"145500", "", "x"},
                  "3,x,145.500000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,x,,,,"},
        ExportRow{"CommaQuoteSemicolonEquals",
                  {"145500", "145500", "a,b \"q\" c;d=e"},
                  "3,\"a,b \"\"q\"\" c;d=e\",145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->"
                  "Tone,FM,25.00,,,\"a,b \"\"q\"\" c;d=e\",,,,"},
        ExportRow{"CyrillicNameCutAtSixteenCharacters",
                  {"145500", "145500", "Ретранслятор Москва-Сити"},
                  "3,Ретранслятор Мос,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25."
                  "00,,,Ретранслятор Москва-Сити,,,,"},
        ExportRow{"HalfKilohertz",
                  {"145500.5", "145500.5", ""},
                  "3,,145.500500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,"}),
    test::rowNameOf<ExportRow>);

TEST(ChirpCsvExportTest, WritesOnlyFilledEntriesInLocationOrder) {
    const std::string text = exportCsv({{7, {"145000", "145000", "b"}},
                                        {2, {"", "", "empty"}},
                                        {4, {"0", "0", "missing key"}},
                                        {1, {"144500", "144500", "a"}}},
                                       12.5);
    const std::string tail = ",,,,\r\n";
    EXPECT_EQ(text,
              kHeaderLine +
                  "1,a,144.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,a" + tail +
                  "7,b,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,b" + tail);
    EXPECT_EQ(exportCsv({}, 25), kHeaderLine);
}

struct ImportRow {
    const char* name;
    const char* row; // under the current header
    ChannelTexts texts;
    const char* fault; // "" when the row imports
};

class ChirpCsvImport : public ::testing::TestWithParam<ImportRow> {};

TEST_P(ChirpCsvImport, RowImportsOrFailsWithTheWindowsReason) {
    const CsvImport result =
        importCsv(kHeaderLine + GetParam().row + "\r\n", ChannelList::Channels, kBand);
    ASSERT_EQ(result.fileFault, "");
    if (std::string(GetParam().fault).empty()) {
        EXPECT_EQ(result.faults, std::vector<CsvRowFault>{});
        EXPECT_EQ(result.entries, (std::vector<CsvEntry>{{5, GetParam().texts}}));
        return;
    }
    EXPECT_EQ(result.entries, std::vector<CsvEntry>{});
    EXPECT_EQ(result.faults, (std::vector<CsvRowFault>{{"5", GetParam().fault}}));
}

#define ROW(name, duplex, offset, comment)                                                         \
    "5," name ",145.500000," duplex "," offset ",,,,,,,,FM,,,," comment ",,,,"

INSTANTIATE_TEST_SUITE_P(
    Rows, ChirpCsvImport,
    ::testing::Values(
        ImportRow{"Simplex", ROW("n", "", "0.000000", "c"), {"145500", "145500", "c"}, ""},
        ImportRow{"Minus", ROW("n", "-", "0.600000", "c"), {"145500", "144900", "c"}, ""},
        ImportRow{"Plus", ROW("n", "+", "0.4", "c"), {"145500", "145900", "c"}, ""},
        ImportRow{"Split", ROW("n", "split", "144.025", "c"), {"145500", "144025", "c"}, ""},
        ImportRow{"OffIsRefused",
                  ROW("n", "off", "0", "c"),
                  {},
                  "Канал без частоты передачи (Duplex off); введите частоту передачи!"},
        ImportRow{"UnknownDuplex",
                  ROW("n", "x", "0", "c"),
                  {},
                  "Неизвестный вид частоты передачи (Duplex)!"},
        ImportRow{"NameWhenNoComment", ROW("Имя", "", "", ""), {"145500", "145500", "Имя"}, ""},
        ImportRow{"QuotedCommentWithCommaQuotesSemicolonEquals",
                  ROW("n", "", "", "\"a,b \"\"q\"\";c=d\""),
                  {"145500", "145500", "a,b \"q\";c=d"},
                  ""},
        ImportRow{"CommentOfThirtyFourCyrillicLetters",
                  ROW("n", "", "", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
                  {"145500", "145500", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"},
                  ""},
        ImportRow{"CommentTooLong",
                  ROW("n", "", "", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
                  {},
                  "Комментарий длиннее 34 символов!"},
        ImportRow{"CommentWithLineBreak",
                  ROW("n", "", "", "\"a\r\nb\""),
                  {},
                  "Комментарий содержит перевод строки!"},
        ImportRow{
            "CommentNotUtf8", ROW("n", "", "", "\xC0\xAF"), {}, "Текст не в кодировке UTF-8!"},
        ImportRow{
            "ReceiveOffRasterNotRounded", "5,n,145.510000,,,,,,,,,,,,,,,,,,", {}, kRasterMessage},
        ImportRow{"ReceiveHalfKilohertz", "5,n,145.500500,,,,,,,,,,,,,,,,,,", {}, kRasterMessage},
        ImportRow{"TransmitOffRaster", ROW("n", "-", "0.610", ""), {}, kTransmitRasterMessage},
        ImportRow{"ReceiveOutOfBand",
                  "5,n,146.025,,,,,,,,,,,,,,,,,,",
                  {},
                  "Частота приёма 146025 кГц вне диапазона 144000–146000 кГц!"},
        ImportRow{"TransmitOutOfBand",
                  ROW("n", "+", "0.6", ""),
                  {},
                  "Частота передачи 146100 кГц вне диапазона 144000–146000 кГц!"},
        ImportRow{"TransmitBelowZero",
                  ROW("n", "-", "200", ""),
                  {},
                  "Частота передачи -54500 кГц вне диапазона 144000–146000 кГц!"},
        ImportRow{"TooManyDigits",
                  "5,n,1296.000000,,,,,,,,,,,,,,,,,,",
                  {},
                  "В частоте больше 6 цифр (кГц)!"},
        ImportRow{"NoFrequency", "5,n,,,,,,,,,,,,,,,,,,,", {}, kEnterReceiveMessage},
        ImportRow{
            "UnreadableFrequency", "5,n,145.5 MHz,,,,,,,,,,,,,,,,,,", {}, "Частота не читается!"},
        ImportRow{"SevenDecimals", "5,n,145.5000001,,,,,,,,,,,,,,,,,,", {}, "Частота не читается!"},
        ImportRow{"UnreadableOffset",
                  ROW("n", "-", "0.6.1", ""),
                  {},
                  "Сдвиг частоты передачи (Offset) не читается!"}),
    test::rowNameOf<ImportRow>);

#undef ROW

struct ChangeCase {
    const char* name;
    const char* tone; // the Tone column
    const char* mode; // the Mode column
    std::vector<std::string> changes;
};

class ChirpCsvChanges : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChirpCsvChanges, ARowIsImportedAndWhatItLosesIsReported) {
    const ChangeCase& c = GetParam();
    const std::string row =
        std::string("5,n,145.500000,,,") + c.tone + ",,,,,,," + c.mode + ",,,,,,,,\r\n";
    const CsvImport result = importCsv(kHeaderLine + row, ChannelList::Channels, kBand);
    EXPECT_EQ(result.entries, (std::vector<CsvEntry>{{5, {"145500", "145500", "n"}}}));
    std::vector<CsvRowFault> expected;
    for (const std::string& change : c.changes) {
        expected.push_back({"5", change});
    }
    EXPECT_EQ(result.changes, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChirpCsvChanges,
    ::testing::Values(
        ChangeCase{"FmWithoutTone", "", "FM", {}}, ChangeCase{"NoModeColumnValue", "", "", {}},
        ChangeCase{"Am", "", "AM", {"строка AM импортирована как FM"}},
        ChangeCase{"NarrowFm", "", "NFM", {"строка NFM импортирована как FM"}},
        ChangeCase{"Tone", "Tone", "FM", {"тон отброшен"}},
        ChangeCase{"TsqlOnAm", "TSQL", "AM", {"строка AM импортирована как FM", "тон отброшен"}}),
    test::rowNameOf<ChangeCase>);

std::string simplexRow(const std::string& location, const std::string& comment = "") {
    return location + ",,145.500000,,,,,,,,,,,,,," + comment + ",,,,\r\n";
}

TEST(ChirpCsvImportTest, LocationsMustBeReadableInsideTheListAndUsedOnce) {
    const std::string text = kHeaderLine + simplexRow("0") + simplexRow("11") + simplexRow("x") +
                             simplexRow(" ") + simplexRow("3") + simplexRow(" 3 ") +
                             simplexRow("10");
    const CsvImport result = importCsv(text, ChannelList::Channels, kBand);
    const char* range = "Номер ячейки (Location) вне 1..10!";
    const char* unreadable = "Номер ячейки (Location) не читается!";
    EXPECT_EQ(result.faults,
              (std::vector<CsvRowFault>{{"0", range},
                                        {"11", range},
                                        {"x", unreadable},
                                        {"строка 5", unreadable},
                                        {"3", "Номер ячейки (Location) повторяется!"}}));
    EXPECT_EQ(result.entries, (std::vector<CsvEntry>{{3, {"145500", "145500", ""}},
                                                     {10, {"145500", "145500", ""}}}));
    const CsvImport library = importCsv(text, ChannelList::Library, kBand);
    EXPECT_EQ(library.faults.size(), 4u);
    EXPECT_EQ(library.entries.size(), 3u);
}

TEST(ChirpCsvImportTest, LibraryCommentsMayBeLongerThanChannelComments) {
    const std::string seventy(70, 'w');
    const std::string text =
        kHeaderLine + simplexRow("1", seventy) + simplexRow("2", seventy + "w");
    const CsvImport result = importCsv(text, ChannelList::Library, kBand);
    EXPECT_EQ(result.entries, (std::vector<CsvEntry>{{1, {"145500", "145500", seventy}}}));
    EXPECT_EQ(result.faults, (std::vector<CsvRowFault>{{"2", "Комментарий длиннее 70 символов!"}}));
}

// The same two channels in every spelling a reader meets.
class ChirpCsvSpellings : public ::testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(ChirpCsvSpellings, ReadTheSameChannels) {
    const CsvImport result = importCsv(GetParam().second, ChannelList::Channels, kBand);
    EXPECT_EQ(result.fileFault, "");
    EXPECT_EQ(result.faults, std::vector<CsvRowFault>{});
    EXPECT_EQ(result.entries,
              (std::vector<CsvEntry>{{1, {"145500", "144900", "Ретранслятор, \"Р1\""}},
                                     {2, {"144800", "144800", "Имя"}}}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChirpCsvSpellings,
    ::testing::Values(
        std::pair{"PreTwentyThreeHeader",
                  kOldHeader + "1,R1,145.500000,-,0.600000,,88.5,88.5,023,NN,FM,25.00,,"
                               "\"Ретранслятор, \"\"Р1\"\"\",,,\r\n"
                               "2,Имя,144.800000,,0.000000,,88.5,88.5,023,NN,FM,25.00,,,,,\r\n"},
        std::pair{"OtherOrderAndSubsetWithLf",
                  std::string("Comment,Offset,Frequency,Location,Duplex,Name\n"
                              "\"Ретранслятор, \"\"Р1\"\"\",0.6,145.5,1,-,R1\n"
                              "\n"
                              ",,144.8,2,,Имя\n")},
        std::pair{"ByteOrderMarkAndNoLastLineEnd",
                  std::string("\xEF\xBB\xBFLocation,Frequency,Duplex,Offset,Comment,Name\r\n"
                              "1,145.500000,split,144.900000,\"Ретранслятор, \"\"Р1\"\"\",x\r\n"
                              "2,144.800000,,,,Имя")}),
    [](const auto& row) { return std::string(row.param.first); });

TEST(ChirpCsvImportTest, TextsThatAreNotChirpCsvAreRefusedWhole) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    for (const std::string& text :
         {binary, std::string("Lorem ipsum, dolor sit amet\nconsectetur, adipiscing\n"),
          std::string(), std::string("Location,Name,Offset\r\n1,a,0.6\r\n"),
          std::string("\"Location,Frequency\r\n1,145.5\r\n"),
          std::string("Location;Frequency\r\n1;145.5\r\n")}) {
        const CsvImport result = importCsv(text, ChannelList::Library, kBand);
        EXPECT_NE(result.fileFault, "") << text.substr(0, 40);
        EXPECT_EQ(result.entries.size() + result.faults.size(), 0u);
    }
}

TEST(ChirpCsvImportTest, AnOpenQuoteFaultsItsRowByLine) {
    const CsvImport result = importCsv(kHeaderLine + simplexRow("1") + ",,\"145.5\r\n2,\r\n",
                                       ChannelList::Channels, kBand);
    EXPECT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.faults,
              (std::vector<CsvRowFault>{{"строка 3", "Кавычка не закрыта до конца файла!"}}));
}

// Ten megabytes of rows: the list keeps what it can hold, fifty faults are
// listed and the rest counted.
TEST(ChirpCsvImportTest, HugeFileKeepsTheListAndCountsTheRest) {
    std::string text = kHeaderLine;
    int rows = 0;
    while (text.size() < 10'000'000) {
        text += simplexRow(std::to_string(rows % 150 + 1), "comment, with a comma");
        ++rows;
    }
    const CsvImport result = importCsv(text, ChannelList::Library, kBand);
    EXPECT_EQ(result.entries.size(), 100u);
    ASSERT_EQ(result.faults.size(), 51u);
    EXPECT_EQ(result.faults[0], (CsvRowFault{"101", "Номер ячейки (Location) вне 1..100!"}));
    const bool one = (rows - 150) % 10 == 1 && (rows - 150) % 100 != 11;
    const bool few = (rows - 150) % 10 >= 2 && (rows - 150) % 10 <= 4 &&
                     ((rows - 150) % 100 < 12 || (rows - 150) % 100 > 14);
    EXPECT_EQ(result.faults[50],
              (CsvRowFault{"…", "и ещё " + std::to_string(rows - 150) +
                                    (one ? " строка с ошибками не импортируется"
                                     : few ? " строки с ошибками не импортируются"
                                           : " строк с ошибками не импортируются")}));
}

TEST(ChirpCsvImportTest, HugeRandomBytesUnderAHeaderGiveBoundedFaults) {
    std::string text = kHeaderLine;
    unsigned state = 12345;
    while (text.size() < 10'000'000) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>(state >> 16);
    }
    const CsvImport result = importCsv(text, ChannelList::Library, kBand);
    EXPECT_EQ(result.fileFault, "");
    EXPECT_LE(result.entries.size(), 100u);
    EXPECT_LE(result.faults.size(), 51u);
    EXPECT_FALSE(result.faults.empty());
}

TEST(ChirpCsvExportTest, TextsTooLongForAFrequencyStayDefined) {
    const std::string text = exportCsv({{1, {"99999999999999999999999", "1", ""}}}, 25);
    EXPECT_NE(text.find("\r\n1,,1000000000.000000,split,0.001000,"), std::string::npos) << text;
}

std::vector<CsvEntry> fullList(ChannelList list) {
    std::vector<CsvEntry> entries;
    const char* comments[] = {"", "a,b", "\"q\"", "x;y=z", "Ретранслятор Москва", "R - 1 - x"};
    for (int n = 1; n <= locationCount(list); ++n) {
        const int rx = 144000 + 25 * (n * 13 % 80);
        const int tx = n % 3 == 0 ? rx : n % 3 == 1 ? 145000 + 25 * (n % 20) : 144000;
        entries.push_back({n, {std::to_string(rx), std::to_string(tx), comments[n % 6]}});
    }
    return entries;
}

TEST(ChirpCsvRoundTripTest, FullListsComeBackEntryForEntry) {
    for (ChannelList list : {ChannelList::Channels, ChannelList::Library}) {
        const std::vector<CsvEntry> entries = fullList(list);
        const CsvImport result = importCsv(exportCsv(entries, 25), list, kBand);
        EXPECT_EQ(result.fileFault, "");
        EXPECT_EQ(result.faults, std::vector<CsvRowFault>{});
        EXPECT_EQ(result.entries, entries);
    }
}

} // namespace
} // namespace volna
