#include "settings/first_run.h"
#include "settings/qsettings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace volna {
namespace {

namespace fs = std::filesystem;

// Points XDG_CONFIG_HOME at a fresh directory before any QSettings exists (Qt
// reads it once, at the first QSettings) and removes the directory at the end.
class TemporaryConfigHome : public ::testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "volna144-store-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        path = pattern;
        setenv("XDG_CONFIG_HOME", path.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(path); }

    static inline fs::path path;
};

[[maybe_unused]] const auto* const kConfigHome =
    ::testing::AddGlobalTestEnvironment(new TemporaryConfigHome);

// Answers Yes/No boxes with a fixed answer and keeps every box shown.
class RecordingPrompter : public Prompter {
public:
    explicit RecordingPrompter(Answer answer = Answer::No) : answer_(answer) {}
    Answer ask(const Message& message) override {
        shown.push_back(message);
        return message.buttons == MessageButtons::YesNo ? answer_ : Answer::Ok;
    }
    std::vector<Message> shown;

private:
    Answer answer_;
};

// Counts the syncs that reach the store under test.
class SyncCounter : public SettingsStore {
public:
    explicit SyncCounter(SettingsStore& store) : store_(store) {}
    std::string readSetting(std::string_view section, std::string_view key,
                            std::string_view fallback) override {
        return store_.readSetting(section, key, fallback);
    }
    void writeSetting(std::string_view section, std::string_view key,
                      std::string_view value) override {
        store_.writeSetting(section, key, value);
    }
    void sync() override {
        ++syncs;
        store_.sync();
    }
    int syncs = 0;

private:
    SettingsStore& store_;
};

// Makes a directory refuse new entries: chattr +i as root (chmod does not stop
// root), chmod 0555 otherwise. held() tells whether that worked here.
class LockedDirectory {
public:
    explicit LockedDirectory(fs::path dir) : dir_(std::move(dir)) {
        if (geteuid() == 0) {
            immutable_ =
                std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) == 0;
        } else {
            fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
        }
        const fs::path probe = dir_ / "probe";
        held_ = !std::ofstream(probe).is_open();
        if (!held_) {
            fs::remove(probe);
        }
    }
    ~LockedDirectory() { release(); }
    bool held() const { return held_; }
    void release() {
        if (immutable_) {
            std::system(("chattr -i '" + dir_.string() + "'").c_str());
            immutable_ = false;
        }
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add, ignored);
    }

private:
    fs::path dir_;
    bool immutable_ = false;
    bool held_ = false;
};

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The file as it is on the disk: a copy parsed by a QSettings of its own, which
// shares nothing with the store's in-memory state.
std::unique_ptr<QSettings> parsedFromDisk(const fs::path& file) {
    const fs::path copy = TemporaryConfigHome::path / "parsed.conf";
    fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
    return std::make_unique<QSettings>(QString::fromStdString(copy.string()), QSettings::IniFormat);
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(storeDir()); }

    static fs::path storeDir() { return TemporaryConfigHome::path / "VOLNA144"; }
    static fs::path storeFile() { return storeDir() / "VOLNA144.conf"; }

    std::vector<fs::path> damagedCopies() const {
        std::vector<fs::path> copies;
        const std::regex name(R"(VOLNA144\.conf\.damaged-\d{8}-\d{6})");
        for (const auto& entry : fs::directory_iterator(storeDir())) {
            if (std::regex_match(entry.path().filename().string(), name)) {
                copies.push_back(entry.path());
            }
        }
        return copies;
    }

    RecordingPrompter prompter;
};

TEST_F(QSettingsStoreTest, KeepsItsFileUnderXdgConfigHome) {
    QSettingsStore store(prompter);
    EXPECT_EQ(storeFile().string(), store.filePath());
}

