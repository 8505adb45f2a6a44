// CHIRP CSV rows to and from the channels' texts: the writer of the current
// header and its rows, a record reader that walks the text one row at a time,
// and the checks each imported row goes through before it becomes an entry.

#include "channels/chirp_csv.h"

#include "channels/channel_editor.h"
#include "channels/library_entry.h"
#include "domain/numbers.h"
#include "toolkit/text_templates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>

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
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// CHIRP's Name column as radios take it, characters.
constexpr int kNameLength = 16;
// A difference between receive and transmit above this is written as a split
// (the transmit frequency itself) rather than a repeater shift: the limit
// CHIRP's own radio drivers use to tell the two apart, Hz.
constexpr std::int64_t kLargestShiftHz = 70'000'000;
// Faulty rows listed one by one; the rest are counted in one more line.
constexpr std::size_t kListedFaults = 50;

constexpr const char* kNotCsvMessage =
    "Файл не в формате CHIRP CSV: нет строки заголовка с колонками Location и Frequency.";
constexpr const char* kLocationUnreadableMessage = "Номер ячейки (Location) не читается!";
constexpr const char* kLocationRepeatedMessage = "Номер ячейки (Location) повторяется!";
constexpr const char* kFrequencyUnreadableMessage = "Частота не читается!";
constexpr const char* kOffsetUnreadableMessage = "Сдвиг частоты передачи (Offset) не читается!";
constexpr const char* kDuplexUnknownMessage = "Неизвестный вид частоты передачи (Duplex)!";
constexpr const char* kNoTransmitMessage =
    "Канал без частоты передачи (Duplex off); введите частоту передачи!";
constexpr const char* kCommentLineBreakMessage = "Комментарий содержит перевод строки!";
constexpr const char* kNotUtf8Message = "Текст не в кодировке UTF-8!";
constexpr const char* kOpenQuoteMessage = "Кавычка не закрыта до конца файла!";

// --- writing ---------------------------------------------------------------

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

bool isFilled(const CsvEntry& entry) {
    const double kHz = leadingNumber(entry.texts.receive);
    return kHz != 0 && std::isfinite(kHz);
}

// --- reading records -------------------------------------------------------

// Walks a CSV text one record at a time: fields split at commas, quoted
// fields with doubled quotes and line breaks inside, CRLF, LF or CR ends.
class RecordReader {
public:
    explicit RecordReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    // The line the record last read started on, 1-based.
    std::size_t line() const { return recordLine_; }
    // Whether the record last read ended inside an open quote.
    bool openQuote() const { return openQuote_; }

    std::vector<std::string> next() {
        recordLine_ = line_;
        openQuote_ = false;
        std::vector<std::string> fields(1);
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"' && fields.back().empty() && !quotedSeen_) {
                readQuoted(fields.back());
            } else if (c == ',') {
                fields.emplace_back();
                quotedSeen_ = false;
            } else if (c == '\r' || c == '\n') {
                endLine(c);
                break;
            } else {
                fields.back() += c;
            }
        }
        quotedSeen_ = false;
        return fields;
    }

private:
    void endLine(char c) {
        if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
        ++line_;
    }

    void readQuoted(std::string& field) {
        quotedSeen_ = true;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c != '"') {
                line_ += c == '\n' ? 1 : 0;
                field += c;
            } else if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
            } else {
                return;
            }
        }
        openQuote_ = true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 1;
    bool quotedSeen_ = false;
    bool openQuote_ = false;
};

