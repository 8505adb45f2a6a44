// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV buttons of the channel editor and the library as the operator uses
// them: a scripted file dialog and the scripted prompter around the real
// windows, the in-memory store, and real files in a temporary folder.

#include "channel_windows_fixture.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "channels/csv_transfer.h"
#include "settings/channel_store.h"
#include "toolkit/file_chooser.h"
#include "toolkit/text_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

namespace volna::test {
namespace {

namespace fs = std::filesystem;

// A file dialog for scenario tests: each call takes the next scripted answer
// (a path, or "" for Cancel) and must be of the expected kind; an unexpected
// dialog, or an expected one that never opened, fails the test.
class ScriptedFileChooser : public FileChooser {
public:
    ~ScriptedFileChooser() override {
        for (const Expected& missing : expected_) {
            ADD_FAILURE() << "expected file dialog never opened: " << missing.path;
        }
    }
    void expectOpen(std::string path) { expected_.push_back({false, std::move(path)}); }
    void expectSave(std::string path) { expected_.push_back({true, std::move(path)}); }
    std::string openFile(const FileRequest& request) override { return next(false, request); }
    std::string saveFile(const FileRequest& request) override { return next(true, request); }
    FileRequest lastRequest;

private:
    struct Expected {
        bool save;
        std::string path;
    };
    std::string next(bool save, const FileRequest& request) {
        lastRequest = request;
        if (expected_.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << request.title;
            return {};
        }
        const Expected expected = expected_.front();
        expected_.pop_front();
        EXPECT_EQ(expected.save, save) << request.title;
        return expected.path;
    }
    std::deque<Expected> expected_;
};

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

constexpr const char* kHeader = "Location,Name,Frequency,Duplex,Offset,Mode,TStep\r\n";

// The editor and the library beside the console on one store, each with the
// scripted file dialog, and a private folder for the files.
class CsvButtonsTest : public ChannelWindowsFixture {
protected:
    CsvButtonsTest() {
        std::string pattern = (fs::temp_directory_path() / "csv-buttons-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        editor.csv.chooser = &chooser;
        library.csv.chooser = &chooser;
        start();
        library.Form_Load();
    }
    ~CsvButtonsTest() override { fs::remove_all(folder); }

    std::string file(const char* name) const { return (folder / name).string(); }
    // The question an import of text into list asks, as the transfer layer words it.
    std::string question(ChannelList list, const std::string& text) {
        return report(list, text) + "\n\n" + kCsvImportQuestion;
    }
    // The import's report as the transfer layer words it, without the last line end.
    std::string report(ChannelList list, const std::string& text) {
        std::string words = importReport(planImport(store, list, text));
        words.pop_back();
        return words;
    }
    void openLibrary() {
        program.runEvent([&] { library.show(); });
        ASSERT_EQ(program.activeWindow(), &library);
    }

    fs::path folder;
    ScriptedFileChooser chooser;
    Form6 library{program, store, prompter};
};

// --- Export ---

TEST_F(CsvButtonsTest, ExportWritesTheStoredChannelsToTheChosenFile) {
    setChannel(1, "145500", "144900", "репитер, \"R0\"");
    setChannel(4, "144800", "144800", "");
    open(editor);
    chooser.expectSave(file("out.csv"));
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_EQ(chooser.lastRequest.filter, kCsvFilter);
    EXPECT_EQ(fileText(file("out.csv")), exportStoredList(store, ChannelList::Channels));
    // Read back, the file holds exactly the two filled channels.
    const CsvImport back =
        importCsv(fileText(file("out.csv")), ChannelList::Channels, Band{144000, 146000});
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].location, 1);
    EXPECT_EQ(back.entries[0].texts.comment, "репитер, \"R0\"");
    EXPECT_EQ(back.entries[1].location, 4);
}

TEST_F(CsvButtonsTest, ExportCancelledOrRefusedLeavesNoFile) {
    setChannel(1, "145500", "144900", "one");
    open(editor);
    chooser.expectSave("");
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_TRUE(fs::is_empty(folder));

    const std::string missingFolder = file("no-such-folder/out.csv");
    chooser.expectSave(missingFolder);
    prompter.expectError("Не удалось записать файл «" + missingFolder +
                         "»: No such file or directory");
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(CsvButtonsTest, ExportOverAFileReplacesItWhole) {
    writeFile(file("out.csv"), std::string(100000, 'x'));
    setChannel(2, "145000", "145600", "two");
    open(editor);
    chooser.expectSave(file("out.csv"));
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_EQ(fileText(file("out.csv")), exportStoredList(store, ChannelList::Channels));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// --- Import into the editor ---

TEST_F(CsvButtonsTest, ImportAnsweredNoWritesNothingAndYesShowsTheRowsAtOnce) {
    setChannel(1, "145500", "144900", "old");
    const std::string text = std::string(kHeader) + "1,new,145.000000,,,FM,25.00\r\n" +
                             "3,third,144.500000,+,0.600000,FM,25.00\r\n";
    writeFile(file("in.csv"), text);
    open(editor);
    chooser.expectOpen(file("in.csv"));
    prompter.expect(kWarningTitle, question(ChannelList::Channels, text), Answer::No);
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(editor.receiveBox(1).text(), "145500");

    chooser.expectOpen(file("in.csv"));
    prompter.expect(kWarningTitle, question(ChannelList::Channels, text), Answer::Yes);
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"145000", "145000", "new"}));
    EXPECT_EQ(storedChannel(3), (ChannelTexts{"144500", "145100", "third"}));
    EXPECT_EQ(editor.receiveBox(1).text(), "145000");
    EXPECT_EQ(editor.commentBox(1).text(), "new");
    EXPECT_EQ(editor.transmitBox(3).text(), "145100");
    // The rows shown are the stored ones: a save straight away changes nothing.
    store.clearLog();
    ASSERT_TRUE(program.click(editor.saveButton));
    EXPECT_EQ(storedChannel(3), (ChannelTexts{"144500", "145100", "third"}));
}

