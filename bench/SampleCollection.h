#pragma once

#include "storage/StampRecord.h"

#include <QByteArray>

#include <vector>

// Plausible records for measuring: fields of realistic length, both decimal
// signs, a blank year now and then. The same seed always gives the same records.
namespace SampleCollection {

std::vector<StampRecord> records(int count);
// The collection file bytes of those records.
QByteArray collectionFile(int count);
// The same records in the older format.
QByteArray oldDataFile(int count);

} // namespace SampleCollection
