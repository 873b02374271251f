#pragma once

#include "printing/PrintText.h"
#include "storage/StampRecord.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

// What the print jobs read of the main window, taken at the moment of printing,
// so that the jobs never touch a widget and print without windows as well.
struct PrintSource {
    QString collectionName;
    // The rows as the list shows them, in its current order: a copy of them,
    // or, when the list stays untouched while the jobs run (a modal print
    // dialog over the window that owns it), the list itself, lent in shownRows.
    std::vector<StampRecord> rows;
    std::optional<RecordSpan> shownRows;
    // Index into rows of the selected row; -1 when no row is selected.
    int selectedRow = -1;
    // The twelve texts the detail panel shows, possibly edited and not yet applied.
    StampRecord panel;
    // "Verzamelgebied : " + name, and the record-count line, worded as the main window
    // shows them (collectionCaptionOf, recordCountLineOf).
    QString collectionCaption;
    QString recordCountLine;
    // The picture the viewer holds for the selected record; null when it holds none.
    // The viewer shows it at its own size, one pixel per 15 twips.
    QImage picture;

    // What the jobs read: the lent list when there is one, else the copy.
    RecordSpan records() const { return shownRows ? *shownRows : RecordSpan(rows); }

    // 1 for the first row; 0 when no row is selected.
    int selectedPosition() const { return selectedRow + 1; }

    // The paper's own captions: translated apart from the window's, though in
    // Dutch they are the same bytes.
    static QString collectionCaptionOf(const QString &name)
    {
        return PrintText::tr("Verzamelgebied : %1").arg(name);
    }
    // "Aantal Gegevens" once a record is chosen, as the window words it then.
    static QString recordCountLineOf(qsizetype count, bool recordChosen)
    {
        return recordChosen ? PrintText::tr("Aantal Gegevens : %1").arg(count)
                            : PrintText::tr("Aantal Records : %1").arg(count);
    }
};
