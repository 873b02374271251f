#include "storage/folder/OutputFile.h"

#include "storage/StorageText.h"
#include "storage/folder/FileErrorReason.h"
#include "storage/folder/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The file as it would be written: through every link, also when it does not
// exist yet (then its folder is resolved).
QString resolved(const QFileInfo &file)
{
    if (file.exists())
        return file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

bool isCollectionData(const QString &path, const QString &collectionFolder)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !collectionFolder.isEmpty() && path.startsWith(collectionFolder + QLatin1Char('/')) &&
           (suffix == QLatin1String("col") || suffix == QLatin1String("cat"));
}

} // namespace

namespace OutputFile {

StorageResult mayWrite(const ProgramFolder &folder, const QString &path, bool force)
{
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(path);
    const QString collectionFolder = QFileInfo(folder.collectionFolder()).canonicalFilePath();
    // A dangling link is followed by the write, so its target counts as well.
    const QString target = file.isSymLink() ? resolved(QFileInfo(file.symLinkTarget())) : QString();
    if (isCollectionData(resolved(file), collectionFolder) || isCollectionData(target, collectionFolder))
        return StorageResult::failure(
            StorageText::tr("'%1' is een bestand van de verzamelingen en wordt nooit overschreven")
                .arg(shown));
    if (file.isDir())
        return StorageResult::failure(StorageText::tr("'%1' is een map").arg(shown));
    if ((file.exists() || file.isSymLink()) && !force)
        return StorageResult::failure(
            StorageText::tr("Bestand '%1' bestaat reeds; --force overschrijft het").arg(shown));
    return StorageResult::success();
}

StorageResult replaceLink(const QString &path)
{
    QFile link(path);
    if (QFileInfo(path).isSymLink() && !link.remove())
        return StorageResult::failure(StorageText::tr("Koppeling '%1' kon niet worden vervangen: %2")
                                          .arg(QDir::toNativeSeparators(path), FileErrorReason::of(link)));
    return StorageResult::success();
}

} // namespace OutputFile