TEST_F(CsvButtonsTest, RefusedRowsAreListedAndOnlyTheRestIsWritten) {
    setChannel(2, "145500", "144900", "old two");
    const std::string text = std::string(kHeader) + "1,good,145.000000,,,FM,25.00\r\n" +
                             "2,off raster,145.010000,,,FM,25.00\r\n" +
                             "3,out of band,150.000000,,,FM,25.00\r\n";
    writeFile(file("in.csv"), text);
    open(editor);
    chooser.expectOpen(file("in.csv"));
    prompter.expect(kWarningTitle, question(ChannelList::Channels, text), Answer::Yes);
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_EQ(storedChannel(1).comment, "good");
    EXPECT_EQ(storedChannel(2), (ChannelTexts{"145500", "144900", "old two"}));
    EXPECT_NE(storedChannel(3).receive, "150000");
    EXPECT_EQ(editor.commentBox(2).text(), "old two");
    // The one question names both refused rows.
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("Location 2: "), std::string::npos);
    EXPECT_NE(prompter.shown()[0].text.find("Location 3: "), std::string::npos);

    // A file of refused rows only is an error: nothing to confirm, nothing written.
    const std::string refused = std::string(kHeader) + "3,out of band,150.000000,,,FM,25.00\r\n";
    writeFile(file("bad.csv"), refused);
    store.clearLog();
    chooser.expectOpen(file("bad.csv"));
    prompter.expectError(report(ChannelList::Channels, refused));
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(CsvButtonsTest, ImportIsRefusedWhileARowHoldsAnUnsavedEdit) {
    writeFile(file("in.csv"), std::string(kHeader) + "1,new,145.000000,,,FM,25.00\r\n");
    open(editor);
    ASSERT_TRUE(program.type(editor.commentBox(2), "mine"));
    prompter.expectError(kCsvUnsavedMessage);
    ASSERT_TRUE(program.click(editor.importButton));
    prompter.expectError(kCsvUnsavedMessage);
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(editor.commentBox(2).text(), "mine");
}

TEST_F(CsvButtonsTest, AFileThatCannotBeImportedGetsAnErrorAndWritesNothing) {
    setChannel(1, "145500", "144900", "old");
    open(editor);
    chooser.expectOpen(file("missing.csv"));
    prompter.expectError("Не удалось прочитать файл «" + file("missing.csv") +
                         "»: No such file or directory");
    ASSERT_TRUE(program.click(editor.importButton));

    chooser.expectOpen(folder.string());
    prompter.expectError("Не удалось прочитать файл «" + folder.string() + "»: Is a directory");
    ASSERT_TRUE(program.click(editor.importButton));

    const std::string notCsv = "\x7f"
                               "ELF\x02\x01\x01 binary junk\n";
    writeFile(file("junk.csv"), notCsv);
    chooser.expectOpen(file("junk.csv"));
    prompter.expectError(report(ChannelList::Channels, notCsv));
    ASSERT_TRUE(program.click(editor.importButton));

    // Larger than any channel list: refused before it is read.
    std::filesystem::resize_file(file("junk.csv"), kMaxCsvFileBytes + 1);
    chooser.expectOpen(file("junk.csv"));
    prompter.expectError("Не удалось прочитать файл «" + file("junk.csv") + "»: File too large");
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(editor.receiveBox(1).text(), "145500");
}

