#pragma once

#include "app/CliCommand.h"

// gaps NAAM REEKS... [--category TEKST]: the want list, a line per range.
class GapsCommand : public CliCommand {
public:
    GapsCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
