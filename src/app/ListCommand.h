#pragma once

#include "app/CliCommand.h"

// list [--old]: the names of the collections, or of the old-format files, in the
// open dialog's order.
class ListCommand : public CliCommand {
public:
    ListCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
