#include "platform/qsettings/qsettings_store.h"

#include "platform/qsettings/save_leftovers.h"
#include "settings/first_run.h"
#include "settings/store_file_scan.h"
#include "toolkit/text_templates.h"

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QPair>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString qtName(std::string_view section, std::string_view key) {
    return qtText(section) + u'/' + qtText(key);
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

bool sameValues(QSettings& one, QSettings& other) {
    const QStringList names = one.allKeys();
    if (names != other.allKeys()) {
        return false;
    }
    for (const QString& name : names) {
        if (one.value(name) != other.value(name)) {
            return false;
        }
    }
    return true;
}

using Values = QList<QPair<QString, QVariant>>;

// Every value settings holds, its writes not yet synced included.
Values valuesOf(QSettings& settings) {
    Values values;
    const QStringList names = settings.allKeys();
    for (const QString& name : names) {
        values.append({name, settings.value(name)});
    }
    return values;
}

enum class FileRead { Missing, Read, Unreadable };

QString reasonOf(int error) {
    if (error == EACCES || error == EPERM) {
        return QString::fromUtf8(kReasonNoPermission);
    }
    if (error == EISDIR) {
        return QString::fromUtf8(kReasonDirectory);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

// Appends everything left to read from fd; false, with errno, on a read error.
bool readAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got > 0) {
            bytes.append(buffer, static_cast<std::size_t>(got));
        } else if (errno != EINTR) {
            return false;
        }
    }
}

// The whole file into bytes. Missing only when the file is known not to exist:
// a directory on the way that cannot be searched makes the file unreadable.
FileRead readWholeFile(const QString& path, std::string& bytes, QString& reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        reason = reasonOf(error);
        return error == ENOENT ? FileRead::Missing : FileRead::Unreadable;
    }
    if (S_ISDIR(info.st_mode)) {
        reason = reasonOf(EISDIR);
        return FileRead::Unreadable;
    }
    if (!S_ISREG(info.st_mode)) { // a pipe or a device would block or never end
        reason = QString::fromUtf8(kReasonNotAFile);
        return FileRead::Unreadable;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = reasonOf(errno);
        return FileRead::Unreadable;
    }
    const bool whole = readAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    if (!whole) {
        reason = reasonOf(error);
        return FileRead::Unreadable;
    }
    return FileRead::Read;
}

// Replaces the file at path with text: a temporary file beside it, synced to
// the disk, then renamed over it.
bool writeWhole(const QString& path, const std::string& text) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(text.size());
    return file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size &&
           file.commit();
}

} // namespace

// Worked out without a QSettings, which would open the file at once and block
// on a pipe put in its place.
QString storeFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QLatin1String(kOrganisation) + u'/' + QLatin1String(kApplication) +
           QLatin1String(".conf");
}

QSettingsStore::QSettingsStore(Prompter& prompter) : prompter_(prompter), path_(storeFilePath()) {
    open();
}

QSettingsStore::~QSettingsStore() = default;

std::string QSettingsStore::readSetting(std::string_view section, std::string_view key,
                                        std::string_view fallback) {
    if (readOnly_ && unsaved_.contains(section, key)) {
        return unsaved_.readSetting(section, key, fallback);
    }
    const auto spelling = spellings_.constFind(qtName(section, key).toCaseFolded());
    if (spelling == spellings_.constEnd()) {
        return std::string(fallback);
    }
    return textOf(settings_->value(*spelling));
}

void QSettingsStore::writeSetting(std::string_view section, std::string_view key,
                                  std::string_view value) {
    pending_ = true;
    setAsideDamagedFile();
    if (readOnly_) {
        unsaved_.writeSetting(section, key, value);
        return;
    }
    const QString name = qtName(section, key);
    const QString folded = name.toCaseFolded();
    auto spelling = spellings_.constFind(folded);
    if (spelling == spellings_.constEnd()) {
        spelling = spellings_.insert(folded, name);
    }
    settings_->setValue(*spelling, qtText(value));
}

bool QSettingsStore::sync() {
    if (pending_) {
        setAsideDamagedFile();
        pending_ = !readOnly_ && !writeFile();
    }
    if (readOnly_) {
        return unsaved_.writes().empty();
    }
    return !pending_;
}

std::string QSettingsStore::filePath() const {
    return path_.toStdString();
}

