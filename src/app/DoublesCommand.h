#pragma once

#include "app/CliCommand.h"

// doubles NAAM [--category TEKST]: the trade list, a line per number held more than once.
class DoublesCommand : public CliCommand {
public:
    DoublesCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
