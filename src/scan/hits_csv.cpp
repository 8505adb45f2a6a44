// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/hits_csv.h"

#include <ctime>

namespace volna {

namespace {

std::tm localTime(std::int64_t wallMs) {
    const auto seconds = static_cast<std::time_t>(wallMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

// Seconds with one decimal, rounded: 12300 ms -> "12.3".
std::string seconds(std::int64_t ms) {
    const std::int64_t tenths = (ms + 50) / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::string isoLocalTime(std::int64_t wallMs) {
    const std::tm local = localTime(wallMs);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso(text);
    if (iso.size() > 2) {
        iso.insert(iso.size() - 2, ":"); // +0100 -> +01:00
    }
    return iso;
}

std::string hitsCsv(const ScanHits& hits, std::int64_t wallMsAtZero) {
    std::string text = std::string(kHitsCsvHeader) + "\r\n";
    for (std::size_t i = hits.size(); i-- > 0;) {
        const ScanHit& hit = hits.newest(i);
        text += isoLocalTime(wallMsAtZero + hit.startMs) + "," + std::to_string(hit.kHz) + "," +
                (hit.channel > 0 ? std::to_string(hit.channel) : "") + "," + seconds(hit.signalMs) +
                "\r\n";
    }
    return text;
}

std::string hitLine(const ScanHit& hit, std::int64_t wallMsAtZero) {
    const std::tm local = localTime(wallMsAtZero + hit.startMs);
    char clock[16];
    std::strftime(clock, sizeof clock, "%H:%M:%S", &local);
    return std::string(clock) + "  " + std::to_string(hit.kHz) + " kHz  " +
           (hit.channel > 0 ? "#" + std::to_string(hit.channel) + "  " : "") +
           seconds(hit.signalMs) + " s";
}

} // namespace volna
