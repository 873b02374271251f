#pragma once

#include "storage/StorageResult.h"

#include <QtGlobal>

// A figure measured on a failed load or save would mean nothing: the run stops.
inline void requireSuccess(const StorageResult &result)
{
    if (!result)
        qFatal("%s", qPrintable(result.reason));
}