TEST_F(QSettingsStoreTest, WritesReachTheDiskOnlyAtSync) {
    QSettingsStore store(prompter);
    store.writeSetting("Flags", "BACK", "145500");
    EXPECT_FALSE(fs::exists(storeFile()));

    store.sync();
    EXPECT_EQ("145500", parsedFromDisk(storeFile())->value("Flags/BACK").toString());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(QSettingsStoreTest, MatchesNamesWithoutRegardToCaseAndKeepsTheFirstSpelling) {
    {
        QSettingsStore store(prompter);
        store.writeSetting("Settings", "Delay2", "5");
        store.writeSetting("SETTINGS", "delay2", "7");
        EXPECT_EQ("7", store.readSetting("settings", "DELAY2", ""));
        store.sync();
    }
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ(QStringList{"Settings/Delay2"}, disk->allKeys());
    EXPECT_EQ("7", disk->value("Settings/Delay2").toString());

    QSettingsStore reopened(prompter);
    EXPECT_EQ("7", reopened.readSetting("Settings", "delay2", ""));
}

TEST_F(QSettingsStoreTest, ReadsAHandWrittenFileWhateverItsSpelling) {
    writeBytes(storeFile(), "[settings]\ndelay2=5\n"
                            "[Channels(RX-cmt)]\n$1=Позывной\n"
                            "[Library]\n$1=145500 - 145500 - a, b\n");
    QSettingsStore store(prompter);
    EXPECT_EQ("5", store.readSetting("Settings", "Delay2", ""));
    EXPECT_EQ("Позывной", store.readSetting("Channels(RX-cmt)", "$1", ""));
    EXPECT_EQ("145500 - 145500 - a, b", store.readSetting("Library", "$1", ""));

    store.writeSetting("Settings", "Delay2", "6");
    store.sync();
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ("6", disk->value("settings/delay2").toString());
    EXPECT_FALSE(disk->contains("Settings/Delay2"));
}

TEST_F(QSettingsStoreTest, KeepsCyrillicTextAcrossInstances) {
    const std::string comment = "Ретранслятор R7 — Москва";
    {
        QSettingsStore store(prompter);
        store.writeSetting("Channels(RX-cmt)", "$1", comment);
        store.sync();
    }
    EXPECT_NE(std::string::npos, fileBytes(storeFile()).find(comment));
    QSettingsStore reopened(prompter);
    EXPECT_EQ(comment, reopened.readSetting("channels(rx-cmt)", "$1", ""));
}

TEST_F(QSettingsStoreTest, TellsAMissingKeyFromAnEmptyOne) {
    {
        QSettingsStore store(prompter);
        store.writeSetting("Channels(RX)", "$1", "");
        store.sync();
    }
    QSettingsStore reopened(prompter);
    EXPECT_EQ("", reopened.readSetting("Channels(RX)", "$1", "0"));
    EXPECT_EQ("0", reopened.readSetting("Channels(RX)", "$2", "0"));
    EXPECT_EQ("!!!", reopened.readSetting("Flags", "NEW", "!!!"));
}

TEST_F(QSettingsStoreTest, FirstRunLeavesACompleteFileAfterItsOneSync) {
    RecordingPrompter yes(Answer::Yes);
    QSettingsStore store(yes);
    SyncCounter counted(store);

    ASSERT_TRUE(initialiseStoreOnFirstRun(counted, yes));

    EXPECT_EQ(1, counted.syncs);
    EXPECT_EQ(2u, yes.shown.size());
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ(142, disk->allKeys().size());
    EXPECT_EQ("1", disk->value("Flags/NEW").toString());
    EXPECT_EQ("-10700", disk->value("Settings/GUN").toString());
    EXPECT_EQ("", disk->value("Library/$100", "missing").toString());
    EXPECT_EQ("", disk->value("Channels(RX-cmt)/$10", "missing").toString());
}

TEST_F(QSettingsStoreTest, CopiesADamagedFileAsideBeforeTheFirstWrite) {
    std::mt19937 random(144);
    std::string garbage(4096, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random());
    }
    writeBytes(storeFile(), garbage);
    QSettingsStore store(prompter);
    store.readSetting("Flags", "NEW", "!!!");
    EXPECT_TRUE(damagedCopies().empty()) << "reading alone must not touch the file";
    EXPECT_TRUE(prompter.shown.empty());

    store.writeSetting("Flags", "BACK", "145500");
    const std::vector<fs::path> copies = damagedCopies();
    ASSERT_EQ(1u, copies.size());
    EXPECT_EQ(garbage, fileBytes(copies[0]));
    ASSERT_EQ(1u, prompter.shown.size());
    EXPECT_EQ("Ошибка", prompter.shown[0].title);
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(copies[0].string()));

    store.sync();
    store.writeSetting("Flags", "LOCK", "1");
    store.sync();
    EXPECT_EQ(1u, prompter.shown.size());
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ(QSettings::NoError, disk->status());
    EXPECT_EQ("145500", disk->value("Flags/BACK").toString());
}

