#pragma once

#include "storage/StorageResult.h"

#include <QString>

class FileFingerprint;
class ProgramFolder;
class RecordList;

// The record list filled from and written to the files of the program folder,
// through the file formats.

// Empties the list, then fills it from Verzameling/<name>.col. When the header
// can be read, collectionName becomes line 2 of the file.
// The file's fingerprint goes to fingerprint when asked for.
StorageResult LoadCollection(const ProgramFolder &folder, const QString &name, RecordList &list,
                             QString &collectionName, FileFingerprint *fingerprint = nullptr);

// Empties the list, then fills it from Verzameling/<name>.cat.
StorageResult ImportOldData(const ProgramFolder &folder, const QString &name, RecordList &list);

// Writes all rows of the list to Verzameling/<name>.col, keeping the file it
// replaces as a version; when that fails, nothing is written and the file
// stays as it was.
StorageResult SaveCollection(const ProgramFolder &folder, const QString &name, const RecordList &list,
                             FileFingerprint *fingerprint = nullptr);
