// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings store on disk: an INI file read with QSettings, so that every
// file an earlier version wrote reads as it always did, held in memory with
// names matched without regard to case, and written back whole through the
// file seam (toolkit/text_file.h), every step checked, so that a failed write
// never replaces a good file. A damaged file is read line by line for what is
// still sound and copied aside before it is replaced; a file that cannot be
// read is never written. The operator hears of each trouble through the
// prompter, once.

#include "settings/memory_store.h"
#include "settings/settings_store.h"
#include "toolkit/prompter.h"
#include "toolkit/text_file.h"

#include <QString>

#include <string>
#include <string_view>

namespace volna {

// The store file, "<config>/VOLNA144/VOLNA144.conf", whether or not it exists:
// worked out without opening it.
QString storeFilePath();

// A store file larger than this is not one the program wrote (a full one is
// about 20 KB); it is refused unread.
inline constexpr std::size_t kLargestStoreFile = 16 * 1024 * 1024;

// One value of the store file as it stands on disk, read without taking,
// repairing or writing anything; empty when the file, or the value, is not
// there. For what is settled before the store is opened: the language of
// the line that says there is no display.
std::string peekSetting(std::string_view section, std::string_view key);

class QSettingsStore : public SettingsStore {
public:
    explicit QSettingsStore(Prompter& prompter);
    // calls: the file calls the saves make (tests fail them).
    QSettingsStore(Prompter& prompter, FileCalls& calls);
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::string readSetting(std::string_view section, std::string_view key,
                            std::string_view fallback) override;
    // Only changes the value in memory; it reaches the disk at the next sync().
    void writeSetting(std::string_view section, std::string_view key,
                      std::string_view value) override;
    // A failed save is told once, and tried again at every sync until one
    // succeeds; meanwhile the values live on in memory.
    bool sync() override;
    // As sync, but a failed save is tried again only once something more has
    // been written: the sync after every event, which would otherwise write a
    // full disk at every tick of a scan.
    bool syncChanges();

    // The store file, whether or not it exists yet.
    std::string filePath() const;
    // From now on the store's troubles are told through prompter (the ending
    // of the program tells them on standard error, without a box to answer).
    void tellThrough(Prompter& prompter) { prompter_ = &prompter; }

private:
    void open();
    void runWithoutFile(const std::string& reason);
    void setAsideDamagedFile();
    bool writeFile();

    Prompter* prompter_;
    FileCalls ownCalls_;
    FileCalls& calls_;
    const QString path_;
    MemoryStore values_;
    // While the file is damaged and not yet copied aside: its bytes as read,
    // the number of lines left out and the repeated keys, for the operator.
    bool damaged_ = false;
    std::string damagedBytes_;
    int damagedLines_ = 0;
    std::string duplicates_;
    // The file must not be written in this run: writes stay in memory.
    bool readOnly_ = false;
    // Something written in this run is not on the disk.
    bool unsaved_ = false;
    // Something was written since the last save was tried.
    bool changed_ = false;
    // The last save failed and the operator has been told.
    bool failing_ = false;
};

} // namespace volna
