// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qsettings/qsettings_store.h"

#include "settings/first_run.h"
#include "settings/store_file_scan.h"
#include "settings/store_file_text.h"
#include "toolkit/text_templates.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <optional>

namespace volna {

namespace {

constexpr const char* kOrganisation = "VOLNA144";
constexpr const char* kApplication = "VOLNA144";

// A damaged store file is copied to "<file>.damaged-<date>-<time>" before the
// program writes a new one in its place.
constexpr const char* kDamagedCopySuffix = ".damaged-";
constexpr const char* kDamagedCopyTimeFormat = "yyyyMMdd-HHmmss";

// The messages about the store file are templates (toolkit/text_templates.h).
constexpr const char* kReasonNoPermission = "нет прав на чтение";
constexpr const char* kReasonDirectory = "на месте файла находится каталог";
constexpr const char* kReasonNotAFile = "это не обычный файл";
constexpr const char* kReasonTooLarge = "файл больше 16 МБ";

std::string reasonOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return kReasonNoPermission;
    case EISDIR:
        return kReasonDirectory;
    case EINVAL: // what the file seam says of a pipe or a device
        return kReasonNotAFile;
    case EFBIG:
        return kReasonTooLarge;
    default:
        return std::strerror(error);
    }
}

// The stored value as text. A hand-edited value with unquoted commas comes back
// from QSettings as a list; it is joined again rather than lost.
std::string textOf(const QVariant& value) {
    const int type = value.typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

// Every value settings read, into values. QSettings names a key "section/key";
// a key that stood before any section has no section.
void takeValues(QSettings& settings, MemoryStore& values) {
    const QStringList names = settings.allKeys();
    for (const QString& name : names) {
        const qsizetype slash = name.indexOf(u'/');
        const QString section = slash < 0 ? QString() : name.left(slash);
        const QString key = slash < 0 ? name : name.mid(slash + 1);
        values.writeSetting(section.toStdString(), key.toStdString(), textOf(settings.value(name)));
    }
    values.clearLog();
}

// What QSettings reads of text, and whether it met an error: QSettings reads
// only files, so text is put in a file of its own in a temporary folder (a
// name QSettings has never cached), written through the file seam, which
// QSettings parses as it parses the store. Nothing, and nothing read, when no
// such file can be made.
std::optional<QSettings::Status> readText(const std::string& text, MemoryStore& values) {
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("store.conf"));
    if (!dir.isValid() || !writeTextFile(copy.toStdString(), text).ok) {
        return std::nullopt;
    }
    QSettings settings(copy, QSettings::IniFormat);
    takeValues(settings, values);
    return settings.status();
}

// What QSettings reads of the file at path, which holds bytes: from a copy of
// the bytes, or from the file itself when no copy can be made.
QSettings::Status readFile(const QString& path, const std::string& bytes, MemoryStore& values) {
    if (const auto status = readText(bytes, values)) {
        return *status;
    }
    QSettings settings(path, QSettings::IniFormat);
    takeValues(settings, values);
    return settings.status();
}

bool sameValues(const MemoryStore& one, const MemoryStore& other) {
    if (one.size() != other.size()) {
        return false;
    }
    for (const MemoryStore::Entry& entry : one.entries()) {
        const std::string* value = other.valueOf(entry.section, entry.key);
        if (value == nullptr || *value != entry.value) {
            return false;
        }
    }
    return true;
}

} // namespace

// Worked out without a QSettings, which would open the file at once and block
// on a pipe put in its place.
QString storeFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QLatin1String(kOrganisation) + u'/' + QLatin1String(kApplication) +
           QLatin1String(".conf");
}

