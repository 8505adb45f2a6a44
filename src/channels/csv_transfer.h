// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store side of moving the memory channels and the library to and from
// CHIRP CSV files: the entries and the band read from the settings store for
// an export, and for an import a plan the operator confirms (what will be
// replaced, what is refused and why) and its write-back in one go. Used by the
// command line and by the channel windows alike; no files and no windows here.

#include "channels/chirp_csv.h"
#include "domain/band.h"
#include "settings/settings_store.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

// A CSV file larger than this is refused unread, by the channel windows and the
// command line alike; a full library takes a few kB.
inline constexpr std::size_t kMaxCsvFileBytes = 16 * 1024 * 1024;

// The name of a list as the operator reads it in a report ("Каналы").
const char* listName(ChannelList list);

// Every location of list, 1..locationCount(list), as the store holds it: the
// channels from the channel sections, the library entries split into their
// three texts. Empty locations are included; exportCsv leaves them out.
std::vector<CsvEntry> storedEntries(SettingsStore& store, ChannelList list);

// The file text for list as the store holds it now.
std::string exportStoredList(SettingsStore& store, ChannelList list);

// What an import of one file into one list would do, worked out before
// anything is written.
struct CsvImportPlan {
    ChannelList list = ChannelList::Channels;
    // Non-empty: the text is not a CHIRP CSV file; nothing else is set.
    std::string fileFault;
    std::vector<CsvEntry> rows;       // the rows that will be written
    std::vector<CsvRowFault> faults;  // the rows that will not
    std::vector<CsvRowFault> changes; // rows written with a Mode or Tone left out
    int replacedCount = 0;            // filled entries the rows take the place of

    // Whether applying would write anything at all.
    bool hasRows() const { return fileFault.empty() && !rows.empty(); }
};

// Reads text for list against the band in the store and the entries the store
// holds now; nothing is written.
CsvImportPlan planImport(SettingsStore& store, ChannelList list, std::string_view text);

// The plan as the operator reads it before confirming, in Russian: how many
// rows will replace how many filled entries, then each row written with a
// change (a Mode or Tone left out) and each refused row with its Location and
// why (a very long list ends in a line that counts the rest).
// Lines end with "\n".
// At most faultLines changed and refused rows are listed (a box must fit on the screen),
// then one line saying that there are more.
std::string importReport(const CsvImportPlan& plan,
                         std::size_t faultLines = std::numeric_limits<std::size_t>::max());

// Writes every row of the plan at its location, every other entry of the list
// staying as the store holds it at this moment, the whole list in one go, and
// syncs. A plan without rows writes nothing. Returns what sync() returns, true
// when there was nothing to write.
bool applyImport(SettingsStore& store, const CsvImportPlan& plan);

} // namespace volna
