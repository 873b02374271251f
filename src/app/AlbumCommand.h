#pragma once

#include "app/CliCommand.h"

// album NAAM [--open]: the album page of a collection, as the menu command writes it.
class AlbumCommand : public CliCommand {
public:
    QString name() const override;
    QString summary() const override;
    QList<CliParameter> parameters() const override;
    QList<CliOption> options() const override;

protected:
    bool extraValuesAreUnknown() const override;
    StorageResult run(const CliArguments &read, const CliContext &context) const override;
};
