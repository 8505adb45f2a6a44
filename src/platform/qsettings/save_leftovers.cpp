#include "platform/qsettings/save_leftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

namespace volna {

namespace {

// A lock file is created empty and its owner written into it at once. One
// still empty after this long was left by a process killed in between.
constexpr qint64 kOwnerlessLockAgeMs = 500;

// QLockFile takes an empty lock for a live one until it is 30 s old, and
// QSettings would wait that long at the first save. Such a lock is removed
// once it is clearly not being written.
bool removeOwnerlessLock(const QLockFile& lock, const QString& lockFile) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application)) {
        return false; // it names its owner, a live one
    }
    const QDateTime written = QFileInfo(lockFile).lastModified();
    const qint64 age = written.msecsTo(QDateTime::currentDateTime());
    if (written.isValid() && age >= 0 && age < kOwnerlessLockAgeMs) {
        QThread::msleep(static_cast<unsigned long>(kOwnerlessLockAgeMs - age));
    }
    return !lock.getLockInfo(&pid, &host, &application) && QFile::remove(lockFile);
}

// A temporary name is six random letters of both cases. A six-letter word
// ("backup", "Before") is more likely an operator's own copy; at worst a
// leftover with such a name stays.
bool looksLikeAWord(const QString& suffix) {
    static const QRegularExpression word(QStringLiteral("^[A-Za-z][a-z]+$"));
    return word.match(suffix).hasMatch();
}

int removeTemporaryFiles(const QString& storeFile) {
    const QFileInfo store(storeFile);
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(store.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    QDir dir = store.dir();
    int removed = 0;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (temporaryName.match(name).hasMatch() && !looksLikeAWord(name.right(6)) &&
            dir.remove(name)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace

int removeSaveLeftovers(const QString& storeFile) {
    const QString lockFile = storeFile + QStringLiteral(".lock");
    QLockFile lock(lockFile);
    // tryLock() removes a lock whose owner no longer runs; a live instance's
    // lock makes it fail, and then its temporary file may be in use.
    if (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || !removeOwnerlessLock(lock, lockFile) ||
            !lock.tryLock(0)) {
            return 0;
        }
    }
    return removeTemporaryFiles(storeFile);
}

} // namespace volna
