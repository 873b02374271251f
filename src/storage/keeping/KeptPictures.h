#pragma once

#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QString>
#include <QStringList>

// Earlier pictures of a collection's records. Before a picture is replaced it
// is kept beside the collection's versions, as
// Verzameling/.versies/<name>/afbeeldingen/<year>/<number>/<n>.jpg, n counting
// up per picture (so their order never depends on a clock); the newest Kept of
// each picture stay. Nothing is kept or pruned through a symbolic link.
class KeptPictures {
public:
    static constexpr int Kept = 5;

    KeptPictures(const ProgramFolder &folder, const QString &collectionName);

    // Verzameling/.versies/<name>/afbeeldingen/<year>/<number>
    QString folderOf(const QString &year, const QString &number) const;
    // Keeps a copy of the picture file of that year and number, unless the
    // newest kept one holds the same bytes. Fails, with a reason, when it
    // cannot be kept; the picture itself is never changed.
    StorageResult keep(const QString &picture, const QString &year, const QString &number) const;
    // The kept pictures of that year and number, oldest first.
    QStringList kept(const QString &year, const QString &number) const;

private:
    ProgramFolder m_folder;
    QString m_collectionName;
};
