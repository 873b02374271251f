#pragma once

#include "app/CliCommand.h"

// find NAAM TEKST: the records the search bar finds, each after its position.
class FindCommand : public CliCommand {
public:
    FindCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
