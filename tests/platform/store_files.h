// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the store on disk share: a temporary XDG_CONFIG_HOME for
// the whole test program, a prompter that records every box, a directory that
// refuses writes, raw file access and an independent parse of a store file.

#include "toolkit/prompter.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace volna::test {

namespace fs = std::filesystem;

// Points XDG_CONFIG_HOME at a fresh directory before any QSettings exists (Qt
// reads it once, at the first QSettings) and removes the directory at the end.
class TemporaryConfigHome : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    static inline fs::path path;
};

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

// Makes a directory refuse new entries: chattr +i as root (chmod does not stop
// root), chmod 0555 otherwise. held() tells whether that worked here.
class LockedDirectory {
public:
    explicit LockedDirectory(fs::path dir);
    ~LockedDirectory() { release(); }
    LockedDirectory(const LockedDirectory&) = delete;
    LockedDirectory& operator=(const LockedDirectory&) = delete;
    bool held() const { return held_; }
    void release();

private:
    fs::path dir_;
    bool immutable_ = false;
    bool held_ = false;
};

struct StoredValue {
    std::string section;
    std::string key;
    std::string value;
};

// Fills the store file as the program would after some use: ten channels with
// comments, a full library of a hundred entries, every setting, the flags with
// "BACK" = "145500". Texts include commas, quotes, ";", "=" and Cyrillic.
// Returns every value written.
std::vector<StoredValue> seedFullStore();

std::string fileBytes(const fs::path& file);
void writeBytes(const fs::path& file, const std::string& bytes);

// The file as it is on the disk: a copy parsed by a QSettings of its own, which
// shares nothing with the store's in-memory state.
std::unique_ptr<QSettings> parsedFromDisk(const fs::path& file);

class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(storeDir()); }

    static fs::path storeDir() { return TemporaryConfigHome::path / "VOLNA144"; }
    static fs::path storeFile() { return storeDir() / "VOLNA144.conf"; }

    // The copies "VOLNA144.conf.damaged-<date>-<time>" in the store directory.
    std::vector<fs::path> damagedCopies() const;
    // Every name in the store directory, sorted.
    std::vector<std::string> storeDirNames() const;

    RecordingPrompter prompter;
};

} // namespace volna::test
