// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store_files.h"

#include "platform/qsettings/qsettings_store.h"
#include "settings/channel_store.h"
#include "settings/memory_store.h"

#include <QString>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>

namespace volna::test {

[[maybe_unused]] const auto* const kConfigHome =
    ::testing::AddGlobalTestEnvironment(new TemporaryConfigHome);

void TemporaryConfigHome::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "volna144-store-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    path = pattern;
    setenv("XDG_CONFIG_HOME", path.c_str(), 1);
}

void TemporaryConfigHome::TearDown() {
    fs::remove_all(path);
}

LockedDirectory::LockedDirectory(fs::path dir) : dir_(std::move(dir)) {
    if (geteuid() == 0) {
        immutable_ = std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) == 0;
    } else {
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
    }
    const fs::path probe = dir_ / "probe";
    held_ = !std::ofstream(probe).is_open();
    if (!held_) {
        fs::remove(probe);
    }
}

void LockedDirectory::release() {
    if (immutable_) {
        std::system(("chattr -i '" + dir_.string() + "'").c_str());
        immutable_ = false;
    }
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add, ignored);
}

std::vector<StoredValue> seedFullStore() {
    // The channels and the library go through the channel store into a memory
    // store first, which keeps the values in the order they were written.
    MemoryStore seeded;
    ChannelStore channels(seeded);
    for (int n = 1; n <= kChannelCount; ++n) {
        const int rx = 144000 + 175 * n;
        channels.writeChannel(
            n,
            {std::to_string(rx), std::to_string(rx - 600),
             "Канал " + std::to_string(n) + ", \"R" + std::to_string(n) + "\"; a=b"},
            ChannelWriteOrder::ReceiveTransmitComment);
    }
    std::vector<std::string> library;
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        library.push_back(std::to_string(145000 + 5 * n) + " - " + std::to_string(144400 + 5 * n) +
                          " - Запись " + std::to_string(n) + ", Москва");
    }
    channels.writeLibrary(library);
    std::vector<StoredValue> values;
    for (const MemoryStore::Entry& entry : seeded.entries()) {
        values.push_back({entry.section, entry.key, entry.value});
    }
    const std::vector<StoredValue> settings = {
        {"Settings", "Buttom_boundary", "144000"},
        {"Settings", "Top_boundary", "146000"},
        {"Settings", "GUN", "-10700"},
        {"Settings", "FR_", "-600"},
        {"Settings", "Scan_speed", "250"},
        {"Settings", "Scan_speed_from_and_up_to", "300"},
        {"Settings", "Channel_scanspeed", "350"},
        {"Settings", "Delay1", "1"},
        {"Settings", "Delay2", "2"},
        {"Flags", "BACK", "145500"},
        {"Flags", "LOCK", "1"},
        {"Flags", "NEW", "1"},
    };
    values.insert(values.end(), settings.begin(), settings.end());

    RecordingPrompter silent;
    QSettingsStore store(silent);
    for (const StoredValue& stored : values) {
        store.writeSetting(stored.section, stored.key, stored.value);
    }
    EXPECT_TRUE(store.sync());
    EXPECT_TRUE(silent.shown.empty());
    return values;
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::unique_ptr<QSettings> parsedFromDisk(const fs::path& file) {
    // A name of its own each time: QSettings caches a file by its name and
    // would not see a rewrite of the same size within the same millisecond.
    static int copies = 0;
    const fs::path copy =
        TemporaryConfigHome::path / ("parsed-" + std::to_string(++copies) + ".conf");
    fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
    return std::make_unique<QSettings>(QString::fromStdString(copy.string()), QSettings::IniFormat);
}

std::vector<fs::path> QSettingsStoreTest::damagedCopies() const {
    std::vector<fs::path> copies;
    const std::regex name(R"(VOLNA144\.conf\.damaged-\d{8}-\d{6})");
    for (const auto& entry : fs::directory_iterator(storeDir())) {
        if (std::regex_match(entry.path().filename().string(), name)) {
            copies.push_back(entry.path());
        }
    }
    return copies;
}

std::vector<std::string> QSettingsStoreTest::storeDirNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(storeDir())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace volna::test
