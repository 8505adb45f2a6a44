// SPDX-License-Identifier: GPL-3.0-or-later
// The store file when it cannot be read, and what a killed save leaves next to
// it: an unreadable file is not a first run and is never written; the leftovers
// of a save are cleared at start unless another instance is saving.

#include "platform/qsettings/qsettings_store.h"
#include "platform/qsettings/save_leftovers.h"
#include "platform/store_files.h"
#include "settings/first_run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QString>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace volna {
namespace {

using namespace test;

constexpr const char* kMissing = "<missing>";

// The run on an unreadable file: one box naming the file and the reason, the
// first-run values, no question, and every save reported as failed.
std::string runOnUnreadableFile(QSettingsStore& store, RecordingPrompter& prompter) {
    std::string faults;
    const auto check = [&faults](bool ok, const char* what) {
        faults += ok ? "" : std::string(what) + "; ";
    };
    check(prompter.shown.size() == 1, "one box at start");
    check(store.readSetting("Flags", "NEW", kMissing) == "1", "initialised in memory");
    check(store.readSetting("Flags", "BACK", kMissing) == "144000", "first-run BACK");
    check(store.readSetting("Settings", "Top_boundary", kMissing) == "146000", "first-run band");
    check(store.readSetting("Library", "$100", kMissing).empty(), "first-run library");
    check(initialiseStoreOnFirstRun(store, prompter), "no first run");
    store.writeSetting("Flags", "BACK", "145000");
    check(!store.sync(), "a save fails");
    check(!store.sync(), "and stays failed");
    check(store.readSetting("Flags", "BACK", kMissing) == "145000", "the run goes on");
    check(prompter.shown.size() == 1, "nothing more shown");
    return faults;
}

TEST_F(QSettingsStoreTest, ADirectoryInPlaceOfTheFileIsNotAFirstRunAndIsLeftAlone) {
    fs::create_directories(storeFile());
    const auto before = storeDirNames();
    QSettingsStore store(prompter);

    EXPECT_EQ("", runOnUnreadableFile(store, prompter));
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ("Ошибка", prompter.shown[0].title);
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(storeFile().string()));
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find("каталог"));
    EXPECT_TRUE(fs::is_directory(storeFile()));
    EXPECT_TRUE(fs::is_empty(storeFile()));
    EXPECT_EQ(before, storeDirNames());
}

// A pipe in place of the file would block the start for ever.
TEST_F(QSettingsStoreTest, APipeInPlaceOfTheFileIsNotAFirstRunAndDoesNotBlock) {
    fs::create_directories(storeDir());
    ASSERT_EQ(0, ::mkfifo(storeFile().c_str(), 0600));
    QSettingsStore store(prompter);

    EXPECT_EQ("", runOnUnreadableFile(store, prompter));
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find("не обычный файл"));
    EXPECT_TRUE(fs::is_fifo(storeFile()));
}

// A file without read permission. Root reads any file, so as root the store
// is run in a child process under the user "nobody".
TEST_F(QSettingsStoreTest, AFileWithoutReadPermissionIsNotAFirstRunAndIsLeftAlone) {
    seedFullStore();
    fs::permissions(storeFile(), fs::perms::owner_read | fs::perms::owner_write);
    for (const fs::path& dir : {TemporaryConfigHome::path, storeDir()}) {
        fs::permissions(dir, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    }
    const std::string bytes = fileBytes(storeFile());
    const auto before = storeDirNames();

    int report[2];
    ASSERT_EQ(0, pipe(report));
    const pid_t child = fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        close(report[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(3);
        }
        if (geteuid() != 0) {
            chmod(storeFile().c_str(), 0);
        }
        RecordingPrompter childPrompter;
        QSettingsStore store(childPrompter);
        std::string faults = runOnUnreadableFile(store, childPrompter);
        if (!childPrompter.shown.empty()) {
            faults += "\n" + childPrompter.shown[0].text;
        }
        [[maybe_unused]] auto written = write(report[1], faults.data(), faults.size());
        _exit(0);
    }
    close(report[1]);
    std::string faults;
    char buffer[4096];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;) {
        faults.append(buffer, static_cast<std::size_t>(got));
    }
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    fs::permissions(storeFile(), fs::perms::owner_read | fs::perms::owner_write);

    const auto box = faults.find('\n');
    ASSERT_NE(std::string::npos, box) << faults;
    EXPECT_EQ("", faults.substr(0, box));
    EXPECT_NE(std::string::npos, faults.find(storeFile().string(), box));
    EXPECT_NE(std::string::npos, faults.find("нет прав", box));
    EXPECT_EQ(bytes, fileBytes(storeFile()));
    EXPECT_EQ(before, storeDirNames());
}

