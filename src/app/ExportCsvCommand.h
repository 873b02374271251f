#pragma once

#include "app/CliCommand.h"

// export-csv NAAM BESTAND [--force]: a collection written as a CSV file.
class ExportCsvCommand : public CliCommand {
public:
    ExportCsvCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