// --- checking rows ---------------------------------------------------------

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A frequency as CHIRP writes it, MHz with up to six decimals ("145.5",
// "145.500000", "146"), in Hz; nothing for anything else. An empty text is 0.
std::optional<std::int64_t> parseHertz(std::string_view text) {
    text = trimmed(text);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() > 9) {
        return std::nullopt;
    }
    while (fraction.size() > 6 && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    if (fraction.size() > 6 ||
        (whole.empty() && point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    std::int64_t hz = 0;
    for (char c : whole) {
        hz = hz * 10 + (c - '0');
    }
    std::int64_t micro = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        micro = micro * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    return hz * 1'000'000 + micro;
}

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                   : lead >= 0xE0                ? 3
                                   : lead >= 0xC2                ? 2
                                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

int characterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Where the columns this program reads stand in the header; -1 when absent.
struct Columns {
    int location = -1;
    int frequency = -1;
    int duplex = -1;
    int offset = -1;
    int name = -1;
    int comment = -1;
};

Columns findColumns(const std::vector<std::string>& header) {
    Columns columns;
    for (int i = 0; i < static_cast<int>(header.size()); ++i) {
        const std::string_view name = trimmed(header[i]);
        int* column = name == "Location"    ? &columns.location
                      : name == "Frequency" ? &columns.frequency
                      : name == "Duplex"    ? &columns.duplex
                      : name == "Offset"    ? &columns.offset
                      : name == "Name"      ? &columns.name
                      : name == "Comment"   ? &columns.comment
                                            : nullptr;
        if (column != nullptr && *column < 0) {
            *column = i;
        }
    }
    return columns;
}

// The text of a column in row, a view into the row; empty when the row is
// shorter or the column absent.
std::string_view field(const std::vector<std::string>& row, int column) {
    if (column < 0 || column >= static_cast<int>(row.size())) {
        return {};
    }
    return row[column];
}

// Checks one row at a time against the list, the band and the locations the
// file has used so far.
class RowChecker {
public:
    RowChecker(ChannelList list, const Band& band) : list_(list), band_(band) {}

    // The entry of a row, or the reason it cannot be imported in fault.
    std::optional<CsvEntry> check(const std::vector<std::string>& row, const Columns& columns,
                                  std::string& fault) {
        CsvEntry entry;
        const char* reason = location(field(row, columns.location), entry.location);
        if (reason == nullptr) {
            reason = receive(field(row, columns.frequency), entry.texts.receive);
        }
        if (reason == nullptr) {
            reason = transmit(row, columns, entry.texts.transmit);
        }
        if (reason == nullptr) {
            const std::string_view comment = field(row, columns.comment);
            entry.texts.comment = comment.empty() ? field(row, columns.name) : comment;
            reason = commentFault(entry.texts.comment);
        }
        if (reason != nullptr) {
            fault = reason;
            return std::nullopt;
        }
        return entry;
    }

    // The last fault when it needs the list's size in its words.
    std::string sizedFault;

private:
    const char* location(std::string_view text, int& number) {
        text = trimmed(text);
        if (text.empty() || text.size() > 9 || !allDigits(text)) {
            return kLocationUnreadableMessage;
        }
        number = std::stoi(std::string(text));
        if (number < 1 || number > locationCount(list_)) {
            sizedFault = fillText(kLocationRangeTemplate, {std::to_string(locationCount(list_))});
            return sizedFault.c_str();
        }
        if (!used_.insert(number).second) {
            return kLocationRepeatedMessage;
        }
        return nullptr;
    }

    // The kHz text of hz after the checks the channel windows make.
    const char* frequencyText(std::int64_t hz, bool isReceive, std::string& text) {
        if (hz == 0) {
            return isReceive ? kEnterReceiveMessage : kEnterTransmitMessage;
        }
        const char* raster = isReceive ? kRasterMessage : kTransmitRasterMessage;
        if (hz % 1000 != 0) {
            return raster;
        }
        const std::int64_t kHz = hz / 1000;
        text = std::to_string(kHz);
        if (static_cast<int>(text.size()) > kFrequencyLength) {
            sizedFault = fillText(kFrequencyDigitsTemplate, {std::to_string(kFrequencyLength)});
            return sizedFault.c_str();
        }
        if (outsideBand(band_, static_cast<double>(kHz))) {
            return isReceive ? kOutOfBandReceiveMessage : kOutOfBandMessage;
        }
        return kHz % kChannelRasterKHz != 0 ? raster : nullptr;
    }

    const char* receive(std::string_view text, std::string& kHzText) {
        const auto hz = parseHertz(text);
        if (!hz) {
            return kFrequencyUnreadableMessage;
        }
        rxHz_ = *hz;
        return frequencyText(rxHz_, true, kHzText);
    }

    const char* transmit(const std::vector<std::string>& row, const Columns& columns,
                         std::string& kHzText) {
        const std::string duplex(trimmed(field(row, columns.duplex)));
        if (duplex == "off") {
            return kNoTransmitMessage;
        }
        if (duplex != "" && duplex != "+" && duplex != "-" && duplex != "split") {
            return kDuplexUnknownMessage;
        }
        const auto offset = parseHertz(field(row, columns.offset));
        if (!offset) {
            return kOffsetUnreadableMessage;
        }
        const std::int64_t txHz = duplex == "+"       ? rxHz_ + *offset
                                  : duplex == "-"     ? rxHz_ - *offset
                                  : duplex == "split" ? *offset
                                                      : rxHz_;
        if (txHz < 0) {
            return kOutOfBandMessage;
        }
        return frequencyText(txHz, false, kHzText);
    }

    const char* commentFault(const std::string& comment) {
        if (!isUtf8(comment)) {
            return kNotUtf8Message;
        }
        if (comment.find_first_of("\r\n") != std::string::npos) {
            return kCommentLineBreakMessage;
        }
        const int limit = list_ == ChannelList::Channels ? kCommentLength : kCommentLimit;
        if (characterCount(comment) > limit) {
            sizedFault = fillText(kCommentLengthTemplate, {std::to_string(limit)});
            return sizedFault.c_str();
        }
        return nullptr;
    }

    ChannelList list_;
    Band band_;
    std::set<int> used_;
    std::int64_t rxHz_ = 0;
};

bool isBlankRow(const std::vector<std::string>& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const std::string& text) { return trimmed(text).empty(); });
}

std::string faultLocation(const std::vector<std::string>& row, const Columns& columns,
                          std::size_t line) {
    const std::string_view location = trimmed(field(row, columns.location));
    if (location.empty()) {
        return fillText(kFaultLineTemplate, {std::to_string(line)});
    }
    return std::string(location);
}

void addFault(CsvImport& result, std::size_t& unlisted, CsvRowFault fault) {
    if (result.faults.size() < kListedFaults) {
        result.faults.push_back(std::move(fault));
    } else {
        ++unlisted;
    }
}

} // namespace

