#pragma once

#include "app/CliCommand.h"

// import-csv BESTAND NAAM [--force]: a collection written from a CSV file.
class ImportCsvCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
