#pragma once

#include "storage/StampRecord.h"

#include <QString>

#include <vector>

class OpenCollection;

// Puts the collection in a state as if it had just been opened: the name, the
// records and no unsaved changes.
void arrangeCollection(OpenCollection &collection, const QString &name, std::vector<StampRecord> records);
// The same name and records, without unsaved changes.
void clearUnsavedChanges(OpenCollection &collection);
// The records as a list of their own, to compare or keep.
std::vector<StampRecord> recordsCopy(RecordSpan records);
