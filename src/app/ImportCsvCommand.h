#pragma once

#include "app/CliCommand.h"

// import-csv BESTAND NAAM [--force]: a collection written from a CSV file.
class ImportCsvCommand : public CliCommand {
public:
    ImportCsvCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
