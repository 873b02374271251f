#pragma once

#include "app/OneNameCommand.h"

// totals NAAM: the two lines of the total-price message.
class TotalsCommand : public OneNameCommand {
public:
    TotalsCommand();

protected:
    StorageResult runOn(const QString &name, const CliContext &context) const override;
};
