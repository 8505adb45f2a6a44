#include "settings/qsettings_store.h"

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QPair>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace volna {

namespace {

constexpr const char* kOrganisation = "VOLNA144";
constexpr const char* kApplication = "VOLNA144";

// A damaged store file is copied to "<file>.damaged-<date>-<time>" before the
// program writes a new one in its place.
constexpr const char* kDamagedCopySuffix = ".damaged-";
constexpr const char* kDamagedCopyTimeFormat = "yyyyMMdd-HHmmss";

// %1 is the copy of the damaged file.
constexpr const char* kDamagedFileSetAside =
    "Файл настроек повреждён, часть настроек не удалось прочитать. Копия повреждённого файла "
    "сохранена: %1";
// %1 is the store file.
constexpr const char* kDamagedFileNotSetAside =
    "Файл настроек %1 повреждён, а сохранить его копию не удалось. Чтобы не потерять его, "
    "программа не будет записывать настройки: изменения будут действовать только до выхода "
    "из программы.";
// %1 is the store file.
constexpr const char* kStoreNotWritable =
    "Не удалось записать файл настроек %1. Изменения настроек будут действовать только до "
    "выхода из программы.";

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

} // namespace

QSettingsStore::QSettingsStore(Prompter& prompter) : prompter_(prompter) {
    open();
    damaged_ = settings_->status() == QSettings::FormatError;
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

void QSettingsStore::sync() {
    if (!pending_) {
        return; // nothing written since the last sync: the disk is not touched
    }
    pending_ = false;
    setAsideDamagedFile();
    if (readOnly_) {
        return;
    }
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) {
        pending_ = true; // kept in memory: the next sync tries again
        reportUnwritable(kStoreNotWritable);
    }
}

std::string QSettingsStore::filePath() const {
    return settings_->fileName().toStdString();
}

void QSettingsStore::open() {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kOrganisation, kApplication);
    indexKeys();
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

// QSettings would replace a file it could not parse with only the part it
// understood. Before that happens the file is copied aside and the operator is
// told where. If no copy can be made, the file is left alone for this run.
void QSettingsStore::setAsideDamagedFile() {
    if (!damaged_) {
        return;
    }
    damaged_ = false;
    const QString path = settings_->fileName();
    const QString copy = path + QLatin1String(kDamagedCopySuffix) +
                         QDateTime::currentDateTime().toString(kDamagedCopyTimeFormat);
    if (!QFile::copy(path, copy)) {
        readOnly_ = true;
        reportUnwritable(kDamagedFileNotSetAside);
        return;
    }
    prompter_.ask(errorBox(QString::fromUtf8(kDamagedFileSetAside).arg(copy).toStdString()));
    if (!reopenWithoutDamagedFile()) {
        readOnly_ = true;
        reportUnwritable(kStoreNotWritable);
    }
}

// Starts a fresh file holding what could be read from the damaged one. A new
// QSettings is needed because its FormatError never clears and would hide a
// later AccessError.
bool QSettingsStore::reopenWithoutDamagedFile() {
    QList<QPair<QString, QVariant>> readable;
    const QStringList names = settings_->allKeys();
    for (const QString& name : names) {
        readable.append({name, settings_->value(name)});
    }
    const QString path = settings_->fileName();
    settings_.reset();
    const bool removed = QFile::remove(path);
    open();
    if (!removed) {
        return false;
    }
    for (const auto& [name, value] : readable) {
        settings_->setValue(name, value);
    }
    return true;
}

void QSettingsStore::reportUnwritable(const char* message) {
    if (unwritableReported_) {
        return;
    }
    unwritableReported_ = true;
    const QString path = settings_->fileName();
    prompter_.ask(errorBox(QString::fromUtf8(message).arg(path).toStdString()));
}

} // namespace volna
