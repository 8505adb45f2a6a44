// SPDX-License-Identifier: GPL-3.0-or-later
// CHIRP CSV read back into the channels' texts: a record reader that walks
// the text one row at a time, and the checks each row goes through, in the
// channel windows' words, before it becomes an entry.

#include "channels/chirp_csv.h"

#include "channels/channel_editor.h"
#include "channels/library_entry.h"
#include "toolkit/plural.h"
#include "toolkit/text.h"
#include "toolkit/text_templates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace volna {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
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
constexpr const char* kToneDroppedMessage = "тон отброшен";
constexpr const char* kCommentLineBreakMessage = "Комментарий содержит перевод строки!";
constexpr const char* kNotUtf8Message = "Текст не в кодировке UTF-8!";
constexpr const char* kOpenQuoteMessage = "Кавычка не закрыта до конца файла!";

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
            if (!isContinuationByte(text[i + k])) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Where the columns this program reads stand in the header; -1 when absent.
struct Columns {
    int location = -1;
    int frequency = -1;
    int duplex = -1;
    int offset = -1;
    int name = -1;
    int comment = -1;
    int mode = -1;
    int tone = -1;
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
                      : name == "Mode"      ? &columns.mode
                      : name == "Tone"      ? &columns.tone
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
            return outOfBand(kHz, isReceive);
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
            return outOfBand(txHz / 1000, false);
        }
        return frequencyText(txHz, false, kHzText);
    }

    // Names the frequency at fault, receive or transmit, and the band.
    const char* outOfBand(std::int64_t kHz, bool isReceive) {
        auto whole = [](double value) { return std::to_string(std::llround(value)); };
        sizedFault = fillText(isReceive ? kReceiveOutOfBandTemplate : kTransmitOutOfBandTemplate,
                              {std::to_string(kHz), whole(band_.lowerKHz), whole(band_.upperKHz)});
        return sizedFault.c_str();
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

// What an imported row loses: a Mode other than FM (every channel is FM) and
// a Tone (the radio sends none).
void noteChanges(const std::vector<std::string>& row, const Columns& columns,
                 const std::string& where, std::vector<CsvRowFault>& changes) {
    const std::string mode(trimmed(field(row, columns.mode)));
    if (!mode.empty() && mode != "FM") {
        changes.push_back({where, fillText(kModeChangedTemplate, {mode})});
    }
    if (!trimmed(field(row, columns.tone)).empty()) {
        changes.push_back({where, kToneDroppedMessage});
    }
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
                noteChanges(row, columns, where, result.changes);
                continue;
            }
        }
        addFault(result, unlisted, {where, reason});
    }
    if (unlisted > 0) {
        result.faults.push_back({"…", countText(kMoreFaultsTemplate, {std::to_string(unlisted)})});
    }
    return result;
}

} // namespace volna