TEST_F(CsvButtonsTest, ImportCancelledInTheDialogAsksNothing) {
    open(editor);
    chooser.expectOpen("");
    ASSERT_TRUE(program.click(editor.importButton));
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(CsvButtonsTest, WithoutAFileDialogTheButtonsDoNothing) {
    editor.csv.chooser = nullptr;
    open(editor);
    ASSERT_TRUE(program.click(editor.importButton));
    ASSERT_TRUE(program.click(editor.exportButton));
    EXPECT_TRUE(store.writes().empty());
}

// --- The library ---

TEST_F(CsvButtonsTest, LibraryImportShowsTheEntriesAtOnceAndKeepsTheChannelList) {
    setChannel(1, "145500", "144900", "one");
    const std::string text = std::string(kHeader) + "2,second,145.025000,,,FM,25.00\r\n" +
                             "1,first,144.975000,,,FM,25.00\r\n";
    writeFile(file("lib.csv"), text);
    openLibrary();
    ASSERT_TRUE(program.select(library.channelList, 0));
    ASSERT_TRUE(program.click(library.deleteChannelButton)); // an unsaved channel edit
    chooser.expectOpen(file("lib.csv"));
    prompter.expect(kWarningTitle, question(ChannelList::Library, text), Answer::Yes);
    ASSERT_TRUE(program.click(library.importButton));
    const LibrarySlots slots = ChannelStore(store).library();
    EXPECT_EQ(slots[0].rfind("144975 - ", 0), 0u) << slots[0];
    EXPECT_EQ(slots[1].rfind("145025 - ", 0), 0u) << slots[1];
    EXPECT_EQ(library.libraryList.items, (std::vector<std::string>{slots[0], slots[1]}));
    EXPECT_EQ(library.libraryCount.caption, "2");
    EXPECT_EQ(library.listCount.caption, "2");
    EXPECT_TRUE(library.channelList.items.empty()) << "the operator's delete was undone";
    EXPECT_EQ(storedChannel(1).receive, "145500");
}

TEST_F(CsvButtonsTest, LibraryImportIsRefusedWhileTheLibraryListHoldsUnsavedEdits) {
    setChannel(1, "145500", "144900", "one");
    openLibrary();
    ASSERT_TRUE(program.select(library.channelList, 0));
    ASSERT_TRUE(program.click(library.toLibraryButton));
    prompter.expectError(kCsvUnsavedMessage);
    ASSERT_TRUE(program.click(library.importButton));
    prompter.expectError(kCsvUnsavedMessage);
    ASSERT_TRUE(program.click(library.exportButton));
    EXPECT_EQ(library.libraryList.count(), 1);
}

// A full library exported from its window and imported again into an emptied
// store comes back entry for entry.
TEST_F(CsvButtonsTest, LibraryExportedAndImportedComesBackWhole) {
    std::vector<std::string> entries;
    for (int n = 0; n < kLibraryCapacity; ++n) {
        const int step = 25 * (n % 79);
        entries.push_back(std::to_string(144025 + step) + " - " + std::to_string(146000 - step) +
                          " - entry; \"" + std::to_string(n) + "\", =ок");
    }
    ChannelStore(store).writeLibrary(entries);
    openLibrary();
    chooser.expectSave(file("library.csv"));
    ASSERT_TRUE(program.click(library.exportButton));
    ChannelStore(store).writeLibrary({});
    const std::string text = fileText(file("library.csv"));
    chooser.expectOpen(file("library.csv"));
    prompter.expect(kWarningTitle, question(ChannelList::Library, text), Answer::Yes);
    ASSERT_TRUE(program.click(library.importButton));
    EXPECT_EQ(library.libraryList.items, entries);
    const LibrarySlots slots = ChannelStore(store).library();
    EXPECT_EQ(std::vector<std::string>(slots.begin(), slots.end()), entries);
}

// --- Whole files on disk ---

TEST_F(CsvButtonsTest, TextFilesAreWrittenWholeOrNotAtAll) {
    const std::string path = file("t.txt");
    ASSERT_TRUE(writeTextFile(path, "first").ok);
    ASSERT_TRUE(writeTextFile(path, "second, longer\r\n").ok);
    EXPECT_EQ(readTextFile(path, 100).text, "second, longer\r\n");
    EXPECT_FALSE(readTextFile(path, 15).ok) << "a file over the limit was read";
    EXPECT_TRUE(readTextFile(path, 16).ok);
    const TextFileResult intoFolder = writeTextFile(folder.string(), "x");
    EXPECT_FALSE(intoFolder.ok);
    EXPECT_EQ(fileText(path), "second, longer\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

} // namespace
} // namespace volna::test
