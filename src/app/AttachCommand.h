#pragma once

#include "app/CliCommand.h"

// attach NAAM POS BESTAND [--replace]: a picture filed for the record at a position.
class AttachCommand : public CliCommand {
public:
    AttachCommand();

protected:
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
