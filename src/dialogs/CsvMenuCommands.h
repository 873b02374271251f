#pragma once

class Main;

// The File menu's spreadsheet exchange: each command asks for a file first.
namespace CsvMenuCommands {

// Writes the list, in the order shown, to a CSV file; a failure is reported.
void exportList(Main &main);
// Reads a CSV file and lets CsvImportForm bring its rows into the list.
void importList(Main &main);

} // namespace CsvMenuCommands
