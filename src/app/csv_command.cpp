// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/csv_command.h"

#include "app/single_console.h"
#include "channels/csv_transfer.h"
#include "platform/qsettings/qsettings_store.h"
#include "settings/first_run.h"
#include "toolkit/text_file.h"
#include "ui/translate.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace volna {

namespace {

constexpr const char* kFileMissing = "файл %1 не найден";
constexpr const char* kFileNotRegular = "%1 — не обычный файл";
constexpr const char* kFileTooLarge = "файл %1 больше 16 МБ: это не список каналов";
constexpr const char* kFileUnreadable = "не удалось прочитать файл %1: %2";
constexpr const char* kFileUnwritable = "не удалось записать файл %1: %2";
constexpr const char* kNotCsv = "%1: %2";
constexpr const char* kStoreUnusable =
    "хранилище настроек недоступно (см. выше): ничего не сделано";
constexpr const char* kStoreNotSetUp = "хранилище настроек %1 ещё не создано: сначала запустите "
                                       "volna144 без --export-csv и --import-csv";
constexpr const char* kExported = "Записей в файле %1: %2.";
constexpr const char* kNothingWrittenFaults =
    "ничего не записано: исправьте или удалите строки, которые не будут импортированы.";
constexpr const char* kNothingWrittenNoRows = "ничего не записано: в файле нет строк с каналами";
constexpr const char* kNothingWrittenAsk = "ничего не записано: чтобы записать, добавьте --yes";
constexpr const char* kStoreNotWritten = "хранилище настроек не записано: импорт не сохранён";
constexpr const char* kImported = "Записано строк: %1.";
constexpr const char* kImportWhileRunning =
    "VOLNA144 уже запущена: закройте её, затем повторите импорт";

// The pattern in the program's language, its places filled.
std::string text(const char* pattern, const QString& one) {
    return shown(pattern).arg(one).toStdString();
}

std::string text(const char* pattern, const QString& one, const QString& two) {
    return shown(pattern).arg(one, two).toStdString();
}

// message is already in the program's language or a text of its own.
int fail(const std::string& message) {
    std::fprintf(stderr, "volna144: %s\n", message.c_str());
    return 1;
}

int fail(const char* message) {
    return fail(shown(message).toStdString());
}

QString reasonOf(const TextFileResult& result) {
    return QString::fromLocal8Bit(std::strerror(result.errorNumber));
}

// Why a file could not be read (otherwise: kFileUnreadable) or written
// (kFileUnwritable), in the program's language.
std::string fileFault(const QString& path, const TextFileResult& result, const char* otherwise) {
    const bool reading = otherwise == kFileUnreadable;
    switch (result.errorNumber) {
    case EINVAL: // a pipe or a device would block or never end
    case EISDIR:
        return text(kFileNotRegular, path);
    case ENOENT:
        return reading ? text(kFileMissing, path) : text(otherwise, path, reasonOf(result));
    case EFBIG:
        return reading ? text(kFileTooLarge, path) : text(otherwise, path, reasonOf(result));
    default:
        return text(otherwise, path, reasonOf(result));
    }
}

// The whole file at path; false with the reason in error.
bool readWholeFile(const QString& path, std::string& bytes, std::string& error) {
    TextFileResult read = readTextFile(QFile::encodeName(path).toStdString(), kMaxCsvFileBytes);
    if (!read.ok) {
        error = fileFault(path, read, kFileUnreadable);
        return false;
    }
    bytes = std::move(read.text);
    return true;
}

// Replaces path with bytes in one rename: a file is either the old one or
// the whole new one, never a half.
bool writeWholeFile(const QString& path, const std::string& bytes, std::string& error) {
    const TextFileResult written = writeTextFile(QFile::encodeName(path).toStdString(), bytes);
    if (!written.ok) {
        error = fileFault(path, written, kFileUnwritable);
    }
    return written.ok;
}

// Empty when the store can be used: it was read and has been set up by a run
// of the program (an import into a store that is not would be wiped by the
// first run's starting values).
std::string storeFault(QSettingsStore& store, const StderrPrompter& prompter) {
    if (prompter.told() > 0) {
        return shown(kStoreUnusable).toStdString();
    }
    if (storeNeedsFirstRun(store)) {
        return text(kStoreNotSetUp, QString::fromStdString(store.filePath()));
    }
    return {};
}

int exportList(const Options& options, QSettingsStore& store) {
    const QString path = QFile::decodeName(options.csvFile.c_str());
    std::string error;
    if (!writeWholeFile(path, exportStoredList(store, options.csvList), error)) {
        return fail(error);
    }
    int filled = 0;
    for (const CsvEntry& entry : storedEntries(store, options.csvList)) {
        filled += isFilled(entry.texts) ? 1 : 0;
    }
    std::printf("%s\n", text(kExported, path, QString::number(filled)).c_str());
    return 0;
}

int importList(const Options& options, QSettingsStore& store) {
    std::string bytes;
    std::string error;
    if (!readWholeFile(QFile::decodeName(options.csvFile.c_str()), bytes, error)) {
        return fail(error);
    }
    const CsvImportPlan plan = planImport(store, options.csvList, bytes);
    if (!plan.fileFault.empty()) {
        return fail(
            text(kNotCsv, QFile::decodeName(options.csvFile.c_str()), shown(plan.fileFault)));
    }
    std::printf("%s", shown(importReport(plan)).toStdString().c_str());
    std::fflush(stdout); // the report first, then what comes of it
    if (!plan.faults.empty()) {
        return fail(kNothingWrittenFaults);
    }
    if (!plan.hasRows()) {
        return fail(kNothingWrittenNoRows);
    }
    if (!options.csvYes) {
        return fail(kNothingWrittenAsk);
    }
    if (!applyImport(store, plan)) {
        return fail(kStoreNotWritten);
    }
    std::printf("%s\n", text(kImported, QString::number(plan.rows.size())).c_str());
    return 0;
}

} // namespace

Answer StderrPrompter::ask(const Message& message) {
    ++told_;
    std::fprintf(stderr, "volna144: %s\n", shown(message.text).toStdString().c_str());
    return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
}

int runCsvCommand(const Options& options, LanguageSwitch& languages) {
    languages.speak(options.language.value_or(Language::Russian));
    // A running console would wipe the import at its next save.
    std::unique_ptr<InstanceLock> importLock;
    if (options.csvAction == CsvAction::Import &&
        !(importLock = lockStoreForCommand(storeFilePath()))) {
        return fail(kImportWhileRunning);
    }
    StderrPrompter prompter;
    QSettingsStore store(prompter);
    if (!options.language) { // the kept choice, which the command line does not change
        languages.speak(storedLanguage(store));
    }
    if (const std::string fault = storeFault(store, prompter); !fault.empty()) {
        return fail(fault);
    }
    return options.csvAction == CsvAction::Export ? exportList(options, store)
                                                  : importList(options, store);
}

} // namespace volna
