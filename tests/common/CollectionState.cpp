#include "common/CollectionState.h"

#include "storage/document/OpenCollection.h"

void arrangeCollection(OpenCollection &collection, const QString &name, std::vector<StampRecord> records)
{
    collection.startNew(name, std::move(records));
}

void clearUnsavedChanges(OpenCollection &collection)
{
    arrangeCollection(collection, collection.name(), recordsCopy(collection.records().records()));
}

std::vector<StampRecord> recordsCopy(RecordSpan records)
{
    return {records.begin(), records.end()};
}
