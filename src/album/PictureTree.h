#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class ProgramFolder;

// What the album shows of a collection's picture folder: its year folders in
// order of name, each with its picture files in order of name. Names are the
// ones found on disk, so the page links to files that really exist.
struct PictureTree {
    struct YearFolder {
        // The four-character year. A sub-folder named otherwise is shown under
        // its whole name, so that its pictures are not lost.
        QString name;
        QStringList fileNames;
    };

    QString collectionFolderName; // "Verzameling" as named on disk
    QString pictureFolderName;    // the collection's folder as named on disk
    std::vector<YearFolder> years;

    // An empty or invalid collection name or a missing picture folder gives
    // no years.
    // Hidden entries and system files are left out.
    static PictureTree read(const ProgramFolder &folder, const QString &collectionName);
};
