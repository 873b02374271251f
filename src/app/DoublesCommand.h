#pragma once

#include "app/CliCommand.h"

// doubles NAAM [--category TEKST] [--system SYS]: the trade list, a line per number held more
// than once, by Cat.nr. or by the stamps' numbers in one other catalogue system.
class DoublesCommand : public CliCommand {
public:
    DoublesCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
