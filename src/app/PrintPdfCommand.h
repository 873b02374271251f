#pragma once

#include "app/CliCommand.h"

// print NAAM --job N --pdf BESTAND ...: one print job of a collection rendered into a
// PDF file. PrintCommand reads the options after the collection is loaded and
// names what is wrong with them in its own words.
class PrintPdfCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    StorageResult refuse(const CliArguments &read, const CliContext &context) const override;
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
