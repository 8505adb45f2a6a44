// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/csv_transfer.h"

#include "channels/channel_editor.h"
#include "channels/library_entry.h"
#include "settings/channel_store.h"
#include "settings/store_layout.h"
#include "settings/stored_band.h"
#include "toolkit/text.h"
#include "toolkit/text_templates.h"

namespace volna {

namespace {

constexpr const char* kRefusedRowsHeading = "Не будут импортированы строки:";
constexpr const char* kChangedRowsHeading = "Будут импортированы с изменениями:";
constexpr const char* kNoRows = "в файле нет ни одной строки с каналом.";
constexpr const char* kMoreFaults =
    "… и другие строки с ошибками; они тоже не будут импортированы.";

bool insideList(const CsvEntry& row, std::size_t size) {
    return row.location >= 1 && static_cast<std::size_t>(row.location) <= size;
}

// "Location 7: why", or "строка 12: why" for a row without a Location.
std::string faultLine(const CsvRowFault& fault) {
    const std::string_view templ = !fault.location.empty() && allDigits(fault.location)
                                       ? kFaultAtLocationTemplate
                                       : kFaultAtTemplate;
    return fillText(templ, {fault.location, fault.reason}) + "\n";
}

int countReplaced(const std::vector<CsvEntry>& rows, const std::vector<CsvEntry>& stored) {
    int count = 0;
    for (const CsvEntry& row : rows) {
        if (insideList(row, stored.size()) && isFilled(stored[row.location - 1].texts)) {
            ++count;
        }
    }
    return count;
}

// All ten channels in the order the channel editor writes them, the plan's
// rows in place of theirs and every other channel as the store holds it now.
void writeChannels(ChannelStore& channels, const CsvImportPlan& plan) {
    std::vector<ChannelTexts> list;
    for (int n = 1; n <= kChannelCount; ++n) {
        list.push_back(channels.channel(n));
    }
    for (const CsvEntry& row : plan.rows) {
        if (insideList(row, list.size())) {
            list[row.location - 1] = row.texts;
        }
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        channels.writeChannel(n, list[n - 1], ChannelWriteOrder::ReceiveCommentTransmit);
    }
}

// The whole library, untouched slots written back exactly as stored.
void writeLibrary(ChannelStore& channels, const CsvImportPlan& plan) {
    const LibrarySlots slots = channels.library();
    std::vector<std::string> texts(slots.begin(), slots.end());
    for (const CsvEntry& row : plan.rows) {
        if (insideList(row, texts.size())) {
            texts[row.location - 1] = entryText(row.texts);
        }
    }
    channels.writeLibrary(texts);
}

} // namespace

const char* listName(ChannelList list) {
    return list == ChannelList::Channels ? kChannelsCaption : kLibraryCaption;
}

std::vector<CsvEntry> storedEntries(SettingsStore& store, ChannelList list) {
    ChannelStore channels(store);
    std::vector<CsvEntry> entries;
    if (list == ChannelList::Channels) {
        for (int n = 1; n <= kChannelCount; ++n) {
            entries.push_back({n, channels.channel(n)});
        }
        return entries;
    }
    const LibrarySlots slots = channels.library();
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        entries.push_back({n, splitEntry(slots[n - 1])});
    }
    return entries;
}

std::string exportStoredList(SettingsStore& store, ChannelList list) {
    return exportCsv(storedEntries(store, list), kChannelRasterKHz);
}

CsvImportPlan planImport(SettingsStore& store, ChannelList list, std::string_view text) {
    CsvImport read = importCsv(text, list, storedBand(store, kChannelRasterKHz));
    CsvImportPlan plan;
    plan.list = list;
    if (!read.fileFault.empty()) {
        plan.fileFault = std::move(read.fileFault);
        return plan;
    }
    plan.rows = std::move(read.entries);
    plan.faults = std::move(read.faults);
    plan.changes = std::move(read.changes);
    plan.replacedCount = countReplaced(plan.rows, storedEntries(store, list));
    return plan;
}

std::string importReport(const CsvImportPlan& plan, std::size_t faultLines) {
    if (!plan.fileFault.empty()) {
        return plan.fileFault + "\n";
    }
    const std::string list = listName(plan.list);
    std::string report =
        plan.rows.empty() && plan.faults.empty()
            ? fillText(kImportEmptyTemplate, {list, kNoRows})
            : fillText(kImportCountsTemplate, {list, std::to_string(plan.rows.size()),
                                               std::to_string(plan.replacedCount)});
    report += "\n";
    if (!plan.changes.empty()) {
        report += std::string(kChangedRowsHeading) + "\n";
        for (std::size_t i = 0; i < plan.changes.size() && i < faultLines; ++i) {
            report += faultLine(plan.changes[i]);
        }
    }
    if (plan.faults.empty()) {
        return report;
    }
    report += std::string(kRefusedRowsHeading) + "\n";
    for (std::size_t i = 0; i < plan.faults.size() && i < faultLines; ++i) {
        report += faultLine(plan.faults[i]);
    }
    if (plan.faults.size() > faultLines) {
        report += std::string(kMoreFaults) + "\n";
    }
    return report;
}

bool applyImport(SettingsStore& store, const CsvImportPlan& plan) {
    if (!plan.hasRows()) {
        return true;
    }
    ChannelStore channels(store);
    if (plan.list == ChannelList::Channels) {
        writeChannels(channels, plan);
    } else {
        writeLibrary(channels, plan);
    }
    return store.sync();
}

} // namespace volna
