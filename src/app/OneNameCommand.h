#pragma once

#include "app/CliCommand.h"

// A command that takes one collection name and nothing else (show, totals,
// versions): whatever else it is given, it says it expects one name.
class OneNameCommand : public CliCommand {
public:
    OneNameCommand(const QString &name, const QString &summary);

protected:
    StorageResult refuse(const CliArguments &read, const CliContext &context) const final;
    StorageResult run(const CliArguments &read, const CliContext &context) const final;
    // The work on the name, taken and checked.
    virtual StorageResult runOn(const QString &name, const CliContext &context) const = 0;
};
