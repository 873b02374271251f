#pragma once

#include <QString>

class QComboBox;

// Replaces the entries of the combo box with the lines of the word-list file,
// verbatim and in file order, and shows the first. A missing or empty file
// leaves the box empty with nothing selected.
void LoadLookupList(const QString &path, QComboBox *box);
