#include "storage/folder/FileHelpers.h"

#include "storage/StorageText.h"
#include "storage/folder/FileErrorReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool FileExists(const QString &path)
{
    // Pipes and devices are no files here: reading one could wait for ever.
    return QFileInfo(path).isFile();
}

bool FolderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

namespace {

StorageResult removeFile(const QString &path)
{
    QFile file(path);
    if (!file.remove())
        return StorageResult::failure(FileErrorReason::of(file));
    return StorageResult::success();
}

} // namespace

StorageResult DeleteFolderTree(const QString &path)
{
    const QFileInfo folderInfo(path);
    if (folderInfo.isSymLink())
        return removeFile(path);

    // A folder without write permission would keep its entries.
    if (folderInfo.isDir())
        QFile::setPermissions(path, folderInfo.permissions() | QFileDevice::ReadOwner |
                                        QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // The whole folder is listed before anything is deleted.
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        StorageResult result;
        if (entry.isSymLink()) {
            result = removeFile(entry.absoluteFilePath());
        } else if (entry.isDir()) {
            result = DeleteFolderTree(entry.absoluteFilePath());
        } else {
            QFile::setPermissions(entry.absoluteFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            result = removeFile(entry.absoluteFilePath());
        }
        if (!result)
            return result;
    }
    if (!QDir().rmdir(path))
        return StorageResult::failure(StorageText::tr("Map kon niet worden verwijderd: %1").arg(path));
    return StorageResult::success();
}
