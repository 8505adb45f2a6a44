// SPDX-License-Identifier: GPL-3.0-or-later
// A full store file damaged in each way seen in the field: the store must give
// back every value the file still holds, before and after the first write, keep
// the damaged file aside and say so once.

#include "platform/qsettings/qsettings_store.h"
#include "platform/store_files.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <cerrno>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace volna {
namespace {

using namespace test;

constexpr const char* kNoValue = "<missing>";

struct Damage {
    const char* name;
    std::function<std::string(std::string)> apply;
    // Seeded values the damage destroys: "section/key".
    std::vector<std::string> lost;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

// Puts text in front of the first line that starts with prefix.
std::string insertBefore(std::string bytes, const std::string& prefix, const std::string& text) {
    const auto at = bytes.find("\n" + prefix);
    EXPECT_NE(std::string::npos, at) << prefix;
    return bytes.insert(at + 1, text);
}

// Replaces the whole first line that starts with prefix.
std::string replaceLine(std::string bytes, const std::string& prefix, const std::string& line) {
    const auto at = bytes.find("\n" + prefix);
    EXPECT_NE(std::string::npos, at) << prefix;
    const auto end = bytes.find('\n', at + 1);
    return bytes.replace(at + 1, end - at - 1, line);
}

std::string randomBytes(std::size_t count) {
    std::mt19937 random(144);
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

const std::vector<Damage>& damages() {
    static const std::vector<Damage> all = {
        {"BrokenHeaderAppended", [](std::string b) { return b + "[Broken\n"; }, {}},
        {"BrokenHeaderWithLinesInTheMiddle",
         [](std::string b) { return insertBefore(b, "[Library]", "[Broken\nStray=1\n"); },
         {}},
        {"LineWithoutEquals",
         [](std::string b) { return insertBefore(b, "LOCK=", "a line without equals\n"); },
         {}},
        {"RandomBytesInTheMiddle",
         [](std::string b) { return insertBefore(b, "%2450=", randomBytes(2000) + "\n"); },
         {}},
        {"QuoteLeftOpenInTheFirstSection",
         [](std::string b) { return insertBefore(b, "%241=", "Scan_speed=\"250\n"); },
         {}},
        {"QuoteLeftOpenInAValue",
         [](std::string b) { return replaceLine(b, "Scan_speed=", "Scan_speed=\"250"); },
         {"Settings/Scan_speed"}},
        {"NulInAValue",
         [](std::string b) {
             return replaceLine(b,
                                "Buttom_boundary=", std::string("Buttom_boundary=14\0004000", 22));
         },
         {"Settings/Buttom_boundary"}},
        {"BackslashAtTheEndOfALine",
         [](std::string b) { return replaceLine(b, "%2410=", "%2410=144700\\"); },
         {"Channels(RX)/$10"}},
    };
    return all;
}

bool isLost(const StoredValue& stored, const Damage& damage) {
    for (const std::string& name : damage.lost) {
        if (name == stored.section + "/" + stored.key) {
            return true;
        }
    }
    return false;
}

class DamagedStoreTest : public QSettingsStoreTest, public ::testing::WithParamInterface<Damage> {
protected:
    // Every seeded value reads back, the lost ones as missing.
    void expectEveryValue(SettingsStore& store, const char* when) {
        for (const StoredValue& stored : seeded) {
            const std::string expected = isLost(stored, GetParam()) ? kNoValue : stored.value;
            EXPECT_EQ(expected, store.readSetting(stored.section, stored.key, kNoValue))
                << when << ": " << stored.section << '/' << stored.key;
        }
    }

    // The damage is one that QSettings alone gets wrong.
    bool plainReaderIsWrong(const std::string& damaged) {
        writeBytes(TemporaryConfigHome::path / "plain.conf", damaged);
        const auto plain = parsedFromDisk(TemporaryConfigHome::path / "plain.conf");
        bool wrong = false;
        for (const StoredValue& stored : seeded) {
            const QString name = QString::fromStdString(stored.section + "/" + stored.key);
            wrong = wrong || plain->value(name).toString().toStdString() != stored.value;
        }
        return wrong || plain->status() != QSettings::NoError;
    }

    std::vector<StoredValue> seeded;
};

TEST_P(DamagedStoreTest, EveryValueTheFileStillHoldsReadsBackBeforeAndAfterTheFirstWrite) {
    seeded = seedFullStore();
    const std::string damaged = GetParam().apply(fileBytes(storeFile()));
    writeBytes(storeFile(), damaged);
    ASSERT_TRUE(plainReaderIsWrong(damaged));
    {
        QSettingsStore store(prompter);
        expectEveryValue(store, "before the first write");
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(damaged, fileBytes(storeFile())) << "reading alone must not touch the file";

        store.writeSetting("Flags", "LOCK", "0");
        ASSERT_TRUE(fs::is_regular_file(storeFile())) << "a store file exists at every moment";
        EXPECT_EQ(QSettings::NoError, parsedFromDisk(storeFile())->status());
        EXPECT_TRUE(store.sync());
        const std::vector<fs::path> copies = damagedCopies();
        ASSERT_EQ(1u, copies.size());
        EXPECT_EQ(damaged, fileBytes(copies[0]));
        ASSERT_EQ(1u, prompter.shown.size());
        EXPECT_NE(std::string::npos, prompter.shown[0].text.find(copies[0].string()));
        EXPECT_EQ("0", store.readSetting("Flags", "LOCK", kNoValue));
        store.writeSetting("Flags", "LOCK", "1");
        EXPECT_TRUE(store.sync());
        expectEveryValue(store, "after the first write");
    }
    QSettingsStore reopened(prompter);
    expectEveryValue(reopened, "in the rewritten file");
    EXPECT_EQ(1u, prompter.shown.size()) << "the rewritten file is sound";
    EXPECT_EQ(QSettings::NoError, parsedFromDisk(storeFile())->status());
}

INSTANTIATE_TEST_SUITE_P(EachKindOfDamage, DamagedStoreTest, ::testing::ValuesIn(damages()),
                         [](const auto& row) { return std::string(row.param.name); });

// Lines that follow a broken section header cannot be placed in any section:
// they go, the sections after the next sound header stay.
TEST_F(QSettingsStoreTest, LinesUnderABrokenHeaderAreLeftOutUntilTheNextSoundHeader) {
    writeBytes(storeFile(), "[Flags]\nBACK=145500\n[Settings\nGUN=1\n"
                            "[Library]\n$1=145500 - 145500 - a\n");
    QSettingsStore store(prompter);
    EXPECT_EQ("145500", store.readSetting("Flags", "BACK", kNoValue));
    EXPECT_EQ(kNoValue, store.readSetting("Settings", "GUN", kNoValue));
    EXPECT_EQ(kNoValue, store.readSetting("Flags", "GUN", kNoValue));
    EXPECT_EQ("145500 - 145500 - a", store.readSetting("Library", "$1", kNoValue));
}

// Nothing that is sound counts as damage: comments (after a header too), blank
// lines, CR LF line ends, a byte order mark and quoted values with ";" and "="
// in them.
TEST_F(QSettingsStoreTest, ASoundHandWrittenFileIsNotTakenForDamaged) {
    writeBytes(storeFile(),
               "\xEF\xBB\xBF; written by hand\r\n\r\n[Flags] ; edited\r\nBACK = 145500\r\n"
               "[Channels(RX-cmt)]\n$1=\"a;b=c\"\n$2=x \\\"y\\\"\n");
    {
        QSettingsStore store(prompter);
        EXPECT_EQ("145500", store.readSetting("Flags", "BACK", kNoValue));
        EXPECT_EQ("a;b=c", store.readSetting("Channels(RX-cmt)", "$1", kNoValue));
        EXPECT_EQ("x \"y\"", store.readSetting("Channels(RX-cmt)", "$2", kNoValue));
        store.writeSetting("Flags", "LOCK", "1");
        EXPECT_TRUE(store.sync());
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(damagedCopies().empty());
}

// A file of random bytes makes QSettings give up at once; what the store
// gives back is what it could read line by line, and the file is kept.
TEST_F(QSettingsStoreTest, AFileOfRandomBytesGivesBackItsSoundLines) {
    const std::string damaged = randomBytes(100000) + "\n[Flags]\nBACK=145500\n";
    writeBytes(storeFile(), damaged);
    QSettingsStore store(prompter);
    EXPECT_EQ("145500", store.readSetting("Flags", "BACK", kNoValue));
    store.writeSetting("Flags", "LOCK", "1");
    EXPECT_TRUE(store.sync());
    ASSERT_EQ(1u, damagedCopies().size());
    EXPECT_EQ(damaged, fileBytes(damagedCopies()[0]));
    EXPECT_EQ("145500", parsedFromDisk(storeFile())->value("Flags/BACK").toString());
}

// A hand-edited file with a key written twice (raw and escaped, or in two
// cases): the reader takes the last value; the file is kept aside and the
// operator told which keys and sections repeat.
TEST_F(QSettingsStoreTest, ARepeatedKeyIsNamedAndTheFileKeptAside) {
    const std::string edited = "[Channels%28RX%29]\n%241=145500\n[Channels(RX)]\n$1=145600\n"
                               "[Settings]\nDelay2=1\ndelay2=2\n";
    writeBytes(storeFile(), edited);
    QSettingsStore store(prompter);
    store.writeSetting("Flags", "LOCK", "1");
    EXPECT_TRUE(store.sync());
    ASSERT_EQ(1u, damagedCopies().size());
    EXPECT_EQ(edited, fileBytes(damagedCopies()[0]));
    ASSERT_EQ(1u, prompter.shown.size());
    EXPECT_NE(std::string::npos,
              prompter.shown[0].text.find("[Channels(RX)], Channels(RX)/$1, Settings/delay2"));
    QSettingsStore reopened(prompter);
    EXPECT_EQ("145600", reopened.readSetting("Channels(RX)", "$1", kNoValue));
    EXPECT_EQ("2", reopened.readSetting("Settings", "Delay2", kNoValue));
}

// The sound values replace a damaged file at its first write; when that
// fails, a write of a value the store already holds is not taken for saved.
TEST_F(QSettingsStoreTest, ADamagedFileThatCannotBeReplacedIsNotTakenForSaved) {
    writeBytes(storeFile(), "[Flags]\nLOCK=1\nbroken line\n");
    struct RefusingRename : FileCalls {
        int rename(const char* from, const char* to) override {
            const bool store = std::string(to).ends_with("VOLNA144.conf");
            return refuse && store ? (errno = EACCES, -1) : FileCalls::rename(from, to);
        }
        bool refuse = true;
    } calls;
    QSettingsStore store(prompter, calls);
    store.writeSetting("Flags", "LOCK", "1");
    EXPECT_FALSE(store.sync());
    calls.refuse = false;
    EXPECT_TRUE(store.sync());
    EXPECT_EQ("[Flags]\nLOCK=1\n", fileBytes(storeFile()));
}

} // namespace
} // namespace volna
