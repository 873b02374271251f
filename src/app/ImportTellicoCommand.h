#pragma once

#include "app/CliCommand.h"

// import-tellico BESTAND NAAM [--per-country] [--force] [--dry-run]: collections
// written from a Tellico file, with a report per collection.
class ImportTellicoCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
