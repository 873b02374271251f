#pragma once

#include "app/CliCommand.h"

// album NAAM [--open]: the album page of a collection, as the menu command writes it.
class AlbumCommand : public CliCommand {
public:
    AlbumCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
