#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Earlier versions of the collections. Before a collection file is replaced or
// deleted, it is kept as Verzameling/.versies/<name>/<yyyy-MM-dd HH.mm.ss>.col,
// named after the moment it was set aside; the newest Kept per collection stay.
// A second version within the same second gets " (2)", then " (3)" and so on.
// The order of the names is the order of keeping: a clock that went back (the
// hour repeated when summer time ends, another computer's clock on a
// synchronised folder) names the new version after the newest instead.
// Each version keeps the collection's want list and catalogue numbers beside it. The folders are
// those of CollectionFiles: a name in any spelling reaches its collection's.
// A work-keeping folder that is a symbolic link is never followed: a version
// cannot be kept there.
// The folder's name begins with a dot, as no collection's may, so it never
// counts as a collection or as a collection's picture folder.
class CollectionVersions {
public:
    static constexpr int Kept = 20;

    struct Version {
        QString collection; // the name whose versions these are
        QString id;         // the file name without ".col": "2026-12-07 12.30.05", or "... (2)"
        QString path;
        QDateTime keptAt;  // when it was set aside, as its name gives it (date and time, no zone)
        QDateTime savedAt; // when that file had last been written
        qsizetype recordCount = 0;
        QString storedName; // line 2 of the version: another name than collection's says whose it was
    };

    explicit CollectionVersions(const ProgramFolder &folder);

    // Verzameling/.versies/<name>
    QString folderOf(const QString &name) const;

    // Keeps the collection file of name as its newest version, unless that
    // version holds the same bytes already. No file: nothing to keep. Fails
    // (leaving no half-written version) when the file cannot be copied.
    StorageResult keep(const QString &name) const;
    // The same for another file that holds a state of name (a recovery file
    // the collector declined).
    StorageResult keepCopyOf(const QString &name, const QString &path) const;
    // The versions of name, newest first, each with its record count and line 2.
    std::vector<Version> versions(const QString &name) const;
    // The version of name with this id, if there is one.
    std::optional<Version> find(const QString &name, const QString &id) const;
    // Collections that have versions but no collection file any more, ordered
    // without regard to letter case, each named once.
    QStringList deletedCollections() const;
    // The records of a version as a load would give them.
    static StorageResult read(const Version &version, std::vector<StampRecord> &records);

private:
    QString rootFolder() const; // Verzameling/.versies
    // The versions of name without record counts, oldest first.
    std::vector<Version> listed(const QString &name) const;

    ProgramFolder m_folder;
};