std::string peekSetting(std::string_view section, std::string_view key) {
    const QString path = storeFilePath();
    if (const QFileInfo file(path); !file.isFile() || file.size() > qint64(kLargestStoreFile)) {
        return {};
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QString name = QString::fromUtf8(section.data(), qsizetype(section.size())) + u'/' +
                         QString::fromUtf8(key.data(), qsizetype(key.size()));
    return settings.value(name).toString().toStdString();
}

QSettingsStore::QSettingsStore(Prompter& prompter) : QSettingsStore(prompter, ownCalls_) {}

QSettingsStore::QSettingsStore(Prompter& prompter, FileCalls& calls)
    : prompter_(&prompter), calls_(calls), path_(storeFilePath()) {
    open();
}

std::string QSettingsStore::readSetting(std::string_view section, std::string_view key,
                                        std::string_view fallback) {
    return values_.readSetting(section, key, fallback);
}

void QSettingsStore::writeSetting(std::string_view section, std::string_view key,
                                  std::string_view value) {
    setAsideDamagedFile();
    // The same text again (the start writes "LOCK" = "1" every time) changes
    // nothing and costs no save.
    if (const std::string* stored = values_.valueOf(section, key); stored && *stored == value) {
        return;
    }
    unsaved_ = true;
    changed_ = true;
    values_.writeSetting(section, key, value);
    values_.clearLog(); // the log would grow for as long as the program runs
}

bool QSettingsStore::sync() {
    if (unsaved_ && !readOnly_) {
        changed_ = false;
        unsaved_ = !writeFile();
    }
    return !unsaved_;
}

bool QSettingsStore::syncChanges() {
    return changed_ ? sync() : !unsaved_;
}

std::string QSettingsStore::filePath() const {
    return path_.toStdString();
}

// A missing file is a first run; a file that exists but cannot be read is not,
// and is never written. A readable file is checked line by line: QSettings
// gives up on some damage, silently swallows lines after other damage, and
// keeps only the last of a repeated key.
void QSettingsStore::open() {
    const TextFileResult file = readTextFile(path_.toStdString(), kLargestStoreFile);
    if (!file.ok) {
        if (file.errorNumber != ENOENT) {
            runWithoutFile(reasonOf(file.errorNumber));
        }
        return;
    }
    const StoreFileScan scan = scanStoreFile(file.text);
    const bool soundLines = scan.damagedLines == 0 && scan.duplicates.empty();
    if (soundLines && readFile(path_, file.text, values_) == QSettings::NoError) {
        return;
    }
    MemoryStore sound;
    const bool soundRead = readText(scan.soundText, sound).has_value();
    // QSettings also reports a format error for a byte order mark, which loses
    // nothing: such a file is damaged only if it reads otherwise than its lines.
    if (soundLines && soundRead && sameValues(sound, values_)) {
        return;
    }
    if (soundRead) {
        values_ = sound;
    } else if (values_.size() == 0) { // what QSettings reads of the whole file has to do
        readFile(path_, file.text, values_);
    }
    damaged_ = true;
    damagedBytes_ = file.text;
    damagedLines_ = scan.damagedLines;
    duplicates_ = joinedNames(scan.duplicates);
}

// The run goes on with the first-run values in memory, and the file is left as
// it is: writes stay in memory too.
void QSettingsStore::runWithoutFile(const std::string& reason) {
    readOnly_ = true;
    writeStartingValues(values_);
    values_.clearLog();
    prompter_->ask(errorBox(fillText(kStoreNotReadableTemplate, {path_.toStdString(), reason})));
}

// Before the first write replaces the damaged file, the file is copied aside
// and the operator is told where and what was wrong with it. If no copy can be
// made, the file is left alone for this run.
void QSettingsStore::setAsideDamagedFile() {
    if (!damaged_) {
        return;
    }
    damaged_ = false;
    const QString copy = path_ + QLatin1String(kDamagedCopySuffix) +
                         QDateTime::currentDateTime().toString(kDamagedCopyTimeFormat);
    const TextFileResult kept = writeTextFile(copy.toStdString(), damagedBytes_, calls_);
    damagedBytes_.clear();
    if (!kept.ok) {
        readOnly_ = true;
        prompter_->ask(errorBox(fillText(kDamagedFileNotSetAsideTemplate, {path_.toStdString()})));
        return;
    }
    std::string report;
    if (damagedLines_ > 0) {
        report = fillText(kDamagedFileSetAsideTemplate, {copy.toStdString()});
    }
    if (!duplicates_.empty()) {
        report += (report.empty() ? "" : "\n") +
                  fillText(kDuplicateKeysSetAsideTemplate, {duplicates_, copy.toStdString()});
    }
    prompter_->ask(errorBox(report));
    // The sound values replace the damaged file at once, so that what is on
    // the disk reads whole even if the program ends before its next sync; if
    // they cannot, the next sync tries again.
    unsaved_ = changed_ = !writeFile();
}

// The whole store, as it is in memory, replaces the file. The first failure
// after a success is told; the next sync tries again.
bool QSettingsStore::writeFile() {
    QDir().mkpath(QFileInfo(path_).absolutePath()); // a first run makes the folder
    const TextFileResult written =
        writeTextFile(path_.toStdString(), storeFileText(values_.entries()), calls_);
    if (written.ok) {
        failing_ = false;
        return true;
    }
    if (!failing_) {
        failing_ = true;
        prompter_->ask(errorBox(fillText(
            kStoreNotWritableTemplate, {path_.toStdString(), std::strerror(written.errorNumber)})));
    }
    return false;
}

} // namespace volna