// A first run whose save fails says why, once, and does not claim success.
TEST_F(QSettingsStoreTest, AFirstRunThatCannotSaveIsNotReportedAsDone) {
    fs::create_directories(storeDir());
    LockedDirectory lock(storeDir());
    if (!lock.held()) {
        GTEST_SKIP() << "cannot make " << storeDir() << " unwritable here (no chattr +i)";
    }
    RecordingPrompter yes(Answer::Yes);
    QSettingsStore store(yes);

    EXPECT_TRUE(initialiseStoreOnFirstRun(store, yes));

    ASSERT_EQ(2u, yes.shown.size());
    EXPECT_EQ(kFirstRunQuestion, yes.shown[0].text);
    EXPECT_EQ("Ошибка", yes.shown[1].title);
    EXPECT_NE(std::string::npos, yes.shown[1].text.find(storeFile().string()));
    EXPECT_EQ("144000", store.readSetting("Flags", "BACK", kMissing));
    EXPECT_FALSE(fs::exists(storeFile()));
}

// Only the program's own temporary files are removed: an operator's copies,
// whatever their names, and the leftovers of earlier versions stay.
TEST_F(QSettingsStoreTest, ClearsTheLeftoversOfAKilledSaveAtStart) {
    seedFullStore();
    for (const char* name :
         {"VOLNA144.conf.volna144-new-Ab12Cd", "VOLNA144.conf.volna144-new-xQYbzz"}) {
        writeBytes(storeDir() / name, "[Flags]\nBACK=1");
    }
    const std::vector<std::string> kept = {"VOLNA144.conf",
                                           "VOLNA144.conf.BACKUP",
                                           "VOLNA144.conf.CDQFia",
                                           "VOLNA144.conf.ORIGIN",
                                           "VOLNA144.conf.damaged-20260101-120000",
                                           "VOLNA144.conf.lock",
                                           "VOLNA144.conf.myCopy",
                                           "VOLNA144.conf.oldCFG",
                                           "VOLNA144.conf.volna144-new-Ab12Cd7",
                                           "other.conf.volna144-new-Ab12Cd"};
    for (const std::string& name : kept) {
        if (!fs::exists(storeDir() / name)) {
            writeBytes(storeDir() / name, "keep");
        }
    }

    EXPECT_EQ(2, removeSaveLeftovers(storeFilePath()));
    EXPECT_EQ(kept, storeDirNames());
}

// QSettings saved under "<file>.lock"; a lock an earlier version left, even
// one naming no owner, neither holds up a save nor is removed.
TEST_F(QSettingsStoreTest, ClearsALockThatNamesNoOwner) {
    seedFullStore();
    const fs::path lock = storeDir() / "VOLNA144.conf.lock";
    writeBytes(lock, "");

    QSettingsStore store(prompter);
    store.writeSetting("Flags", "BACK", "145525");
    EXPECT_TRUE(store.sync());
    EXPECT_EQ("145525", parsedFromDisk(storeFile())->value("Flags/BACK").toString());
    EXPECT_TRUE(fs::exists(lock));
}

// Opening the store removes nothing: a CSV export opens it without the
// console's lock, and the temporary file it finds may be a running console's
// save in progress.
TEST_F(QSettingsStoreTest, LeavesTheTemporaryFileOfALiveSaveAlone) {
    seedFullStore();
    writeBytes(storeDir() / "VOLNA144.conf.volna144-new-CDQFia", "[Flags]\nBACK=1\n");

    QSettingsStore store(prompter);
    EXPECT_TRUE(fs::exists(storeDir() / "VOLNA144.conf.volna144-new-CDQFia"));
    EXPECT_EQ("145500", store.readSetting("Flags", "BACK", kMissing));
}

} // namespace
} // namespace volna
