#pragma once

#include "storage/StorageResult.h"

#include <QString>

class ProgramFolder;
class RecordList;

// Saves as the save dialog does: creates the collection's picture folder
// Verzameling/<name> when it is missing, then writes Verzameling/<name>.col.
// An invalid name, or a picture folder that cannot be created, writes nothing.
StorageResult SaveWithPictureFolder(const ProgramFolder &folder, const QString &name, const RecordList &list);