int locationCount(ChannelList list) {
    return list == ChannelList::Channels ? kChannelCount : kLibraryCapacity;
}

std::string exportCsv(const std::vector<CsvEntry>& entries, double rasterKHz) {
    std::vector<CsvEntry> filled;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(filled), isFilled);
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

CsvImport importCsv(std::string_view text, ChannelList list, const Band& band) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    RecordReader reader(text);
    const std::vector<std::string> header = reader.next();
    const Columns columns = findColumns(header);
    CsvImport result;
    if (columns.location < 0 || columns.frequency < 0 || reader.openQuote()) {
        result.fileFault = kNotCsvMessage;
        return result;
    }
    RowChecker checker(list, band);
    std::size_t unlisted = 0;
    while (!reader.atEnd()) {
        const std::vector<std::string> row = reader.next();
        if (isBlankRow(row) && !reader.openQuote()) {
            continue;
        }
        const std::string where = faultLocation(row, columns, reader.line());
        std::string reason = kOpenQuoteMessage;
        if (!reader.openQuote()) {
            if (auto entry = checker.check(row, columns, reason)) {
                result.entries.push_back(std::move(*entry));
                continue;
            }
        }
        addFault(result, unlisted, {where, reason});
    }
    if (unlisted > 0) {
        result.faults.push_back({"…", fillText(kMoreFaultsTemplate, {std::to_string(unlisted)})});
    }
    return result;
}

} // namespace volna
