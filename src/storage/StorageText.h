#pragma once

#include <QCoreApplication>

// The texts storage gives the user (failure reasons above all) share one
// translation context, so a translator finds them together:
// StorageText::tr("Het bestand is te kort.").
class StorageText {
    Q_DECLARE_TR_FUNCTIONS(StorageText)
};
