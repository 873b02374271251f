#pragma once

#include "app/CliCommand.h"

// gaps NAAM REEKS... [--category TEKST]: the want list, a line per range.
class GapsCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
