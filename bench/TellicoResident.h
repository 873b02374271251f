#pragma once

#include <QString>

// The child side of the Tellico import's memory figure: imports the file into
// the program folder home as collection "Proef" and prints "empty peak" in kB:
// resident before, and the peak of the process.
int measureTellicoResident(const QString &file, const QString &home);
