#pragma once
// The settings store on disk: QSettings in its native format, made case-insensitive
// by an index of the spellings in the file. A damaged file is read line by line
// for what is still sound and copied aside before it is replaced; a file that
// cannot be read is never written. The operator hears of both through the prompter.

#include "settings/memory_store.h"
#include "settings/settings_store.h"
#include "toolkit/prompter.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <memory>
#include <string>
#include <string_view>

class QSettings;
class QTemporaryDir;

namespace volna {

// The store file, "<config>/VOLNA144/VOLNA144.conf", whether or not it exists:
// worked out without opening it.
QString storeFilePath();

class QSettingsStore : public SettingsStore {
public:
    explicit QSettingsStore(Prompter& prompter);
    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::string readSetting(std::string_view section, std::string_view key,
                            std::string_view fallback) override;
    // Only changes the value in memory; it reaches the disk at the next sync().
    void writeSetting(std::string_view section, std::string_view key,
                      std::string_view value) override;
    bool sync() override;

    // The store file, whether or not it exists yet.
    std::string filePath() const;

private:
    void open();
    void openStoreFile();
    void openStoreFileWith(const QList<QPair<QString, QVariant>>& values);
    static std::unique_ptr<QSettings> openSoundLines(const QTemporaryDir& dir,
                                                     const std::string& soundText);
    void runWithoutFile(const QString& reason);
    void indexKeys();
    void setAsideDamagedFile();
    bool replaceDamagedFile();
    bool writeFile();
    void reportUnwritable(std::string_view message);

    Prompter& prompter_;
    const QString path_;
    // The store file, or while damaged_ a copy of the damaged file's sound lines.
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<QTemporaryDir> soundCopyDir_;
    // The sound lines themselves, which replace the damaged file at once.
    std::string soundText_;
    // Case-folded "section/key" to the spelling the file already holds.
    QHash<QString, QString> spellings_;
    // The file is damaged and has not been copied aside and replaced yet.
    bool damaged_ = false;
    // The file must not be written in this run; writes are kept in unsaved_.
    bool readOnly_ = false;
    bool unwritableReported_ = false;
    // Something was written since the last sync that reached the disk.
    bool pending_ = false;
    // The last write failed; QSettings keeps reporting that, so the next
    // attempt needs a new QSettings.
    bool writeFailed_ = false;
    MemoryStore unsaved_;
};

} // namespace volna
