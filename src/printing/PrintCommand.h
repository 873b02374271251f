#pragma once

#include "printing/PrintSource.h"
#include "storage/StorageResult.h"

#include <QStringList>

#include <vector>

class ProgramFolder;

// The command line's print command: one print job of a loaded collection,
// rendered into a PDF file through the same jobs as the print dialog.
//   --job N (1 to 5)  --pdf FILE  [--copies C]  [--record POS]  [--photo FILE]
class PrintCommand {
public:
    PrintCommand(const ProgramFolder &folder, const QString &collectionName, RecordSpan rows);

    StorageResult run(const QStringList &options);

    // What the main window would show after loading, or after a click on row
    // position (1-based; 0 for none): the panel, the caption, the count line and
    // the record's picture.
    PrintSource source(int position) const;

private:
    const ProgramFolder &m_folder;
    QString m_collectionName;
    RecordSpan m_rows;
};
