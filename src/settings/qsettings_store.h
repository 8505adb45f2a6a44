#pragma once
// The settings store on disk: QSettings in its native format, made case-insensitive
// by an index of the spellings in the file. It copies a damaged file aside before
// replacing it and tells the operator, through the prompter, what it cannot save.

#include "settings/memory_store.h"
#include "settings/settings_store.h"
#include "toolkit/prompter.h"

#include <QHash>
#include <QString>

#include <memory>
#include <string>

class QSettings;

namespace volna {

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
    void sync() override;

    // The store file, whether or not it exists yet.
    std::string filePath() const;

private:
    void open();
    void indexKeys();
    QString storedName(std::string_view section, std::string_view key) const;
    void setAsideDamagedFile();
    bool reopenWithoutDamagedFile();
    void reportUnwritable(const char* message);

    Prompter& prompter_;
    std::unique_ptr<QSettings> settings_;
    // Case-folded "section/key" to the spelling the file already holds.
    QHash<QString, QString> spellings_;
    // The file did not parse and has not been copied aside yet.
    bool damaged_ = false;
    // The file must not be written in this run; writes are kept in unsaved_.
    bool readOnly_ = false;
    bool unwritableReported_ = false;
    // Something was written since the last sync.
    bool pending_ = false;
    MemoryStore unsaved_;
};

} // namespace volna
