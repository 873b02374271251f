#pragma once

#include "app/CliCommand.h"

// list [--old]: the names of the collections, or of the old-format files, in the
// open dialog's order.
class ListCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    bool extraValuesAreUnknown() const override;
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
