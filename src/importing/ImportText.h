#pragma once

#include <QCoreApplication>

// The texts an import gives the user (why a file cannot be read, the notes of
// its report) share one translation context: ImportText::tr("...").
class ImportText {
    Q_DECLARE_TR_FUNCTIONS(ImportText)
};
