#include "settings/save_leftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace volna {

int removeSaveLeftovers(const QString& storeFile) {
    QLockFile lock(storeFile + QStringLiteral(".lock"));
    // tryLock() removes a lock left by a process that no longer runs; a live
    // instance's lock makes it fail, and then its temporary file may be in use.
    if (!lock.tryLock(0)) {
        return 0;
    }
    const QFileInfo store(storeFile);
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(store.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir dir = store.dir();
    int removed = 0;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (temporaryName.match(name).hasMatch() && dir.remove(name)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace volna
