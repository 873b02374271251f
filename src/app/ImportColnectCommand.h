#pragma once

#include "app/CliCommand.h"

// import-colnect BESTAND NAAM [--per-country] [--catalogue SYS] [--update]
// [--force] [--dry-run]: collections written or brought up to date from a
// Colnect stamp list, with a report per collection.
class ImportColnectCommand : public CliCommand {
public:
    ImportColnectCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
