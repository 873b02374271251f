#pragma once

#include <QString>

class PrinterCanvas;
struct PrintSource;

// Job 3: one page with the detail panel's values of the selected record, its
// remark, the record count, the picture's file name and the picture itself.
// Returns false, printing nothing, when no record is chosen: no row selected or
// a catalogue number that is blank in the panel. The caller then shows
// RecordSheetRefusal().
bool PrintRecordSheet(PrinterCanvas &canvas, const PrintSource &source, const QString &copiesText);
QString RecordSheetRefusal();
// Whether a record is chosen: a selected row and a catalogue number that is not blank in the panel.
bool RecordSheetHasRecord(const PrintSource &source);
