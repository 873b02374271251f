#pragma once

#include "app/CliCommand.h"

// import-tellico BESTAND NAAM [--per-country] [--force] [--dry-run]: collections
// written from a Tellico file, with a report per collection.
class ImportTellicoCommand : public CliCommand {
public:
    ImportTellicoCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
