// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten memory channels and the channel library as CHIRP CSV files, the
// common interchange format of radio programming tools: rows written from the
// channels' texts, and rows read back, each checked as the channel windows
// check what an operator types. Text in, text out: no files and no store here.

#include "domain/band.h"
#include "settings/channel_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace volna {

// Which list a file fills: the memory channels (locations 1..kChannelCount)
// or the library (1..kLibraryCapacity).
enum class ChannelList { Channels, Library };

// How many locations a list has.
int locationCount(ChannelList list);

// One entry of a list at its location (1-based), as the store keeps its texts.
struct CsvEntry {
    int location = 0;
    ChannelTexts texts;
    bool operator==(const CsvEntry&) const = default;
};

// Whether an entry holds something an export would write: a receive frequency.
bool isFilled(const ChannelTexts& texts);

// The file for the filled entries of a list (an entry is filled when its
// receive text holds a frequency), in location order: the current CHIRP
// header, CRLF line ends, UTF-8; rasterKHz is written as TStep. Name is the
// comment's first 16 characters, Comment the whole comment. Duplex and Offset
// come from the transmit text: "" when it equals the receive frequency, "+" or
// "-" with the shift for a shift of up to 70 MHz (the limit CHIRP's radio
// drivers use), "split" with the transmit frequency beyond that, "off" when
// the transmit text holds no frequency. The tone columns hold CHIRP's values
// for a memory without tones (its reader refuses them empty), Mode is FM and
// the other columns are empty.
std::string exportCsv(const std::vector<CsvEntry>& entries, double rasterKHz);

// A row that cannot be imported: its Location as the file writes it (or its
// line number, "строка N", when it has none) and why, in the words the
// channel windows use. Only the first 50 faulty rows are listed; when there
// are more, one last fault with the location "…" says how many were left out.
struct CsvRowFault {
    std::string location;
    std::string reason;
    bool operator==(const CsvRowFault&) const = default;
};

struct CsvImport {
    // Non-empty: the text is not a CHIRP CSV file at all (no header with
    // Location and Frequency), and nothing else is set.
    std::string fileFault;
    std::vector<CsvEntry> entries; // the rows that pass, in file order
    std::vector<CsvRowFault> faults;
    // Rows imported with something the radio cannot take left out (a Mode
    // other than FM, a Tone), each with what was changed; in file order.
    std::vector<CsvRowFault> changes;
};

// Reads a CHIRP CSV text for list: any subset and order of columns, the
// current or the pre-2023 header, quoted fields, CRLF or LF. Every row is
// checked against band and the raster as the windows check an entry; a
// frequency off the raster is a fault, never rounded. Frequencies become
// whole-kHz texts as the windows write them ("145500"). The transmit frequency
// comes from Duplex and Offset ("split": Offset is the transmit frequency);
// a row with Duplex "off" is a fault, since the windows accept no channel
// without a transmit frequency. The comment is Comment, or Name when Comment
// is empty or absent, at most kCommentLength characters for the channels and
// kCommentLimit for the library, without line breaks. A UTF-8 byte order mark
// is skipped; blank lines are ignored.
CsvImport importCsv(std::string_view text, ChannelList list, const Band& band);

} // namespace volna
