#pragma once

#include "app/CliCommand.h"

// import NAAM [--as NIEUW] [--force]: an old-format file written as a collection,
// exactly as importing it in the open dialog and saving it would.
class ImportCommand : public CliCommand {
public:
    ImportCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
