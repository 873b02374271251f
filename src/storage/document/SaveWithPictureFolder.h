#pragma once

#include "storage/keeping/CollectionSave.h"

#include <QString>

class FileFingerprint;
class ProgramFolder;
class RecordList;

// Saves as the save dialog does: creates the collection's picture folder
// Verzameling/<name> when it is missing, then writes Verzameling/<name>.col as
// one CollectionSave step under the conditions. An invalid name, or a picture
// folder that cannot be created, writes nothing.
CollectionSave::Result SaveWithPictureFolder(const ProgramFolder &folder, const QString &name,
                                             const RecordList &list, FileFingerprint *fingerprint = nullptr,
                                             const CollectionSave::Conditions &conditions = {});
