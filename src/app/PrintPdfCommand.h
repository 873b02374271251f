#pragma once

#include "app/CliCommand.h"

// print NAAM --job N --pdf BESTAND ...: one print job of a collection rendered into a
// PDF file. PrintCommand reads the options after the collection is loaded and
// names what is wrong with them in its own words.
class PrintPdfCommand : public CliCommand {
public:
    PrintPdfCommand();

protected:
    StorageResult refuse(const CliArguments &read, const CliContext &context) const override;
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
