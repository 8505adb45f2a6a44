// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hits of a run as a CSV file for the morning after: UTF-8, one hold a
// row, oldest first, its start as an ISO 8601 local time with its offset.

#include "domain/scan_hold.h"

#include <cstdint>
#include <string>

namespace volna {

// The header row of the file.
inline constexpr const char* kHitsCsvHeader = "Start,kHz,Channel,Signal s";

// The file's text. wallMsAtZero: the wall clock (ms since 1970, UTC) when the
// program's clock read 0, so that a hit's start is wallMsAtZero + startMs.
std::string hitsCsv(const ScanHits& hits, std::int64_t wallMsAtZero);

// A wall-clock time (ms since 1970, UTC) as local "2026-12-09T01:46:08+01:00".
std::string isoLocalTime(std::int64_t wallMs);

// One line of the scanner window's list: "01:46:08  145600 kHz  ch 5  12 s".
std::string hitLine(const ScanHit& hit, std::int64_t wallMsAtZero);

} // namespace volna