// A missing file is a first run; a file that exists but cannot be read is not,
// and is never written. A readable file is checked line by line: QSettings
// gives up on some damage and silently swallows lines after other damage.
void QSettingsStore::open() {
    std::string bytes;
    QString reason;
    const FileRead read = readWholeFile(path_, bytes, reason);
    if (read == FileRead::Unreadable) {
        runWithoutFile(reason);
        return;
    }
    removeSaveLeftovers(path_);
    openStoreFile();
    if (read == FileRead::Missing) {
        return;
    }
    const StoreFileScan scan = scanStoreFile(bytes);
    if (scan.damagedLines == 0 && settings_->status() == QSettings::NoError) {
        return;
    }
    auto soundLines = std::make_unique<QTemporaryDir>();
    auto sound = openSoundLines(*soundLines, scan.soundText);
    // QSettings also reports a format error for a byte order mark, which loses
    // nothing: such a file is damaged only if it reads otherwise than its lines.
    if (scan.damagedLines == 0 && sound && sameValues(*settings_, *sound)) {
        return;
    }
    damaged_ = true;
    if (sound) {
        settings_ = std::move(sound);
        soundCopyDir_ = std::move(soundLines);
        soundText_ = scan.soundText;
        indexKeys();
    }
}

void QSettingsStore::openStoreFile() {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kOrganisation, kApplication);
    indexKeys();
}

// A new QSettings on the store file with values written into it; the key
// index is built once they are in.
void QSettingsStore::openStoreFileWith(const QList<QPair<QString, QVariant>>& values) {
    openStoreFile();
    for (const auto& [name, value] : values) {
        settings_->setValue(name, value);
    }
    indexKeys();
}

// Until the first write, reads come from a copy of the damaged file that holds
// only its sound lines, so that QSettings decodes them as it always does. If no
// such copy can be made (nullptr), what QSettings read of the damaged file has
// to do.
std::unique_ptr<QSettings> QSettingsStore::openSoundLines(const QTemporaryDir& dir,
                                                          const std::string& soundText) {
    const QString copy = dir.filePath(QStringLiteral("sound-lines.conf"));
    if (!dir.isValid() || !writeWhole(copy, soundText)) {
        return nullptr;
    }
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

// The run goes on with the first-run values in memory, and the file is left as
// it is: writes stay in memory too.
void QSettingsStore::runWithoutFile(const QString& reason) {
    readOnly_ = true;
    unwritableReported_ = true;
    writeStartingValues(unsaved_);
    unsaved_.clearLog();
    prompter_.ask(
        errorBox(fillText(kStoreNotReadableTemplate, {path_.toStdString(), reason.toStdString()})));
}

// allKeys() also parses every section, so a damaged one shows in status().
void QSettingsStore::indexKeys() {
    spellings_.clear();
    const QStringList names = settings_->allKeys();
    for (const QString& name : names) {
        const QString folded = name.toCaseFolded();
        if (!spellings_.contains(folded)) {
            spellings_.insert(folded, name);
        }
    }
}

// Before the first write replaces the damaged file, the file is copied aside
// and the operator is told where. If no copy can be made, the file is left
// alone for this run.
void QSettingsStore::setAsideDamagedFile() {
    if (!damaged_) {
        return;
    }
    damaged_ = false;
    const QString copy = path_ + QLatin1String(kDamagedCopySuffix) +
                         QDateTime::currentDateTime().toString(kDamagedCopyTimeFormat);
    if (!QFile::copy(path_, copy)) {
        readOnly_ = true;
        reportUnwritable(kDamagedFileNotSetAsideTemplate);
        return;
    }
    prompter_.ask(errorBox(fillText(kDamagedFileSetAsideTemplate, {copy.toStdString()})));
    if (!replaceDamagedFile()) {
        readOnly_ = true;
        reportUnwritable(kStoreNotWritableTemplate);
    }
}

// Puts a fresh file holding every value that could be read in place of the
// damaged one. With the sound lines at hand they replace it in one rename, so
// that a store file exists at every moment. Otherwise the damaged file is
// removed first: QSettings merges its own changes into what the file holds,
// and would bring the misread lines back. The key index is built once the
// values are back in.
bool QSettingsStore::replaceDamagedFile() {
    if (soundCopyDir_) {
        if (!writeWhole(path_, soundText_)) {
            return false; // reads go on from the sound lines
        }
        openStoreFile();
        soundCopyDir_.reset();
        soundText_.clear();
        return true;
    }
    const Values readable = valuesOf(*settings_);
    if (!QFile::remove(path_)) {
        return false; // reads go on from what was read
    }
    openStoreFileWith(readable);
    return true;
}

// QSettings keeps the first error it meets for good. After a failed write a
// new QSettings takes over every value, so that the next attempt is judged by
// itself.
bool QSettingsStore::writeFile() {
    if (writeFailed_) {
        openStoreFileWith(valuesOf(*settings_));
    }
    settings_->sync();
    writeFailed_ = settings_->status() == QSettings::AccessError;
    if (writeFailed_) {
        reportUnwritable(kStoreNotWritableTemplate);
    }
    return !writeFailed_;
}

void QSettingsStore::reportUnwritable(std::string_view message) {
    if (unwritableReported_) {
        return;
    }
    unwritableReported_ = true;
    prompter_.ask(errorBox(fillText(message, {path_.toStdString()})));
}

} // namespace volna
