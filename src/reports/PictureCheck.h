#pragma once

#include <QString>

#include <vector>

class ProgramFolder;
class RecordList;

// Compares a collection's records with its picture folder. A record's picture
// is looked for exactly as the window looks for it (ProgramFolder::picturePath:
// year folder and catalogue number + ".jpg", names matched without regard to
// letter case). Every other file below the picture folder is unused: a picture
// in the wrong year folder, under a misspelled number, or a file that is no
// ".jpg" at all.
struct PictureCheck {
    struct MissingPicture {
        int row; // the record's row in the list
        QString year;
        QString catalogueNumber;
    };
    struct UnusedFile {
        QString relativePath; // below the picture folder, with "/" between the parts
        // The record this file most likely belongs to: the first one with the
        // file's base name as catalogue number (letter case ignored) whose own
        // picture is missing, else the first with that number; -1 when none.
        int likelyRow;
    };

    std::vector<MissingPicture> missing; // in list order
    std::vector<UnusedFile> unused;      // by path, letter case ignored

    // A record without a catalogue number has no picture to miss. Without a
    // valid collection name or picture folder every other record misses its
    // picture and no file is unused.
    static PictureCheck run(const ProgramFolder &folder, const QString &collectionName,
                            const RecordList &list);
};
