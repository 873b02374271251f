#pragma once

#include "app/CliCommand.h"

// catalogue NAAM POS [--set "SYS NR" [--value WAARDE] [--edition JAAR] | --remove SYS]: the numbers
// of a record's stamp in other catalogue systems, listed, set or removed.
class CatalogueCommand : public CliCommand {
public:
    CatalogueCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
