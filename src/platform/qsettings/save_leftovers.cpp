// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qsettings/save_leftovers.h"

#include "toolkit/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace volna {

int removeSaveLeftovers(const QString& storeFile) {
    const QFileInfo store(storeFile);
    const std::string target = store.fileName().toStdString();
    QDir dir = store.dir();
    int removed = 0;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (isTemporaryFileOf(name.toStdString(), target) && dir.remove(name)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace volna
