#pragma once

#include "app/CliCommand.h"

// restore NAAM VERSIE [--as NIEUW] [--force]: a kept version written as a collection.
class RestoreCommand : public CliCommand {
public:
    RestoreCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
