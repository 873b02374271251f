#pragma once

class OpenCollection;
class QColor;
class QWidget;

// The File menu's spreadsheet exchange: each command asks for a file first.
namespace CsvMenuCommands {

// Writes the list, in the order shown, to a CSV file; a failure is reported.
void exportList(const OpenCollection &collection, QWidget *parent);
// Reads a CSV file and lets CsvImportForm bring its rows into the list.
// The colours are those of CsvImportForm.
void importList(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                QWidget *parent);

} // namespace CsvMenuCommands
