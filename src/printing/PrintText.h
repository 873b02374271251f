#pragma once

#include <QCoreApplication>

// The texts the print jobs put on paper and say of themselves share one
// translation context, apart from the windows' texts they may repeat today:
// PrintText::tr("Verzamelgebied : %1").
class PrintText {
    Q_DECLARE_TR_FUNCTIONS(PrintText)
};
