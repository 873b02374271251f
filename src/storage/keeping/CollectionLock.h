#pragma once

#include "storage/StorageResult.h"

#include <QLockFile>
#include <QString>

// Makes the work on one collection file exclusive between the programs that
// share a program folder: the window, the command-line program, another
// window. The lock is a hidden file beside the collection file
// (Verzameling/.<file name>.lock), so no listing ever shows it. A lock left by
// a process that has died is taken over.
class CollectionLock {
public:
    // How long to wait for another program's save to end.
    static constexpr int WaitMilliseconds = 15 * 1000;

    // lockFile: the collection's, beside its file.
    explicit CollectionLock(const QString &lockFile);

    // Waits until no other program holds the lock, then holds it until this
    // object goes.
    StorageResult acquire();

    // The hidden lock file beside a file: <folder>/.<file name>.lock
    static QString besideFile(const QString &file);

private:
    QLockFile m_lock;
};
