#pragma once

#include "app/CliCommand.h"

// export-csv NAAM BESTAND [--force]: a collection written as a CSV file.
class ExportCsvCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
