#pragma once

#include "app/CliCommand.h"

// restore NAAM VERSIE [--as NIEUW] [--force]: a kept version written as a collection.
class RestoreCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