TEST_F(QSettingsStoreTest, ADamagedFileSetAsideDoesNotHideALaterWriteFailure) {
    writeBytes(storeFile(), "[Flags\nNEW\n\x01\x02\xff[[[");
    {
        QSettingsStore store(prompter);
        store.writeSetting("Flags", "BACK", "145500");
        LockedDirectory lock(storeDir());
        if (!lock.held()) {
            GTEST_SKIP() << "cannot make " << storeDir() << " unwritable here (no chattr +i)";
        }
        store.sync();
        lock.release();
        store.sync();
    }
    ASSERT_EQ(2u, prompter.shown.size());
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(".damaged-"));
    EXPECT_EQ(std::string::npos, prompter.shown[1].text.find(".damaged-"));
    EXPECT_NE(std::string::npos, prompter.shown[1].text.find(storeFile().string()));
}

TEST_F(QSettingsStoreTest, LeavesADamagedFileAloneWhenNoCopyCanBeMade) {
    const std::string garbage = "[Flags\nNEW\n\x01\x02\xff[[[";
    writeBytes(storeFile(), garbage);
    LockedDirectory lock(storeDir());
    if (!lock.held()) {
        GTEST_SKIP() << "cannot make " << storeDir() << " unwritable here (no chattr +i)";
    }
    {
        QSettingsStore store(prompter);
        store.writeSetting("Flags", "BACK", "145500");
        store.sync();
        store.sync();
        EXPECT_EQ("145500", store.readSetting("flags", "back", ""));
        lock.release();
    }
    EXPECT_EQ(1u, prompter.shown.size());
    EXPECT_EQ(garbage, fileBytes(storeFile()));
    EXPECT_TRUE(damagedCopies().empty());
}

TEST_F(QSettingsStoreTest, AnUnwritableStoreIsReportedOnceAndTheRunGoesOn) {
    {
        QSettingsStore store(prompter);
        store.writeSetting("Flags", "BACK", "144000");
        store.sync();
    }
    LockedDirectory lock(storeDir());
    if (!lock.held()) {
        GTEST_SKIP() << "cannot make " << storeDir() << " unwritable here (no chattr +i)";
    }
    {
        QSettingsStore store(prompter);
        store.writeSetting("Flags", "BACK", "145500");
        store.sync();
        store.writeSetting("Flags", "LOCK", "0");
        store.sync();
        EXPECT_EQ("145500", store.readSetting("Flags", "BACK", ""));
        EXPECT_EQ(1u, prompter.shown.size());

        // Once the directory takes writes again, the next sync saves what was kept.
        lock.release();
        store.sync();
    }
    ASSERT_EQ(1u, prompter.shown.size());
    EXPECT_EQ("Ошибка", prompter.shown[0].title);
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(storeFile().string()));
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ("145500", disk->value("Flags/BACK").toString());
    EXPECT_EQ("0", disk->value("Flags/LOCK").toString());
}

} // namespace
} // namespace volna
