// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qsettings/qsettings_store.h"
#include "platform/store_files.h"
#include "settings/first_run.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace volna {
namespace {

using namespace test;

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
    bool sync() override {
        ++syncs;
        return store_.sync();
    }
    int syncs = 0;

private:
    SettingsStore& store_;
};

TEST_F(QSettingsStoreTest, KeepsItsFileUnderXdgConfigHome) {
    QSettingsStore store(prompter);
    EXPECT_EQ(storeFile().string(), store.filePath());
    const QSettings same(QSettings::NativeFormat, QSettings::UserScope, "VOLNA144", "VOLNA144");
    EXPECT_EQ(same.fileName().toStdString(), store.filePath());
}

TEST_F(QSettingsStoreTest, WritesReachTheDiskOnlyAtSync) {
    QSettingsStore store(prompter);
    store.writeSetting("Flags", "BACK", "145500");
    EXPECT_FALSE(fs::exists(storeFile()));

    EXPECT_TRUE(store.sync());
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
        EXPECT_FALSE(store.sync());
        store.writeSetting("Flags", "LOCK", "0");
        EXPECT_FALSE(store.sync());
        EXPECT_FALSE(store.sync()) << "the writes are still not on the disk";
        EXPECT_EQ("145500", store.readSetting("Flags", "BACK", ""));
        EXPECT_EQ(1u, prompter.shown.size());

        // Once the directory takes writes again, the next sync saves what was kept.
        lock.release();
        EXPECT_TRUE(store.sync());
        store.writeSetting("Flags", "LOCK", "1");
        EXPECT_TRUE(store.sync()) << "a write failure of the past does not fail a good write";
    }
    ASSERT_EQ(1u, prompter.shown.size());
    EXPECT_EQ("Ошибка", prompter.shown[0].title);
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(storeFile().string()));
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ("145500", disk->value("Flags/BACK").toString());
    EXPECT_EQ("1", disk->value("Flags/LOCK").toString());
}

// The store writes its file itself; QSettings must read back every value and
// name exactly, however awkward.
TEST_F(QSettingsStoreTest, EveryTextReadsBackAsWritten) {
    const std::vector<StoredValue> awkward = {
        {"Channels(RX-cmt)", "$1", " blanks at both ends "},
        {"Channels(RX-cmt)", "$2", "a, b; c = d \"quoted\" back\\slash"},
        {"Channels(RX-cmt)", "$3", "@Rect(1 2 3 4)"},
        {"Channels(RX-cmt)", "$4", "@@twice"},
        {"Channels(RX-cmt)", "$5",
         std::string("tab\tline\nend\rnul-free \x01"
                     "ab\x7f"
                     "F")},
        {"Channels(RX-cmt)", "$6", "Репитер R1 ☎ 🙂"},
        {"Channels(RX-cmt)", "$7", ""},
        {"Library", "$100", "145500 - 145500 - ,"},
        {"General", "key", "a section named General"},
        {"Раздел", "Ключ/с чертой", "x"},
    };
    {
        QSettingsStore store(prompter);
        for (const StoredValue& value : awkward) {
            store.writeSetting(value.section, value.key, value.value);
        }
        ASSERT_TRUE(store.sync());
    }
    const auto disk = parsedFromDisk(storeFile());
    EXPECT_EQ(QSettings::NoError, disk->status());
    EXPECT_EQ(static_cast<qsizetype>(awkward.size()), disk->allKeys().size());
    for (const StoredValue& value : awkward) {
        const QString name = QString::fromStdString(value.section + "/" + value.key);
        EXPECT_EQ(value.value, disk->value(name).toString().toStdString()) << name.toStdString();
    }
}

// A disk that fills up: the write fails half-way. The old file stays whole,
// the operator is told once, the values live on, and the next change saves all.
TEST_F(QSettingsStoreTest, AFailedSaveKeepsTheOldFileAndIsToldOnce) {
    seedFullStore();
    const std::string before = fileBytes(storeFile());
    struct FullDisk : FileCalls {
        ssize_t write(int fd, const void* data, std::size_t size) override {
            ++writes;
            return full ? (errno = ENOSPC, -1) : FileCalls::write(fd, data, size);
        }
        bool full = true;
        int writes = 0;
    } disk;
    QSettingsStore store(prompter, disk);
    store.writeSetting("Flags", "BACK", "145000");
    EXPECT_FALSE(store.sync());
    store.writeSetting("Flags", "LOCK", "0");
    EXPECT_FALSE(store.syncChanges());
    EXPECT_FALSE(store.syncChanges());
    EXPECT_EQ(2, disk.writes) << "tried once per change, not at every sync";
    EXPECT_EQ(before, fileBytes(storeFile()));
    ASSERT_EQ(1u, prompter.shown.size());
    EXPECT_NE(std::string::npos, prompter.shown[0].text.find(std::strerror(ENOSPC)));

    disk.full = false;
    store.writeSetting("Flags", "LOCK", "1");
    EXPECT_TRUE(store.syncChanges());
    EXPECT_EQ("145000", parsedFromDisk(storeFile())->value("Flags/BACK").toString());
    EXPECT_EQ("145005 - 144405 - Запись 1, Москва",
              parsedFromDisk(storeFile())->value("Library/$1").toString().toStdString());
}

} // namespace
} // namespace volna
