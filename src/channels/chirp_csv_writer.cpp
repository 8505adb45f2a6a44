// SPDX-License-Identifier: GPL-3.0-or-later
// CHIRP CSV written from the channels' texts: the current header and one row
// per filled entry, frequencies in MHz and the transmit frequency as a
// repeater shift or a split.

#include "channels/chirp_csv.h"

#include "domain/numbers.h"
#include "toolkit/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace volna {

namespace {

// The current CHIRP header; the columns this program has no value for are
// written with the values CHIRP writes for a memory without tones, since its
// reader refuses an empty tone frequency.
constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
constexpr std::string_view kNoToneColumns = "88.5,88.5,023,NN,023,Tone->Tone";
constexpr std::string_view kLineEnd = "\r\n";
// CHIRP's Name column as radios take it, characters.
constexpr int kNameLength = 16;
// A difference between receive and transmit above this is written as a split
// (the transmit frequency itself) rather than a repeater shift: the limit
// CHIRP's own radio drivers use to tell the two apart, Hz.
constexpr std::int64_t kLargestShiftHz = 70'000'000;

// Hz as MHz with six decimals ("145.500000"), with no locale involved.
std::string megahertz(std::int64_t hz) {
    std::string text = hz < 0 ? "-" : "";
    const std::int64_t magnitude = hz < 0 ? -hz : hz;
    std::string fraction = std::to_string(magnitude % 1'000'000);
    fraction.insert(0, 6 - fraction.size(), '0');
    return text + std::to_string(magnitude / 1'000'000) + '.' + fraction;
}

// kHz in Hz; a text with more digits than any frequency is held at 10^15 Hz
// so that the rounding stays defined.
std::int64_t hertz(double kHz) {
    constexpr double kLargestHz = 1e15;
    return std::llround(std::clamp(kHz * 1000.0, -kLargestHz, kLargestHz));
}

std::string fixedTwo(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

// A field as CSV needs it: quoted, inner quotes doubled, when it holds a
// comma, a quote or a line break.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

struct DuplexFields {
    std::string duplex;
    std::string offset;
};

DuplexFields duplexFields(std::int64_t rxHz, const std::string& transmit) {
    const double txKHz = leadingNumber(transmit);
    if (txKHz == 0 || !std::isfinite(txKHz)) {
        return {"off", megahertz(0)};
    }
    const std::int64_t txHz = hertz(txKHz);
    const std::int64_t shift = txHz - rxHz;
    if (shift == 0) {
        return {"", megahertz(0)};
    }
    if (shift > kLargestShiftHz || shift < -kLargestShiftHz) {
        return {"split", megahertz(txHz)};
    }
    return {shift > 0 ? "+" : "-", megahertz(shift > 0 ? shift : -shift)};
}

std::string csvRow(const CsvEntry& entry, const std::string& tuningStep) {
    const std::int64_t rxHz = hertz(leadingNumber(entry.texts.receive));
    const DuplexFields duplex = duplexFields(rxHz, entry.texts.transmit);
    std::string row = std::to_string(entry.location);
    row += ',' + csvField(firstCharacters(entry.texts.comment, kNameLength));
    row += ',' + megahertz(rxHz) + ',' + duplex.duplex + ',' + duplex.offset;
    row += ",,";
    row += kNoToneColumns;
    row += ",FM," + tuningStep + ",,,";
    row += csvField(entry.texts.comment);
    row += ",,,,";
    return row;
}

} // namespace

bool isFilled(const ChannelTexts& texts) {
    const double kHz = leadingNumber(texts.receive);
    return kHz != 0 && std::isfinite(kHz);
}

std::string exportCsv(const std::vector<CsvEntry>& entries, double rasterKHz) {
    std::vector<CsvEntry> filled;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(filled),
                 [](const CsvEntry& entry) { return isFilled(entry.texts); });
    std::stable_sort(filled.begin(), filled.end(),
                     [](const CsvEntry& a, const CsvEntry& b) { return a.location < b.location; });
    const std::string tuningStep = fixedTwo(rasterKHz);
    std::string text(kHeader);
    text += kLineEnd;
    for (const CsvEntry& entry : filled) {
        text += csvRow(entry, tuningStep);
        text += kLineEnd;
    }
    return text;
}

} // namespace volna
