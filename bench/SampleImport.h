#pragma once

#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "storage/folder/ProgramFolder.h"

#include <QString>

// Imports the file into the program folder as the sample collection, with the
// import's other options as they come: the import benchmarks' run.
template <typename Import> void importSample(const QString &file, const ProgramFolder &folder)
{
    Import import;
    requireSuccess(import.read(file));
    typename Import::Options options;
    options.name = SampleFolder::Name;
    typename Import::Report report;
    requireSuccess(import.write(folder, options, false, report));
}
