// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/store_file_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

TEST(StoreFileScan, KeepsSoundLinesAndCountsTheOthers) {
    const std::string file = std::string("\xEF\xBB\xBF[Flags] ; edited by hand\r\n"
                                         "BACK=145500\n"
                                         "; a comment\n"
                                         "\n"
                                         "no equals sign\n"
                                         "NEW=1\n"
                                         "Open=\"250\n"
                                         "Quoted=\"a;b=c\"\n"
                                         "Escaped=x \\\"y\\\"\n"
                                         "Tail=14\\\n"
                                         "Cut=14") +
                             '\0' + "4000\n" + "Bad=\xC3\x28\n" + "Comment=1;\"\n" +
                             "Semicolon;first=1\n" + "[Broken\n" + "Lost=1\n" + "[Settings]x\n" +
                             "Lost=2\n" + "[Settings]\n" + "GUN=-10700";
    const StoreFileScan scan = scanStoreFile(file);
    EXPECT_EQ("[Flags]\nBACK=145500\nNEW=1\nQuoted=\"a;b=c\"\nEscaped=x \\\"y\\\"\n"
              "Comment=1;\"\n[Settings]\nLost=2\n[Settings]\nGUN=-10700\n",
              scan.soundText);
    // no equals, Open, Tail, Cut, Bad, Semicolon, the broken header and the line
    // under it; text after a header's "]" is ignored, as QSettings ignores it
    EXPECT_EQ(8, scan.damagedLines);
}

TEST(StoreFileScan, ASoundFileComesBackLineForLine) {
    const std::string file = "[Channels%28RX%29]\n%241=145500\n\n[Library]\n%241=\"a, b\"\n";
    const StoreFileScan scan = scanStoreFile(file);
    EXPECT_EQ("[Channels%28RX%29]\n%241=145500\n[Library]\n%241=\"a, b\"\n", scan.soundText);
    EXPECT_EQ(0, scan.damagedLines);
}

} // namespace
} // namespace volna
