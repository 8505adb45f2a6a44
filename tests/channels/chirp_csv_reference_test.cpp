// SPDX-License-Identifier: GPL-3.0-or-later
// The two halves of the check against CHIRP's own CSV driver, run by
// chirp_csv_reference_test.py with VOLNA_CHIRP_CSV_DIR set (skipped without
// it): the export of a fixed set of entries with what CHIRP must read from
// it, and the import of the file CHIRP wrote back from that export.

#include "channels/chirp_csv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace volna {
namespace {

const Band kWideBand{100000, 500000, 25, 1};

// An entry and the memory CHIRP must read from its row.
struct Reference {
    CsvEntry entry;
    long long frequencyHz;
    const char* duplex;
    long long offsetHz;
    const char* name;
};

const Reference kReferences[] = {
    {{1, {"145500", "145500", "simplex"}}, 145500000, "", 0, "simplex"},
    {{2, {"145600", "145000", "R0, \"Москва\""}}, 145600000, "-", 600000, "R0, \"Москва\""},
    {{3, {"144800", "145400", "a;b=c"}}, 144800000, "+", 600000, "a;b=c"},
    {{4, {"145500", "435000", "Кросс-диапазонный канал"}},
     145500000,
     "split",
     435000000,
     "Кросс-диапазонны"},
    {{7, {"433500", "", "без передачи"}}, 433500000, "off", 0, "без передачи"},
};

std::string directory() {
    const char* dir = std::getenv("VOLNA_CHIRP_CSV_DIR");
    return dir == nullptr ? std::string() : std::string(dir);
}

TEST(ChirpCsvReference, WritesTheExportAndWhatChirpMustRead) {
    if (directory().empty()) {
        GTEST_SKIP() << "run by chirp_csv_reference_test.py";
    }
    std::vector<CsvEntry> entries;
    std::ofstream expected(directory() + "/expected.tsv", std::ios::binary);
    for (const Reference& reference : kReferences) {
        entries.push_back(reference.entry);
        expected << reference.entry.location << '\t' << reference.frequencyHz << '\t'
                 << reference.duplex << '\t' << reference.offsetHz << '\t' << reference.name << '\t'
                 << reference.entry.texts.comment << '\n';
    }
    std::ofstream(directory() + "/export.csv", std::ios::binary) << exportCsv(entries, 25);
    EXPECT_TRUE(expected.good());
}

TEST(ChirpCsvReference, ReadsTheFileChirpWroteBack) {
    if (directory().empty()) {
        GTEST_SKIP() << "run by chirp_csv_reference_test.py";
    }
    std::ifstream file(directory() + "/chirp.csv", std::ios::binary);
    ASSERT_TRUE(file.good());
    std::stringstream text;
    text << file.rdbuf();
    const CsvImport result = importCsv(text.str(), ChannelList::Channels, kWideBand);
    EXPECT_EQ(result.fileFault, "");
    std::vector<CsvEntry> transmitting;
    for (const Reference& reference : kReferences) {
        if (!reference.entry.texts.transmit.empty()) {
            transmitting.push_back(reference.entry);
        }
    }
    EXPECT_EQ(result.entries, transmitting);
    ASSERT_EQ(result.faults.size(), 1u);
    EXPECT_EQ(result.faults[0].location, "7");
}

} // namespace
} // namespace volna
