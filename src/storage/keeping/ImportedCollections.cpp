#include "storage/keeping/ImportedCollections.h"

#include "storage/StorageText.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/TextFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

ImportedCollections::ImportedCollections(const ProgramFolder &folder)
    : m_folder(folder)
{}

ImportedCollections::~ImportedCollections()
{
    if (!m_finished)
        takeBack();
}

StorageResult ImportedCollections::check(const ProgramFolder &folder, const QString &name)
{
    const auto refused = [&name](const QString &reason) {
        return StorageResult::failure(
            StorageText::tr("Verzameling '%1' kan niet worden geschreven: %2").arg(name, reason));
    };
    if (!CollectionName::isValid(name))
        return refused(StorageText::tr("ongeldige naam"));
    if (const StorageResult fits = CollectionFiles::checkLength(folder, name); !fits)
        return refused(fits.reason);
    const CollectionFiles collection(folder, name);
    const QFileInfo file(collection.file());
    if (file.exists() && !file.isFile())
        return refused(
            StorageText::tr("'%1' is geen bestand").arg(QDir::toNativeSeparators(file.filePath())));
    const QFileInfo pictures(collection.pictureFolder());
    if (pictures.exists() && !pictures.isDir())
        return refused(
            StorageText::tr("'%1' is geen map").arg(QDir::toNativeSeparators(pictures.filePath())));
    return StorageResult::success();
}

CollectionSave::Result ImportedCollections::save(const QString &name, RecordSpan records,
                                                 const CatalogueEntries *entries)
{
    const CollectionFiles collection(m_folder, name);
    Written written{collection.file(),
                    collection.pictureFolder(),
                    collection.exists(),
                    !FolderExists(collection.pictureFolder()),
                    {},
                    entries ? collection.catalogueFile() : QString(),
                    !FileExists(collection.catalogueFile())};
    const CollectionSave::Result saved = collection.save(records, {}, nullptr, entries);
    if (!saved)
        return saved;
    if (written.replaced) {
        const std::vector<CollectionVersions::Version> versions = CollectionVersions(m_folder).versions(name);
        // The newest version holds the file as it was (kept now, or kept already).
        if (!versions.empty())
            written.keptVersion = versions.front().path;
    }
    m_written.push_back(std::move(written));
    return saved;
}

void ImportedCollections::filing(const QString &path)
{
    if (!QFileInfo::exists(path))
        m_pictures.append(path);
}

void ImportedCollections::takeBack()
{
    // Whatever cannot be taken back stays; the versions keep every file replaced.
    for (const QString &picture : m_pictures) {
        QFile::remove(picture);
        QDir().rmdir(QFileInfo(picture).path()); // a year folder it alone was in
    }
    for (auto written = m_written.rbegin(); written != m_written.rend(); ++written) {
        if (!written->catalogueFile.isEmpty() && written->newCatalogue)
            QFile::remove(written->catalogueFile);
        if (written->replaced) {
            QByteArray bytes;
            if (!written->keptVersion.isEmpty() && TextFile::readBytes(written->keptVersion, bytes))
                static_cast<void>(TextFile::writeBytes(written->file, bytes));
            // The catalogue numbers kept with the version come back with the file.
            const QString keptCatalogue = written->keptVersion.isEmpty()
                                              ? QString()
                                              : CollectionFiles::catalogueOfVersion(written->keptVersion);
            if (!written->catalogueFile.isEmpty() && !written->newCatalogue &&
                TextFile::readBytes(keptCatalogue, bytes))
                static_cast<void>(TextFile::writeBytes(written->catalogueFile, bytes));
        } else {
            QFile::remove(written->file);
        }
        if (written->madeFolder)
            QDir().rmdir(written->pictureFolder);
    }
}
