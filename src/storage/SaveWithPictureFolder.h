#pragma once

#include "storage/StorageResult.h"

#include <QString>

class FileFingerprint;
class ProgramFolder;
class RecordList;

// Saves as the save dialog does: creates the collection's picture folder
// Verzameling/<name> when it is missing, then writes Verzameling/<name>.col.
// An invalid name, or a picture folder that cannot be created, writes nothing.
// The replaced file is kept as a version (see SaveCollection).
StorageResult SaveWithPictureFolder(const ProgramFolder &folder, const QString &name, const RecordList &list,
                                    FileFingerprint *fingerprint = nullptr);
