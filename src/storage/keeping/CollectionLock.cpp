#include "storage/keeping/CollectionLock.h"

#include "storage/StorageText.h"

#include <QFileInfo>

namespace {

// Far longer than any save takes; a lock left on another computer of a
// synchronised folder, whose process cannot be asked, goes after that.
constexpr int StaleMilliseconds = 10 * 60 * 1000;

} // namespace

CollectionLock::CollectionLock(const QString &lockFile)
    : m_lock(lockFile)
{
    m_lock.setStaleLockTime(StaleMilliseconds);
}

StorageResult CollectionLock::acquire()
{
    if (m_lock.tryLock(WaitMilliseconds))
        return StorageResult::success();
    if (m_lock.error() == QLockFile::LockFailedError)
        return StorageResult::failure(StorageText::tr("een ander programma slaat deze verzameling op"));
    return StorageResult::failure(StorageText::tr("slotbestand kon niet worden aangemaakt"));
}

QString CollectionLock::besideFile(const QString &file)
{
    const QFileInfo info(file);
    return info.path() + QLatin1String("/.") + info.fileName() + QLatin1String(".lock");
}
